#include "schedule/ui/asentarProgramados.h"

#include "backups/ui/BackupQuestion.h"
#include "base/Clock.h"
#include "schedule/core/PostingStep.h"
#include "schedule/core/SchedulePosting.h"
#include "schedule/ui/panProgPendientes.h"
#include "store/DataControl.h"
#include "store/Database.h"
#include "store/StoreError.h"

#include "ui/common/ErrorMessage.h"

#include <QMessageBox>

namespace tesorin::schedule {

void asentarProgramados(QWidget* parent, store::Database& baseAbierta, store::DataControl& data) {
    const QDate today = clock::today();
    DuePosting due;
    try {
        dateUndatedSchedules(baseAbierta, today);
        due = duePosting(baseAbierta, today);
    } catch (const store::StoreError& failure) {
        ui::showStoreError(parent, failure, ui::kSpacedErrorTitle);
        return;
    }
    if (due.isEmpty())
        return;
    panProgPendientes dialog(due, parent);
    dialog.exec();
    if (dialog.Tag != QLatin1String("SI") ||
        !backups::backupBeforeChange(parent, baseAbierta.name()))
        return;
    try {
        postDueMovements(baseAbierta, due, today, dialog.ticked());
    } catch (const store::StoreError& failure) {
        ui::showStoreError(parent, failure, ui::kSpacedErrorTitle);
        return;
    }
    try {
        data.Refresh();
    } catch (const store::StoreError& failure) {
        ui::showStoreError(parent, failure, ui::kSpacedErrorTitle);
    }
}

} // namespace tesorin::schedule
