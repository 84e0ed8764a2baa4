#pragma once

#include <QDate>

#include <vector>

namespace tesorin::store {
class Database;
}

namespace tesorin::schedule {

struct DuePosting;

// Records the ticked due movements (see recordDuePosting) as one step of the
// work area's history, named after how many movements it added ("asentar 26
// movimientos programados"), so "Deshacer" removes exactly those and puts
// the schedules' dates back. Throws StoreError.
void postDueMovements(store::Database& db, const DuePosting& due, const QDate& today,
                      const std::vector<bool>& ticked = {});

} // namespace tesorin::schedule
