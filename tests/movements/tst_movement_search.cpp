// The search's criteria text and the rows it finds among those of the view.
#include "movements/core/MovementSearch.h"
#include "store/DataControl.h"
#include "store/Database.h"
#include "store/Recordset.h"
#include "support/TestWorkArea.h"

#include <QSignalSpy>
#include <QTest>

using namespace tesorin;
using namespace tesorin::movements;
using tesorin::test::addAccount;
using tesorin::test::addMovement;
using tesorin::test::money;

Q_DECLARE_METATYPE(tesorin::movements::SearchChoice)
Q_DECLARE_METATYPE(tesorin::movements::SearchStart)

namespace {

SearchChoice anything() {
    SearchChoice choice;
    choice.anyDate = choice.anyAccount = choice.anyDetail = choice.anyAmount = true;
    return choice;
}

SearchChoice byAmount(const QString& amount) {
    SearchChoice choice = anything();
    choice.anyAmount = false;
    choice.amount = amount;
    return choice;
}

SearchChoice byAccount(const QString& account) {
    SearchChoice choice = anything();
    choice.anyAccount = false;
    choice.account = account;
    return choice;
}

SearchChoice byDetail(const QString& detail) {
    SearchChoice choice = anything();
    choice.anyDetail = false;
    choice.detail = detail;
    return choice;
}

const QString kNotFound = QStringLiteral("(no encontrado)");

} // namespace

class MovementSearchTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestWorkArea> m_area;
    std::unique_ptr<store::Database> m_db;
    std::unique_ptr<store::DataControl> m_data;

    void add(QDate date, const char* account, const char* detail, const char* in, const char* out) {
        addMovement(*m_db, date, QString::fromUtf8(account), QString::fromUtf8(detail), money(in),
                    money(out));
    }
    QString currentDetail() const { return m_data->recordset()->text(QStringLiteral("Detalle")); }

private Q_SLOTS:
    void init() {
        m_area = std::make_unique<test::TestWorkArea>();
        m_db = m_area->open();
        addAccount(*m_db, QStringLiteral("D'Angelo"), QStringLiteral("OU"));
        add(QDate(2024, 3, 1), "Banco", "luz de marzo", "0", "1500.5");
        add(QDate(2024, 3, 15), "Banco", "Luz", "0", "250");
        add(QDate(2024, 3, 15), "Sueldo", "sueldo", "250", "0");
        add(QDate(2024, 3, 20), "D'Angelo", "cuota de D'Angelo", "0", "80");
        add(QDate(2024, 3, 31), "Sueldo", "extra", "1500", "0");
        add(QDate(2024, 1, 10), "Alquiler", "fuera de la vista", "0", "250");
        m_data = std::make_unique<store::DataControl>();
        m_data->setDatabaseName(QStringLiteral("BASE.MDB"));
        // The view: March only, by date.
        m_data->setRecordSource(QStringLiteral(
            "select * from movimientos where Fecha >= cdate('1/3/2024') and fecha <= "
            "cdate('31/3/2024') and True order by fecha, cuenta"));
        m_data->Refresh();
    }
    void cleanup() {
        m_data.reset();
        m_db.reset();
        m_area.reset();
    }

    void criteria_data() {
        QTest::addColumn<SearchChoice>("choice");
        QTest::addColumn<QString>("criteria");
        QTest::newRow("all four boxes ticked")
            << anything() << "True  and true  and true  and true ";
        SearchChoice all;
        all.date = QDate(2024, 3, 15);
        all.account = "Banco";
        all.detail = "luz";
        all.amount = "1500";
        QTest::newRow("date, account, detail and amount")
            << all
            << "Fecha = cdate('15/3/2024') and Cuenta = 'Banco' and Detalle LIKE '*luz*' and ( "
               "Ingreso = 1500 or Egreso = 1500)";
        QTest::newRow("amount with grouping and decimal comma")
            << byAmount("1.500,50")
            << "True  and true  and true  and ( Ingreso = 1500.5 or Egreso = 1500.5)";
        QTest::newRow("amount with currency symbol")
            << byAmount("$ 250")
            << "True  and true  and true  and ( Ingreso = 250 or Egreso = 250)";
        QTest::newRow("amount that is no number counts as 0")
            << byAmount("12) or (1=1")
            << "True  and true  and true  and ( Ingreso = 0 or Egreso = 0)";
        QTest::newRow("apostrophes doubled in account and detail") << [] {
            SearchChoice choice = byAccount("D'Angelo");
            choice.anyDetail = false;
            choice.detail = "de D'A";
            return choice;
        }() << "True  and Cuenta = 'D''Angelo' and Detalle LIKE '*de D''A*' and true ";
    }
    void criteria() {
        QFETCH(SearchChoice, choice);
        QFETCH(QString, criteria);
        QCOMPARE(searchCriteria(choice), criteria);
    }

    // Rows of the view: 0 luz de marzo, 1 Luz, 2 sueldo, 3 cuota de D'Angelo, 4 extra.
    void found_data() {
        QTest::addColumn<SearchChoice>("choice");
        QTest::addColumn<SearchStart>("start");
        QTest::addColumn<long>("currentRow");
        QTest::addColumn<QString>("found");
        const auto B = SearchStart::Beginning;
        const auto E = SearchStart::End;
        const auto C = SearchStart::AfterCurrent;
        QTest::newRow("anything, from the beginning") << anything() << B << 2L << "luz de marzo";
        QTest::newRow("anything, from the end") << anything() << E << 2L << "extra";
        QTest::newRow("anything, after the current row")
            << anything() << C << 2L << "cuota de D'Angelo";
        QTest::newRow("anything, after the last row") << anything() << C << 4L << kNotFound;
        QTest::newRow("amount finds a payment first") << byAmount("250") << B << 0L << "Luz";
        QTest::newRow("amount finds an income next") << byAmount("250") << C << 1L << "sueldo";
        QTest::newRow("amount with grouping and comma")
            << byAmount("1.500,50") << E << 4L << "luz de marzo";
        QTest::newRow("current row is not found from itself")
            << byAccount("Banco") << C << 1L << kNotFound;
        QTest::newRow("filtered-out movement is never found")
            << byDetail("fuera de la vista") << B << 0L << kNotFound;
        QTest::newRow("account with an apostrophe")
            << byAccount("D'Angelo") << B << 0L << "cuota de D'Angelo";
        QTest::newRow("detail with an apostrophe")
            << byDetail("de D'Angelo") << E << 0L << "cuota de D'Angelo";
        QTest::newRow("typed quote cannot widen the search")
            << byAccount("x' or 'a'='a") << B << 0L << kNotFound;
        QTest::newRow("nothing ticked asks for today, no account, amount 0") << [] {
            SearchChoice choice;
            choice.date = QDate(2024, 3, 15);
            choice.amount = "0";
            return choice;
        }() << B << 0L << kNotFound;
    }
    void found() {
        QFETCH(SearchChoice, choice);
        QFETCH(SearchStart, start);
        QFETCH(long, currentRow);
        QFETCH(QString, found);
        m_data->setCurrentRow(currentRow);
        QSignalSpy repositions(m_data.get(), &store::DataControl::Reposition);
        const bool match = findMovement(*m_data, searchCriteria(choice), start);
        QCOMPARE(match, found != kNotFound);
        if (match) {
            QCOMPARE(currentDetail(), found);
            QVERIFY(!repositions.isEmpty());
        } else {
            QCOMPARE(m_data->currentRow(), currentRow);
        }
    }

    void emptyViewFindsNothing() {
        m_data->setRecordSource(QStringLiteral("select * from movimientos where true  and (  "
                                               "Cuenta = 'Nadie') order by fecha, cuenta"));
        m_data->Refresh();
        QVERIFY(!findMovement(*m_data, searchCriteria(anything()), SearchStart::Beginning));
        QVERIFY(!findMovement(*m_data, searchCriteria(anything()), SearchStart::End));
    }
};

TESORIN_TEST_MAIN(MovementSearchTest)
#include "tst_movement_search.moc"
