// The view filter's row source and caption, and the views they give on a
// small work area.
#include "movements/core/ViewFilter.h"
#include "store/DataControl.h"
#include "store/Database.h"
#include "store/Recordset.h"
#include "store/Schema.h"
#include "store/StoreError.h"
#include "support/TestWorkArea.h"

#include <QTest>

using namespace tesorin;
using namespace tesorin::movements;
using tesorin::test::addAccount;
using tesorin::test::addMovement;
using tesorin::test::money;

Q_DECLARE_METATYPE(tesorin::movements::ViewChoice)

namespace {

const QString kAll = QStringLiteral("<MOSTRAR TODAS LAS CUENTAS>");

ViewChoice allDates(const QStringList& selected, const QString& current, bool byAccount = false) {
    ViewChoice choice;
    choice.selectedEntries = selected;
    choice.currentEntry = current;
    choice.allDates = true;
    choice.byAccountThenDate = byAccount;
    return choice;
}

ViewChoice range(const QStringList& selected, const QString& current, QDate from, QDate to) {
    ViewChoice choice = allDates(selected, current);
    choice.allDates = false;
    choice.from = from;
    choice.to = to;
    return choice;
}

// Details of the rows of the view, in its order.
QStringList details(store::DataControl& data) {
    QStringList out;
    for (long row = 0; row < data.rowCount(); ++row) {
        data.setCurrentRow(row);
        out << data.recordset()->text(QStringLiteral("Detalle"));
    }
    return out;
}

} // namespace

class ViewFilterTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestWorkArea> m_area;
    std::unique_ptr<store::Database> m_db;

    void add(QDate date, const char* account, const char* detail, const char* in, const char* out) {
        addMovement(*m_db, date, QString::fromUtf8(account), QString::fromUtf8(detail), money(in),
                    money(out));
    }

private Q_SLOTS:
    void init() {
        m_area = std::make_unique<test::TestWorkArea>();
        m_db = m_area->open();
        addAccount(*m_db, QStringLiteral("D'Angelo"), QStringLiteral("OU"));
        add(QDate(2024, 2, 29), "Banco", "banco febrero", "0", "100");
        add(QDate(2024, 3, 1), "Banco", "banco 1 de marzo", "0", "1500");
        add(QDate(2024, 3, 15), "Sueldo", "sueldo marzo", "1500", "0");
        add(QDate(2024, 3, 31), "Sueldo", "extra fin de marzo", "250", "0");
        add(QDate(2024, 3, 31), "Alquiler", "alquiler marzo", "0", "800");
        add(QDate(2024, 3, 10), "D'Angelo", "D'Angelo marzo", "0", "50");
        add(QDate(2024, 4, 1), "Banco", "banco abril", "0", "250");
    }
    void cleanup() {
        m_db.reset();
        m_area.reset();
    }

    void composedTexts_data() {
        QTest::addColumn<ViewChoice>("choice");
        QTest::addColumn<QString>("rowSource");
        QTest::addColumn<QString>("caption");
        QTest::newRow("all accounts, all dates")
            << allDates({kAll}, kAll)
            << "select * from movimientos where true  and True order by fecha, cuenta"
            << "Cta : <MOSTRAR TODAS LAS CUENTAS> de todas las fechas registradas.";
        QTest::newRow("two accounts, March, by account")
            <<
            [] {
                ViewChoice choice =
                    range({"Banco", "Sueldo"}, "Sueldo", QDate(2024, 3, 1), QDate(2024, 3, 31));
                choice.byAccountThenDate = true;
                return choice;
            }()
            << "select * from movimientos where Fecha >= cdate('1/3/2024') and fecha <= "
               "cdate('31/3/2024') and (  Cuenta = 'Banco' or  Cuenta = 'Sueldo') order by "
               "cuenta, fecha"
            << "Cta : Sueldo desde el 1/3/2024 al 31/3/2024";
        QTest::newRow("current entry without selection")
            << allDates({}, "Banco")
            << "select * from movimientos where true  and True order by fecha, cuenta"
            << "Cta : Banco de todas las fechas registradas.";
        QTest::newRow("apostrophe doubled in the text, not in the caption")
            << allDates({"D'Angelo"}, "D'Angelo")
            << "select * from movimientos where true  and (  Cuenta = 'D''Angelo') order by "
               "fecha, cuenta"
            << "Cta : D'Angelo de todas las fechas registradas.";
    }
    void composedTexts() {
        QFETCH(ViewChoice, choice);
        QFETCH(QString, rowSource);
        QFETCH(QString, caption);
        QCOMPARE(viewRowSource(choice), rowSource);
        QCOMPARE(viewCaption(choice), caption);
    }

    void listedMovements_data() {
        QTest::addColumn<ViewChoice>("choice");
        QTest::addColumn<QStringList>("listed");
        const QStringList everything{"banco febrero", "banco 1 de marzo", "D'Angelo marzo",
                                     "sueldo marzo",  "alquiler marzo",   "extra fin de marzo",
                                     "banco abril"};
        QTest::newRow("all accounts entry alone") << allDates({kAll}, kAll) << everything;
        QTest::newRow("current entry without selection lists every account")
            << allDates({}, "Banco") << everything;
        QTest::newRow("all accounts entry selected, an account clicked last")
            << allDates({kAll, "Banco"}, "Banco")
            << QStringList{"banco febrero", "banco 1 de marzo", "banco abril"};
        QTest::newRow("accounts selected, all accounts entry clicked last")
            << allDates({kAll, "Banco", "Sueldo"}, kAll) << everything;
        QTest::newRow("by account, then date")
            << allDates({"Sueldo", "Banco"}, "Banco", true)
            << QStringList{"banco febrero", "banco 1 de marzo", "banco abril", "sueldo marzo",
                           "extra fin de marzo"};
        QTest::newRow("both ends of the range included")
            << range({kAll}, kAll, QDate(2024, 3, 1), QDate(2024, 3, 31))
            << QStringList{"banco 1 de marzo", "D'Angelo marzo", "sueldo marzo", "alquiler marzo",
                           "extra fin de marzo"};
        QTest::newRow("inverted range lists nothing")
            << range({kAll}, kAll, QDate(2024, 3, 31), QDate(2024, 3, 1)) << QStringList{};
        QTest::newRow("one day, as after Hoy")
            << range({kAll}, kAll, QDate(2024, 3, 15), QDate(2024, 3, 15))
            << QStringList{"sueldo marzo"};
        QTest::newRow("name with an apostrophe")
            << allDates({"D'Angelo"}, "D'Angelo") << QStringList{"D'Angelo marzo"};
        QTest::newRow("typed quote cannot widen the view")
            << allDates({"x' or 'a'='a"}, "x' or 'a'='a") << QStringList{};
    }
    void listedMovements() {
        QFETCH(ViewChoice, choice);
        QFETCH(QStringList, listed);
        store::DataControl data;
        data.setDatabaseName(QStringLiteral("BASE.MDB"));
        showView(data, viewRowSource(choice));
        QCOMPARE(details(data), listed);
    }

    void accountEntriesInStoreOrder() {
        QCOMPARE(viewAccountEntries(*m_db),
                 (QStringList{kAll, "Sueldo", "Honorarios", "Alquiler", "Supermercado", "Servicios",
                              "Banco", "Efectivo", "D'Angelo"}));
        m_db->exec(QStringLiteral("DELETE FROM Cuentas"));
        QCOMPARE(viewAccountEntries(*m_db), QStringList{});
    }

    // A movement added later outside the view is stored but not listed, and
    // another work area opened later is seen through the same view.
    void viewOutlivesRefreshesAndWorkAreas() {
        store::DataControl data;
        data.setDatabaseName(QStringLiteral("BASE.MDB"));
        showView(data,
                 viewRowSource(range({"Banco"}, "Banco", QDate(2024, 3, 1), QDate(2024, 3, 31))));
        add(QDate(2024, 3, 20), "Sueldo", "sueldo nuevo", "10", "0");
        add(QDate(2024, 3, 20), "Banco", "banco nuevo", "0", "10");
        data.Refresh();
        QCOMPARE(details(data), (QStringList{"banco 1 de marzo", "banco nuevo"}));

        store::createWorkAreaFile(m_area->path(QStringLiteral("OTRA.MDB")));
        {
            auto other = m_area->open(QStringLiteral("OTRA.MDB"));
            addMovement(*other, QDate(2024, 3, 5), "Banco", "otra caja, banco", money("1"),
                        money("0"));
            addMovement(*other, QDate(2024, 3, 5), "Sueldo", "otra caja, sueldo", money("1"),
                        money("0"));
        }
        data.setDatabaseName(QStringLiteral("OTRA.MDB"));
        data.Refresh();
        QCOMPARE(details(data), QStringList{"otra caja, banco"});
    }

    void refusedViewKeepsTheFormerOne() {
        store::DataControl data;
        data.setDatabaseName(QStringLiteral("BASE.MDB"));
        const QString banco = viewRowSource(allDates({"Banco"}, "Banco"));
        showView(data, banco);
        QVERIFY_THROWS_EXCEPTION(store::StoreError,
                                 showView(data, QStringLiteral("select * from Faltante")));
        QCOMPARE(data.RecordSource(), banco);
        QCOMPARE(details(data), (QStringList{"banco febrero", "banco 1 de marzo", "banco abril"}));
    }
};

TESORIN_TEST_MAIN(ViewFilterTest)
#include "tst_view_filter.moc"
