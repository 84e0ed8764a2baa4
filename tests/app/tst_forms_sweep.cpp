// Faults of one kind looked for in every form at once: which button Enter
// presses, and whether the month calendars show all their weeks.
#include "accounts/ui/panCuentas.h"
#include "accounts/ui/panNueCue.h"
#include "app/panacerca.h"
#include "backups/ui/panRestaurar.h"
#include "movements/ui/panBuscar.h"
#include "movements/ui/panNueIngreso.h"
#include "movements/ui/panOpcVer.h"
#include "profile/ui/panTitular.h"
#include "reports/ui/panInfGra.h"
#include "reports/ui/panMensGra.h"
#include "reports/ui/panSumas.h"
#include "schedule/ui/panConfigAuto.h"
#include "schedule/ui/panPerMov.h"
#include "schedule/ui/panProg.h"
#include "schedule/ui/panProgPendientes.h"
#include "store/Database.h"
#include "store/Recordset.h"
#include "support/ModalDriver.h"
#include "workareas/ui/panAbreBase.h"
#include "workareas/ui/panNueCaja.h"
#include "workareas/ui/panselCuenta.h"

#include <QCalendarWidget>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <functional>
#include <memory>

using namespace tesorin;

namespace {

// The forms, each made afresh on the test work area.
struct Forms {
    std::unique_ptr<store::Database> db;
    std::unique_ptr<store::Recordset> recCuentas;
    schedule::DuePosting due;

    std::unique_ptr<QWidget> make(const QString& name) {
        if (name == QLatin1String("panCuentas"))
            return std::make_unique<accounts::panCuentas>(*db, recCuentas);
        if (name == QLatin1String("panNueCue"))
            return std::make_unique<accounts::panNueCue>();
        if (name == QLatin1String("panacerca"))
            return std::make_unique<app::panacerca>();
        if (name == QLatin1String("panRestaurar"))
            return std::make_unique<backups::panRestaurar>(QStringLiteral("BASE.MDB"),
                                                           QList<backups::BackupSummary>());
        if (name == QLatin1String("panBuscar"))
            return std::make_unique<movements::panBuscar>(*db);
        if (name == QLatin1String("panNueIngreso"))
            return std::make_unique<movements::panNueIngreso>(db);
        if (name == QLatin1String("panOpcVer"))
            return std::make_unique<movements::panOpcVer>(*db);
        if (name == QLatin1String("panTitular"))
            return std::make_unique<profile::panTitular>(QStringList());
        if (name == QLatin1String("panInfGra"))
            return std::make_unique<reports::panInfGra>(*db);
        if (name == QLatin1String("panMensGra"))
            return std::make_unique<reports::panMensGra>(*db);
        if (name == QLatin1String("panSumas"))
            return std::make_unique<reports::panSumas>(*db, QStringLiteral("BASE.MDB"));
        if (name == QLatin1String("panConfigAuto"))
            return std::make_unique<schedule::panConfigAuto>(*db);
        if (name == QLatin1String("panPerMov"))
            return std::make_unique<schedule::panPerMov>();
        if (name == QLatin1String("panProg"))
            return std::make_unique<schedule::panProg>(*db, QStringLiteral("BASE.MDB"));
        if (name == QLatin1String("panProgPendientes"))
            return std::make_unique<schedule::panProgPendientes>(due);
        if (name == QLatin1String("panAbreBase"))
            return std::make_unique<workareas::panAbreBase>();
        if (name == QLatin1String("panNueCaja"))
            return std::make_unique<workareas::panNueCaja>();
        if (name == QLatin1String("panselCuenta"))
            return std::make_unique<workareas::panselCuenta>();
        return nullptr;
    }
};

} // namespace

class FormsSweepTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestWorkArea> m_area;
    Forms m_forms;

private Q_SLOTS:
    void init() {
        m_area = std::make_unique<test::TestWorkArea>();
        m_forms.db = m_area->open();
    }
    void cleanup() {
        TESORIN_VERIFY_NO_WINDOW_LEFT();
        m_forms.recCuentas.reset();
        m_forms.db.reset();
        m_area.reset();
    }

    // Enter presses the form's own default button or none; no other button
    // turns into a default by taking the focus.
    void enterPressesOnlyTheDefaultButton_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("defaultButton"); // empty: none
        QTest::newRow("panCuentas") << "panCuentas"
                                    << "";
        QTest::newRow("panNueCue") << "panNueCue"
                                   << "Command6";
        QTest::newRow("panacerca") << "panacerca"
                                   << "Command1";
        QTest::newRow("panRestaurar") << "panRestaurar"
                                      << "cmdRestaurar";
        QTest::newRow("panBuscar") << "panBuscar"
                                   << "Command4";
        QTest::newRow("panNueIngreso") << "panNueIngreso"
                                       << "Command6";
        QTest::newRow("panOpcVer") << "panOpcVer"
                                   << "Command4";
        QTest::newRow("panTitular") << "panTitular"
                                    << "Command1";
        QTest::newRow("panInfGra") << "panInfGra"
                                   << "";
        QTest::newRow("panMensGra") << "panMensGra"
                                    << "";
        QTest::newRow("panSumas") << "panSumas"
                                  << "";
        QTest::newRow("panConfigAuto") << "panConfigAuto"
                                       << "Command1";
        QTest::newRow("panPerMov") << "panPerMov"
                                   << "Command1";
        QTest::newRow("panProg") << "panProg"
                                 << "";
        QTest::newRow("panProgPendientes") << "panProgPendientes"
                                           << "Command1";
        QTest::newRow("panAbreBase") << "panAbreBase"
                                     << "Command7";
        QTest::newRow("panNueCaja") << "panNueCaja"
                                    << "Command7";
        QTest::newRow("panselCuenta") << "panselCuenta"
                                      << "Command1";
    }
    void enterPressesOnlyTheDefaultButton() {
        QFETCH(QString, form);
        QFETCH(QString, defaultButton);
        test::ModalDriver quiet; // a form's own message (none expected) is closed
        std::unique_ptr<QWidget> shown = m_forms.make(form);
        QVERIFY(shown);
        shown->show();
        QVERIFY(QTest::qWaitForWindowExposed(shown.get()));
        QStringList defaults;
        for (QPushButton* button : shown->findChildren<QPushButton*>()) {
            // Giving a button the focus is what made it a default by accident.
            button->setFocus();
            QApplication::processEvents();
            if (button->isDefault() || button->autoDefault())
                defaults << button->objectName();
        }
        shown->close();
        QCOMPARE(defaults, defaultButton.isEmpty() ? QStringList() : QStringList{defaultButton});
        QVERIFY2(quiet.unexpected().isEmpty(), qPrintable(quiet.unexpected().join(u';')));
    }

    // Every calendar shows its six weeks and seven days whole, at the usual
    // type and at a larger one.
    void calendarsShowSixWholeWeeks_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<qreal>("scale");
        for (const char* form : {"panOpcVer", "panBuscar", "panSumas", "panMensGra"}) {
            QTest::addRow("%s", form) << QString::fromLatin1(form) << 1.0;
            QTest::addRow("%s, larger type", form) << QString::fromLatin1(form) << 1.4;
        }
    }
    void calendarsShowSixWholeWeeks() {
        QFETCH(QString, form);
        QFETCH(qreal, scale);
        const QFont usual = QApplication::font();
        QFont larger = usual;
        larger.setPointSizeF(usual.pointSizeF() * scale);
        QApplication::setFont(larger);
        test::ModalDriver quiet;
        std::unique_ptr<QWidget> shown = m_forms.make(form);
        QVERIFY(shown);
        shown->show();
        QVERIFY(QTest::qWaitForWindowExposed(shown.get()));
        QStringList cut;
        const QList<QCalendarWidget*> calendars = shown->findChildren<QCalendarWidget*>();
        for (QCalendarWidget* calendar : calendars) {
            // June 2025 spreads over six weeks.
            calendar->setCurrentPage(2025, 6);
            QApplication::processEvents();
            auto* view =
                calendar->findChild<QTableView*>(QStringLiteral("qt_calendar_calendarview"));
            QVERIFY(view);
            const int lastRow = view->model()->rowCount() - 1;
            const int lastColumn = view->model()->columnCount() - 1;
            const int bottom = view->rowViewportPosition(lastRow) + view->rowHeight(lastRow);
            const int right =
                view->columnViewportPosition(lastColumn) + view->columnWidth(lastColumn);
            const QRect seen = view->viewport()->rect();
            const QRect inForm(calendar->mapTo(shown.get(), QPoint(0, 0)), calendar->size());
            if (bottom > seen.height() || right > seen.width() || !shown->rect().contains(inForm))
                cut << QStringLiteral("%1 %2x%3 in %4x%5")
                           .arg(calendar->objectName())
                           .arg(right)
                           .arg(bottom)
                           .arg(seen.width())
                           .arg(seen.height());
        }
        shown->close();
        QApplication::setFont(usual);
        QVERIFY(!calendars.isEmpty());
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u';')));
    }
};

TESORIN_GUI_TEST_MAIN(FormsSweepTest)
#include "tst_forms_sweep.moc"
