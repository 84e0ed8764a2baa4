// New work areas are consistent copies of the template without movements,
// names that cannot become a work area are refused before they reach the
// file system, and a switch keeps both connections on one file.
#include "history/core/UndoHistory.h"
#include "store/ChangeLog.h"
#include "store/DataControl.h"
#include "store/Database.h"
#include "store/StoreError.h"
#include "store/WorkAreaFolder.h"
#include "support/TestWorkArea.h"
#include "workareas/core/WorkAreaCopy.h"
#include "workareas/core/WorkAreaName.h"
#include "workareas/core/WorkAreaSwitch.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <sqlite3.h>

using namespace tesorin;
using namespace tesorin::store;
using namespace tesorin::workareas;

namespace {

long count(Database& db, const QString& table) {
    Statement rows = db.prepare(QStringLiteral("SELECT count(*) FROM \"%1\"").arg(table));
    rows.step();
    return long(rows.int64(0));
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList folderEntries(const test::TestWorkArea& area) {
    QStringList entries = QDir(area.folder()).entryList(QDir::Files | QDir::Hidden);
    entries.sort();
    return entries;
}

} // namespace

class WorkAreasTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestWorkArea> area;

private Q_SLOTS:
    void init() { area = std::make_unique<test::TestWorkArea>(); }
    void cleanup() { area.reset(); }
    void namesThatCannotBeAWorkAreaAreRefused_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message"); // empty: accepted
        QTest::addColumn<bool>("clearsName");
        const QString empty = QStringLiteral("Escriba el nombre de la nueva área de trabajo.");
        const QString characters = QStringLiteral("El nombre solo puede tener letras, números, "
                                                  "espacios, guiones (-) y guiones bajos (_).");
        const QString exists =
            QStringLiteral("Base de datos existente !!, intente con otro nombre.");
        QTest::newRow("empty") << "" << empty << false;
        QTest::newRow("only blanks") << "   " << empty << false;
        QTest::newRow("a path") << "../x" << characters << false;
        QTest::newRow("a wildcard") << "*" << characters << false;
        QTest::newRow("a folder") << "cajas/casa" << characters << false;
        QTest::newRow("an extension") << "casa.mdb" << characters << false;
        QTest::newRow("a tab") << "ca\tsa" << characters << false;
        QTest::newRow("an apostrophe") << "D'Angelo" << characters << false;
        // Listed as "STRASSE.MDB", which would not find "Straße.MDB".
        QTest::newRow("a letter whose capital is two")
            << QStringLiteral("Straße") << QStringLiteral("El nombre no puede tener la letra «ß».")
            << false;
        QTest::newRow("too long for the file system")
            << QString(120, QChar(u'ñ')) << QStringLiteral("El nombre es demasiado largo.")
            << false;
        QTest::newRow("the template") << "BASE" << exists << true;
        QTest::newRow("the template in lower case") << "base" << exists << true;
        QTest::newRow("another in mixed case") << "CaSa Vieja" << exists << true;
        QTest::newRow("accents, eñe, digits, blanks, - and _")
            << QStringLiteral("Año 2024 - Ñandú_Crédito") << QString() << false;
        // "é" typed as "e" followed by a combining accent
        QTest::newRow("a decomposed accent") << QStringLiteral("Cafe\u0301") << QString() << false;
    }
    void namesThatCannotBeAWorkAreaAreRefused() {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(bool, clearsName);
        QVERIFY(QFile::copy(area->path(QStringLiteral("BASE.MDB")),
                            area->path(QStringLiteral("casa vieja.mdb"))));
        const auto refusal = refuseNewWorkAreaName(typed);
        QCOMPARE(refusal ? refusal->message : QString(), message);
        if (refusal)
            QCOMPARE(refusal->clearsName, clearsName);
    }

    void aNewWorkAreaKeepsEverythingButTheMovements() {
        {
            auto base = area->open();
            test::addMovement(*base, QDate(2024, 3, 1), QStringLiteral("Sueldo"), QString(),
                              test::money("1500"), test::money("0"));
            store::ChangeStep step(*base, QStringLiteral("agregar cuenta"));
            test::addAccount(*base, QStringLiteral("D'Angelo"), QStringLiteral("OU"));
            step.commit();
            base->exec(QStringLiteral("UPDATE Cuentas SET TotEntrada = 1500.25, Saldo = 1500.25 "
                                      "WHERE Nombre = 'Sueldo'"));
            base->exec(QStringLiteral("INSERT INTO Programa (Cuenta, Programa, Importe, Tipo) "
                                      "VALUES ('Alquiler', 'Mensual', 800, 'OU')"));
            base->exec(
                QStringLiteral("UPDATE \"Registro Usuario\" SET \"Apellido y Nombres\" = 'Pérez'"));
        }
        createWorkAreaCopy(QStringLiteral("BASE.MDB"), QStringLiteral("casa.MDB"));

        auto copy = Database::OpenDatabase(QStringLiteral("CASA.MDB"));
        QCOMPARE(count(*copy, QStringLiteral("Movimientos")), 0L);
        QCOMPARE(count(*copy, QStringLiteral("Cuentas")), 8L);
        QCOMPARE(count(*copy, QStringLiteral("Programa")), 1L);
        Statement kept = copy->prepare(
            QStringLiteral("SELECT (SELECT TotEntrada FROM Cuentas WHERE Nombre = 'Sueldo'), "
                           "(SELECT \"Apellido y Nombres\" FROM \"Registro Usuario\")"));
        kept.step();
        QCOMPARE(kept.real(0), 1500.25);
        QCOMPARE(kept.text(1), QStringLiteral("Pérez"));
        // The template's history stays with it; the new work area has none.
        QVERIFY(!history::stepToUndo(*copy));
        QVERIFY(history::stepToUndo(*area->open()));
        QCOMPARE(count(*area->open(), QStringLiteral("Movimientos")), 1L);
        QStringList listed = listWorkAreas();
        listed.sort();
        QCOMPARE(listed, (QStringList{QStringLiteral("BASE.MDB"), QStringLiteral("CASA.MDB")}));
    }

    // A byte copy of the file alone would miss what another program wrote
    // into the template's write-ahead log.
    void theCopyIsConsistentWhileAnotherProgramHoldsTheTemplate() {
        sqlite3* other = nullptr;
        QCOMPARE(sqlite3_open(area->path(QStringLiteral("BASE.MDB")).toUtf8().constData(), &other),
                 SQLITE_OK);
        sqlite3_exec(other, "PRAGMA journal_mode = WAL; PRAGMA wal_autocheckpoint = 0", nullptr,
                     nullptr, nullptr);
        QCOMPARE(sqlite3_exec(other, "INSERT INTO Cuentas (Nombre, Tipo) VALUES ('Viajes', 'OU')",
                              nullptr, nullptr, nullptr),
                 SQLITE_OK);
        QVERIFY(QFile::exists(area->path(QStringLiteral("BASE.MDB-wal"))));

        createWorkAreaCopy(QStringLiteral("BASE.MDB"), QStringLiteral("VIAJE.MDB"));
        sqlite3_close(other);

        auto copy = Database::OpenDatabase(QStringLiteral("VIAJE.MDB"));
        Statement viajes =
            copy->prepare(QStringLiteral("SELECT count(*) FROM Cuentas WHERE Nombre = 'Viajes'"));
        viajes.step();
        QCOMPARE(viajes.int64(0), 1);
    }

    void theLongestNameAcceptedCanBeMade() {
        const QString longest(237, QLatin1Char('a'));
        QVERIFY(!refuseNewWorkAreaName(longest));
        createWorkAreaCopy(QStringLiteral("BASE.MDB"), newWorkAreaFileName(longest));
        QVERIFY(listWorkAreas().contains(newWorkAreaFileName(longest).toUpper()));
    }

    void anExistingNameIsRefusedAndTheFileLeftAlone_data() {
        QTest::addColumn<QString>("newName");
        QTest::newRow("same case") << "CASA.MDB";
        QTest::newRow("other case") << "Casa.mdb";
    }
    void anExistingNameIsRefusedAndTheFileLeftAlone() {
        QFETCH(QString, newName);
        const QString existing = area->path(QStringLiteral("CASA.MDB"));
        QVERIFY(QFile::copy(area->path(QStringLiteral("BASE.MDB")), existing));
        test::addMovement(*Database::OpenDatabase(QStringLiteral("CASA.MDB")), QDate(2024, 1, 2),
                          QStringLiteral("Banco"), QString(), test::money("5"), test::money("0"));
        const QByteArray before = contents(existing);
        const QStringList entries = folderEntries(*area);
        QVERIFY_THROWS_EXCEPTION(StoreError,
                                 createWorkAreaCopy(QStringLiteral("BASE.MDB"), newName));
        QCOMPARE(contents(existing), before);
        QCOMPARE(folderEntries(*area), entries);
    }

    // A failure at any step leaves the folder as it was: no new work area,
    // no copy in the making.
    void aFailedCreationLeavesNoFileBehind_data() {
        QTest::addColumn<QString>("templateName");
        QTest::addColumn<QString>("breakTemplate"); // SQL run on the template first
        QTest::newRow("no template") << "FALTA.MDB" << QString();
        QTest::newRow("the delete fails") << "BASE.MDB"
                                          << "CREATE TRIGGER keep BEFORE DELETE ON Movimientos "
                                             "BEGIN SELECT RAISE(ABORT, 'no'); END";
    }
    void aFailedCreationLeavesNoFileBehind() {
        QFETCH(QString, templateName);
        QFETCH(QString, breakTemplate);
        {
            auto base = area->open();
            test::addMovement(*base, QDate(2024, 1, 2), QStringLiteral("Banco"), QString(),
                              test::money("5"), test::money("0"));
            if (!breakTemplate.isEmpty())
                base->exec(breakTemplate);
        }
        const QStringList entries = folderEntries(*area);
        QVERIFY_THROWS_EXCEPTION(StoreError,
                                 createWorkAreaCopy(templateName, QStringLiteral("NUEVA.MDB")));
        QCOMPARE(folderEntries(*area), entries);
    }

    void aFilterSetBeforeAppliesToTheOpenedFile() {
        QVERIFY(QFile::copy(area->path(QStringLiteral("BASE.MDB")),
                            area->path(QStringLiteral("otra.mdb"))));
        {
            auto other = Database::OpenDatabase(QStringLiteral("otra.mdb"));
            test::addMovement(*other, QDate(2024, 1, 2), QStringLiteral("Sueldo"), QString(),
                              test::money("100"), test::money("0"));
            test::addMovement(*other, QDate(2024, 1, 3), QStringLiteral("Alquiler"), QString(),
                              test::money("0"), test::money("30"));
            test::addMovement(*other, QDate(2024, 1, 4), QStringLiteral("Sueldo"), QString(),
                              test::money("50"), test::money("0"));
        }
        std::unique_ptr<Database> baseAbierta = area->open();
        DataControl data;
        data.setDatabaseName(QStringLiteral("BASE.MDB"));
        const QString filter = QStringLiteral(
            "select * from Movimientos where true and Cuenta = 'Sueldo' order by fecha");
        data.setRecordSource(filter);
        data.Refresh();

        openWorkAreaConnections(QStringLiteral("OTRA.MDB"), baseAbierta, data);

        QCOMPARE(data.RecordSource(), filter);
        QCOMPARE(data.rowCount(), 2L);
        QCOMPARE(data.viewTotals().income, test::money("150"));
        QCOMPARE(data.database()->path(), area->path(QStringLiteral("otra.mdb")));
        QCOMPARE(baseAbierta->path(), area->path(QStringLiteral("otra.mdb")));
    }

    void aFailedSwitchLeavesBothConnectionsClosed() {
        QFile rota(area->path(QStringLiteral("ROTA.MDB")));
        QVERIFY(rota.open(QIODevice::WriteOnly));
        rota.write(QByteArray("esto no es una caja\n").repeated(50));
        rota.close();
        std::unique_ptr<Database> baseAbierta = area->open();
        DataControl data;
        data.setDatabaseName(QStringLiteral("BASE.MDB"));
        data.setRecordSource(QStringLiteral("select * from Movimientos order by fecha"));
        data.Refresh();

        QVERIFY_THROWS_EXCEPTION(
            StoreError, openWorkAreaConnections(QStringLiteral("ROTA.MDB"), baseAbierta, data));
        QVERIFY(!baseAbierta);
        QVERIFY(!data.database());
        QVERIFY(data.DatabaseName().isEmpty());
        QCOMPARE(data.rowCount(), 0L);
    }
};

TESORIN_TEST_MAIN(WorkAreasTest)
#include "tst_workareas.moc"
