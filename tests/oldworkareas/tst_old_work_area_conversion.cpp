#include "base/Money.h"
#include "oldworkareas/core/ConvertCommand.h"
#include "oldworkareas/core/JetFile.h"
#include "oldworkareas/core/OldWorkAreaConversion.h"
#include "store/Database.h"
#include "store/Schema.h"
#include "store/StoreError.h"
#include "support/TestWorkArea.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <sqlite3.h>

#include <sys/wait.h>
#include <unistd.h>

using namespace tesorin;
using namespace tesorin::oldworkareas;

namespace {

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every file under folder, with its path relative to it.
QStringList filesUnder(const QString& folder) {
    QStringList files;
    const QDir dir(folder);
    for (const QFileInfo& entry :
         dir.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        if (entry.isDir()) {
            for (const QString& inner : filesUnder(entry.filePath()))
                files << entry.fileName() + u'/' + inner;
        } else {
            files << entry.fileName();
        }
    }
    return files;
}

// Each row of a query as "value|value|...": NULL as "-", amounts as plain
// decimals read back exactly, everything else as the text it holds.
QStringList rowsOf(const QString& path, const QString& sql, const QList<int>& moneyColumns) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* stmt = nullptr;
    const int rc = sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &stmt, nullptr);
    QStringList rows;
    while (rc == SQLITE_OK && sqlite3_step(stmt) == SQLITE_ROW) {
        QStringList values;
        for (int c = 0; c < sqlite3_column_count(stmt); ++c) {
            if (sqlite3_column_type(stmt, c) == SQLITE_NULL)
                values << QStringLiteral("-");
            else if (moneyColumns.contains(c))
                values << Money::fromStored(sqlite3_column_double(stmt, c))->toPlainText();
            else
                values << QString::fromUtf8(
                    reinterpret_cast<const char*>(sqlite3_column_text(stmt, c)));
        }
        rows << values.join(u'|');
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return rows;
}

const QString kMovements = QStringLiteral(
    "SELECT idMovimiento, Fecha, Cuenta, Detalle, Tipo, Ingreso, Egreso FROM Movimientos "
    "ORDER BY idMovimiento");
const QString kAccounts =
    QStringLiteral("SELECT Nombre, Tipo, TotEntrada, TotSalida, Saldo FROM Cuentas ORDER BY rowid");
const QString kSchedules = QStringLiteral(
    "SELECT idPrograma, Cuenta, Programa, FinDeSemana, PrimerDiaQuincena, SegundoDiaQuincena, "
    "DiaDeLaSemana, DiaDelMes, HoraDelDia, Detalle, Importe, Tipo, UltimaFecha FROM Programa "
    "ORDER BY idPrograma");
const QString kProfile = QStringLiteral("SELECT * FROM \"Registro Usuario\"");

} // namespace

class OldWorkAreaConversionTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_folder;

    // A fresh folder holding a copy of the fixture under its own name.
    QString copyFixture(const QString& name) {
        m_folder = m_dir.filePath(QString::number(++m_runs));
        QDir().mkpath(m_folder);
        const QString path = m_folder + u'/' + name;
        QFile::copy(QStringLiteral(TESORIN_OLD_FIXTURES "/") + name, path);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        return path;
    }
    int m_runs = 0;

private slots:
    void initTestCase() { test::pinLocale(); }

    void recognisesJetFilesByTheirFirstPage_data() {
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<int>("version");
        const QByteArray jet = QByteArray("\0\1\0\0Standard Jet DB\0", 20);
        QTest::newRow("jet 3") << jet + '\0' + QByteArray(100, 'x') << int(JetVersion::Jet3);
        QTest::newRow("jet 4") << jet + '\1' + QByteArray(100, 'x') << int(JetVersion::Jet4);
        QTest::newRow("later format") << jet + '\2' + QByteArray(100, 'x') << int(JetVersion::None);
        QTest::newRow("cut short") << jet << int(JetVersion::None);
        QTest::newRow("text") << QByteArray("Standard Jet DB, a text about it\n")
                              << int(JetVersion::None);
        QTest::newRow("empty") << QByteArray() << int(JetVersion::None);
    }
    void recognisesJetFilesByTheirFirstPage() {
        QFETCH(QByteArray, head);
        QFETCH(int, version);
        const QString path = copyFixture(QStringLiteral("VIEJA.MDB")) + QStringLiteral(".x");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(head);
        file.close();
        QCOMPARE(int(jetVersionOf(path)), version);
    }

    void tesorinWorkAreaIsNotOld() {
        test::TestWorkArea area;
        QVERIFY(!isOldWorkArea(area.path(QStringLiteral("BASE.MDB"))));
        QCOMPARE(jetVersionOf(QStringLiteral(TESORIN_OLD_FIXTURES "/RAROS.MDB")), JetVersion::Jet4);
    }

    // What mdb-export shows of each fixture, as the new file must hold it.
    void keepsEveryRowAndField_data() {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<QString>("query");
        QTest::addColumn<QList<int>>("money");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("VIEJA movimientos")
            << "VIEJA.MDB" << kMovements << QList<int>{5, 6}
            << QStringList{"1|2005-01-09|Sueldo|Sueldo de enero|Efectivo|150000|0",
                           "2|2005-01-10|Alquiler|Alquiler enero|Cheques|0|42000.5",
                           "3|2005-01-15|Supermercado|Compras|Tarjeta|0|12345.6789",
                           "4|2005-02-01|Luz||Efectivo|0|3200",
                           "5|2005-02-09|Sueldo|Sueldo de febrero|Efectivo|150000|0",
                           "6|2005-02-28|Banco|Intereses|Otras...|120.25|0",
                           "7|2005-12-31|Efectivo|Retiro|Efectivo|0|5000"};
        QTest::newRow("VIEJA cuentas")
            << "VIEJA.MDB" << kAccounts << QList<int>{2, 3, 4}
            << QStringList{"Sueldo|IN|0|0|0",       "Alquiler|OU|0|0|0",
                           "Supermercado|OU|0|0|0", "Banco|VS|150000|42000.5|107999.5",
                           "Efectivo|VS|0|0|0",     "Luz|OU|0|0|0"};
        QTest::newRow("VIEJA programa")
            << "VIEJA.MDB" << kSchedules << QList<int>{10}
            << QStringList{"1|Alquiler|Mensual|0|0|0|0|10|09:00|Alquiler|42000.5|OU|2005-01-10",
                           "2|Sueldo|Quincenal|0|1|15|0|0|08:30|Quincena|75000|IN|2005-01-15"};
        QTest::newRow("VIEJA registro")
            << "VIEJA.MDB" << kProfile << QList<int>{}
            << QStringList{"Buenos Aires|Sr.|Pérez, Juan|1234|Contador|Av. Siempreviva "
                           "742|4555-1234|1406|CABA"};
        // Accents, apostrophes, wildcards, letter case, a deleted account,
        // line breaks (CR LF, kept as the old program wrote them), missing
        // values, a time of day, 1900, no date, an
        // amount just under the limit.
        QTest::newRow("RAROS movimientos")
            << "RAROS.MDB" << kMovements << QList<int>{5, 6}
            << QStringList{"1|1999-12-31|Año Nuevo|Fiesta 'de fin' de año|Efectivo|0|"
                           "899999999999.9999",
                           "2|2000-02-29|D'Angelo|línea 1\r\nlínea 2|Cheques|0.0001|0",
                           "3|2024-02-29|d'angelo|misma cuenta, otra caja de letras|Tarjeta|10|0",
                           "4|2024-03-01|50% *off* [x]|comodines * ? # [|Otras...|0|99.9999",
                           "5|2024-03-01|Ñandú|||0|0",
                           "6|2024-03-02|Cuenta borrada|cuenta que ya no existe|Efectivo|1|0",
                           "7|-|Ñandú|sin fecha|Efectivo|5|0",
                           "8|1900-01-01|Ñandú|fecha muy vieja|Efectivo|-5|0"};
        QTest::newRow("RAROS cuentas")
            << "RAROS.MDB" << kAccounts << QList<int>{2, 3, 4}
            << QStringList{"Año Nuevo|OU|0|0|0", "D'Angelo|VS|0|0|0", "50% *off* [x]|OU|0|0|0",
                           "Ñandú|IN|0|0|0", "XX raro|XX|0|0|0"};
        // A text UltimaFecha in the regional short form becomes a date.
        QTest::newRow("RAROS programa")
            << "RAROS.MDB" << kSchedules << QList<int>{10}
            << QStringList{"1|D'Angelo|Semanal|1|0|0|7|0|25:00|semanal sábado|10|OU|-",
                           "2|Ñandú|Diaria|1|0|0|0|0||diaria|1.5|IN|2005-01-09",
                           "3|Año Nuevo|Mensual|0|0|0|0|31|12:00|fin de mes|100|OU|-"};
        QTest::newRow("RAROS registro")
            << "RAROS.MDB" << kProfile << QList<int>{} << QStringList{"||||||||"};
    }
    void keepsEveryRowAndField() {
        QFETCH(QString, fixture);
        QFETCH(QString, query);
        QFETCH(QList<int>, money);
        QFETCH(QStringList, rows);
        const QString path = copyFixture(fixture);
        convertOldWorkArea(path);
        QCOMPARE(rowsOf(path, query, money), rows);
    }

    void keepsOriginalAndReports() {
        const QString path = copyFixture(QStringLiteral("VIEJA.MDB"));
        const QByteArray original = fileBytes(path);
        // An earlier original of the same name is never overwritten.
        QDir(m_folder).mkdir(QStringLiteral("anteriores"));
        QFile earlier(m_folder + QStringLiteral("/anteriores/VIEJA.MDB"));
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write("antes");
        earlier.close();

        const ConversionReport report = convertOldWorkArea(path);

        QCOMPARE(filesUnder(m_folder),
                 QStringList({"VIEJA.MDB", "anteriores/VIEJA (2).MDB", "anteriores/VIEJA.MDB"}));
        QCOMPARE(fileBytes(m_folder + QStringLiteral("/anteriores/VIEJA (2).MDB")), original);
        QCOMPARE(fileBytes(m_folder + QStringLiteral("/anteriores/VIEJA.MDB")),
                 QByteArray("antes"));
        QCOMPARE(report.originalKeptAs, QStringLiteral("anteriores/VIEJA (2).MDB"));
        QCOMPARE(report.incomeTotal, QStringLiteral("300120.25"));
        QCOMPARE(report.expenseTotal, QStringLiteral("62546.1789"));
        QStringList counts;
        for (const TableRows& table : report.rows)
            counts << QStringLiteral("%1=%2").arg(table.table).arg(table.rows);
        QCOMPARE(counts,
                 QStringList({"Cuentas=6", "Movimientos=7", "Programa=2", "Registro Usuario=1"}));
        QCOMPARE(report.notes, QStringList());
        QVERIFY(!isOldWorkArea(path));
        // The converted file opens as any work area.
        auto db = store::Database::openFile(path, QStringLiteral("VIEJA.MDB"));
        QVERIFY(db->isOpen());
    }

    void reportsWhatWasChanged() {
        const QString path = copyFixture(QStringLiteral("RAROS.MDB"));
        const ConversionReport report = convertOldWorkArea(path);
        QCOMPARE(report.incomeTotal, QStringLiteral("11.0001"));
        QCOMPARE(report.expenseTotal, QStringLiteral("900000000099.9998"));
        const QString notes = report.notes.join(u'\n');
        QVERIFY2(notes.contains(QStringLiteral("Movimiento 3: Fecha tenía la hora 13:45:00")),
                 qPrintable(notes));
        QVERIFY2(notes.contains(QStringLiteral("Movimiento 7: no tenía fecha")), qPrintable(notes));
        QVERIFY2(notes.contains(QStringLiteral("Programa 2: UltimaFecha «9/1/2005»")),
                 qPrintable(notes));
        QVERIFY2(notes.contains(QStringLiteral("«XX raro» tiene el tipo desconocido «XX»")),
                 qPrintable(notes));
        // The next movement gets an id above the kept ones.
        sqlite3* db = nullptr;
        sqlite3_open(QFile::encodeName(path).constData(), &db);
        sqlite3_exec(db, "INSERT INTO Movimientos (Cuenta) VALUES ('x')", nullptr, nullptr,
                     nullptr);
        QCOMPARE(sqlite3_last_insert_rowid(db), 9);
        sqlite3_close(db);
    }

    void refusesAndLeavesEverythingAsItWas_data() {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<QByteArray>("replacement"); // written over the copy when not empty
        QTest::addColumn<QStringList>("inMessage");
        QTest::newRow("amount beyond the limit")
            << "LIMITE.MDB" << QByteArray()
            << QStringList{"«Movimientos»", "idMovimiento 2", "importe 922.337.203.685.477,5807 ",
                           "(hasta ±900.000.000.000)", "No se escribió nada"};
        QTest::newRow("another program's file")
            << "AJENA.MDB" << QByteArray() << QStringList{"le falta la tabla «Cuentas»"};
        QTest::newRow("text file") << "TEXTO.MDB" << QByteArray("Cuentas;Movimientos\n")
                                   << QStringList{"no es una caja del programa anterior"};
    }
    void refusesAndLeavesEverythingAsItWas() {
        QFETCH(QString, fixture);
        QFETCH(QByteArray, replacement);
        QFETCH(QStringList, inMessage);
        QString path;
        if (replacement.isEmpty()) {
            path = copyFixture(fixture);
        } else {
            path = copyFixture(QStringLiteral("VIEJA.MDB"));
            QFile::rename(path, m_folder + u'/' + fixture);
            path = m_folder + u'/' + fixture;
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(replacement);
        }
        const QByteArray before = fileBytes(path);
        try {
            convertOldWorkArea(path);
            QFAIL("the conversion was not refused");
        } catch (const store::StoreError& refusal) {
            for (const QString& part : inMessage)
                QVERIFY2(refusal.message().contains(part), qPrintable(refusal.message()));
        }
        QCOMPARE(fileBytes(path), before);
        QCOMPARE(filesUnder(m_folder), QStringList{fixture});
    }

    void failureAtAnyStepChangesNothing_data() {
        QTest::addColumn<int>("step");
        QTest::newRow("created") << int(ConversionStep::Created);
        QTest::newRow("written") << int(ConversionStep::Written);
        QTest::newRow("checked") << int(ConversionStep::Checked);
        QTest::newRow("original kept") << int(ConversionStep::OriginalKept);
    }
    void failureAtAnyStepChangesNothing() {
        QFETCH(int, step);
        const QString path = copyFixture(QStringLiteral("VIEJA.MDB"));
        const QByteArray before = fileBytes(path);
        ConversionHooks hooks;
        hooks.atStep = [step](ConversionStep reached) {
            if (int(reached) == step)
                throw store::StoreError(QStringLiteral("fallo inyectado"));
        };
        QVERIFY_THROWS_EXCEPTION(store::StoreError, convertOldWorkArea(path, hooks));
        QCOMPARE(fileBytes(path), before);
        QCOMPARE(filesUnder(m_folder), QStringList{"VIEJA.MDB"});
    }

    // The process ends at a step, as a power cut or a kill would end it.
    void killAtAnyStepLeavesTheOriginal_data() { failureAtAnyStepChangesNothing_data(); }
    void killAtAnyStepLeavesTheOriginal() {
        QFETCH(int, step);
        const QString path = copyFixture(QStringLiteral("VIEJA.MDB"));
        const QByteArray before = fileBytes(path);
        const pid_t child = fork();
        if (child == 0) {
            ConversionHooks hooks;
            hooks.atStep = [step](ConversionStep reached) {
                if (int(reached) == step)
                    _exit(7);
            };
            convertOldWorkArea(path, hooks);
            _exit(0);
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QCOMPARE(WEXITSTATUS(status), 7);
        QCOMPARE(fileBytes(path), before);
        QStringList works;
        for (const QString& file : filesUnder(m_folder)) {
            if (file.endsWith(QLatin1String(".MDB"), Qt::CaseInsensitive) &&
                !file.startsWith(QLatin1String("anteriores/")))
                works << file;
        }
        QCOMPARE(works, QStringList{"VIEJA.MDB"});
        // A later conversion of the same file goes through.
        convertOldWorkArea(path);
        QCOMPARE(rowsOf(path, QStringLiteral("SELECT COUNT(*) FROM Movimientos"), {}),
                 QStringList{"7"});
        QVERIFY(!QFile::exists(temporaryPathFor(path)));
    }

    void cancellingChangesNothing() {
        const QString path = copyFixture(QStringLiteral("RAROS.MDB"));
        const QByteArray before = fileBytes(path);
        ConversionHooks hooks;
        hooks.progress = [](qint64, qint64) { return false; };
        QVERIFY_THROWS_EXCEPTION(ConversionCancelled, convertOldWorkArea(path, hooks));
        QCOMPARE(fileBytes(path), before);
        QCOMPARE(filesUnder(m_folder), QStringList{"RAROS.MDB"});
    }

    // Counts and sums of the report are read in the regional form.
    void reportWritesNumbersInTheRegionalForm() {
        ConversionReport report;
        report.fileName = QStringLiteral("GRANDE.MDB");
        report.originalKeptAs = QStringLiteral("anteriores/GRANDE.MDB");
        report.rows = {{QStringLiteral("Movimientos"), 100000}};
        report.incomeTotal = QStringLiteral("900000000099.9998");
        report.expenseTotal = QStringLiteral("-12");
        report.notes = {QStringLiteral("nota")};
        report.notesLeftOut = 250000;
        const QStringList lines = reportText(report).split(u'\n');
        for (const QString& line : {QStringLiteral("  Movimientos: 100.000"),
                                    QStringLiteral("Total de ingresos: $ 900.000.000.099,9998"),
                                    QStringLiteral("Total de egresos: -$ 12,00"),
                                    QStringLiteral("  - y 250.000 avisos más del mismo tipo.")})
            QVERIFY2(lines.contains(line), qPrintable(lines.join(u'|') + " lacks " + line));
    }

    void commandLinePrintsTheReportOrTheRefusal_data() {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("inOut");
        QTest::addColumn<QString>("inErr");
        QTest::newRow("converted") << "VIEJA.MDB" << 0 << "Movimientos: 7"
                                   << "";
        QTest::newRow("refused") << "LIMITE.MDB" << 1 << ""
                                 << "idMovimiento 2";
    }
    void commandLinePrintsTheReportOrTheRefusal() {
        QFETCH(QString, fixture);
        QFETCH(int, exitCode);
        QFETCH(QString, inOut);
        QFETCH(QString, inErr);
        const QString path = copyFixture(fixture);
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        QCOMPARE(runConvertCommand(path, outStream, errStream), exitCode);
        QVERIFY2(out.contains(inOut), qPrintable(out));
        QVERIFY2(err.contains(inErr), qPrintable(err));
        QCOMPARE(out.isEmpty(), inOut.isEmpty());
        QCOMPARE(err.isEmpty(), inErr.isEmpty());
    }
};

TESORIN_TEST_MAIN(OldWorkAreaConversionTest)
#include "tst_old_work_area_conversion.moc"
