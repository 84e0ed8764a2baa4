// Every failure of the store reaches the caller as a Spanish message, and a
// failed write leaves the work area as it was.
#include "store/Database.h"
#include "store/Recordset.h"
#include "store/Schema.h"
#include "store/SqliteError.h"
#include "store/StoreError.h"
#include "store/WorkAreaFolder.h"
#include "support/TestWorkArea.h"

#include <QFile>
#include <QTest>

#include <sqlite3.h>
#include <unistd.h>

using namespace tesorin;
using namespace tesorin::store;

class StoreFailuresTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestWorkArea> area;

    static QString openError(const QString& name) {
        try {
            Database::OpenDatabase(name);
        } catch (const StoreError& error) {
            return error.message();
        }
        return QString();
    }

    static long movementCount(Database& db) {
        Statement count = db.prepare(QStringLiteral("SELECT count(*) FROM Movimientos"));
        count.step();
        return long(count.int64(0));
    }

private Q_SLOTS:
    void init() { area = std::make_unique<test::TestWorkArea>(); }
    void cleanup() { area.reset(); }
    void openingRefusesWhatIsNoWorkArea_data() {
        QTest::addColumn<QByteArray>("contents"); // null: no file at all
        QTest::addColumn<QString>("message");
        QTest::newRow("missing") << QByteArray() << "No se encuentra el archivo «CASA.MDB».";
        QTest::newRow("text file") << QByteArray("esto no es una base de datos\n").repeated(40)
                                   << "El archivo «CASA.MDB» no es una caja de Tesorin: parece ser "
                                      "un archivo de texto.";
        QTest::newRow("empty") << QByteArray("")
                               << "El archivo «CASA.MDB» está vacío (0 bytes): no es una caja de "
                                  "Tesorin.";
        QTest::newRow("pdf") << QByteArray("%PDF-1.4\n").append(QByteArray(600, '\x01'))
                             << "El archivo «CASA.MDB» no es una caja de Tesorin: parece ser un "
                                "documento PDF.";
        QTest::newRow("unknown bytes") << QByteArray(600, '\x01')
                                       << "El archivo «CASA.MDB» no es una caja de Tesorin (no es "
                                          "una base de datos).";
    }
    void openingRefusesWhatIsNoWorkArea() {
        QFETCH(QByteArray, contents);
        QFETCH(QString, message);
        if (!contents.isNull()) {
            QFile file(area->path(QStringLiteral("CASA.MDB")));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(contents);
        }
        QCOMPARE(openError(QStringLiteral("CASA.MDB")), message);
    }

    void aDatabaseWithoutTheTablesIsRefusedAndLeftAlone() {
        const QString path = area->path(QStringLiteral("OTRA.MDB"));
        sqlite3* raw = nullptr;
        sqlite3_open(path.toUtf8().constData(), &raw);
        sqlite3_exec(raw, "CREATE TABLE Cuentas (Nombre TEXT)", nullptr, nullptr, nullptr);
        sqlite3_close(raw);
        const QByteArray before = [&] {
            QFile f(path);
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }();
        QCOMPARE(openError(QStringLiteral("otra.mdb")),
                 QStringLiteral("El archivo «otra.mdb» no es una caja de Tesorin: le falta la "
                                "tabla «Movimientos»."));
        QFile after(path);
        QVERIFY(after.open(QIODevice::ReadOnly));
        QCOMPARE(after.readAll(), before);
    }

    void bareNamesResolveInAnyLetterCase() {
        QVERIFY(QFile::copy(area->path(QStringLiteral("BASE.MDB")),
                            area->path(QStringLiteral("casa.mdb"))));
        auto db = Database::OpenDatabase(QStringLiteral("CASA.MDB"));
        QCOMPARE(db->path(), area->path(QStringLiteral("casa.mdb")));
        QStringList listed = listWorkAreas();
        listed.sort();
        QCOMPARE(listed, (QStringList{QStringLiteral("BASE.MDB"), QStringLiteral("CASA.MDB")}));
    }

    void anExistingFileIsNeverOverwritten() {
        auto db = area->open();
        test::addMovement(*db, QDate(2024, 1, 1), QStringLiteral("Banco"), QString(),
                          test::money("1"), test::money("0"));
        QVERIFY_THROWS_EXCEPTION(StoreError,
                                 createWorkAreaFile(area->path(QStringLiteral("BASE.MDB"))));
        QCOMPARE(movementCount(*db), 1L);
    }

    // Another program holding the file: each step says what could not be
    // done, and only a change speaks of a change not saved.
    void aFileHeldByAnotherProgramIsReported_data() {
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("message");
        const QString later = QStringLiteral(" Intente nuevamente en unos momentos.");
        QTest::newRow("open") << "open"
                              << "No se pudo abrir la caja «BASE.MDB» porque otro programa la "
                                 "está usando." +
                                     later;
        QTest::newRow("read") << "read"
                              << "No se pudo leer la caja «BASE.MDB» porque otro programa la está "
                                 "usando." +
                                     later;
        QTest::newRow("save") << "save"
                              << "La caja «BASE.MDB» está en uso por otro programa: el cambio no "
                                 "se guardó." +
                                     later;
    }
    void aFileHeldByAnotherProgramIsReported() {
        QFETCH(QString, step);
        QFETCH(QString, message);
        auto db = step == QLatin1String("open") ? nullptr : area->open();
        if (db) // the layout is known before the other program comes
            movementCount(*db);
        sqlite3* other = nullptr;
        sqlite3_open(area->path(QStringLiteral("BASE.MDB")).toUtf8().constData(), &other);
        QCOMPARE(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
        QString shown;
        try {
            if (step == QLatin1String("open"))
                Database::OpenDatabase(QStringLiteral("BASE.MDB"));
            else if (step == QLatin1String("read"))
                movementCount(*db);
            else
                db->Execute(QStringLiteral("Delete * from movimientos"));
        } catch (const StoreError& error) {
            shown = error.message();
        }
        sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(other);
        QCOMPARE(shown, message);
    }

    // The message of each step for a full disk: a new work area that could
    // not be made names no change lost.
    void aFullDiskIsReportedForTheStep_data() {
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("message");
        QTest::newRow("create") << int(StoreStep::Create)
                                << "No se pudo crear la caja nueva «llena.MDB»: no queda espacio "
                                   "en el disco.";
        QTest::newRow("save") << int(StoreStep::Save)
                              << "No queda espacio en el disco: el cambio en la caja «llena.MDB» "
                                 "no se guardó.";
    }
    void aFullDiskIsReportedForTheStep() {
        QFETCH(int, step);
        QFETCH(QString, message);
        QCOMPARE(sqliteMessage(nullptr, SQLITE_FULL, QStringLiteral("llena.MDB"),
                               static_cast<StoreStep>(step)),
                 message);
    }

    void aReadOnlyWorkAreaRefusesWritesAndKeepsItsRows() {
        {
            auto db = area->open();
            test::addMovement(*db, QDate(2024, 1, 1), QStringLiteral("Banco"), QString(),
                              test::money("1"), test::money("0"));
        }
        const QString path = area->path(QStringLiteral("BASE.MDB"));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        auto db = area->open();
        if (geteuid() == 0) // root writes through permission bits; ask the store instead
            db->exec(QStringLiteral("PRAGMA query_only = 1"));
        QString message;
        try {
            db->Execute(QStringLiteral("Delete * from movimientos"));
        } catch (const StoreError& error) {
            message = error.message();
        }
        QVERIFY2(message.contains(QStringLiteral("solo lectura")), qPrintable(message));
        QCOMPARE(movementCount(*db), 1L);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    }

    void aFullDiskLeavesTheFileAsItWas() {
        auto db = area->open();
        Statement pages = db->prepare(QStringLiteral("PRAGMA page_count"));
        pages.step();
        db->exec(QStringLiteral("PRAGMA max_page_count = %1").arg(pages.int64(0) + 1));
        auto rows = db->OpenRecordset(QStringLiteral("Movimientos"));
        QString message;
        try {
            Transaction transaction(*db);
            for (int i = 0; i < 2000; ++i) {
                rows->AddNew();
                rows->setValue(QStringLiteral("Detalle"), QString(200, QLatin1Char('x')));
                rows->Update();
            }
            transaction.commit();
        } catch (const StoreError& error) {
            message = error.message();
        }
        QVERIFY2(message.startsWith(QStringLiteral("No queda espacio en el disco")),
                 qPrintable(message));
        QCOMPARE(movementCount(*db), 0L);
    }

    void aValueTheFieldCannotTakeIsRefused_data() {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::newRow("letters as money") << "Movimientos"
                                          << "Ingreso"
                                          << "doce";
        QTest::newRow("no date") << "Movimientos"
                                 << "Fecha"
                                 << "32/13/2024";
        QTest::newRow("letters as a day") << "Programa"
                                          << "DiaDelMes"
                                          << "x";
        QTest::newRow("a fraction as a day") << "Programa"
                                             << "DiaDelMes"
                                             << "1,5";
        QTest::newRow("beyond the largest amount") << "Programa"
                                                   << "Importe"
                                                   << "900000000001";
    }
    void aValueTheFieldCannotTakeIsRefused() {
        QFETCH(QString, table);
        QFETCH(QString, field);
        QFETCH(QString, value);
        auto db = area->open();
        auto rows = db->OpenRecordset(table);
        rows->AddNew();
        QVERIFY_THROWS_EXCEPTION(StoreError, rows->setValue(field, value));
    }
};

TESORIN_TEST_MAIN(StoreFailuresTest)
#include "tst_store_failures.moc"
