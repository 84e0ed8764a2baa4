#include "exchange/ui/ExportOperation.h"

#include "base/Clock.h"
#include "exchange/core/ExchangeError.h"
#include "exchange/core/ExchangeFolders.h"
#include "exchange/core/ExchangeMessages.h"
#include "exchange/core/ExportName.h"
#include "exchange/core/ExportRows.h"
#include "exchange/core/ExportWriters.h"
#include "store/DataControl.h"
#include "store/StoreError.h"
#include "ui/common/ErrorMessage.h"
#include "ui/common/WaitCursor.h"

#include "ui/common/MessageBoxes.h"
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include <QMessageBox>

namespace tesorin::exchange {

bool exportMovements(QWidget* parent, store::DataControl& data, const QString& workAreaName) {
    QFileDialog dialog(parent, QStringLiteral("Exportar movimientos"));
    dialog.setObjectName(QStringLiteral("panExportar"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilters({QStringLiteral("Texto separado (*.csv)"),
                           QStringLiteral("Planilla (*.xlsx)"), QStringLiteral("QIF (*.qif)"),
                           QStringLiteral("OFX (*.ofx)")});
    const QString folder = proposedFolder(ExchangeDirection::Export);
    dialog.setDirectory(folder);
    dialog.selectFile(QDir(folder).filePath(proposedExportName(workAreaName, clock::today())));
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
            const QString suffix = filter.section(QStringLiteral("*."), 1).chopped(1);
            const QStringList chosen = dialog.selectedFiles();
            if (!chosen.isEmpty())
                dialog.selectFile(QFileInfo(chosen.front()).completeBaseName() + u'.' + suffix);
        });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    QString path = dialog.selectedFiles().front();
    if (!exportFormatForPath(path))
        path += u'.' + dialog.selectedNameFilter().section(QStringLiteral("*."), 1).chopped(1);
    const bool written = exportMovementsTo(parent, data, path);
    if (written)
        rememberFolderOf(ExchangeDirection::Export, path);
    return written;
}

bool exportMovementsTo(QWidget* parent, store::DataControl& data, const QString& path) {
    const auto format = exportFormatForPath(path);
    if (!format) {
        ui::showError(parent,
                      QStringLiteral("El nombre debe terminar en .csv, .xlsx, .qif u .ofx."));
        return false;
    }
    if (QFileInfo::exists(path) &&
        ui::MessageBoxes::ask(parent, QStringLiteral("Pregunta"),
                              QStringLiteral("El archivo «%1» ya existe. ¿Desea reemplazarlo?")
                                  .arg(QFileInfo(path).fileName()),
                              QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::No) != QMessageBox::Yes)
        return false;
    try {
        QVector<ExportRow> rows;
        {
            ui::WaitCursor wait;
            const QString account = QFileInfo(data.DatabaseName()).completeBaseName();
            rows = viewRows(data);
            writeExport(path, rows, *format, account);
        }
        ui::MessageBoxes::information(parent, QStringLiteral("Exportar movimientos"),
                                      exportDoneText(rows.size(), QFileInfo(path).fileName()));
        return true;
    } catch (const ExchangeError& e) {
        ui::showError(parent, e.message());
    } catch (const store::StoreError& e) {
        ui::showStoreError(parent, e);
    }
    return false;
}

} // namespace tesorin::exchange
