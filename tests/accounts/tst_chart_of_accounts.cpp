// The chart of accounts without a window: list order, lookups by name in any
// letter case, and that changing or deleting an account never touches the
// movements that name it.
#include "accounts/core/AccountTypes.h"
#include "accounts/core/ChartOfAccounts.h"
#include "store/Database.h"
#include "store/Recordset.h"
#include "store/StoreError.h"
#include "support/TestWorkArea.h"

#include <QTest>

using namespace tesorin;
using namespace tesorin::accounts;

namespace {

QString storedType(store::Database& db, const QString& name) {
    store::Statement query =
        db.prepare(QStringLiteral("SELECT Tipo FROM Cuentas WHERE Nombre = ?"));
    query.bindText(1, name);
    return query.step() ? query.text(0) : QStringLiteral("<ninguna>");
}

QStringList movementAccounts(store::Database& db) {
    QStringList names;
    store::Statement query =
        db.prepare(QStringLiteral("SELECT Cuenta FROM Movimientos ORDER BY idMovimiento"));
    while (query.step())
        names << query.text(0);
    return names;
}

} // namespace

class ChartOfAccountsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestWorkArea> area;
    std::unique_ptr<store::Database> db;
private Q_SLOTS:
    void init() {
        area = std::make_unique<test::TestWorkArea>();
        db = area->open();
    }
    void cleanup() {
        db.reset();
        area.reset();
    }
    void optionsAndCodes_data() {
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("optionShown");
        QTest::newRow("ingresos") << int(kIncomeOption) << "IN" << int(kIncomeOption);
        QTest::newRow("egresos") << int(kExpenseOption) << "OU" << int(kExpenseOption);
        QTest::newRow("ambos") << int(kBothOption) << "VS" << int(kBothOption);
        QTest::newRow("none chosen is stored as both")
            << int(kNoOption) << "VS" << int(kBothOption);
    }
    void optionsAndCodes() {
        QFETCH(int, option);
        QFETCH(QString, code);
        QFETCH(int, optionShown);
        QCOMPARE(codeForOption(option), code);
        QCOMPARE(optionForCode(code), optionShown);
    }

    void aStoredTypeOfNoKnownCodeShowsNoOption_data() {
        QTest::addColumn<QString>("code");
        QTest::newRow("empty") << "";
        QTest::newRow("lower case") << "in";
        QTest::newRow("other") << "XX";
    }
    void aStoredTypeOfNoKnownCodeShowsNoOption() {
        QFETCH(QString, code);
        QCOMPARE(optionForCode(code), int(kNoOption));
    }

    void theListIsAlphabeticalWhateverTheOrderOfCreation() {
        db->exec(QStringLiteral("DELETE FROM Cuentas"));
        for (const char* name : {"zapatería", "Ñandú", "almacén", "Alquiler", "Banco", "nafta"})
            test::addAccount(*db, QString::fromUtf8(name), QStringLiteral("VS"));
        const QStringList expected{QStringLiteral("almacén"), QStringLiteral("Alquiler"),
                                   QStringLiteral("Banco"),   QStringLiteral("nafta"),
                                   QStringLiteral("Ñandú"),   QStringLiteral("zapatería")};
        QCOMPARE(accountNamesInListOrder(*db), expected);
    }

    void anEmptyChartListsNothingAndFindsNothing() {
        db->exec(QStringLiteral("DELETE FROM Cuentas"));
        std::unique_ptr<store::Recordset> recCuentas;
        QVERIFY(accountNamesInListOrder(*db).isEmpty());
        QVERIFY(!accountType(*db, recCuentas, QString()));
        QCOMPARE(deleteAccount(*db, recCuentas, QStringLiteral("Banco")), ChartOutcome::NotFound);
    }

    void aNewAccountIsRefusedWhenTheNameExistsInAnyLetterCase_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("same") << "Banco";
        QTest::newRow("other case") << "BANCO";
    }
    void aNewAccountIsRefusedWhenTheNameExistsInAnyLetterCase() {
        QFETCH(QString, name);
        std::unique_ptr<store::Recordset> recCuentas;
        QCOMPARE(createAccount(*db, recCuentas, name, QStringLiteral("OU")),
                 ChartOutcome::NameTaken);
        QCOMPARE(storedType(*db, QStringLiteral("Banco")), QStringLiteral("VS"));
        QCOMPARE(accountNamesInListOrder(*db).size(), 7);
        QVERIFY2(!recCuentas, "the shared cursor is closed after the operation");
    }

    void aNewAccountIsStoredWithItsCode() {
        std::unique_ptr<store::Recordset> recCuentas;
        QCOMPARE(createAccount(*db, recCuentas, QStringLiteral("D'Angelo"), QStringLiteral("OU")),
                 ChartOutcome::Done);
        QCOMPARE(storedType(*db, QStringLiteral("D'Angelo")), QStringLiteral("OU"));
        QCOMPARE(accountType(*db, recCuentas, QStringLiteral("d'angelo")), QStringLiteral("OU"));
    }

    void renamingLeavesTheMovementsWithTheOldName() {
        std::unique_ptr<store::Recordset> recCuentas;
        test::addAccount(*db, QStringLiteral("Luz"), QStringLiteral("OU"));
        test::addMovement(*db, QDate(2024, 3, 1), QStringLiteral("Luz"), QStringLiteral("bimestre"),
                          test::money("0"), test::money("80"));
        test::addMovement(*db, QDate(2024, 5, 1), QStringLiteral("Luz"), QString(),
                          test::money("0"), test::money("95"));
        QCOMPARE(changeAccount(*db, recCuentas, QStringLiteral("Luz"),
                               QStringLiteral("Electricidad"), QStringLiteral("VS")),
                 ChartOutcome::Done);
        QCOMPARE(storedType(*db, QStringLiteral("Electricidad")), QStringLiteral("VS"));
        QVERIFY(!accountNamesInListOrder(*db).contains(QStringLiteral("Luz")));
        QCOMPARE(movementAccounts(*db),
                 (QStringList{QStringLiteral("Luz"), QStringLiteral("Luz")}));
    }

    void renamingOntoAnotherAccountsNameChangesNothing_data() {
        QTest::addColumn<QString>("newName");
        QTest::newRow("same case") << "Banco";
        QTest::newRow("other case") << "bAnCo";
    }
    void renamingOntoAnotherAccountsNameChangesNothing() {
        QFETCH(QString, newName);
        std::unique_ptr<store::Recordset> recCuentas;
        QCOMPARE(changeAccount(*db, recCuentas, QStringLiteral("Efectivo"), newName,
                               QStringLiteral("IN")),
                 ChartOutcome::NameTaken);
        QCOMPARE(storedType(*db, QStringLiteral("Efectivo")), QStringLiteral("VS"));
        QCOMPARE(storedType(*db, QStringLiteral("Banco")), QStringLiteral("VS"));
        QVERIFY(!recCuentas);
    }

    void changingOnlyTheLetterCaseOfItsOwnNameIsAllowed() {
        std::unique_ptr<store::Recordset> recCuentas;
        QCOMPARE(changeAccount(*db, recCuentas, QStringLiteral("Banco"), QStringLiteral("BANCO"),
                               QStringLiteral("VS")),
                 ChartOutcome::Done);
        QVERIFY(accountNamesInListOrder(*db).contains(QStringLiteral("BANCO")));
    }

    void changingAnAccountThatIsGoneIsNotFound() {
        std::unique_ptr<store::Recordset> recCuentas;
        QCOMPARE(changeAccount(*db, recCuentas, QStringLiteral("Nadie"), QStringLiteral("Alguien"),
                               QStringLiteral("VS")),
                 ChartOutcome::NotFound);
        QCOMPARE(storedType(*db, QStringLiteral("Alguien")), QStringLiteral("<ninguna>"));
    }

    void deletingAnAccountLeavesItsMovements() {
        std::unique_ptr<store::Recordset> recCuentas;
        test::addMovement(*db, QDate(2024, 3, 1), QStringLiteral("Sueldo"), QStringLiteral("marzo"),
                          test::money("1500"), test::money("0"));
        QCOMPARE(deleteAccount(*db, recCuentas, QStringLiteral("sueldo")), ChartOutcome::Done);
        QVERIFY(!accountNamesInListOrder(*db).contains(QStringLiteral("Sueldo")));
        QCOMPARE(movementAccounts(*db), QStringList{QStringLiteral("Sueldo")});
    }

    void aReadOnlyWorkAreaRefusesTheChangeAndKeepsTheChart() {
        db->exec(QStringLiteral("PRAGMA query_only = 1"));
        std::unique_ptr<store::Recordset> recCuentas;
        QVERIFY_THROWS_EXCEPTION(
            store::StoreError,
            createAccount(*db, recCuentas, QStringLiteral("Nueva"), QStringLiteral("VS")));
        QVERIFY_THROWS_EXCEPTION(store::StoreError,
                                 changeAccount(*db, recCuentas, QStringLiteral("Banco"),
                                               QStringLiteral("Caja"), QStringLiteral("IN")));
        QVERIFY_THROWS_EXCEPTION(store::StoreError,
                                 deleteAccount(*db, recCuentas, QStringLiteral("Banco")));
        QVERIFY(!recCuentas);
        QCOMPARE(accountNamesInListOrder(*db).size(), 7);
        QCOMPARE(storedType(*db, QStringLiteral("Banco")), QStringLiteral("VS"));
    }
};

TESORIN_TEST_MAIN(ChartOfAccountsTest)
#include "tst_chart_of_accounts.moc"
