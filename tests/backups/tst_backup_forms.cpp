// The backups as the user meets them: "Restaurar copia de seguridad..."
// driven from the menu, a copy that does not open refused in its dialog, and
// a copy that cannot be taken stopping the change it was taken for unless
// the user goes on without it.
#include "app/MainWindowFixture.h"
#include "backups/core/BackupFiles.h"
#include "backups/core/WorkAreaBackup.h"
#include "backups/ui/panRestaurar.h"
#include "base/Clock.h"
#include "store/WorkAreaFolder.h"
#include "workareas/ui/panNueCaja.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QTreeWidget>

using namespace tesorin;
using test::ModalDriver;

namespace {

const QString kBase = QStringLiteral("BASE.MDB");

QDateTime at(int hour, int minute = 0) {
    return QDateTime(QDate(2026, 12, 10), QTime(hour, minute));
}

QStringList rowTexts(const QTreeWidget& list, int row) {
    QStringList texts;
    for (int column = 0; column < list.columnCount(); ++column)
        texts << list.topLevelItem(row)->text(column);
    return texts;
}

} // namespace

class tst_backup_forms : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestWorkArea> area;
    std::unique_ptr<app::principal> window;

    // The history items' captions, as the user sees them once "Edición" opens.
    QStringList editCaptions() const {
        Q_EMIT window->menuBar()->findChild<QMenu*>(QStringLiteral("menuEdicion"))->aboutToShow();
        return {window->menuItem("menuDeshacer")->text().remove(u'&'),
                window->menuItem("menuRehacer")->text().remove(u'&')};
    }
    void addMovement(const char* income) {
        test::addMovement(*window->estado().baseAbierta, QDate(2026, 3, 1),
                          QStringLiteral("Sueldo"), QString(), test::money(income), Money());
    }
    QString copias() const { return QDir(area->folder()).filePath(QStringLiteral("copias")); }

private slots:
    void init() {
        area = std::make_unique<test::TestWorkArea>();
        clock::setNowForTests(at(9));
        window = test::openMainWindow();
        QVERIFY(window);
        // The copy of the day, taken once the window is up.
        QTRY_COMPARE(backups::listBackups(kBase).size(), 1);
    }
    void cleanup() {
        window.reset();
        clock::setNowForTests(QDateTime());
        area.reset();
        TESORIN_VERIFY_NO_WINDOW_LEFT();
    }

    void aCopyIsRestoredFromTheMenu() {
        addMovement("100");
        clock::setNowForTests(at(10));
        backups::backupWorkArea(kBase);
        addMovement("5");
        window->refreshView();
        QCOMPARE(window->MSFlexGrid1()->model()->rowCount(), 2);
        QCOMPARE(window->findChild<QLabel*>("labSaldo")->text(), test::blanks("$~105,00"));
        clock::setNowForTests(at(11));

        QStringList listed;
        ModalDriver driver;
        driver.expect<backups::panRestaurar>([&listed](backups::panRestaurar& dialog) {
            QTreeWidget* list = ModalDriver::child<QTreeWidget>(&dialog, "lstCopias");
            for (int row = 0; row < list->topLevelItemCount(); ++row)
                listed << rowTexts(*list, row).join(u'|');
            // The list has the focus; the older copy is one row down, and
            // Enter restores it.
            QTimer::singleShot(0, list, [list] {
                QTest::keyClick(list, Qt::Key_Down);
                QTest::keyClick(list, Qt::Key_Return);
            });
        });
        driver.nextAnswer(QMessageBox::Yes);
        window->menuItem("menuArcRestaurar")->trigger();

        QCOMPARE(listed, test::blanks("10/12/2026 10:00:00|1|$~100,00|$~0,00|$~100,00\n"
                                      "10/12/2026 09:00:00|0|$~0,00|$~0,00|$~0,00")
                             .split(u'\n'));
        QCOMPARE(driver.messages().size(), 1);
        QCOMPARE(driver.messages()[0].text,
                 QStringLiteral("¿Reemplazar la caja BASE.MDB por la copia del 10/12/2026 "
                                "09:00:00?\n\nAntes se hace una copia del estado actual de la "
                                "caja."));
        QCOMPARE(window->MSFlexGrid1()->model()->rowCount(), 0);
        QCOMPARE(window->Data1().rowCount(), 0L);
        QCOMPARE(window->findChild<QLabel*>("labSaldo")->text(), test::blanks("$~0,00"));
        // The state before the restore, both movements, is the newest copy.
        const QList<backups::BackupFile> copies = backups::listBackups(kBase);
        QCOMPARE(copies.size(), 3);
        QCOMPARE(copies.front().taken, at(11));
        auto before = store::Database::openFile(copies.front().path, QStringLiteral("antes"));
        store::Statement count =
            before->prepare(QStringLiteral("SELECT count(*) FROM Movimientos"));
        count.step();
        QCOMPARE(count.int64(0), 2);
        before.reset();

        // The restore is a step: undone, the two movements are back; made
        // again, the restored copy is.
        QCOMPARE(editCaptions().first(), QStringLiteral("Deshacer restaurar copia de seguridad"));
        clock::setNowForTests(at(12));
        window->menuItem("menuDeshacer")->trigger();
        QCOMPARE(window->Data1().rowCount(), 2L);
        QCOMPARE(window->findChild<QLabel*>("labSaldo")->text(), test::blanks("$~105,00"));
        QCOMPARE(editCaptions(), (QStringList{"Deshacer", "Rehacer restaurar copia de seguridad"}));
        clock::setNowForTests(at(13));
        window->menuItem("menuRehacer")->trigger();
        QCOMPARE(window->Data1().rowCount(), 0L);
        QCOMPARE(editCaptions(), (QStringList{"Deshacer restaurar copia de seguridad", "Rehacer"}));
        window->menuItem("menuDeshacer")->trigger();
        QCOMPARE(window->Data1().rowCount(), 2L);

        window->menuItem("menuArcCierra")->trigger();
        QVERIFY(!window->menuItem("menuArcRestaurar")->isEnabled());
    }

    // A copy that is no work area, or one whose content no longer matches
    // the checksum recorded when it was made.
    void aCopyThatDoesNotOpenIsRefusedInTheDialog_data() {
        QTest::addColumn<QByteArray>("checksum");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("reason");
        QTest::newRow("not a work area")
            << QByteArray() << QStringLiteral("No se puede abrir") << QString();
        QTest::newRow("changed since it was made")
            << QByteArray(64, '0') + "  BASE-2026-12-09-100000.MDB\n"
            << QStringLiteral("Dañada")
            << QStringLiteral(" La copia «BASE-2026-12-09-100000.MDB» está dañada: su contenido no "
                              "coincide con la suma de verificación registrada al hacerla.");
    }
    void aCopyThatDoesNotOpenIsRefusedInTheDialog() {
        QFETCH(QByteArray, checksum);
        QFETCH(QString, shown);
        QFETCH(QString, reason);
        const QString path = QDir(copias()).filePath(QStringLiteral("BASE-2026-12-09-100000.MDB"));
        QFile damaged(path);
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write(QByteArray(8192, 'x'));
        damaged.close();
        if (!checksum.isEmpty()) {
            QFile sum(path + QStringLiteral(".sha256"));
            QVERIFY(sum.open(QIODevice::WriteOnly));
            sum.write(checksum);
        }
        addMovement("100");
        window->refreshView();

        bool stayedOpen = false;
        ModalDriver driver;
        driver.nextAnswer(QMessageBox::Ok);
        driver.expect<backups::panRestaurar>([&stayedOpen, &shown](backups::panRestaurar& dialog) {
            QTreeWidget* list = ModalDriver::child<QTreeWidget>(&dialog, "lstCopias");
            QCOMPARE(list->topLevelItem(1)->text(1), shown);
            list->setCurrentItem(list->topLevelItem(1));
            QTimer::singleShot(0, &dialog, [&dialog, &stayedOpen] {
                dialog.cmdRestaurar->click();
                stayedOpen = dialog.isVisible();
                dialog.cmdCancelar->click();
            });
        });
        window->menuItem("menuArcRestaurar")->trigger();

        QVERIFY(stayedOpen);
        QCOMPARE(driver.messages().size(), 1);
        QVERIFY2(
            driver.messages()[0].text.startsWith(
                QStringLiteral("La copia del 9/12/2026 10:00:00 no se puede restaurar.") + reason),
            qPrintable(driver.messages()[0].text));
        QCOMPARE(window->Data1().rowCount(), 1L);
        QCOMPARE(backups::listBackups(kBase).size(), 2);
    }

    // "copias" made a file: no copy can be taken, as in a read-only folder
    // (which does not stop root, who runs the tests here).
    void aCopyThatCannotBeTakenStopsTheChangeUnlessTheUserGoesOn_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("made");
        QTest::newRow("No") << int(QMessageBox::No) << false;
        QTest::newRow("Sí") << int(QMessageBox::Yes) << true;
    }
    void aCopyThatCannotBeTakenStopsTheChangeUnlessTheUserGoesOn() {
        QFETCH(int, answer);
        QFETCH(bool, made);
        QVERIFY(QDir(copias()).removeRecursively());
        QFile blocker(copias());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();

        ModalDriver driver;
        driver.expect<workareas::panNueCaja>([](workareas::panNueCaja& dialog) {
            ModalDriver::child<QLineEdit>(&dialog, "Text1")->setText(QStringLiteral("Casa"));
            ModalDriver::clickLater(ModalDriver::child<QPushButton>(&dialog, "Command7"));
        });
        driver.nextAnswer(QMessageBox::StandardButton(answer));
        if (made) // the new work area's own copy of the day cannot be taken either
            driver.nextAnswer(QMessageBox::Ok);
        window->menuItem("menuArcNueva")->trigger();

        QCOMPARE(driver.messages()[0].text,
                 QStringLiteral("No se pudo hacer la copia de seguridad de la caja «BASE.MDB»: no "
                                "se puede escribir en la carpeta «%1».\n\n¿Continuar sin copia?")
                     .arg(QDir::toNativeSeparators(copias())));
        QCOMPARE(store::workAreaExists(QStringLiteral("CASA.MDB")), made);
        QCOMPARE(window->estado().nombreBase, made ? QStringLiteral("Casa.MDB") : kBase);
    }
};

TESORIN_GUI_TEST_MAIN(tst_backup_forms)
#include "tst_backup_forms.moc"
