// The texts the program composes, run on a small work area: each row checks
// exactly which movements come back, in which order.
#include "base/Regional.h"
#include "store/DataControl.h"
#include "store/Database.h"
#include "store/JetLike.h"
#include "store/Quote.h"
#include "store/Recordset.h"
#include "store/StoreError.h"
#include "support/TestWorkArea.h"

#include <QTest>

using namespace tesorin;
using namespace tesorin::store;
using tesorin::test::addAccount;
using tesorin::test::addMovement;
using tesorin::test::money;

class DialectTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestWorkArea> m_area;
    std::unique_ptr<Database> m_db;

    // Details of every row of a recordset, in its order.
    static QStringList details(Recordset& rows) {
        QStringList out;
        if (rows.atEOF())
            return out;
        for (rows.MoveFirst(); !rows.atEOF(); rows.MoveNext())
            out << rows.text(QStringLiteral("Detalle"));
        return out;
    }

private Q_SLOTS:
    void init() {
        m_area = std::make_unique<test::TestWorkArea>();
        m_db = m_area->open();
        addAccount(*m_db, QStringLiteral("Caja"), QStringLiteral("VS"));
        const auto add = [this](int y, int m, int d, const char* account, const char* detail,
                                const char* in, const char* out) {
            addMovement(*m_db, QDate(y, m, d), QString::fromUtf8(account),
                        QString::fromUtf8(detail), money(in), money(out));
        };
        add(2024, 3, 1, "Banco", "luz marzo", "0", "1500");
        add(2024, 3, 15, "Banco", "Luz", "0", "1500");
        add(2024, 3, 15, "Sueldo", "sueldo", "1500", "0");
        add(2024, 3, 31, "Sueldo", "extra", "250", "0");
        add(2024, 4, 1, "Banco", "abril", "0", "250");
        add(2004, 5, 10, "Banco", "mayo viejo", "100", "0");
        add(2004, 5, 20, "Caja", "caja mayo", "0", "30");
        add(2004, 12, 1, "caja", "diciembre", "0", "10");
    }
    void cleanup() {
        m_db.reset();
        m_area.reset();
    }

    void rowSources_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("main grid")
            << "select * from Movimientos order by fecha"
            << QStringList{"mayo viejo", "caja mayo", "diciembre", "luz marzo",
                           "Luz",        "sueldo",    "extra",     "abril"};
        QTest::newRow("filter, all accounts, all dates")
            << "select * from movimientos where true  and True order by fecha, cuenta"
            << QStringList{"mayo viejo", "caja mayo", "diciembre", "luz marzo",
                           "Luz",        "sueldo",    "extra",     "abril"};
        QTest::newRow("filter, two accounts, March, both ends included")
            << "select * from movimientos where Fecha >= cdate('01/03/2024') and fecha <= "
               "cdate('31/03/2024') and (  Cuenta = 'Banco' or  Cuenta = 'Sueldo') order by "
               "cuenta, fecha"
            << QStringList{"luz marzo", "Luz", "sueldo", "extra"};
        QTest::newRow("filter, inverted range")
            << "select * from movimientos where Fecha >= cdate('31/03/2024') and fecha <= "
               "cdate('01/03/2024') and True order by fecha, cuenta"
            << QStringList{};
        QTest::newRow("annual chart, names in any letter case")
            << "select * from Movimientos where ( Cuenta = 'Banco' or  Cuenta = 'Caja') and "
               "year(fecha) = 2004"
            << QStringList{"mayo viejo", "caja mayo", "diciembre"};
        QTest::newRow("monthly chart, one account")
            << "select * from Movimientos where (cuenta = 'Banco' or '<TODAS LAS CUENTAS>' = "
               "'Banco') "
               "and year(fecha) = 2004 and month(fecha) = 5"
            << QStringList{"mayo viejo"};
        QTest::newRow("monthly chart, all accounts")
            << "select * from Movimientos where (cuenta = '<TODAS LAS CUENTAS>' or '<TODAS LAS "
               "CUENTAS>' = '<TODAS LAS CUENTAS>') and year(fecha) = 2004 and month(fecha) = 5"
            << QStringList{"mayo viejo", "caja mayo"};
    }
    void rowSources() {
        QFETCH(QString, source);
        QFETCH(QStringList, expected);
        DataControl data;
        data.setDatabaseName(QStringLiteral("base.mdb"));
        data.setRecordSource(source);
        data.Refresh();
        QCOMPARE(data.rowCount(), long(expected.size()));
        QCOMPARE(details(*data.recordset()), expected);
    }

    void accountsAndSchedules() {
        auto accounts =
            m_db->OpenRecordset(QStringLiteral("select * from cuentas order by nombre"));
        QStringList names;
        for (accounts->MoveFirst(); !accounts->atEOF(); accounts->MoveNext())
            names << accounts->text(QStringLiteral("Nombre"));
        QStringList sorted = names;
        std::sort(sorted.begin(), sorted.end(), [](const QString& a, const QString& b) {
            return a.compare(b, Qt::CaseInsensitive) < 0;
        });
        QCOMPARE(names, sorted);
        QVERIFY(names.contains(QStringLiteral("Caja")));

        m_db->exec(
            QStringLiteral("INSERT INTO Programa (Cuenta, Programa) VALUES ('Sueldo', 'Mensual'), "
                           "('Alquiler', 'Mensual')"));
        auto schedules =
            m_db->OpenRecordset(QStringLiteral("Select * from Programa order by cuenta"));
        QCOMPARE(schedules->text(QStringLiteral("cuenta")), QStringLiteral("Alquiler"));
        schedules->MoveNext();
        QCOMPARE(schedules->text(QStringLiteral("Cuenta")), QStringLiteral("Sueldo"));
    }

    void criteria_data() {
        QTest::addColumn<QString>("criteria");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::newRow("all boxes ticked") << "True  and true  and true  and true "
                                          << "mayo viejo"
                                          << "abril";
        QTest::newRow("date, account, detail, amount")
            << "Fecha = cdate('15/03/2024') and Cuenta = 'Banco' and Detalle LIKE '*luz*' and ( "
               "Ingreso = 1500 or Egreso = 1500)"
            << "Luz"
            << "Luz";
        QTest::newRow("an amount matches incomes and payments")
            << "True  and true  and true  and ( Ingreso = 250 or Egreso = 250)"
            << "extra"
            << "abril";
        QTest::newRow("nothing") << "Fecha = cdate('16/03/2024') and true  and true  and true "
                                 << ""
                                 << "";
    }
    void criteria() {
        QFETCH(QString, criteria);
        QFETCH(QString, first);
        QFETCH(QString, last);
        DataControl data;
        data.setDatabaseName(QStringLiteral("BASE.MDB"));
        data.setRecordSource(QStringLiteral("select * from Movimientos order by fecha"));
        data.Refresh();
        Recordset& rows = *data.recordset();
        rows.setAbsolutePosition(2);
        rows.FindFirst(criteria);
        QCOMPARE(rows.NoMatch(), first.isEmpty());
        QCOMPARE(rows.hasCurrentRow() ? rows.text(QStringLiteral("Detalle")) : QString(),
                 first.isEmpty() ? QStringLiteral("diciembre") : first);
        rows.FindLast(criteria);
        QCOMPARE(rows.NoMatch(), last.isEmpty());
        if (!last.isEmpty())
            QCOMPARE(rows.text(QStringLiteral("Detalle")), last);
    }

    void findNextSkipsTheCurrentRow() {
        DataControl data;
        data.setDatabaseName(QStringLiteral("BASE.MDB"));
        data.setRecordSource(QStringLiteral("select * from Movimientos order by fecha"));
        data.Refresh();
        Recordset& rows = *data.recordset();
        const QString banco = QStringLiteral("Cuenta = 'Banco'");
        rows.FindFirst(banco);
        QCOMPARE(rows.text(QStringLiteral("Detalle")), QStringLiteral("mayo viejo"));
        rows.FindNext(banco);
        QCOMPARE(rows.text(QStringLiteral("Detalle")), QStringLiteral("luz marzo"));
        rows.MoveLast();
        rows.FindNext(QStringLiteral("True  and true  and true  and true "));
        QVERIFY(rows.NoMatch());
        QCOMPARE(rows.text(QStringLiteral("Detalle")), QStringLiteral("abril"));
    }

    void filteredOutRowsAreNeverFound() {
        DataControl data;
        data.setDatabaseName(QStringLiteral("BASE.MDB"));
        data.setRecordSource(QStringLiteral("select * from movimientos where true  and (  Cuenta = "
                                            "'Sueldo') order by fecha, cuenta"));
        data.Refresh();
        data.recordset()->FindFirst(QStringLiteral("Cuenta = 'Banco'"));
        QVERIFY(data.recordset()->NoMatch());
    }

    void deleteAndSelectById() {
        const qint64 id = addMovement(*m_db, QDate(2025, 1, 2), QStringLiteral("Banco"),
                                      QStringLiteral("por id"), money("1"), money("0"));
        auto one =
            m_db->OpenRecordset(QStringLiteral("select * from Movimientos where idMovimiento = ") +
                                QString::number(id));
        QCOMPARE(details(*one), QStringList{QStringLiteral("por id")});
        one->Close();
        m_db->Execute(QStringLiteral("Delete * from movimientos"));
        auto all = m_db->OpenRecordset(QStringLiteral("Movimientos"));
        QVERIFY(all->atEOF());
        QVERIFY_THROWS_EXCEPTION(StoreError, all->MoveFirst());
        auto accounts = m_db->OpenRecordset(QStringLiteral("Cuentas"));
        QVERIFY(!accounts->atEOF());
    }

    void seekWalksTheIndex() {
        auto rows = m_db->OpenRecordset(QStringLiteral("Movimientos"));
        rows->setIndex(QStringLiteral("Cuenta"));
        rows->Seek(QStringLiteral("="), QStringLiteral("Caja"));
        QVERIFY(!rows->NoMatch());
        QStringList walked;
        while (!rows->atEOF() &&
               rows->text(QStringLiteral("Cuenta"))
                       .compare(QStringLiteral("Caja"), Qt::CaseInsensitive) == 0) {
            walked << rows->text(QStringLiteral("Detalle"));
            rows->MoveNext();
        }
        QCOMPARE(walked, (QStringList{QStringLiteral("caja mayo"), QStringLiteral("diciembre")}));
        rows->Seek(QStringLiteral("="), QStringLiteral("Nadie"));
        QVERIFY(rows->NoMatch());

        auto accounts = m_db->OpenRecordset(QStringLiteral("Cuentas"));
        accounts->setIndex(QStringLiteral("primarykey"));
        accounts->Seek(QStringLiteral("="), QStringLiteral("SUELDO"));
        QVERIFY(!accounts->NoMatch());
        QCOMPARE(accounts->text(QStringLiteral("Tipo")), QStringLiteral("IN"));

        m_db->exec(
            QStringLiteral("INSERT INTO Programa (idPrograma, Cuenta) VALUES (7, 'Alquiler')"));
        auto schedules = m_db->OpenRecordset(QStringLiteral("Programa"));
        schedules->setIndex(QStringLiteral("primarykey"));
        schedules->Seek(QStringLiteral("="), 7);
        QVERIFY(!schedules->NoMatch());
        QCOMPARE(schedules->text(QStringLiteral("Cuenta")), QStringLiteral("Alquiler"));
    }

    void like_data() {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("matches");
        QTest::newRow("contains, any case") << "*LUZ*"
                                            << "pago de luz" << true;
        QTest::newRow("star matches nothing") << "*luz*"
                                              << "luz" << true;
        QTest::newRow("one character") << "l?z"
                                       << "luz" << true;
        QTest::newRow("one character, not two") << "l?z"
                                                << "luuz" << false;
        QTest::newRow("digit") << "cuota #"
                               << "cuota 3" << true;
        QTest::newRow("digit, not letter") << "cuota #"
                                           << "cuota x" << false;
        QTest::newRow("set") << "[bc]anco"
                             << "Banco" << true;
        QTest::newRow("range") << "mes [0-9]"
                               << "mes 7" << true;
        QTest::newRow("negated set") << "[!b]anco"
                                     << "banco" << false;
        QTest::newRow("accented letters fold") << "*ÁRBOL*"
                                               << "un árbol" << true;
        QTest::newRow("percent is plain") << "50%"
                                          << "50 por ciento" << false;
        QTest::newRow("underscore is plain") << "a_b"
                                             << "axb" << false;
    }
    void like() {
        QFETCH(QString, pattern);
        QFETCH(QString, value);
        QFETCH(bool, matches);
        QCOMPARE(JetLikePattern::compile(pattern)->matches(value), matches);
        Statement query = m_db->prepare(QStringLiteral("SELECT ?1 LIKE ?2"));
        query.bindText(1, value).bindText(2, pattern);
        QVERIFY(query.step());
        QCOMPARE(query.int64(0) != 0, matches);
    }

    void malformedTextsAreRefused_data() {
        QTest::addColumn<QString>("criteria");
        QTest::newRow("unclosed set") << "Detalle LIKE '[abc'";
        QTest::newRow("not a date") << "Fecha = cdate('31/02/2024')";
        QTest::newRow("broken syntax") << "Cuenta = 'Banco";
        QTest::newRow("unknown field") << "Nada = 1";
        QTest::newRow("a second statement") << "1) ; delete from Movimientos; select (1";
    }
    void malformedTextsAreRefused() {
        QFETCH(QString, criteria);
        auto rows = m_db->OpenRecordset(QStringLiteral("select * from Movimientos order by fecha"));
        QVERIFY_THROWS_EXCEPTION(StoreError, rows->FindFirst(criteria));
        QVERIFY(rows->hasCurrentRow());
    }

    void hostileNamesComeBackAsStored_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("apostrophe") << "D'Angelo";
        QTest::newRow("injection") << "'; drop table Cuentas; --";
        QTest::newRow("star") << "*";
        QTest::newRow("percent") << "%";
        QTest::newRow("empty") << "";
        QTest::newRow("two apostrophes") << "O''Brien's";
    }
    void hostileNamesComeBackAsStored() {
        QFETCH(QString, name);
        auto accounts = m_db->OpenRecordset(QStringLiteral("Cuentas"));
        accounts->AddNew();
        accounts->setValue(QStringLiteral("Nombre"), name);
        accounts->setValue(QStringLiteral("Tipo"), QStringLiteral("VS"));
        accounts->Update();
        addMovement(*m_db, QDate(2024, 6, 1), name, QStringLiteral("hostil"), money("5"),
                    money("0"));

        auto byName = m_db->OpenRecordset(QStringLiteral("select * from Cuentas where Nombre = ") +
                                          quoted(name));
        QCOMPARE(byName->RecordCount(), 1L);
        QCOMPARE(byName->text(QStringLiteral("Nombre")), name);

        auto movements =
            m_db->OpenRecordset(QStringLiteral("select * from Movimientos order by fecha"));
        movements->FindFirst(QStringLiteral("Cuenta = '") + doubledApostrophes(name) +
                             QStringLiteral("'"));
        QVERIFY(!movements->NoMatch());
        QCOMPARE(movements->text(QStringLiteral("Cuenta")), name);
        QCOMPARE(movements->text(QStringLiteral("Detalle")), QStringLiteral("hostil"));
        QVERIFY(m_db->OpenRecordset(QStringLiteral("Cuentas"))->RecordCount() > 1);
    }
};

TESORIN_TEST_MAIN(DialectTest)
#include "tst_dialect.moc"
