// Feeds arbitrary texts to the statement's selection formula. Each is
// either refused with ReportError or turned into a condition that SQLite
// runs and the statement lays out; nothing may crash, and a formula that was
// taken must never fail in the store.
#include "reports/core/ReportError.h"
#include "reports/core/SelectionFormula.h"
#include "reports/core/StatementReport.h"
#include "store/Database.h"
#include "store/Schema.h"
#include "store/StoreError.h"
#include "store/WorkAreaFolder.h"

#include <QDir>
#include <QLocale>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace tesorin;

namespace {
store::Database& workArea() {
    static QTemporaryDir folder;
    static std::unique_ptr<store::Database> db = [] {
        QLocale::setDefault(QLocale(QStringLiteral("es_AR")));
        store::setWorkAreaFolder(folder.path());
        store::createWorkAreaFile(QDir(folder.path()).filePath(QStringLiteral("BASE.MDB")));
        auto opened = store::Database::OpenDatabase(QStringLiteral("BASE.MDB"));
        opened->exec(QStringLiteral(
            "INSERT INTO Movimientos (Fecha, Cuenta, Detalle, Tipo, Ingreso, Egreso) VALUES "
            "('2004-05-01', 'Banco', 'luz', 'Efectivo', 0, 1500), "
            "('2004-05-31', 'D''Angelo', 'x', 'Cheques', 250.5, 0), "
            "('2005-01-09', '', NULL, NULL, 0, 0)"));
        return opened;
    }();
    return *db;
}

[[noreturn]] void takenButFailed(const char* where, const QString& message) {
    std::fprintf(stderr, "formula taken but %s failed: %s\n", where, qPrintable(message));
    std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString formula = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    store::Database& db = workArea();
    reports::SelectionCondition condition;
    try {
        condition = reports::parseSelectionFormula(formula);
    } catch (const reports::ReportError&) {
        return 0;
    }
    try {
        store::Statement rows = db.prepare(
            QStringLiteral("SELECT idMovimiento FROM Movimientos WHERE ") + condition.sql);
        for (int i = 0; i < condition.values.size(); ++i)
            rows.bind(i + 1, condition.values[i]);
        while (rows.step()) {
        }
    } catch (const store::StoreError& error) {
        takenButFailed("the query", error.message());
    }
    try {
        reports::StatementReport report(QStringLiteral("BASE.MDB"), formula, QDate(2024, 6, 1));
        for (int page = 0; page < report.pageCount(); ++page)
            report.page(page);
    } catch (const store::StoreError& error) {
        takenButFailed("the statement", error.message());
    } catch (const reports::ReportError& error) {
        takenButFailed("the statement", error.message());
    }
    return 0;
}
