// Feeds arbitrary texts to the dialect runner as a row-source condition, as
// find criteria and as a LIKE pattern. Each may be refused with StoreError;
// none may crash.
#include "base/Money.h"
#include "store/Database.h"
#include "store/JetLike.h"
#include "store/Recordset.h"
#include "store/Schema.h"
#include "store/StoreError.h"
#include "store/WorkAreaFolder.h"

#include <QDate>
#include <QDir>
#include <QLocale>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

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
            "('2024-03-15', 'Banco', 'luz', 'Efectivo', 0, 1500), "
            "('2024-03-16', 'Sueldo', 'D''Angelo', 'Cheques', 250.5, 0)"));
        return opened;
    }();
    return *db;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    store::Database& db = workArea();
    try {
        auto rows = db.OpenRecordset(QStringLiteral("select * from Movimientos where ") + text +
                                     QStringLiteral(" order by fecha"));
        rows->RecordCount();
    } catch (const store::StoreError&) {
    }
    try {
        auto rows = db.OpenRecordset(QStringLiteral("select * from Movimientos order by fecha"));
        rows->FindFirst(text);
        rows->FindNext(text);
        rows->FindLast(text);
    } catch (const store::StoreError&) {
    }
    if (const auto pattern = store::JetLikePattern::compile(text))
        pattern->matches(text);
    return 0;
}
