// Undoing a posting of a year of ten daily schedules (3,660 movements) in
// the generated work area. Each run posts for real (one step, committed),
// then the undo is timed, committed too; the work area ends as generated.
#include "bench/Bench.h"
#include "history/core/UndoHistory.h"
#include "schedule/core/PostingStep.h"
#include "schedule/core/SchedulePosting.h"
#include "store/ChangeLog.h"
#include "store/Database.h"

#include <QDate>

#include <cstdio>

namespace {

constexpr int kSchedules = 10;
const QDate kToday(2024, 12, 31);

} // namespace

TESORIN_BENCH(undo_posting) {
    using namespace tesorin;
    auto db = store::Database::OpenDatabase(QStringLiteral("BASE.MDB"));
    store::Statement add = db->prepare(QStringLiteral(
        "INSERT INTO Programa (Cuenta, Programa, FinDeSemana, Detalle, Importe, Tipo, UltimaFecha) "
        "VALUES ('Cuenta 001', 'Diaria', 0, 'Cuota', 1500.5, 'OU', '2023-12-31')"));
    for (int i = 0; i < kSchedules; ++i) {
        add.reset();
        add.run();
    }
    long posted = 0;
    const double ms = bench::medianMs([&] { history::undoStep(*db, *history::stepToUndo(*db)); }, 5,
                                      [&] {
                                          const schedule::DuePosting due =
                                              schedule::duePosting(*db, kToday);
                                          posted = long(due.movements.size());
                                          schedule::postDueMovements(*db, due, kToday);
                                      });
    db->exec(QStringLiteral("DELETE FROM Programa WHERE Detalle = 'Cuota' AND UltimaFecha = "
                            "'2023-12-31'"));
    store::changelog::clear(*db);
    std::printf("BENCH undo_posting rows=%ld movements=%ld ms=%.1f goal_ms=100\n", context.rows,
                posted, ms);
}
