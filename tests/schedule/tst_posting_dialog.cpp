// Opening a work area with schedules that fell due: the dialog that lists
// them, and what "Sí" and "No" leave in the work area.
#include "backups/core/BackupFiles.h"
#include "base/Clock.h"
#include "schedule/core/ScheduleRecord.h"
#include "schedule/ui/asentarProgramados.h"
#include "schedule/ui/panProgPendientes.h"
#include "store/DataControl.h"
#include "store/Database.h"
#include "support/ModalDriver.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

using namespace tesorin;
using namespace tesorin::schedule;
using tesorin::test::ModalDriver;

namespace {

const QDate kToday(2024, 3, 2);

long movementCount(store::Database& db) {
    store::Statement count = db.prepare(QStringLiteral("SELECT count(*) FROM Movimientos"));
    count.step();
    return long(count.int64(0));
}

QString lastCovered(store::Database& db) {
    store::Statement read = db.prepare(QStringLiteral("SELECT UltimaFecha FROM Programa"));
    read.step();
    return read.text(0);
}

struct Listed {
    QString title;
    QString question;
    QStringList captions;
    QList<QStringList> rows;
};

// A step that records the posting dialog and presses "Sí" or "No".
std::function<void(panProgPendientes&)> answerPosting(Listed& seen, bool yes) {
    return [&seen, yes](panProgPendientes& dialog) {
        seen.title = dialog.windowTitle();
        seen.question = dialog.Label2->text();
        for (int c = 0; c < dialog.List1->columnCount(); ++c)
            seen.captions << dialog.List1->horizontalHeaderItem(c)->text();
        for (int r = 0; r < dialog.List1->rowCount(); ++r) {
            QStringList row;
            for (int c = 0; c < dialog.List1->columnCount(); ++c)
                row << dialog.List1->item(r, c)->text();
            seen.rows << row;
        }
        ModalDriver::clickLater(yes ? dialog.Command1 : dialog.Command2);
    };
}

} // namespace

class PostingDialogTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestWorkArea> m_area;
    std::unique_ptr<store::Database> m_base;
    std::unique_ptr<store::DataControl> m_data;

private Q_SLOTS:
    void init() {
        clock::setTodayForTests(kToday);
        m_area = std::make_unique<test::TestWorkArea>();
        m_base = m_area->open();
        m_data = std::make_unique<store::DataControl>();
        m_data->setDatabaseName(QStringLiteral("BASE.MDB"));
        m_data->setRecordSource(QStringLiteral("select * from Movimientos order by fecha"));
        m_data->Refresh();
        ScheduleEntry rent;
        rent.account = QStringLiteral("Alquiler");
        rent.frequency = QStringLiteral("Diaria");
        rent.detail = QStringLiteral("Cochera");
        rent.amount = QStringLiteral("100");
        rent.direction = QStringLiteral("OU");
        addSchedule(*m_base, rent, QDate(2024, 3, 1)); // covers up to 29/2
        ScheduleEntry salary = rent;
        salary.account = QStringLiteral("Sueldo");
        salary.frequency = QStringLiteral("Mensual");
        salary.monthDay = QStringLiteral("1");
        salary.detail = QStringLiteral("Marzo");
        salary.amount = QStringLiteral("2500,5");
        salary.direction = QStringLiteral("IN");
        addSchedule(*m_base, salary, QDate(2024, 3, 1));
    }
    void cleanup() {
        TESORIN_VERIFY_NO_WINDOW_LEFT();
        m_data.reset();
        m_base.reset();
        m_area.reset();
        clock::setTodayForTests(QDate());
    }

    void yesRecordsTheDueMovementsAndTheGridFollows() {
        Listed seen;
        ModalDriver driver;
        driver.expect<panProgPendientes>(answerPosting(seen, true));
        asentarProgramados(nullptr, *m_base, *m_data);
        QCOMPARE(seen.title, QStringLiteral("Movimientos programados"));
        QCOMPARE(seen.question,
                 QStringLiteral("¿Registrar los movimientos programados pendientes?"));
        QCOMPARE(seen.captions,
                 (QStringList{"Fecha", "Cuenta", "Detalle", "Importe", "Movimiento"}));
        QCOMPARE(
            seen.rows,
            (QList<QStringList>{
                {"1/3/2024", "Alquiler", "Cochera", QStringLiteral("$\u00a0100,00"), "Egreso"},
                {"1/3/2024", "Sueldo", "Marzo", QStringLiteral("$\u00a02.500,50"), "Ingreso"},
                {"2/3/2024", "Alquiler", "Cochera", QStringLiteral("$\u00a0100,00"), "Egreso"}}));
        QCOMPARE(movementCount(*m_base), 3);
        QCOMPARE(m_data->rowCount(), 3);
        const store::DataControl::Totals totals = m_data->viewTotals();
        QCOMPARE(totals.income, test::money("2500.5"));
        QCOMPARE(totals.expense, test::money("200"));
        QCOMPARE(lastCovered(*m_base), QStringLiteral("2024-03-02"));
        // The work area as it was before the posting was copied first.
        const QList<backups::BackupFile> copies = backups::listBackups(QStringLiteral("BASE.MDB"));
        QCOMPARE(copies.size(), 1);
        QCOMPARE(movementCount(*store::Database::openFile(copies[0].path, QStringLiteral("copia"))),
                 0);

        // A second opening on the same day asks nothing and records nothing.
        ModalDriver quiet;
        asentarProgramados(nullptr, *m_base, *m_data);
        QCOMPARE(movementCount(*m_base), 3);
    }

    void noRecordsNothingAndAsksAgainNextTime() {
        Listed first, second;
        ModalDriver driver;
        driver.expect<panProgPendientes>(answerPosting(first, false));
        asentarProgramados(nullptr, *m_base, *m_data);
        QCOMPARE(first.rows.size(), 3);
        QCOMPARE(movementCount(*m_base), 0);
        QCOMPARE(lastCovered(*m_base), QStringLiteral("2024-02-29"));
        driver.expect<panProgPendientes>(answerPosting(second, false));
        asentarProgramados(nullptr, *m_base, *m_data);
        QCOMPARE(second.rows, first.rows);
        QCOMPARE(movementCount(*m_base), 0);
        QCOMPARE(backups::listBackups(QStringLiteral("BASE.MDB")).size(), 0);
    }

    // "Sí" with a movement unticked asks first, naming it; confirmed, the
    // others are recorded and it is skipped for good; refused, the dialog
    // stays as it was.
    void anUntickedMovementIsSkippedOnlyAfterAConfirmation_data() {
        QTest::addColumn<bool>("confirmed");
        QTest::newRow("confirmed") << true;
        QTest::newRow("refused") << false;
    }
    void anUntickedMovementIsSkippedOnlyAfterAConfirmation() {
        QFETCH(bool, confirmed);
        bool stillOpen = false;
        ModalDriver driver;
        driver
            .then([](QWidget* widget) {
                auto* dialog = qobject_cast<panProgPendientes*>(widget);
                if (!dialog)
                    return;
                QCOMPARE(dialog->List1->item(1, 0)->checkState(), Qt::Checked);
                dialog->List1->item(1, 0)->setCheckState(Qt::Unchecked);
                ModalDriver::clickLater(dialog->Command1);
            })
            .answer(confirmed ? QMessageBox::Yes : QMessageBox::No);
        if (!confirmed)
            driver.then([&stillOpen](QWidget* widget) {
                auto* dialog = qobject_cast<panProgPendientes*>(widget);
                stillOpen = dialog && dialog->isVisible();
                if (dialog)
                    ModalDriver::clickLater(dialog->Command2);
            });
        asentarProgramados(nullptr, *m_base, *m_data);
        QVERIFY2(driver.unexpected().isEmpty(), qPrintable(driver.unexpected().join(u';')));
        QCOMPARE(driver.messages().size(), 1);
        QCOMPARE(driver.messages()[0].title, QStringLiteral("Pregunta"));
        QVERIFY2(driver.messages()[0].text.contains(QStringLiteral("Sueldo")) &&
                     driver.messages()[0].text.contains(QStringLiteral("1/3/2024")) &&
                     !driver.messages()[0].text.contains(QStringLiteral("Alquiler")),
                 qPrintable(driver.messages()[0].text));
        if (confirmed) {
            QCOMPARE(movementCount(*m_base), 2);
            ModalDriver quiet; // the skipped salary is not due again
            asentarProgramados(nullptr, *m_base, *m_data);
            QVERIFY(quiet.unexpected().isEmpty());
        } else {
            QVERIFY(stillOpen);
            QCOMPARE(movementCount(*m_base), 0);
            QCOMPARE(lastCovered(*m_base), QStringLiteral("2024-02-29"));
        }
    }

    // A schedule stored without its details is listed apart, unticked, and
    // never recorded.
    void aScheduleWithoutAmountIsListedApart() {
        ScheduleEntry bare;
        bare.account = QStringLiteral("Honorarios");
        bare.frequency = QStringLiteral("Diaria");
        bare.direction = QStringLiteral("IN");
        bare.amount = QStringLiteral("0");
        addSchedule(*m_base, bare, QDate(2024, 3, 1));
        Listed seen;
        QStringList apart;
        bool tickable = true;
        ModalDriver driver;
        bool apartShown = false;
        driver.expect<panProgPendientes>([&](panProgPendientes& dialog) {
            apartShown = dialog.List2->isVisible();
            for (int c = 0; c < dialog.List2->columnCount(); ++c)
                apart << dialog.List2->item(0, c)->text();
            tickable = dialog.List2->item(0, 0)->flags().testFlag(Qt::ItemIsUserCheckable) ||
                       dialog.List2->item(0, 0)->checkState() != Qt::Unchecked;
            answerPosting(seen, true)(dialog);
        });
        asentarProgramados(nullptr, *m_base, *m_data);
        QVERIFY(apartShown);
        QCOMPARE(seen.rows.size(), 3);
        QCOMPARE(apart, (QStringList{"1/3/2024", "Honorarios", "", QStringLiteral("$\u00a00,00"),
                                     "Ingreso"}));
        QVERIFY(!tickable);
        QCOMPARE(movementCount(*m_base), 3);
    }
};

TESORIN_GUI_TEST_MAIN(PostingDialogTest)
#include "tst_posting_dialog.moc"
