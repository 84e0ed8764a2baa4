// The movement entry dialog: what it lists, how the amount box checks and
// formats, the order of the acceptance messages and the setting it writes.
#include "base/Clock.h"
#include "base/Regional.h"
#include "movements/ui/panNueIngreso.h"
#include "store/Database.h"
#include "support/ModalDriver.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace tesorin;
using tesorin::movements::panNueIngreso;
using tesorin::test::ModalDriver;

namespace {

QStringList entries(const QComboBox& list) {
    QStringList names;
    for (int i = 0; i < list.count(); ++i)
        names << list.itemText(i);
    return names;
}

QString setting(const QString& key) {
    QSettings settings(QSettings::UserScope, QStringLiteral("Tesorin"), QStringLiteral("Tesorin"));
    return settings.value(QStringLiteral("Memorizar/") + key, QStringLiteral("<sin valor>"))
        .toString();
}

const QStringList kControls{"DTPicker1", "List1",    "Text2", "Text1",
                            "Command6",  "Command1", "Combo1"};

// The control that holds the focus (or its inner box).
QString named(QWidget* focused) {
    for (QWidget* w = focused; w; w = w->parentWidget()) {
        if (kControls.contains(w->objectName()))
            return w->objectName();
    }
    return QStringLiteral("<otro>");
}

// The control that gets the focus when the dialog is active again. After a
// message box the test platform leaves no window active, so the dialog's own
// focus child is what tells.
QString focusChild(const panNueIngreso& dialog) {
    return named(dialog.focusWidget());
}

} // namespace

class PanNueIngresoTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_settingsFolder;
    std::unique_ptr<test::TestWorkArea> m_area;
    std::unique_ptr<store::Database> m_base;

    // The dialog shown as its callers show it, but without blocking, and active.
    [[nodiscard]] static bool showDialog(panNueIngreso& dialog, const QString& direction) {
        dialog.Tag = direction;
        dialog.show();
        return QTest::qWaitForWindowActive(&dialog);
    }

    // Leaves the amount box for the next control, as Tab does.
    [[nodiscard]] static bool leaveAmountBox(panNueIngreso& dialog) {
        dialog.Text1->setFocus();
        if (!QTest::qWaitFor([&] { return dialog.Text1->hasFocus(); }))
            return false;
        QTest::keyClick(dialog.Text1, Qt::Key_Tab);
        return !dialog.Text1->hasFocus();
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(m_settingsFolder.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsFolder.path());
        clock::setTodayForTests(QDate(2024, 2, 29));
    }
    void init() {
        m_area = std::make_unique<test::TestWorkArea>();
        m_base = m_area->open();
        QSettings(QSettings::UserScope, QStringLiteral("Tesorin"), QStringLiteral("Tesorin"))
            .clear();
    }
    void cleanup() {
        TESORIN_VERIFY_NO_WINDOW_LEFT();
        m_base.reset();
        m_area.reset();
    }

    void aFreshDialogShowsTodayAndTheDesignContents() {
        panNueIngreso dialog(m_base);
        QCOMPARE(dialog.DTPicker1->date(), QDate(2024, 2, 29));
        QCOMPARE(dialog.DTPicker1->text(), QStringLiteral("29/2/2024"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Nuevo Ingreso"));
        QCOMPARE(dialog.Text1->text(), QString());
        QCOMPARE(dialog.Text2->toPlainText(), QString());
        QCOMPARE(dialog.Combo1->currentText(), QStringLiteral("Efectivo"));
        QCOMPARE(entries(*dialog.Combo1),
                 (QStringList{"Efectivo", "Cheques", "Tarjeta", "Otras..."}));
        QCOMPARE(dialog.Text1->maxLength(), 40);
    }

    void theFocusGoesDateAccountDetailAmountButtonsThenMedium() {
        panNueIngreso dialog(m_base);
        QVERIFY(showDialog(dialog, QStringLiteral("Nuevo Ingreso")));
        dialog.DTPicker1->setFocus();
        QStringList order{named(QApplication::focusWidget())};
        for (int i = 1; i < kControls.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << named(QApplication::focusWidget());
        }
        dialog.close();
        QCOMPARE(order, kControls);
    }

    void theListIsRebuiltForTheDirectionOnEveryShowing() {
        panNueIngreso dialog(m_base);
        QVERIFY(showDialog(dialog, QStringLiteral("Nuevo Ingreso")));
        QCOMPARE(entries(*dialog.List1),
                 (QStringList{"Sueldo", "Honorarios", "Banco", "Efectivo"}));
        QCOMPARE(dialog.List1->currentText(), QString());
        QCOMPARE(dialog.List1->currentIndex(), -1);
        dialog.List1->setEditText(QStringLiteral("Banco"));
        dialog.hide();
        test::addAccount(*m_base, QStringLiteral("Gas"), QStringLiteral("OU"));
        QVERIFY(showDialog(dialog, QStringLiteral("Nuevo Pago")));
        QCOMPARE(entries(*dialog.List1), (QStringList{"Alquiler", "Supermercado", "Servicios",
                                                      "Banco", "Efectivo", "Gas"}));
        QCOMPARE(dialog.List1->currentText(), QString());
        dialog.close();
    }

    void theAccountToPreselectShowsEvenWhenItDoesNotFit_data() {
        QTest::addColumn<QString>("account");
        QTest::addColumn<int>("index");
        QTest::newRow("in the list") << "Banco" << 2;
        QTest::newRow("of the other direction") << "Alquiler" << -1;
        QTest::newRow("no longer in the chart") << "Luz" << -1;
    }
    void theAccountToPreselectShowsEvenWhenItDoesNotFit() {
        QFETCH(QString, account);
        QFETCH(int, index);
        panNueIngreso dialog(m_base);
        dialog.List1Tag = account;
        QVERIFY(showDialog(dialog, QStringLiteral("Nuevo Ingreso")));
        QCOMPARE(dialog.List1->currentText(), account);
        QCOMPARE(dialog.List1->currentIndex(), index);
        dialog.close();
    }

    void leavingTheAmountBoxChecksAndFormats_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown"); // empty: the box is emptied with a message
        QTest::newRow("12") << "12" << regional::currency(test::money("12"));
        QTest::newRow("zero") << "0" << regional::currency(test::money("0"));
        QTest::newRow("negative") << "-5" << regional::currency(test::money("-5"));
        QTest::newRow("decimals rounded to the currency's")
            << "1234,567" << regional::currency(test::money("1234.57"));
        QTest::newRow("a text it formatted itself") << regional::currency(test::money("1234.5"))
                                                    << regional::currency(test::money("1234.5"));
        QTest::newRow("letters") << "doce"
                                 << "";
        QTest::newRow("blanks") << "   "
                                << "";
        QTest::newRow("beyond what the store keeps exactly") << "900000000001"
                                                             << "";
        QTest::newRow("below what the store keeps") << "-900000000001"
                                                    << "";
    }
    void leavingTheAmountBoxChecksAndFormats() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        panNueIngreso dialog(m_base);
        QVERIFY(showDialog(dialog, QStringLiteral("Nuevo Ingreso")));
        ModalDriver driver;
        if (shown.isEmpty())
            driver.nextAnswer();
        dialog.Text1->setText(typed);
        QVERIFY(leaveAmountBox(dialog));
        QTRY_COMPARE(driver.pendingSteps(), 0);
        QTRY_COMPARE(dialog.Text1->text(), shown);
        if (shown.isEmpty()) {
            QCOMPARE(driver.messages().size(), 1);
            QCOMPARE(driver.messages()[0].text, QStringLiteral("Ingrese una cifra numérica!"));
            QCOMPARE(driver.messages()[0].title, QStringLiteral("Error"));
            QCOMPARE(driver.messages()[0].icon, QMessageBox::Critical);
            QTRY_COMPARE(focusChild(dialog), QStringLiteral("Text1"));
        } else {
            QVERIFY(driver.messages().isEmpty());
        }
        dialog.Text1->clear();
        dialog.close();
    }

    // A tap delivers a button's press and release together: the amount box's
    // check still comes first, while the dialog is open, and the button does
    // nothing.
    void aTapOnAButtonChecksTheAmountFirst_data() {
        QTest::addColumn<QString>("button");
        QTest::newRow("Aceptar") << "Command6";
        QTest::newRow("Cancelar") << "Command1";
    }
    void aTapOnAButtonChecksTheAmountFirst() {
        QFETCH(QString, button);
        panNueIngreso dialog(m_base);
        QVERIFY(showDialog(dialog, QStringLiteral("Nuevo Pago")));
        dialog.List1->setEditText(QStringLiteral("Banco"));
        dialog.Text1->setFocus();
        QTRY_VERIFY(dialog.Text1->hasFocus());
        dialog.Text1->setText(QStringLiteral("doce"));
        bool openDuringMessage = false;
        QString message;
        ModalDriver driver;
        driver.then([&](QWidget* box) {
            openDuringMessage = dialog.isVisible();
            if (auto* shown = qobject_cast<QMessageBox*>(box)) {
                message = shown->text();
                ModalDriver::clickLater(shown->button(QMessageBox::Ok));
            }
        });
        QTest::mouseClick(dialog.findChild<QPushButton*>(button), Qt::LeftButton);
        QTRY_COMPARE(driver.pendingSteps(), 0);
        QTest::qWait(20);
        QVERIFY(driver.unexpected().isEmpty());
        QCOMPARE(message, QStringLiteral("Ingrese una cifra numérica!"));
        QVERIFY(openDuringMessage);
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.Tag, QStringLiteral("Nuevo Pago"));
        QCOMPARE(dialog.Text1->text(), QString());
        QTRY_COMPARE(focusChild(dialog), QStringLiteral("Text1"));
        dialog.close();
    }

    void leavingAnEmptyAmountBoxSaysNothing() {
        panNueIngreso dialog(m_base);
        QVERIFY(showDialog(dialog, QStringLiteral("Nuevo Ingreso")));
        ModalDriver driver;
        QVERIFY(leaveAmountBox(dialog));
        QTest::qWait(0);
        QCOMPARE(dialog.Text1->text(), QString());
        dialog.close();
    }

    void acceptingChecksTheAmountFirstThenTheAccount_data() {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("account");
        QTest::addColumn<QString>("message"); // empty: accepted
        QTest::addColumn<QString>("title");
        QTest::newRow("empty amount") << ""
                                      << "Banco"
                                      << "Escriba una cifra correcta!"
                                      << "Error";
        QTest::newRow("letters") << "doce"
                                 << "Banco"
                                 << "Escriba una cifra correcta!"
                                 << "Error";
        QTest::newRow("bad amount and no account: the amount only") << "doce"
                                                                    << ""
                                                                    << "Escriba una cifra correcta!"
                                                                    << "Error";
        QTest::newRow("beyond what the store keeps") << "1000000000000"
                                                     << "Banco"
                                                     << "Escriba una cifra correcta!"
                                                     << "Error";
        QTest::newRow("no account") << "12"
                                    << ""
                                    << "Debe seleccionar una cuenta"
                                    << "E r r o r";
        QTest::newRow("12") << "12"
                            << "Banco"
                            << ""
                            << "";
        QTest::newRow("zero") << "0"
                              << "Banco"
                              << ""
                              << "";
        QTest::newRow("negative") << "-5"
                                  << "Banco"
                                  << ""
                                  << "";
        QTest::newRow("formatted") << regional::currency(test::money("12")) << "Banco"
                                   << ""
                                   << "";
        QTest::newRow("an account outside the list") << "12"
                                                     << "Luz"
                                                     << ""
                                                     << "";
    }
    void acceptingChecksTheAmountFirstThenTheAccount() {
        QFETCH(QString, amount);
        QFETCH(QString, account);
        QFETCH(QString, message);
        QFETCH(QString, title);
        panNueIngreso dialog(m_base);
        QVERIFY(showDialog(dialog, QStringLiteral("Nuevo Pago")));
        dialog.List1->setEditText(account);
        dialog.Text1->setText(amount);
        dialog.Text2->setFocus();
        QTRY_VERIFY(dialog.Text2->hasFocus());
        ModalDriver driver;
        if (!message.isEmpty())
            driver.nextAnswer();
        // Enter presses the default button, "Aceptar".
        QTest::keyClick(dialog.Text2, Qt::Key_Return);
        if (message.isEmpty()) {
            QVERIFY(driver.messages().isEmpty());
            QCOMPARE(dialog.Tag, QStringLiteral("SI"));
            QVERIFY(!dialog.isVisible());
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            return;
        }
        QCOMPARE(driver.messages().size(), 1);
        QCOMPARE(driver.messages()[0].text, message);
        QCOMPARE(driver.messages()[0].title, title);
        QCOMPARE(driver.messages()[0].icon, QMessageBox::Critical);
        QCOMPARE(dialog.Tag, QStringLiteral("Nuevo Pago"));
        QVERIFY(dialog.isVisible());
        // The amount message puts the focus into the amount box; the account
        // message leaves it where it was.
        QCOMPARE(focusChild(dialog), title == QLatin1String("Error") ? QStringLiteral("Text1")
                                                                     : QStringLiteral("Text2"));
        QCOMPARE(setting(QStringLiteral("Ultima Cuenta de Egreso")), QStringLiteral("<sin valor>"));
        dialog.Text1->clear();
        dialog.close();
    }

    void acceptingRemembersTheAccountUnderTheDirectionsKey_data() {
        QTest::addColumn<QString>("direction");
        QTest::addColumn<QString>("account");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("remembered");
        QTest::newRow("income") << "Nuevo Ingreso"
                                << "Sueldo"
                                << "Ultima Cuenta de Ingreso"
                                << "Sueldo";
        QTest::newRow("payment") << "Nuevo Pago"
                                 << "Alquiler"
                                 << "Ultima Cuenta de Egreso"
                                 << "Alquiler";
        QTest::newRow("a name outside the list chooses no entry") << "Nuevo Pago"
                                                                  << "Luz"
                                                                  << "Ultima Cuenta de Egreso"
                                                                  << "";
    }
    void acceptingRemembersTheAccountUnderTheDirectionsKey() {
        QFETCH(QString, direction);
        QFETCH(QString, account);
        QFETCH(QString, key);
        QFETCH(QString, remembered);
        panNueIngreso dialog(m_base);
        QVERIFY(showDialog(dialog, direction));
        const int entry = dialog.List1->findText(account);
        if (entry >= 0)
            dialog.List1->setCurrentIndex(entry);
        else
            dialog.List1->setEditText(account);
        dialog.Text1->setText(QStringLiteral("10"));
        dialog.Command6->click();
        QCOMPARE(dialog.Tag, QStringLiteral("SI"));
        QCOMPARE(setting(key), remembered);
        const QString otherKey = key.endsWith(QLatin1String("Ingreso"))
                                     ? QStringLiteral("Ultima Cuenta de Egreso")
                                     : QStringLiteral("Ultima Cuenta de Ingreso");
        QCOMPARE(setting(otherKey), QStringLiteral("<sin valor>"));
    }

    void anEmptyChartStillTakesATypedAccount() {
        m_base->exec(QStringLiteral("DELETE FROM Cuentas"));
        panNueIngreso dialog(m_base);
        QVERIFY(showDialog(dialog, QStringLiteral("Nuevo Ingreso")));
        QCOMPARE(dialog.List1->count(), 0);
        QTest::keyClicks(dialog.List1, QStringLiteral("Regalos"));
        dialog.Text1->setText(QStringLiteral("5"));
        dialog.Command6->click();
        QCOMPARE(dialog.Tag, QStringLiteral("SI"));
        QCOMPARE(dialog.List1->currentText(), QStringLiteral("Regalos"));
    }

    void cancellingAndClosingOnlyHide_data() {
        QTest::addColumn<bool>("byFrame");
        QTest::addColumn<QString>("tag");
        QTest::newRow("Cancelar") << false << "NO";
        QTest::newRow("window frame") << true << "Nuevo Ingreso";
    }
    void cancellingAndClosingOnlyHide() {
        QFETCH(bool, byFrame);
        QFETCH(QString, tag);
        panNueIngreso dialog(m_base);
        QVERIFY(showDialog(dialog, QStringLiteral("Nuevo Ingreso")));
        dialog.Text2->setPlainText(QStringLiteral("cuota"));
        if (byFrame)
            dialog.close();
        else
            dialog.Command1->click();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.Tag, tag);
        QCOMPARE(dialog.closedByFrame(), byFrame);
        QCOMPARE(dialog.Text2->toPlainText(), QStringLiteral("cuota"));
        QCOMPARE(setting(QStringLiteral("Ultima Cuenta de Ingreso")),
                 QStringLiteral("<sin valor>"));
    }

    void theDetailTakesAtMost150TypedCharactersAndCtrlEnterStartsALine() {
        panNueIngreso dialog(m_base);
        QVERIFY(showDialog(dialog, QStringLiteral("Nuevo Ingreso")));
        dialog.Text2->setFocus();
        QTest::keyClicks(dialog.Text2, QStringLiteral("uno"));
        QTest::keyClick(dialog.Text2, Qt::Key_Return, Qt::ControlModifier);
        QTest::keyClicks(dialog.Text2, QString(150, QLatin1Char('a')));
        QCOMPARE(dialog.Text2->toPlainText(),
                 QStringLiteral("uno\n") + QString(146, QLatin1Char('a')));
        QVERIFY(dialog.isVisible());
        dialog.close();
    }
};

TESORIN_GUI_TEST_MAIN(PanNueIngresoTest)
#include "tst_panNueIngreso.moc"
