// "Archivo" > "Importar movimientos..." and "Exportar movimientos..." from the
// main window: the grid follows an import, and an export writes the view.
#include "app/MainWindowFixture.h"
#include "store/DataControl.h"

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace tesorin;
using test::ModalDriver;

class TestPrincipalExchange : public QObject {
    Q_OBJECT
    QTemporaryDir m_settings;

private slots:
    void initTestCase() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
    }
    void cleanup() { TESORIN_VERIFY_NO_WINDOW_LEFT(); }

    void importThenExportTheView() {
        test::TestWorkArea area;
        const QString statement = area.path(QStringLiteral("banco.csv"));
        QFile file(statement);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Fecha;Concepto;Importe\n01/03/2024;Sueldo;1.000,00\n02/03/2024;Luz;-250,00\n");
        file.close();
        auto window = test::openMainWindow();
        QVERIFY(window);
        QCOMPARE(window->Data1().rowCount(), 0L);

        ModalDriver driver;
        driver.then([&](QWidget* w) {
            auto* choose = qobject_cast<QFileDialog*>(w);
            QVERIFY(choose);
            QCOMPARE(choose->objectName(), QStringLiteral("panAbrirExtracto"));
            choose->selectFile(statement);
            QMetaObject::invokeMethod(choose, "accept", Qt::QueuedConnection);
        });
        driver.then([&](QWidget* dialog) {
            QCOMPARE(dialog->objectName(), QStringLiteral("panImportar"));
            ModalDriver::clickLater(
                ModalDriver::child<QPushButton>(dialog, QStringLiteral("importar")));
        });
        driver.answer(QMessageBox::Ok);
        window->menuItem(QStringLiteral("menuArcImportar"))->trigger();
        QCOMPARE(driver.pendingSteps(), 0);
        QCOMPARE(driver.messages().size(), 1);
        QCOMPARE(
            driver.messages().back().text,
            QString::fromUtf8(
                "Se guardaron 2 movimientos en «BASE.MDB»; se omitieron 0 posibles duplicados."));
        QCOMPARE(window->Data1().rowCount(), 2L);
        QCOMPARE(window->Data1().viewTotals().income, test::money("1000"));

        QTemporaryDir out;
        const QString target = out.filePath(QStringLiteral("vista.qif"));
        driver.then([&](QWidget* w) {
            auto* save = qobject_cast<QFileDialog*>(w);
            QVERIFY(save);
            QVERIFY(save->selectedFiles().value(0).endsWith(QStringLiteral(".csv")));
            QVERIFY(save->selectedFiles().value(0).contains(QStringLiteral("movimientos-base-")));
            save->selectFile(target);
            QMetaObject::invokeMethod(save, "accept", Qt::QueuedConnection);
        });
        driver.answer(QMessageBox::Ok);
        window->menuItem(QStringLiteral("menuArcExportar"))->trigger();
        QCOMPARE(driver.pendingSteps(), 0);
        QCOMPARE(driver.messages().back().text,
                 QString::fromUtf8("Se exportaron 2 movimientos a «vista.qif»."));
        QFile written(target);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll().count("^\n"), 2);
        QVERIFY2(driver.unexpected().isEmpty(), qPrintable(driver.unexpected().join(u',')));
        window->close();
    }

    void aFileThatCannotBeReadIsExplained() {
        test::TestWorkArea area;
        const QString statement = area.path(QStringLiteral("vacio.csv"));
        QFile file(statement);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        auto window = test::openMainWindow();
        QVERIFY(window);
        ModalDriver driver;
        driver.then([&](QWidget* w) {
            auto* choose = qobject_cast<QFileDialog*>(w);
            QVERIFY(choose);
            choose->selectFile(statement);
            QMetaObject::invokeMethod(choose, "accept", Qt::QueuedConnection);
        });
        driver.answer(QMessageBox::Ok);
        window->menuItem(QStringLiteral("menuArcImportar"))->trigger();
        QCOMPARE(driver.messages().size(), 1);
        QCOMPARE(driver.messages().front().text,
                 QString::fromUtf8("El archivo está vacío: no hay movimientos para importar."));
        QCOMPARE(driver.messages().front().icon, QMessageBox::Critical);
        QCOMPARE(window->Data1().rowCount(), 0L);
        window->close();
    }
};

TESORIN_GUI_TEST_MAIN(TestPrincipalExchange)
#include "tst_principal_exchange.moc"
