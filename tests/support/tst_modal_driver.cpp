// The driver's own faults. Every function here fails on purpose, at once and
// saying why; ctest passes each one when its failure names the fault.
#include "support/ModalDriver.h"

#include <QFileDialog>
#include <QTest>

using tesorin::test::ModalDriver;
using tesorin::ui::MessageBoxes;

class ModalDriverTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aStepMeetingAnotherDialogClosesIt() {
        ModalDriver driver;
        driver.expect<QFileDialog>([](QFileDialog& dialog) { dialog.close(); });
        QMessageBox::information(nullptr, QStringLiteral("Aviso"), QStringLiteral("Otra ventana"));
    }

    void aDialogNoStepExpectsIsClosed() {
        ModalDriver driver;
        QMessageBox::information(nullptr, QStringLiteral("Aviso"), QStringLiteral("Sin paso"));
    }

    void aStepThatNeverRanFails() {
        ModalDriver driver;
        driver.expect<QFileDialog>([](QFileDialog& dialog) { dialog.close(); });
    }

    void anAnswerNoBoxUsedFails() {
        ModalDriver driver;
        driver.nextAnswer(QMessageBox::Yes);
    }

    void anAnswerTheBoxLacksFails() {
        ModalDriver driver;
        driver.nextAnswer(QMessageBox::Yes);
        MessageBoxes::critical(nullptr, QStringLiteral("Error"), QStringLiteral("Solo Aceptar"));
    }
};

TESORIN_GUI_TEST_MAIN(ModalDriverTest)
#include "tst_modal_driver.moc"
