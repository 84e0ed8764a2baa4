// Sums and balances and the two charts on a large work area, each against raw
// sqlite3 computing the same figures. The baseline is the faster of the two
// ways SQLite can read the range (through the index on Fecha or scanning the
// table), so the comparison is with the best plain query, not a weak one.
#include "bench/Bench.h"
#include "reports/core/AccountSums.h"
#include "reports/core/ChartFigures.h"
#include "reports/core/ChartQueries.h"
#include "reports/core/ChartTotals.h"
#include "store/Database.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <algorithm>

namespace {

sqlite3* openRaw(const QString& path) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    return db;
}

// Steps a grouped query to its end, reading every column.
void rawGrouped(sqlite3* db, const QString& sql) {
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &stmt, nullptr);
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        for (int c = 0; c < sqlite3_column_count(stmt); ++c)
            sqlite3_column_double(stmt, c);
    }
    sqlite3_finalize(stmt);
}

// The faster of the query as SQLite plans it and the same query scanning the table.
double rawBaselineMs(const QString& path, const QString& group, const QString& first,
                     const QString& last) {
    sqlite3* raw = openRaw(path);
    const QString sql = QStringLiteral("SELECT %1, sum(Ingreso), sum(Egreso) FROM Movimientos %2 "
                                       "WHERE Fecha >= '%3' AND Fecha <= '%4' GROUP BY 1");
    const double planned =
        tesorin::bench::medianMs([&] { rawGrouped(raw, sql.arg(group, QString(), first, last)); });
    const double scanned = tesorin::bench::medianMs(
        [&] { rawGrouped(raw, sql.arg(group, QStringLiteral("NOT INDEXED"), first, last)); });
    sqlite3_close(raw);
    return std::min(planned, scanned);
}

} // namespace

// Every movement of the ten years generated counts.
TESORIN_BENCH(sums_all_accounts) {
    using namespace tesorin;
    // The computation writes the accounts' totals: it runs on a copy.
    QTemporaryDir folder;
    const QString copy = QDir(folder.path()).filePath(QStringLiteral("BASE.MDB"));
    QFile::copy(context.path, copy);
    auto db = store::Database::openFile(copy, QStringLiteral("BASE.MDB"));
    const double ms = bench::medianMs(
        [&] { reports::storeAccountSums(*db, QDate(2015, 1, 1), QDate(2024, 12, 31)); });
    db.reset();
    const double baseline =
        rawBaselineMs(context.path, QStringLiteral("Cuenta"), QStringLiteral("2015-01-01"),
                      QStringLiteral("2024-12-31"));
    bench::report(QStringLiteral("sums_all_accounts"), context.rows, ms, baseline);
}

// One year of all accounts, as the annual chart computes it.
TESORIN_BENCH(annual_chart) {
    using namespace tesorin;
    auto db = store::Database::openFile(context.path, QStringLiteral("BASE.MDB"));
    const QString query = reports::annualQuery(QString(), QStringLiteral("2020"));
    const double ms = bench::medianMs([&] {
        reports::chartFigures(reports::annualTotals(*db, query, 2020), reports::annualGeometry());
    });
    db.reset();
    const double baseline =
        rawBaselineMs(context.path, QStringLiteral("substr(Fecha, 6, 2)"),
                      QStringLiteral("2020-01-01"), QStringLiteral("2020-12-31"));
    bench::report(QStringLiteral("annual_chart"), context.rows, ms, baseline);
}

// One month of all accounts, as the monthly chart computes it.
TESORIN_BENCH(monthly_chart) {
    using namespace tesorin;
    auto db = store::Database::openFile(context.path, QStringLiteral("BASE.MDB"));
    const QDate may(2020, 5, 1);
    const QString query = reports::monthlyQuery(reports::kTodasLasCuentas, may);
    const double ms = bench::medianMs([&] {
        reports::chartFigures(reports::monthlyTotals(*db, query, 2020, 5),
                              reports::monthlyGeometry());
    });
    db.reset();
    const double baseline =
        rawBaselineMs(context.path, QStringLiteral("substr(Fecha, 9, 2)"),
                      QStringLiteral("2020-05-01"), QStringLiteral("2020-05-31"));
    bench::report(QStringLiteral("monthly_chart"), context.rows, ms, baseline);
}
