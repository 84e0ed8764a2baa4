// Posting a year of daily schedules into the generated work area, against
// raw sqlite3 inserting the same rows. Both run inside a transaction that is
// rolled back, so the work area stays as generated.
#include "bench/Bench.h"
#include "schedule/core/SchedulePosting.h"
#include "store/Database.h"

#include <QDate>

#include <sqlite3.h>

namespace {

constexpr int kSchedules = 10;
const QDate kToday(2024, 12, 31);

void addDailySchedules(tesorin::store::Database& db) {
    tesorin::store::Statement add = db.prepare(QStringLiteral(
        "INSERT INTO Programa (Cuenta, Programa, FinDeSemana, Detalle, Importe, Tipo, UltimaFecha) "
        "VALUES ('Cuenta 001', 'Diaria', 0, 'Cuota', 1500.5, 'OU', '2023-12-31')"));
    for (int i = 0; i < kSchedules; ++i) {
        add.reset();
        add.run();
    }
}

} // namespace

TESORIN_BENCH(schedule_posting) {
    using namespace tesorin;
    auto db = store::Database::OpenDatabase(QStringLiteral("BASE.MDB"));
    const auto fresh = [&] {
        if (sqlite3_get_autocommit(db->handle()) == 0)
            db->exec(QStringLiteral("ROLLBACK"));
        db->exec(QStringLiteral("BEGIN"));
        addDailySchedules(*db);
    };
    long posted = 0;
    const double ms = bench::medianMs(
        [&] {
            schedule::dateUndatedSchedules(*db, kToday);
            const schedule::DuePosting due = schedule::duePosting(*db, kToday);
            schedule::recordDuePosting(*db, due, kToday);
            posted = long(due.movements.size());
        },
        5, fresh);
    const double baseline = bench::medianMs(
        [&] {
            store::Statement insert = db->prepare(QStringLiteral(
                "INSERT INTO Movimientos (Fecha, Cuenta, Detalle, Tipo, Ingreso, Egreso) "
                "VALUES (?1, 'Cuenta 001', 'Cuota', 'Programado', 0, 1500.5)"));
            for (long i = 0; i < posted; ++i) {
                insert.reset();
                insert.bind(1, kToday.addDays(-(i % 366)));
                insert.run();
            }
        },
        5, fresh);
    db->exec(QStringLiteral("ROLLBACK"));
    bench::report(QStringLiteral("schedule_posting"), context.rows, ms, baseline);
    bench::reportValue(QStringLiteral("schedule_posting"), context.rows,
                       QStringLiteral("movements"), double(posted));
}
