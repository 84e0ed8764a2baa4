// The chart of accounts window and its account dialog, driven as a user would.
#include "accounts/ui/panCuentas.h"
#include "accounts/ui/panNueCue.h"
#include "store/Database.h"
#include "store/Recordset.h"
#include "support/ModalDriver.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace tesorin;
using tesorin::accounts::panCuentas;
using tesorin::accounts::panNueCue;
using tesorin::test::ModalDriver;

namespace {

QString storedType(store::Database& db, const QString& name) {
    store::Statement query =
        db.prepare(QStringLiteral("SELECT Tipo FROM Cuentas WHERE Nombre = ?"));
    query.bindText(1, name);
    return query.step() ? query.text(0) : QStringLiteral("<ninguna>");
}

long movementsNaming(store::Database& db, const QString& account) {
    store::Statement query =
        db.prepare(QStringLiteral("SELECT count(*) FROM Movimientos WHERE Cuenta = ?"));
    query.bindText(1, account);
    query.step();
    return long(query.int64(0));
}

QStringList listed(const panCuentas& form) {
    QStringList names;
    for (int i = 0; i < form.List1->count(); ++i)
        names << form.List1->item(i)->text();
    return names;
}

// False when the list holds no such name.
[[nodiscard]] bool select(panCuentas& form, const QString& name) {
    const QList<QListWidgetItem*> found = form.List1->findItems(name, Qt::MatchExactly);
    if (found.isEmpty())
        return false;
    form.List1->setCurrentItem(found.first());
    return true;
}

// What the account dialog showed when it came up.
struct DialogSeen {
    QString caption;
    QString button;
    QString name;
    int option = -2;
};

// A step that records the dialog, types a name, chooses an option (-1 leaves
// it) and presses the confirm button.
std::function<void(panNueCue&)> confirm(DialogSeen& seen, const QString& name, int option = -1) {
    return [&seen, name, option](panNueCue& dialog) {
        seen = {dialog.windowTitle(), dialog.Command6->text(), dialog.Text1->text(),
                dialog.chosenOption()};
        if (!name.isNull())
            dialog.Text1->setText(name);
        if (option >= 0)
            dialog.Option1[option]->setChecked(true);
        ModalDriver::clickLater(dialog.Command6);
    };
}

} // namespace

class PanCuentasTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestWorkArea> area;
    std::unique_ptr<store::Database> db;

    std::unique_ptr<store::Recordset> recCuentas;

private Q_SLOTS:
    void init() {
        area = std::make_unique<test::TestWorkArea>();
        db = area->open();
    }
    void cleanup() {
        TESORIN_VERIFY_NO_WINDOW_LEFT();
        QVERIFY(!recCuentas);
        db.reset();
        area.reset();
    }

    void theWindowListsTheAccountsInOrder() {
        panCuentas form(*db, recCuentas);
        QCOMPARE(form.windowTitle(), QStringLiteral("Plan de Cuentas"));
        QCOMPARE(listed(form), (QStringList{"Alquiler", "Banco", "Efectivo", "Honorarios",
                                            "Servicios", "Sueldo", "Supermercado"}));
    }

    void aNewAccountTakesTheChosenType_data() {
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("code");
        QTest::newRow("left as it comes") << -1 << "VS";
        QTest::newRow("ingresos") << 0 << "IN";
        QTest::newRow("egresos") << 1 << "OU";
    }
    void aNewAccountTakesTheChosenType() {
        QFETCH(int, option);
        QFETCH(QString, code);
        panCuentas form(*db, recCuentas);
        DialogSeen seen;
        ModalDriver driver;
        driver.expect<panNueCue>(confirm(seen, QStringLiteral("Gimnasio"), option));
        form.Command6->click();
        QCOMPARE(seen.caption, QStringLiteral("Nueva Cuenta"));
        QCOMPARE(seen.button, QStringLiteral("Nueva"));
        QCOMPARE(seen.name, QString());
        QCOMPARE(seen.option, 2);
        QCOMPARE(storedType(*db, QStringLiteral("Gimnasio")), code);
        QVERIFY(listed(form).contains(QStringLiteral("Gimnasio")));
    }

    void aNewAccountWithANameInUseIsRefused() {
        panCuentas form(*db, recCuentas);
        DialogSeen seen;
        ModalDriver driver;
        driver.expect<panNueCue>(confirm(seen, QStringLiteral("SUELDO"), 1)).nextAnswer();
        form.Command6->click();
        QCOMPARE(driver.messages().size(), 1);
        QCOMPARE(driver.messages()[0].text,
                 QStringLiteral("Cuenta ya creada, pongale otro nombre"));
        QCOMPARE(driver.messages()[0].title, QStringLiteral("E r r o r"));
        QCOMPARE(driver.messages()[0].icon, QMessageBox::Critical);
        QCOMPARE(storedType(*db, QStringLiteral("Sueldo")), QStringLiteral("IN"));
        QCOMPARE(listed(form).size(), 7);
    }

    void anEmptyNameKeepsTheDialogOpenWithoutAWord() {
        panCuentas form(*db, recCuentas);
        bool stillOpen = false;
        ModalDriver driver;
        driver.expect<panNueCue>([&stillOpen](panNueCue& dialog) {
            dialog.Command6->click();
            stillOpen = dialog.isVisible();
            ModalDriver::clickLater(dialog.Command2);
        });
        form.Command6->click();
        QVERIFY(stillOpen);
        QCOMPARE(listed(form).size(), 7);
    }

    void anEmptyChartDeletesNothingAndFindsNothingToEdit() {
        db->exec(QStringLiteral("DELETE FROM Cuentas"));
        panCuentas form(*db, recCuentas);
        QVERIFY(listed(form).isEmpty());
        ModalDriver driver;
        form.Command1->click();
        driver.nextAnswer();
        form.Command3->click();
        QCOMPARE(driver.messages().size(), 1);
        QCOMPARE(driver.messages()[0].text, QStringLiteral("Cuenta no localizada"));
        QCOMPARE(driver.messages()[0].title, QStringLiteral("E r r o r"));
        QCOMPARE(driver.messages()[0].icon, QMessageBox::Critical);
    }

    void editingAnAccountOfAnUnknownTypeShowsNoOptionAndStoresBoth() {
        test::addAccount(*db, QStringLiteral("Rara"), QStringLiteral("XX"));
        panCuentas form(*db, recCuentas);
        QVERIFY(select(form, QStringLiteral("Rara")));
        DialogSeen seen;
        ModalDriver driver;
        driver.expect<panNueCue>(confirm(seen, QString()));
        form.Command3->click();
        QCOMPARE(seen.caption, QStringLiteral("Nueva Cuenta"));
        QCOMPARE(seen.button, QStringLiteral("Cambiar"));
        QCOMPARE(seen.name, QStringLiteral("Rara"));
        QCOMPARE(seen.option, -1);
        QCOMPARE(storedType(*db, QStringLiteral("Rara")), QStringLiteral("VS"));
    }

    void editingShowsTheStoredTypeAndRewritesItUnchanged() {
        panCuentas form(*db, recCuentas);
        QVERIFY(select(form, QStringLiteral("Alquiler")));
        DialogSeen seen;
        ModalDriver driver;
        driver.expect<panNueCue>(confirm(seen, QString()));
        form.Command3->click();
        QCOMPARE(seen.option, 1);
        QCOMPARE(storedType(*db, QStringLiteral("Alquiler")), QStringLiteral("OU"));
        QCOMPARE(listed(form).size(), 7);
    }

    void renamingKeepsTheMovementsOnTheOldName() {
        test::addAccount(*db, QStringLiteral("Luz"), QStringLiteral("OU"));
        test::addMovement(*db, QDate(2024, 3, 1), QStringLiteral("Luz"), QStringLiteral("bimestre"),
                          test::money("0"), test::money("80"));
        panCuentas form(*db, recCuentas);
        QVERIFY(select(form, QStringLiteral("Luz")));
        DialogSeen seen;
        ModalDriver driver;
        driver.expect<panNueCue>(confirm(seen, QStringLiteral("Electricidad")));
        form.Command3->click();
        QVERIFY(listed(form).contains(QStringLiteral("Electricidad")));
        QVERIFY(!listed(form).contains(QStringLiteral("Luz")));
        QCOMPARE(movementsNaming(*db, QStringLiteral("Luz")), 1L);
        QCOMPARE(movementsNaming(*db, QStringLiteral("Electricidad")), 0L);
    }

    void renamingOntoAnotherAccountsNameIsRefused_data() {
        QTest::addColumn<QString>("newName");
        QTest::newRow("same case") << "Banco";
        QTest::newRow("other case") << "BANCO";
    }
    void renamingOntoAnotherAccountsNameIsRefused() {
        QFETCH(QString, newName);
        panCuentas form(*db, recCuentas);
        QVERIFY(select(form, QStringLiteral("Efectivo")));
        DialogSeen seen;
        ModalDriver driver;
        driver.expect<panNueCue>(confirm(seen, newName, 0)).nextAnswer();
        form.Command3->click();
        QCOMPARE(driver.messages().size(), 1);
        QCOMPARE(driver.messages()[0].text, QStringLiteral("Ya existe una cuenta con ese nombre."));
        QCOMPARE(driver.messages()[0].title, QStringLiteral("E r r o r"));
        QCOMPARE(driver.messages()[0].icon, QMessageBox::Critical);
        QCOMPARE(storedType(*db, QStringLiteral("Efectivo")), QStringLiteral("VS"));
        QCOMPARE(listed(form).size(), 7);
    }

    void closingTheDialogByItsFrameChangesNothing() {
        panCuentas form(*db, recCuentas);
        QVERIFY(select(form, QStringLiteral("Sueldo")));
        ModalDriver driver;
        driver.expect<panNueCue>([](panNueCue& dialog) {
            dialog.Text1->setText(QStringLiteral("Salario"));
            dialog.Option1[1]->setChecked(true);
            QTimer::singleShot(0, &dialog, &QWidget::close);
        });
        form.Command3->click();
        QCOMPARE(storedType(*db, QStringLiteral("Sueldo")), QStringLiteral("IN"));
        QCOMPARE(storedType(*db, QStringLiteral("Salario")), QStringLiteral("<ninguna>"));
    }

    void deletingAsksAndLeavesTheMovements_data() {
        QTest::addColumn<int>("reply");
        QTest::addColumn<bool>("deleted");
        QTest::newRow("yes") << int(QMessageBox::Yes) << true;
        QTest::newRow("no") << int(QMessageBox::No) << false;
    }
    void deletingAsksAndLeavesTheMovements() {
        QFETCH(int, reply);
        QFETCH(bool, deleted);
        test::addMovement(*db, QDate(2024, 3, 1), QStringLiteral("Sueldo"), QStringLiteral("marzo"),
                          test::money("1500"), test::money("0"));
        panCuentas form(*db, recCuentas);
        QVERIFY(select(form, QStringLiteral("Sueldo")));
        ModalDriver driver;
        driver.nextAnswer(QMessageBox::StandardButton(reply));
        form.Command1->click();
        QCOMPARE(driver.messages().size(), 1);
        QCOMPARE(driver.messages()[0].text, QStringLiteral("Borra esta cuenta"));
        QCOMPARE(driver.messages()[0].title, QStringLiteral("Pregunta"));
        QCOMPARE(driver.messages()[0].icon, QMessageBox::Question);
        QCOMPARE(listed(form).contains(QStringLiteral("Sueldo")), !deleted);
        QCOMPARE(storedType(*db, QStringLiteral("Sueldo")) == QStringLiteral("<ninguna>"), deleted);
        QCOMPARE(movementsNaming(*db, QStringLiteral("Sueldo")), 1L);
    }

    void aFailedWriteShowsTheStoresMessageAndKeepsTheChart() {
        panCuentas form(*db, recCuentas);
        db->exec(QStringLiteral("PRAGMA query_only = 1"));
        QVERIFY(select(form, QStringLiteral("Banco")));
        ModalDriver driver;
        driver.nextAnswer(QMessageBox::Yes).nextAnswer();
        form.Command1->click();
        QCOMPARE(driver.messages().size(), 2);
        QCOMPARE(driver.messages()[1].icon, QMessageBox::Critical);
        QVERIFY2(driver.messages()[1].text.contains(QStringLiteral("solo lectura")),
                 qPrintable(driver.messages()[1].text));
        QCOMPARE(storedType(*db, QStringLiteral("Banco")), QStringLiteral("VS"));
        QVERIFY(listed(form).contains(QStringLiteral("Banco")));
    }
};

TESORIN_GUI_TEST_MAIN(PanCuentasTest)
#include "tst_panCuentas.moc"
