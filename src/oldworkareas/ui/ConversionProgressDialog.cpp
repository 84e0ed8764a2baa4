#include "oldworkareas/ui/ConversionProgressDialog.h"

#include <QPushButton>

namespace tesorin::oldworkareas {

namespace {

constexpr int kShowAfterMs = 500;

} // namespace

ConversionProgressDialog::ConversionProgressDialog(const QString& fileName, QWidget* parent)
    : QProgressDialog(parent) {
    setObjectName(QStringLiteral("progresoConversion"));
    setWindowTitle(QStringLiteral("Convirtiendo la caja"));
    setLabelText(QStringLiteral("Convirtiendo la caja %1 para usarla en Tesorin...").arg(fileName));
    auto* cancel = new QPushButton(QStringLiteral("Cancelar"), this);
    cancel->setObjectName(QStringLiteral("cancelar"));
    setCancelButton(cancel);
    setWindowModality(Qt::WindowModal);
    setMinimumDuration(kShowAfterMs);
    setAutoClose(false);
    setAutoReset(false);
    setAccessibleName(labelText());
}

ProgressCallback ConversionProgressDialog::callback() {
    return [this](qint64 done, qint64 total) {
        // The bar counts in thousandths so that any row count fits an int.
        setMaximum(1000);
        setValue(total > 0 ? int(done * 1000 / total) : 0);
        return !wasCanceled();
    };
}

} // namespace tesorin::oldworkareas
