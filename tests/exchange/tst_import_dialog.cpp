// The import dialog driven as a user would: a bank's Spanish CSV into a
// chosen account, and the same file again.
#include "exchange/core/ExchangeError.h"
#include "exchange/ui/ImportDialog.h"
#include "store/Database.h"
#include "support/ModalDriver.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace tesorin;
using namespace tesorin::exchange;
using test::ModalDriver;

namespace {

const QByteArray kStatement("Banco del Sur - Resumen de cuenta\r\nCuenta;0123-4567/8\r\n\r\n"
                            "Fecha;Concepto;Referencia;Débito;Crédito\r\n"
                            "01/03/2024;Transferencia recibida;T-1;;150.000,00\r\n"
                            "02/03/2024;Pago tarjeta;P-7;23.456,78;\r\n"
                            "31/02/2024;Fecha imposible;X;1,00;\r\n"
                            "04/03/2024;Comisión mantenimiento;C-3;1.200,00;\r\n");

int storedCount(store::Database& db) {
    store::Statement q = db.prepare(QStringLiteral("SELECT count(*) FROM Movimientos"));
    q.step();
    return int(q.int64(0));
}

} // namespace

class TestImportDialog : public QObject {
    Q_OBJECT
    QTemporaryDir m_settings;
    QTemporaryDir m_files;

    QString writeFile(const char* name, const QByteArray& bytes) {
        const QString path = m_files.filePath(QLatin1String(name));
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return path;
    }

private slots:
    void initTestCase() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
    }
    void cleanup() { TESORIN_VERIFY_NO_WINDOW_LEFT(); }

    void aBankStatementIntoAChosenAccountAndAgain() {
        test::TestWorkArea area;
        auto db = area.open();
        const QString path = writeFile("banco.csv", kStatement);
        {
            ImportDialog dialog(*db, path);
            dialog.show();
            auto* stored = dialog.findChild<QTableWidget*>(QStringLiteral("vistaGuardar"));
            QCOMPARE(stored->rowCount(), 4);
            QCOMPARE(stored->item(1, 4)->text(), QStringLiteral("Pago tarjeta - P-7"));
            QCOMPARE(stored->item(2, 1)->text(),
                     QString::fromUtf8("Fecha no reconocida: «31/02/2024»."));
            QCOMPARE(stored->item(2, 0)->background().color(), QColor(255, 205, 205));
            QCOMPARE(stored->verticalHeaderItem(2)->text(), QStringLiteral("7"));
            // The reference leaves the detail.
            auto* detail = dialog.findChild<QListWidget*>(QStringLiteral("colDetalle"));
            detail->item(2)->setCheckState(Qt::Unchecked);
            QCOMPARE(stored->item(0, 4)->text(), QStringLiteral("Transferencia recibida"));
            auto* account = dialog.findChild<QComboBox*>(QStringLiteral("cuenta"));
            QCOMPARE(account->count(), 2); // incomes and payments: only accounts of both
            account->setCurrentText(QStringLiteral("Banco"));
            QCOMPARE(stored->item(0, 3)->text(), QStringLiteral("Banco"));
            dialog.findChild<QPushButton*>(QStringLiteral("importar"))->click();
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            QCOMPARE(dialog.outcome().stored, 3);
        }
        QCOMPARE(storedCount(*db), 3);
        store::Statement q =
            db->prepare(QStringLiteral("SELECT Fecha, Cuenta, Detalle, Tipo, Ingreso, Egreso FROM "
                                       "Movimientos ORDER BY idMovimiento LIMIT 1 OFFSET 1"));
        QVERIFY(q.step());
        QCOMPARE(
            QStringList({q.text(0), q.text(1), q.text(2), q.text(3),
                         QString::number(q.real(4), 'f', 2), QString::number(q.real(5), 'f', 2)}),
            QStringList({"2024-03-02", "Banco", "Pago tarjeta", "Importado", "0.00", "23456.78"}));

        // The same file again: roles remembered, every row a probable duplicate.
        ImportDialog again(*db, path);
        again.show();
        QCOMPARE(again.findChild<QListWidget*>(QStringLiteral("colDetalle"))->item(2)->checkState(),
                 Qt::Unchecked);
        QCOMPARE(again.findChild<QComboBox*>(QStringLiteral("cuenta"))->currentText(),
                 QStringLiteral("Banco"));
        QVERIFY(again.findChild<QLabel*>(QStringLiteral("resumen"))
                    ->text()
                    .startsWith(QStringLiteral(
                        "4 filas: 0 se importarán, 3 posibles duplicados, 1 no se puede leer.")));
        auto* importar = again.findChild<QPushButton*>(QStringLiteral("importar"));
        QVERIFY(!importar->isEnabled());
        // A duplicate the user ticks goes in after all.
        again.findChild<QTableWidget*>(QStringLiteral("vistaGuardar"))
            ->item(3, 0)
            ->setCheckState(Qt::Checked);
        QVERIFY(importar->isEnabled());
        importar->click();
        QCOMPARE(again.outcome().stored, 1);
        QCOMPARE(storedCount(*db), 4);
    }

    // A statement of one bank account is kept with its movements; one of
    // several accounts, none of them chosen yet, stores nothing rather than
    // putting them all in one account.
    void norma43StatementsGoOnlyWhereTheirAccountsGo() {
        test::TestWorkArea area;
        auto db = area.open();
        {
            ImportDialog one(*db, QStringLiteral(EXCHANGE_FIXTURES "/n43-one-account.n43"));
            one.show();
            one.findChild<QComboBox*>(QStringLiteral("cuenta"))
                ->setCurrentText(QStringLiteral("Banco"));
            one.findChild<QPushButton*>(QStringLiteral("importar"))->click();
            QCOMPARE(one.result(), int(QDialog::Accepted));
            QVERIFY(one.outcome().stored > 0);
        }
        store::Statement kept = db->prepare(QStringLiteral("SELECT Cuenta FROM Extractos"));
        QVERIFY(kept.step());
        QCOMPARE(kept.text(0), QStringLiteral("Banco"));
        const int before = storedCount(*db);

        ModalDriver driver;
        driver.nextAnswer(QMessageBox::Ok);
        ImportDialog two(*db, QStringLiteral(EXCHANGE_FIXTURES "/n43-two-accounts.n43"));
        two.show();
        two.findChild<QComboBox*>(QStringLiteral("cuenta"))
            ->setCurrentText(QStringLiteral("Banco"));
        two.findChild<QPushButton*>(QStringLiteral("importar"))->click();
        QVERIFY(two.result() != int(QDialog::Accepted));
        QVERIFY2(driver.messages().value(0).text.startsWith(
                     QStringLiteral("El archivo trae los extractos de 2 cuentas bancarias")),
                 qPrintable(driver.messages().value(0).text));
        QCOMPARE(storedCount(*db), before);
    }

    void ofxAndQifOpenWithTheirRows_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("rows");
        QTest::addColumn<bool>("accountColumn");
        QTest::newRow("OFX") << "banco-ofx1.ofx" << 3 << false;
        QTest::newRow("QIF") << "bank.qif" << 2 << true;
    }
    void ofxAndQifOpenWithTheirRows() {
        QFETCH(QString, file);
        QFETCH(int, rows);
        QFETCH(bool, accountColumn);
        test::TestWorkArea area;
        auto db = area.open();
        ImportDialog dialog(*db, QStringLiteral(EXCHANGE_FIXTURES "/") + file);
        dialog.show();
        QCOMPARE(dialog.findChild<QTableWidget*>(QStringLiteral("vistaGuardar"))->rowCount(), rows);
        // The CSV settings do not apply; the account may come from a QIF's categories.
        QVERIFY(!dialog.findChild<QComboBox*>(QStringLiteral("separador"))->isEnabled());
        QCOMPARE(dialog.findChild<QRadioButton*>(QStringLiteral("cuentaColumna"))->isEnabled(),
                 accountColumn);
        dialog.close();
    }

    // Bank files as banks write them, and one whose header names are very
    // long: the dialog fits a 1,280 x 800 screen (its layout would not let a
    // window manager shrink it below its minimum size).
    void theDialogFitsASmallScreen_data() {
        QTest::addColumn<QString>("path");
        const QDir files(QStringLiteral(EXCHANGE_FIXTURES "/bank-files"));
        for (const QString& name : files.entryList(QDir::Files, QDir::Name))
            if (!name.endsWith(QLatin1String(".md")))
                QTest::newRow(qPrintable(name)) << files.filePath(name);
        QStringList longNames;
        for (int c = 0; c < 12; ++c)
            longNames.append(
                QStringLiteral("Columna de nombre muy largo número %1 ").arg(c).repeated(4));
        QByteArray wide = longNames.join(u';').toUtf8() + "\n";
        for (int r = 0; r < 5; ++r)
            wide += QByteArray("01/03/2024;") + QByteArray("texto largo ").repeated(30) +
                    ";-1,00;x;x;x;x;x;x;x;x;x\n";
        QTest::newRow("long header") << writeFile("ancho.csv", wide);
    }
    void theDialogFitsASmallScreen() {
        QFETCH(QString, path);
        test::TestWorkArea area;
        auto db = area.open();
        std::unique_ptr<ImportDialog> dialog;
        try {
            dialog = std::make_unique<ImportDialog>(*db, path);
        } catch (const ExchangeError&) {
            QSKIP("the file is refused before any dialog opens");
        }
        dialog->show();
        const QSize least = dialog->minimumSizeHint().expandedTo(dialog->minimumSize());
        QVERIFY2(least.width() <= 1280 && least.height() <= 800,
                 qPrintable(QStringLiteral("%1 x %2").arg(least.width()).arg(least.height())));
        const QSize available = dialog->screen()->availableGeometry().size();
        QVERIFY(dialog->width() <= std::max(available.width(), least.width()));
        QVERIFY(dialog->height() <= std::max(available.height(), least.height()));
        for (const char* button : {"importar", "cancelar"})
            QVERIFY(dialog->findChild<QPushButton*>(QLatin1String(button))->isVisible());
    }

    // A card statement holds only payments: the account offered is one of
    // both directions, never the first payment account of the chart; once an
    // account is used for the file's shape, it is the one offered.
    void theAccountOfferedFirst() {
        test::TestWorkArea area;
        auto db = area.open();
        const QString path =
            writeFile("tarjeta.csv", "Fecha;Concepto;Importe\n03/03/2024;Kiosco;-10,00\n"
                                     "04/03/2024;Farmacia;-20,00\n");
        {
            ImportDialog first(*db, path);
            first.show();
            auto* account = first.findChild<QComboBox*>(QStringLiteral("cuenta"));
            QCOMPARE(account->currentText(), QStringLiteral("Banco"));
            account->setCurrentText(QStringLiteral("Supermercado"));
            first.findChild<QPushButton*>(QStringLiteral("importar"))->click();
            QCOMPARE(first.outcome().stored, 2);
        }
        ImportDialog again(*db, writeFile("tarjeta2.csv", "Fecha;Concepto;Importe\n"
                                                          "05/03/2024;Cine;-30,00\n"));
        again.show();
        QCOMPARE(again.findChild<QComboBox*>(QStringLiteral("cuenta"))->currentText(),
                 QStringLiteral("Supermercado"));
    }

    void accountsNamedByTheFileAreCreatedWhenAgreed() {
        test::TestWorkArea area;
        auto db = area.open();
        const QString path = writeFile(
            "cuentas.csv", "Fecha;Concepto;Importe;Cuenta\n05/03/2024;Cena;-50,00;Salidas\n");
        ImportDialog dialog(*db, path);
        dialog.show();
        auto* fromFile = dialog.findChild<QRadioButton*>(QStringLiteral("cuentaColumna"));
        fromFile->setChecked(true);
        QCOMPARE(
            dialog.findChild<QTableWidget*>(QStringLiteral("vistaGuardar"))->item(0, 3)->text(),
            QStringLiteral("Salidas"));
        ModalDriver driver;
        QString question;
        driver.then([&](QWidget* ask) {
            question = ModalDriver::child<QLabel>(ask, QStringLiteral("cuentasNuevas"))->text();
            ModalDriver::child<QComboBox>(ask, QStringLiteral("tipoCuentasNuevas"))
                ->setCurrentIndex(1);
            ModalDriver::clickLater(ModalDriver::child<QPushButton>(ask, QStringLiteral("crear")));
        });
        QTimer::singleShot(
            0, [&] { dialog.findChild<QPushButton*>(QStringLiteral("importar"))->click(); });
        QTRY_COMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(question.contains(QStringLiteral("Salidas")));
        store::Statement q = db->prepare(QStringLiteral(
            "SELECT c.Tipo, m.Egreso FROM Cuentas c JOIN Movimientos m ON m.Cuenta = c.Nombre"));
        QVERIFY(q.step());
        QCOMPARE(q.text(0), QStringLiteral("OU"));
        QCOMPARE(q.real(1), 50.0);
    }
};

TESORIN_GUI_TEST_MAIN(TestImportDialog)
#include "tst_import_dialog.moc"
