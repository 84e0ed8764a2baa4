// "Exportar movimientos..." after the file was chosen: an existing file is
// replaced only when the user says so.
#include "exchange/ui/ExportOperation.h"
#include "store/DataControl.h"
#include "support/ModalDriver.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tesorin;
using test::ModalDriver;

class TestExportOperation : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { TESORIN_VERIFY_NO_WINDOW_LEFT(); }

    void anExistingFileIsReplacedOnlyAfterYes_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("written");
        QTest::newRow("No keeps it") << int(QMessageBox::No) << false;
        QTest::newRow("Yes replaces it") << int(QMessageBox::Yes) << true;
    }
    void anExistingFileIsReplacedOnlyAfterYes() {
        QFETCH(int, answer);
        QFETCH(bool, written);
        test::TestWorkArea area;
        test::addMovement(*area.open(), QDate(2024, 5, 1), QStringLiteral("Banco"),
                          QStringLiteral("Uno"), test::money("10"), Money{});
        store::DataControl data;
        data.setDatabaseName(QStringLiteral("BASE.MDB"));
        data.setRecordSource(QStringLiteral("select * from movimientos order by fecha"));
        data.Refresh();
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("movimientos-base-2024-05-01.csv"));
        QFile former(path);
        QVERIFY(former.open(QIODevice::WriteOnly));
        former.write("anterior");
        former.close();
        ModalDriver driver;
        driver.answer(QMessageBox::StandardButton(answer));
        if (written)
            driver.answer(QMessageBox::Ok);
        QCOMPARE(exchange::exportMovementsTo(nullptr, data, path), written);
        QCOMPARE(driver.messages().size(), written ? 2 : 1);
        if (written)
            QCOMPARE(
                driver.messages().back().text,
                QString::fromUtf8("Se exportó 1 movimiento a «movimientos-base-2024-05-01.csv»."));
        QCOMPARE(
            driver.messages().front().text,
            QString::fromUtf8(
                "El archivo «movimientos-base-2024-05-01.csv» ya existe. ¿Desea reemplazarlo?"));
        QVERIFY(former.open(QIODevice::ReadOnly));
        const QByteArray content = former.readAll();
        QCOMPARE(content.contains("1/5/2024;Banco;Uno;Efectivo;10;0"), written);
    }
};

TESORIN_GUI_TEST_MAIN(TestExportOperation)
#include "tst_export_operation.moc"
