// The data control behind the main grid: a refresh up to the first rows
// shown, and the view's totals, each against raw sqlite3 doing the same work.
#include "bench/Bench.h"
#include "store/DataControl.h"
#include "store/Recordset.h"

#include <sqlite3.h>

#include <cstdio>

namespace {

const QString kRowSource = QStringLiteral("select * from Movimientos order by fecha");

sqlite3* openRaw(const QString& path) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    return db;
}

// Reads every column of the first `rows` rows of sql, as a grid would.
void rawFirstRows(sqlite3* db, const char* sql, int rows) {
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr);
    for (int i = 0; i < rows && sqlite3_step(stmt) == SQLITE_ROW; ++i) {
        for (int c = 0; c < sqlite3_column_count(stmt); ++c)
            sqlite3_column_text(stmt, c);
    }
    sqlite3_finalize(stmt);
}

} // namespace

TESORIN_BENCH(refresh) {
    using namespace tesorin;
    const double ms = bench::medianMs([&] {
        store::DataControl data;
        data.setDatabaseName(QStringLiteral("BASE.MDB"));
        data.setRecordSource(kRowSource);
        data.Refresh();
        for (long row = 0; row < 50 && row < data.rowCount(); ++row)
            data.recordset()->rowAt(row);
    });
    sqlite3* raw = openRaw(context.path);
    const double baseline =
        bench::medianMs([&] { rawFirstRows(raw, "select * from Movimientos order by fecha", 50); });
    sqlite3_close(raw);
    bench::report(QStringLiteral("refresh"), context.rows, ms, baseline);
}

TESORIN_BENCH(totals) {
    using namespace tesorin;
    store::DataControl data;
    data.setDatabaseName(QStringLiteral("BASE.MDB"));
    data.setRecordSource(kRowSource);
    data.Refresh();
    const double ms = bench::medianMs([&] {
        data.recordset()->sums({QStringLiteral("Ingreso"), QStringLiteral("Egreso")});
    });
    sqlite3* raw = openRaw(context.path);
    const double baseline = bench::medianMs(
        [&] { rawFirstRows(raw, "select sum(Ingreso), sum(Egreso) from Movimientos", 1); });
    sqlite3_close(raw);
    bench::report(QStringLiteral("totals"), context.rows, ms, baseline);
}
