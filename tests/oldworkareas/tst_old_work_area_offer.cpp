#include "oldworkareas/core/JetFile.h"
#include "oldworkareas/ui/OldWorkAreaOffer.h"
#include "support/ModalDriver.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace tesorin;
using tesorin::test::ModalDriver;

class OldWorkAreaOfferTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    int m_runs = 0;

    QString copyFixture(const QString& name) {
        const QString folder = m_dir.filePath(QString::number(++m_runs));
        QDir().mkpath(folder);
        const QString path = folder + u'/' + name;
        QFile::copy(QStringLiteral(TESORIN_OLD_FIXTURES "/") + name, path);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        return path;
    }

    static std::function<void(QWidget*)> press(const char* button, QString* text = nullptr) {
        return [button, text](QWidget* box) {
            if (text) {
                if (auto* message = qobject_cast<QMessageBox*>(box))
                    *text = message->text();
                else if (auto* report =
                             ModalDriver::child<QPlainTextEdit>(box, QStringLiteral("informe")))
                    *text = report->toPlainText();
            }
            ModalDriver::clickLater(
                ModalDriver::child<QPushButton>(box, QString::fromLatin1(button)));
        };
    }

private slots:
    void cleanup() { TESORIN_VERIFY_NO_WINDOW_LEFT(); }

    void yesConvertsAndShowsTheReport() {
        const QString path = copyFixture(QStringLiteral("VIEJA.MDB"));
        QString question, report;
        ModalDriver driver;
        driver.then(press("si", &question)).then(press("aceptar", &report));
        QVERIFY(oldworkareas::offerOldWorkAreaConversion(nullptr, path));
        QVERIFY2(driver.unexpected().isEmpty(), qPrintable(driver.unexpected().join(u',')));
        QCOMPARE(question, QStringLiteral("La caja VIEJA.MDB fue creada con el programa anterior. "
                                          "¿Convertirla para usarla en Tesorin? El archivo "
                                          "original se guarda sin cambios en la carpeta "
                                          "«anteriores»."));
        QVERIFY2(report.contains(QStringLiteral("Movimientos: 7")), qPrintable(report));
        QVERIFY2(report.contains(QStringLiteral("anteriores/VIEJA.MDB")), qPrintable(report));
        QVERIFY(!oldworkareas::isOldWorkArea(path));
        QVERIFY(oldworkareas::isOldWorkArea(
            QFileInfo(path).dir().filePath(QStringLiteral("anteriores/VIEJA.MDB"))));
    }

    void noLeavesTheFileAsItWas() {
        const QString path = copyFixture(QStringLiteral("VIEJA.MDB"));
        ModalDriver driver;
        driver.then(press("no"));
        QVERIFY(!oldworkareas::offerOldWorkAreaConversion(nullptr, path));
        QVERIFY(oldworkareas::isOldWorkArea(path));
        QCOMPARE(QFileInfo(path).dir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{"VIEJA.MDB"});
    }

    // A Jet file of another program is refused before the question.
    void foreignJetFileIsRefusedWithoutAsking() {
        const QString path = copyFixture(QStringLiteral("AJENA.MDB"));
        ModalDriver driver;
        driver.answer(QMessageBox::Ok);
        QVERIFY(!oldworkareas::offerOldWorkAreaConversion(nullptr, path));
        QCOMPARE(driver.messages().size(), 1);
        QCOMPARE(driver.messages()[0].icon, QMessageBox::Critical);
        QVERIFY2(driver.messages()[0].text.contains(QStringLiteral("le falta la tabla «Cuentas»")),
                 qPrintable(driver.messages()[0].text));
        QCOMPARE(QFileInfo(path).dir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{"AJENA.MDB"});
    }

    void refusalShowsItsMessage() {
        const QString path = copyFixture(QStringLiteral("LIMITE.MDB"));
        ModalDriver driver;
        driver.then(press("si")).answer(QMessageBox::Ok);
        QVERIFY(!oldworkareas::offerOldWorkAreaConversion(nullptr, path));
        QCOMPARE(driver.messages().size(), 1);
        QCOMPARE(driver.messages()[0].icon, QMessageBox::Critical);
        QVERIFY(driver.messages()[0].text.contains(QStringLiteral("idMovimiento 2")));
        QVERIFY(oldworkareas::isOldWorkArea(path));
    }
};

TESORIN_GUI_TEST_MAIN(OldWorkAreaOfferTest)
#include "tst_old_work_area_offer.moc"
