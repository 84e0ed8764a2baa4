// The account statement of every account over all dates: up to its first
// page on screen, and the whole PDF (Qt's PDF engine under the painter the
// preview and the printer use). The baseline is SQLite alone reading
// the selected rows in statement order.
#include "bench/Bench.h"
#include "reports/core/StatementFormula.h"
#include "reports/core/StatementReport.h"
#include "reports/ui/StatementOutput.h"
#include "reports/ui/StatementPreview.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <ctime>

namespace {

const QString kFormula =
    tesorin::reports::statementFormula(tesorin::reports::kAllAccountsEntry, true, {}, {});

double rawSelectionMs(const QString& path) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    const double ms = tesorin::bench::medianMs([db] {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db,
                           "SELECT idMovimiento, Cuenta, Ingreso, Egreso FROM Movimientos "
                           "WHERE Cuenta <> '' ORDER BY Cuenta, Fecha, idMovimiento",
                           -1, &stmt, nullptr);
        while (sqlite3_step(stmt) == SQLITE_ROW)
            sqlite3_column_text(stmt, 1);
        sqlite3_finalize(stmt);
    });
    sqlite3_close(db);
    return ms;
}

} // namespace

TESORIN_BENCH(statement_first_page) {
    using namespace tesorin;
    const double ms = bench::medianMs([] {
        auto report = std::make_unique<reports::StatementReport>(QStringLiteral("BASE.MDB"),
                                                                 kFormula, QDate(2025, 1, 1));
        reports::StatementPreview preview(std::move(report),
                                          QStringLiteral("Informe preliminar de caja."));
        preview.show();
        QCoreApplication::processEvents();
    });
    bench::report(QStringLiteral("statement_first_page"), context.rows, ms,
                  rawSelectionMs(context.path));
}

TESORIN_BENCH(statement_pdf) {
    using namespace tesorin;
    QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath(QStringLiteral("estado.pdf"));
    int pages = 0;
    // A run's mean processor time too: on a machine shared with other work
    // the wall time says more about the others than about the export.
    const std::clock_t cpuStart = std::clock();
    const double ms = bench::medianMs(
        [&] {
            reports::StatementReport report(QStringLiteral("BASE.MDB"), kFormula,
                                            QDate(2025, 1, 1));
            pages = report.pageCount();
            reports::writeStatementPdf(report, path);
        },
        3);
    const double cpuMs = static_cast<double>(std::clock() - cpuStart) * 1000.0 / CLOCKS_PER_SEC / 3;
    bench::report(QStringLiteral("statement_pdf"), context.rows, ms, rawSelectionMs(context.path));
    bench::reportValue(QStringLiteral("statement_pdf_cpu"), context.rows, QStringLiteral("ms"),
                       cpuMs);
    bench::reportValue(QStringLiteral("statement_pdf_pages"), context.rows, QStringLiteral("pages"),
                       pages);
    bench::reportValue(QStringLiteral("statement_pdf_kb"), context.rows, QStringLiteral("kb"),
                       double(QFileInfo(path).size()) / 1024.0);
}
