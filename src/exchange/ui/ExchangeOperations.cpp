#include "exchange/ui/ExchangeOperations.h"

#include "exchange/core/ExchangeError.h"
#include "exchange/core/ExchangeFolders.h"
#include "exchange/core/ExchangeMessages.h"
#include "exchange/ui/ExportOperation.h"
#include "exchange/ui/ImportDialog.h"
#include "store/Database.h"
#include "store/StoreError.h"
#include "ui/common/ErrorMessage.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/OperationContext.h"

#include <QFileDialog>

namespace tesorin::exchange {

ExchangeOperations::ExchangeOperations(ui::OperationContext& context, QObject* parent)
    : QObject(parent), m_context(context) {}

void ExchangeOperations::importarMovimientos() {
    if (!ui::requireOpenWorkArea(m_context))
        return;
    QFileDialog choose(m_context.parentWindow(), QStringLiteral("Importar movimientos"));
    choose.setObjectName(QStringLiteral("panAbrirExtracto"));
    choose.setFileMode(QFileDialog::ExistingFile);
    choose.setDirectory(proposedFolder(ExchangeDirection::Import));
    choose.setNameFilters({QStringLiteral("Extractos bancarios (*.csv *.txt *.ofx *.qfx *.qif)"),
                           QStringLiteral("Todos los archivos (*)")});
    if (choose.exec() != QDialog::Accepted || choose.selectedFiles().isEmpty())
        return;
    const QString path = choose.selectedFiles().front();
    rememberFolderOf(ExchangeDirection::Import, path);
    try {
        store::Database& db = *m_context.state().baseAbierta;
        ImportDialog dialog(db, path, m_context.parentWindow());
        if (dialog.exec() != QDialog::Accepted)
            return;
        if (dialog.outcome().stored > 0)
            m_context.refreshView();
        ui::MessageBoxes::information(m_context.parentWindow(),
                                      QStringLiteral("Importar movimientos"),
                                      importDoneText(dialog.outcome(), db.name()));
    } catch (const ExchangeError& e) {
        ui::showError(m_context.parentWindow(), e.message());
    } catch (const store::StoreError& e) {
        ui::showStoreError(m_context.parentWindow(), e);
    }
}

void ExchangeOperations::exportarMovimientos() {
    if (!ui::requireOpenWorkArea(m_context))
        return;
    exportMovements(m_context.parentWindow(), m_context.data1(), m_context.state().nombreBase);
}

} // namespace tesorin::exchange
