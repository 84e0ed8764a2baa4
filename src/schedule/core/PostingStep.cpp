#include "schedule/core/PostingStep.h"

#include "history/core/StepNames.h"
#include "schedule/core/SchedulePosting.h"
#include "store/ChangeLog.h"

namespace tesorin::schedule {

void postDueMovements(store::Database& db, const DuePosting& due, const QDate& today,
                      const std::vector<bool>& ticked) {
    store::ChangeStep step(db, QString());
    recordDuePosting(db, due, today, ticked);
    step.setName(history::steps::posting(step.rowsAdded(QStringLiteral("Movimientos"))));
    step.commit();
}

} // namespace tesorin::schedule
