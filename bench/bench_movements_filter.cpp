// The view filter and the search over a large work area: a refresh to a
// one-account, one-year view up to the first rows shown, and a find of the
// next match over the whole view, each against raw sqlite3 doing the same
// selection.
#include "bench/Bench.h"
#include "movements/core/MovementSearch.h"
#include "movements/core/ViewFilter.h"
#include "store/DataControl.h"
#include "store/Recordset.h"

#include <sqlite3.h>

namespace {

constexpr int kRowsShown = 50;
// The machines running this are shared: a median of more runs steadies it.
constexpr int kRuns = 15;

sqlite3* openRaw(const QString& path) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    return db;
}

// Reads every column of the first `rows` rows of sql, as the grid would.
void rawFirstRows(sqlite3* db, const QByteArray& sql, int rows) {
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, sql.constData(), -1, &stmt, nullptr);
    for (int i = 0; i < rows && sqlite3_step(stmt) == SQLITE_ROW; ++i) {
        for (int c = 0; c < sqlite3_column_count(stmt); ++c)
            sqlite3_column_text(stmt, c);
    }
    sqlite3_finalize(stmt);
}

// Date and account of the movement stored halfway through the work area.
std::pair<QString, QString> middleMovement(sqlite3* db, long rows) {
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, "SELECT Fecha, Cuenta FROM Movimientos WHERE rowid = ?", -1, &stmt,
                       nullptr);
    sqlite3_bind_int64(stmt, 1, rows / 2);
    std::pair<QString, QString> found;
    if (sqlite3_step(stmt) == SQLITE_ROW)
        found = {QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0))),
                 QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 1)))};
    sqlite3_finalize(stmt);
    return found;
}

} // namespace

TESORIN_BENCH(filter_one_account_year) {
    using namespace tesorin;
    movements::ViewChoice choice;
    choice.selectedEntries = {QStringLiteral("Cuenta 007")};
    choice.currentEntry = choice.selectedEntries.first();
    choice.from = QDate(2020, 1, 1);
    choice.to = QDate(2020, 12, 31);
    const QString rowSource = movements::viewRowSource(choice);

    store::DataControl data;
    data.setDatabaseName(QStringLiteral("BASE.MDB"));
    data.setRecordSource(QStringLiteral("select * from Movimientos order by fecha"));
    const double ms = bench::medianMs(
        [&] {
            movements::showView(data, rowSource);
            for (long row = 0; row < kRowsShown && row < data.rowCount(); ++row)
                data.recordset()->rowAt(row);
        },
        kRuns);

    sqlite3* raw = openRaw(context.path);
    const QByteArray sql = "select * from Movimientos where Fecha >= '2020-01-01' and Fecha <= "
                           "'2020-12-31' and (Cuenta = 'Cuenta 007') order by Fecha, Cuenta";
    const double baseline = bench::medianMs([&] { rawFirstRows(raw, sql, kRowsShown); }, kRuns);
    sqlite3_close(raw);
    bench::report(QStringLiteral("filter_one_account_year"), context.rows, ms, baseline);
}

TESORIN_BENCH(find_next) {
    using namespace tesorin;
    sqlite3* raw = openRaw(context.path);
    const auto [storedDate, account] = middleMovement(raw, context.rows);

    movements::SearchChoice choice;
    choice.date = QDate::fromString(storedDate, Qt::ISODate);
    choice.account = account;
    choice.anyDetail = true;
    choice.anyAmount = true;
    const QString criteria = movements::searchCriteria(choice);

    store::DataControl data;
    data.setDatabaseName(QStringLiteral("BASE.MDB"));
    data.setRecordSource(QStringLiteral("select * from Movimientos order by fecha"));
    data.Refresh();
    const double ms = bench::medianMs(
        [&] { movements::findMovement(data, criteria, movements::SearchStart::AfterCurrent); },
        kRuns, [&] { data.setCurrentRow(0); });

    // The first row of the same selection in the view's order.
    const QByteArray sql = QStringLiteral("select * from Movimientos where Fecha = '%1' and "
                                          "Cuenta = '%2' order by fecha, rowid")
                               .arg(storedDate, account)
                               .toUtf8();
    const double baseline = bench::medianMs([&] { rawFirstRows(raw, sql, 1); }, kRuns);
    sqlite3_close(raw);
    bench::report(QStringLiteral("find_next"), context.rows, ms, baseline);
}
