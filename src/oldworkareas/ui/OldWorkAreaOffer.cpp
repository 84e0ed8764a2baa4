#include "oldworkareas/ui/OldWorkAreaOffer.h"

#include "oldworkareas/core/OldWorkAreaConversion.h"
#include "oldworkareas/ui/ConversionProgressDialog.h"
#include "oldworkareas/ui/ConversionQuestion.h"
#include "oldworkareas/ui/ConversionReportDialog.h"
#include "store/StoreError.h"

#include <QFileInfo>
#include <QMessageBox>

namespace tesorin::oldworkareas {

bool offerOldWorkAreaConversion(QWidget* parent, const QString& path) {
    const QString fileName = QFileInfo(path).fileName().toUpper();
    if (!askToConvert(parent, fileName))
        return false;
    ConversionReport report;
    {
        ConversionProgressDialog progress(fileName, parent);
        ConversionHooks hooks;
        hooks.progress = progress.callback();
        try {
            report = convertOldWorkArea(path, hooks);
        } catch (const ConversionCancelled&) {
            progress.close();
            QMessageBox::information(parent, QStringLiteral("Conversión cancelada"),
                                     QStringLiteral("La caja %1 no se convirtió y quedó como "
                                                    "estaba.")
                                         .arg(fileName));
            return false;
        } catch (const store::StoreError& refusal) {
            progress.close();
            QMessageBox::critical(parent, QStringLiteral("Error"), refusal.message());
            return false;
        }
    }
    ConversionReportDialog(report, parent).exec();
    return true;
}

} // namespace tesorin::oldworkareas
