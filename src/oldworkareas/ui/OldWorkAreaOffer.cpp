#include "oldworkareas/ui/OldWorkAreaOffer.h"

#include "oldworkareas/core/OldWorkAreaConversion.h"
#include "oldworkareas/ui/ConversionProgressDialog.h"
#include "oldworkareas/ui/ConversionQuestion.h"
#include "oldworkareas/ui/ConversionReportDialog.h"
#include "store/StoreError.h"
#include "ui/common/ErrorMessage.h"

#include <QFileInfo>
#include <QMessageBox>

#include <optional>

namespace tesorin::oldworkareas {

bool offerOldWorkAreaConversion(QWidget* parent, const QString& path) {
    const QString fileName = QFileInfo(path).fileName().toUpper();
    // A Jet file of another program is refused before anything is offered.
    try {
        checkOldWorkArea(path);
    } catch (const store::StoreError& refusal) {
        ui::showStoreError(parent, refusal);
        return false;
    }
    if (!askToConvert(parent, fileName))
        return false;
    std::optional<ConversionReport> report;
    std::optional<store::StoreError> refusal;
    {
        // Gone before any message: its timer would show it over one.
        ConversionProgressDialog progress(fileName, parent);
        ConversionHooks hooks;
        hooks.progress = progress.callback();
        try {
            report = convertOldWorkArea(path, hooks);
        } catch (const ConversionCancelled&) {
        } catch (const store::StoreError& failure) {
            refusal = failure;
        }
    }
    if (refusal) {
        ui::showStoreError(parent, *refusal);
        return false;
    }
    if (!report) {
        QMessageBox::information(
            parent, QStringLiteral("Conversión cancelada"),
            QStringLiteral("La caja %1 no se convirtió y quedó como estaba.").arg(fileName));
        return false;
    }
    ConversionReportDialog(*report, parent).exec();
    return true;
}

} // namespace tesorin::oldworkareas
