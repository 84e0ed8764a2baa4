// The schedule list: its buttons, the editor round trip, deletion and the
// write-back of texts typed into the grid.
#include "base/Clock.h"
#include "base/Regional.h"
#include "schedule/core/ScheduleGridCells.h"
#include "schedule/core/ScheduleListModel.h"
#include "schedule/core/ScheduleRecord.h"
#include "schedule/ui/panConfigAuto.h"
#include "schedule/ui/panProg.h"
#include "store/DataControl.h"
#include "store/Database.h"
#include "support/ModalDriver.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

using namespace tesorin;
using namespace tesorin::schedule;
using tesorin::test::ModalDriver;

namespace {

const QDate kToday(2024, 3, 1);

ScheduleEntry entryFor(const QString& account, const QString& frequency, int weekday = 2) {
    ScheduleEntry e;
    e.account = account;
    e.frequency = frequency;
    e.firstFortnightDay = QStringLiteral("10");
    e.secondFortnightDay = QStringLiteral("25");
    e.weekday = weekday;
    e.monthDay = QStringLiteral("5");
    e.timeOfDay = QStringLiteral("08:30");
    e.detail = QStringLiteral("Cuota");
    e.amount = QStringLiteral("1500,5");
    e.direction = QStringLiteral("OU");
    return e;
}

// Every stored field of every schedule, in idPrograma order.
QStringList storedRows(store::Database& db) {
    store::Statement all = db.prepare(QStringLiteral("SELECT * FROM Programa ORDER BY idPrograma"));
    QStringList rows;
    while (all.step()) {
        QStringList fields;
        for (int c = 0; c < all.columnCount(); ++c)
            fields << all.value(c).toString();
        rows << fields.join(u'|');
    }
    return rows;
}

QStringList shownRow(panProg& form, int row) {
    QStringList texts;
    for (int column = 0; column < kScheduleGridColumns; ++column)
        texts << form.model()->index(row, column).data().toString();
    return texts;
}

// A step that runs action on the list once it is up again, after the
// operation that showed the editor or message has finished.
std::function<void(panProg&)> onList(std::function<void(panProg*)> action) {
    return [action](panProg& form) {
        QTimer::singleShot(0, &form, [list = &form, action] { action(list); });
    };
}

std::function<void(panConfigAuto&)> onEditor(std::function<void(panConfigAuto*)> action) {
    return [action](panConfigAuto& editor) { action(&editor); };
}

} // namespace

class PanProgTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestWorkArea> m_area;
    std::unique_ptr<store::Database> m_base;

private Q_SLOTS:
    void init() {
        clock::setTodayForTests(kToday);
        m_area = std::make_unique<test::TestWorkArea>();
        m_base = m_area->open();
    }
    void cleanup() {
        TESORIN_VERIFY_NO_WINDOW_LEFT();
        m_base.reset();
        m_area.reset();
        clock::setTodayForTests(QDate());
    }

    void theFirstScheduleEnablesEditAndDelete() {
        panProg form(*m_base, QStringLiteral("BASE.MDB"));
        struct State {
            bool edit = true, remove = true;
            int rows = -1;
        } empty, stored;
        QStringList row;
        int currentRow = -2;
        ModalDriver driver;
        driver
            .expect<panProg>(onList([&](panProg* list) {
                empty = {list->Command3->isEnabled(), list->Command4->isEnabled(),
                         list->model()->rowCount()};
                ModalDriver::clickLater(list->Command1);
            }))
            .expect<panConfigAuto>(onEditor([](panConfigAuto* editor) {
                editor->Combo2->setCurrentIndex(
                    editor->Combo2->findText(QStringLiteral("Alquiler")));
                ModalDriver::clickLater(editor->Command1);
            }))
            .expect<panProg>(onList([&](panProg* list) {
                stored = {list->Command3->isEnabled(), list->Command4->isEnabled(),
                          list->model()->rowCount()};
                row = shownRow(*list, 0);
                currentRow = int(list->Data1->currentRow());
                ModalDriver::clickLater(list->Command2);
            }));
        form.exec();
        QCOMPARE(form.windowTitle(), QStringLiteral("Automatizaciones actualmente programadas"));
        QCOMPARE(empty.rows, 0);
        QVERIFY(!empty.edit && !empty.remove);
        QCOMPARE(stored.rows, 1);
        QVERIFY(stored.edit && stored.remove);
        QCOMPARE(currentRow, 0);
        // A new schedule covers up to yesterday: shown in the short date form.
        QCOMPARE(row, (QStringList{"Alquiler", "Mensual", "", QStringLiteral("$\u00a00,00"),
                                   "29/2/2024", "No", "2", "1"}));
    }

    void aNewScheduleTakesItsPlaceInAccountOrder() {
        addSchedule(*m_base, entryFor(QStringLiteral("Sueldo"), QStringLiteral("Mensual")), kToday);
        panProg form(*m_base, QStringLiteral("BASE.MDB"));
        QStringList accounts;
        int currentRow = -2;
        ModalDriver driver;
        driver
            .expect<panProg>(onList([](panProg* list) { ModalDriver::clickLater(list->Command1); }))
            .expect<panConfigAuto>(onEditor([](panConfigAuto* editor) {
                editor->Combo2->setCurrentIndex(editor->Combo2->findText(QStringLiteral("Banco")));
                ModalDriver::clickLater(editor->Command1);
            }))
            .expect<panProg>(onList([&](panProg* list) {
                accounts << shownRow(*list, 0)[0] << shownRow(*list, 1)[0];
                currentRow = int(list->Data1->currentRow());
                ModalDriver::clickLater(list->Command2);
            }));
        form.exec();
        QCOMPARE(accounts, (QStringList{"Banco", "Sueldo"}));
        QCOMPARE(currentRow, 0);
    }

    // The row selectors show the current row's mark, as the main grid's do,
    // and follow the user's moves.
    void theRowSelectorsMarkTheCurrentRow() {
        addSchedule(*m_base, entryFor(QStringLiteral("Sueldo"), QStringLiteral("Mensual")), kToday);
        addSchedule(*m_base, entryFor(QStringLiteral("Banco"), QStringLiteral("Mensual")), kToday);
        panProg form(*m_base, QStringLiteral("BASE.MDB"));
        QStringList marks;
        int selectorWidth = 0;
        ModalDriver driver;
        driver.expect<panProg>(onList([&](panProg* list) {
            const auto mark = [list](int row) {
                return list->model()->headerData(row, Qt::Vertical).toString();
            };
            selectorWidth = list->DBGrid1->verticalHeader()->width();
            marks << mark(0) + u'|' + mark(1);
            list->DBGrid1->setFocus();
            QTest::keyClick(list->DBGrid1, Qt::Key_Down);
            marks << mark(0) + u'|' + mark(1);
            ModalDriver::clickLater(list->Command2);
        }));
        form.exec();
        QVERIFY(driver.unexpected().isEmpty());
        QCOMPARE(marks, (QStringList{QStringLiteral("\u25b8|"), QStringLiteral("|\u25b8")}));
        QVERIFY2(selectorWidth >= form.DBGrid1->fontMetrics().horizontalAdvance(QChar(0x25B8)),
                 qPrintable(QString::number(selectorWidth)));
    }

    void editingFillsTheEditorFromTheRow_data() {
        QTest::addColumn<QString>("frequency");
        QTest::addColumn<int>("weekday");
        QTest::addColumn<bool>("weekendsExcluded");
        QTest::addColumn<int>("panel");
        QTest::addColumn<QString>("weekdayShown");
        QTest::newRow("Domingo is 1") << "Semanal" << 1 << false << 1 << "Domingo";
        QTest::newRow("Lunes is 2") << "Semanal" << 2 << false << 1 << "Lunes";
        QTest::newRow("Sábado is 7") << "Semanal" << 7 << false << 1 << "Sábado";
        QTest::newRow("0 picks none") << "Mensual" << 0 << false << 3 << "";
        QTest::newRow("fortnightly, its panel in front")
            << "Quincenal" << 4 << false << 2 << "Miércoles";
        QTest::newRow("daily without weekends") << "Diaria" << 2 << true << 0 << "Lunes";
    }
    void editingFillsTheEditorFromTheRow() {
        QFETCH(QString, frequency);
        QFETCH(int, weekday);
        QFETCH(bool, weekendsExcluded);
        QFETCH(int, panel);
        QFETCH(QString, weekdayShown);
        ScheduleEntry stored = entryFor(QStringLiteral("Alquiler"), frequency, weekday);
        stored.weekendsExcluded = weekendsExcluded;
        addSchedule(*m_base, stored, kToday);
        const QStringList before = storedRows(*m_base);
        panProg form(*m_base, QStringLiteral("BASE.MDB"));
        struct Seen {
            int panel = -1;
            bool panelVisible = false;
            QString weekday, account, frequency, first, second, monthDay, time, detail, amount,
                direction;
            bool weekends = false;
        } seen;
        ModalDriver driver;
        driver
            .expect<panProg>(onList([](panProg* list) { ModalDriver::clickLater(list->Command3); }))
            .expect<panConfigAuto>(onEditor([&](panConfigAuto* editor) {
                seen.panel = editor->panelInFront();
                seen.panelVisible = editor->SSPanel1[size_t(seen.panel)]->isVisible();
                seen.weekday = editor->Combo3->currentText();
                seen.account = editor->Combo2->currentText();
                seen.frequency = editor->Combo1->currentText();
                seen.first = editor->Text2->text();
                seen.second = editor->Text3->text();
                seen.monthDay = editor->Text5->text();
                seen.time = editor->Text1->text();
                seen.detail = editor->Text4->text();
                seen.amount = editor->Text6->text();
                seen.direction = editor->Text7->text();
                seen.weekends = editor->Check1->isChecked();
                ModalDriver::clickLater(editor->Command1);
            }))
            .expect<panProg>(
                onList([](panProg* list) { ModalDriver::clickLater(list->Command2); }));
        form.exec();
        QCOMPARE(seen.panel, panel);
        QVERIFY(seen.panelVisible);
        QCOMPARE(seen.weekday, weekdayShown);
        QCOMPARE(seen.weekends, weekendsExcluded);
        QCOMPARE(seen.account, QStringLiteral("Alquiler"));
        QCOMPARE(seen.frequency, frequency);
        QCOMPARE(seen.first, QStringLiteral("10"));
        QCOMPARE(seen.second, QStringLiteral("25"));
        QCOMPARE(seen.monthDay, QStringLiteral("5"));
        QCOMPARE(seen.time, QStringLiteral("08:30"));
        QCOMPARE(seen.detail, QStringLiteral("Cuota"));
        QCOMPARE(seen.amount, QStringLiteral("1500,5"));
        QCOMPARE(seen.direction, QStringLiteral("OU"));
        // Confirming without changes rewrites the row with the same values.
        QCOMPARE(storedRows(*m_base), before);
    }

    void deletingAsksFirst_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("No keeps the row") << false;
        QTest::newRow("Yes removes the current row only") << true;
    }
    void deletingAsksFirst() {
        QFETCH(bool, yes);
        addSchedule(*m_base, entryFor(QStringLiteral("Alquiler"), QStringLiteral("Mensual")),
                    kToday);
        addSchedule(*m_base, entryFor(QStringLiteral("Sueldo"), QStringLiteral("Mensual")), kToday);
        panProg form(*m_base, QStringLiteral("BASE.MDB"));
        QStringList left;
        ModalDriver driver;
        driver
            .expect<panProg>(onList([](panProg* list) {
                list->DBGrid1->setCurrentIndex(list->model()->index(1, 0));
                ModalDriver::clickLater(list->Command4);
            }))
            .answer(yes ? QMessageBox::Yes : QMessageBox::No)
            .expect<panProg>(onList([&](panProg* list) {
                for (int row = 0; row < list->model()->rowCount(); ++row)
                    left << shownRow(*list, row)[0];
                ModalDriver::clickLater(list->Command2);
            }));
        form.exec();
        QCOMPARE(driver.messages().size(), 1);
        QCOMPARE(driver.messages()[0].title, QStringLiteral("Borrar"));
        QCOMPARE(driver.messages()[0].text,
                 QStringLiteral("Elimina esta programación de movimiento automátizado ?"));
        QCOMPARE(driver.messages()[0].icon, QMessageBox::Question);
        QCOMPARE(left, yes ? QStringList{"Alquiler"} : (QStringList{"Alquiler", "Sueldo"}));
    }

    void typedCellsAreWrittenBackWhenTheRowIsLeft_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("stored");  // the field's stored value afterwards
        QTest::addColumn<QString>("refusal"); // empty: written
        QTest::newRow("amount") << int(kImporteColumn) << "2500,75"
                                << "Importe"
                                << "2500.75"
                                << "";
        QTest::newRow("letters in the amount")
            << int(kImporteColumn) << "abc"
            << "Importe"
            << "1500.5"
            << "«abc» no es un importe válido para el campo Importe.";
        QTest::newRow("frequency in small letters") << int(kProgramaColumn) << "semanal"
                                                    << "Programa"
                                                    << "Semanal"
                                                    << "";
        QTest::newRow("unknown frequency") << int(kProgramaColumn) << "Anual"
                                           << "Programa"
                                           << "Mensual"
                                           << "«Anual» no es una frecuencia válido para el campo "
                                              "Programa: escriba Diaria, Semanal, "
                                              "Quincenal o Mensual.";
        QTest::newRow("weekday 9")
            << int(kDiaDeLaSemanaColumn) << "9"
            << "DiaDeLaSemana"
            << "2"
            << "«9» no es un día de la semana válido para el campo "
               "DiaDeLaSemana: escriba un número del 1 (Domingo) al 7 (Sábado).";
        QTest::newRow("weekday 7") << int(kDiaDeLaSemanaColumn) << "7"
                                   << "DiaDeLaSemana"
                                   << "7"
                                   << "";
        QTest::newRow("month day 32")
            << int(kDiaDelMesColumn) << "32"
            << "DiaDelMes"
            << "5"
            << "«32» no es un día del mes válido para el campo DiaDelMes: "
               "escriba un número del 1 al 31.";
        QTest::newRow("last day covered") << int(kUltimaFechaColumn) << "15/2/2024"
                                          << "UltimaFecha"
                                          << "2024-02-15"
                                          << "";
        QTest::newRow("weekends") << int(kFinDeSemanaColumn) << "Sí"
                                  << "FinDeSemana"
                                  << "1"
                                  << "";
    }
    void typedCellsAreWrittenBackWhenTheRowIsLeft() {
        QFETCH(int, column);
        QFETCH(QString, typed);
        QFETCH(QString, field);
        QFETCH(QString, stored);
        QFETCH(QString, refusal);
        addSchedule(*m_base, entryFor(QStringLiteral("Alquiler"), QStringLiteral("Mensual")),
                    kToday);
        addSchedule(*m_base, entryFor(QStringLiteral("Sueldo"), QStringLiteral("Mensual")), kToday);
        const QString query =
            QStringLiteral("SELECT %1 FROM Programa WHERE Cuenta = 'Alquiler'").arg(field);
        const auto storedNow = [&] {
            store::Statement read = m_base->prepare(query);
            read.step();
            return read.value(0).toString();
        };
        const QString original = storedNow();
        panProg form(*m_base, QStringLiteral("BASE.MDB"));
        QString storedWhileTyping, shownWhileTyping, shownAfter;
        ModalDriver driver;
        driver.expect<panProg>(onList([&](panProg* list) {
            const QModelIndex cell = list->model()->index(0, column);
            list->model()->setData(cell, typed);
            shownWhileTyping = cell.data().toString();
            storedWhileTyping = storedNow();
            // Leaving the row writes it back (a refusal shows its message).
            list->DBGrid1->setCurrentIndex(list->model()->index(1, 0));
            shownAfter = list->model()->index(0, column).data().toString();
            ModalDriver::clickLater(list->Command2);
        }));
        if (!refusal.isEmpty())
            driver.nextAnswer();
        form.exec();
        QCOMPARE(shownWhileTyping, typed);
        QCOMPARE(storedWhileTyping, original);
        QCOMPARE(storedNow(), stored);
        if (refusal.isEmpty()) {
            QVERIFY(driver.messages().isEmpty());
            return;
        }
        QCOMPARE(driver.messages().size(), 1);
        QCOMPARE(driver.messages()[0].title, QStringLiteral("E r r o r"));
        QCOMPARE(driver.messages()[0].text,
                 refusal + QStringLiteral("\nLa fila conserva los valores guardados."));
        QVERIFY(shownAfter != typed);
    }
};

TESORIN_GUI_TEST_MAIN(PanProgTest)
#include "tst_panProg.moc"
