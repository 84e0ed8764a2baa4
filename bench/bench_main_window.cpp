// The main window over a large work area: start-up up to the first rows
// painted (the splash left out) and a move of the grid's current row, each
// against raw sqlite3 doing the least the same result needs.
#include "app/principal.h"
#include "bench/Bench.h"

#include <QAbstractItemModel>
#include <QCoreApplication>
#include <QTableView>

#include <sqlite3.h>

#include <cstdio>
#include <memory>

namespace {

using tesorin::app::principal;

constexpr int kRowsShown = 50;

// Opens the work area raw and reads every column of the first rows of the
// grid's query, as a window would to show them.
void rawFirstRows(const QString& path) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, "select * from Movimientos order by fecha", -1, &stmt, nullptr);
    for (int i = 0; i < kRowsShown && sqlite3_step(stmt) == SQLITE_ROW; ++i) {
        for (int c = 0; c < sqlite3_column_count(stmt); ++c)
            sqlite3_column_text(stmt, c);
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
}

// The window started and painted once, so its first rows are on screen.
std::unique_ptr<principal> openWindow() {
    auto window = std::make_unique<principal>(0);
    if (!window->Form_Load())
        return nullptr;
    window->show();
    window->grab();
    return window;
}

// Row positions spread over the whole view, the same for every run.
long scattered(long index, long rows) {
    return (index * 7919L * 104729L) % rows;
}

} // namespace

TESORIN_BENCH(main_window_open) {
    std::unique_ptr<principal> window;
    const double ms =
        tesorin::bench::medianMs([&] { window = openWindow(); }, 5, [&] { window.reset(); });
    if (!window || window->MSFlexGrid1()->model()->rowCount() != context.rows) {
        std::fprintf(stderr, "main_window_open: the grid does not list the work area\n");
        return;
    }
    window.reset();
    const double baseline = tesorin::bench::medianMs([&] { rawFirstRows(context.path); });
    tesorin::bench::report(QStringLiteral("main_window_open"), context.rows, ms, baseline);
}

// Moves of the grid's current row to far rows of the view, as a click or a
// key would make them: Data1 follows and its reposition updates the menus and
// the totals box. "reposition" stops there; "reposition_painted" also paints
// the grid at its new place, which reads a page of rows and costs the same
// in a view of ten rows as in one of a million.
static void measureReposition(const tesorin::bench::Context& context, bool painted) {
    if (context.rows < 2)
        return;
    std::unique_ptr<principal> window = openWindow();
    if (!window)
        return;
    QTableView* grid = window->MSFlexGrid1();
    const QAbstractItemModel* model = grid->model();
    long move = 0;
    const double ms = tesorin::bench::medianMs(
        [&] {
            grid->setCurrentIndex(model->index(int(scattered(++move, context.rows)), 0));
            if (painted)
                QCoreApplication::processEvents();
        },
        201);
    if (window->Data1().currentRow() != scattered(move, context.rows))
        std::fprintf(stderr, "reposition: Data1 did not follow the grid\n");
    window.reset();

    sqlite3* db = nullptr;
    sqlite3_open_v2(context.path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    long read = 0;
    const double baseline = tesorin::bench::medianMs(
        [&] {
            sqlite3_stmt* stmt = nullptr;
            sqlite3_prepare_v2(db, "select * from Movimientos where rowid = ?", -1, &stmt, nullptr);
            sqlite3_bind_int64(stmt, 1, scattered(++read, context.rows) + 1);
            if (sqlite3_step(stmt) == SQLITE_ROW) {
                for (int c = 0; c < sqlite3_column_count(stmt); ++c)
                    sqlite3_column_text(stmt, c);
            }
            sqlite3_finalize(stmt);
        },
        201);
    sqlite3_close(db);
    tesorin::bench::report(painted ? QStringLiteral("reposition_painted")
                                   : QStringLiteral("reposition"),
                           context.rows, ms, baseline);
}

TESORIN_BENCH(reposition) {
    measureReposition(context, false);
}

TESORIN_BENCH(reposition_painted) {
    measureReposition(context, true);
}
