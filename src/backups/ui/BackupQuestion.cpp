#include "backups/ui/BackupQuestion.h"

#include "backups/core/WorkAreaBackup.h"
#include "store/StoreError.h"
#include "store/WorkAreaFolder.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/WaitCursor.h"

namespace tesorin::backups {

namespace {
const QString kTitle = QStringLiteral("Copia de seguridad");
}

std::optional<QString> copyBeforeChange(QWidget* parent, const QString& workAreaName) {
    QString failure;
    try {
        ui::WaitCursor wait;
        return backupWorkArea(workAreaName);
    } catch (const store::StoreError& error) {
        failure = error.message();
    }
    const auto answer = ui::MessageBoxes::ask(
        parent, kTitle, failure + QStringLiteral("\n\n¿Continuar sin copia?"),
        ui::MessageBoxes::Buttons(QMessageBox::Yes | QMessageBox::No), QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return std::nullopt;
    return QString();
}

bool backupBeforeChange(QWidget* parent, const QString& workAreaName) {
    return copyBeforeChange(parent, workAreaName).has_value();
}

void backupOnOpening(QWidget* parent, const QString& workAreaName) {
    // Work areas opened read-only take no change, and the folder takes no copy.
    if (store::workAreasReadOnly())
        return;
    try {
        ui::WaitCursor wait;
        dailyBackup(workAreaName);
    } catch (const store::StoreError& error) {
        ui::MessageBoxes::warning(parent, kTitle, error.message());
    }
}

} // namespace tesorin::backups
