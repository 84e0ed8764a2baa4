// The main window's layout (resizea), the hover and press effect of the
// button bar and the work-area panel, and what the buttons run.
#include "MainWindowFixture.h"

#include "base/Twips.h"
#include "ui/common/Panel3D.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>
#include <QTableView>

using namespace tesorin;
using test::ModalDriver;
using ui::Bevel;

namespace {

const int kShares[] = {9, 18, 32, 12, 12, 12};

QList<int> columnWidths(const QTableView* grid) {
    QList<int> widths;
    for (int column = 0; column < 6; ++column)
        widths << grid->columnWidth(column);
    return widths;
}

// Records the Ctrl+Shift+Page Down chords a widget receives.
class ChordRecorder : public QObject {
public:
    int chords = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_PageDown &&
                key->modifiers() == (Qt::ControlModifier | Qt::ShiftModifier))
                ++chords;
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

class TstPrincipalLayout : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestWorkArea> area;
    std::unique_ptr<app::principal> window;

    QWidget* control(const QString& name) const {
        if (name == QLatin1String("grid"))
            return window->MSFlexGrid1()->viewport();
        if (name == QLatin1String("status"))
            return window->statusBar();
        return window->findChild<QWidget*>(name);
    }

    // Bevels of the seven buttons and then the work-area panel: '-' flat,
    // 'R' raised, 'I' inset.
    QString bevels() const {
        QString shown;
        const auto letter = [](Bevel bevel) {
            return bevel == Bevel::Raised ? u'R' : bevel == Bevel::Inset ? u'I' : u'-';
        };
        for (int i = 0; i < app::principal::kButtons; ++i)
            shown += letter(
                window->findChild<ui::Panel3D*>(QStringLiteral("spboton_%1").arg(i))->bevel());
        return shown + u' ' + letter(window->SSPanel3()->bevel());
    }

private slots:
    void init() {
        area = std::make_unique<test::TestWorkArea>();
        window = test::openMainWindow();
        QVERIFY(window);
    }

    void cleanup() {
        window.reset();
        area.reset();
        TESORIN_VERIFY_NO_WINDOW_LEFT();
    }

    void columnsShareTheGridWidth_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("maximised");
        QTest::newRow("800 x 600") << QSize(800, 600) << false;
        QTest::newRow("1024 x 768") << QSize(1024, 768) << false;
        QTest::newRow("maximised") << QSize() << true;
    }

    void columnsShareTheGridWidth() {
        QFETCH(QSize, size);
        QFETCH(bool, maximised);
        if (maximised)
            window->showMaximized();
        else
            window->resize(size);
        QTRY_VERIFY(maximised ? window->isMaximized() : window->size() == size);
        QTRY_COMPARE(window->centralWidget()->width(), window->width());

        const QTableView* grid = window->MSFlexGrid1();
        const int windowWidth = window->frameGeometry().width();
        QCOMPARE(grid->width(), windowWidth - fromTwips(170));
        QCOMPARE(window->DBGrid1()->width(), grid->width());
        QList<int> expected;
        int used = 0;
        for (int share : kShares) {
            expected << grid->width() * share / 100;
            used += expected.back();
        }
        QCOMPARE(columnWidths(grid), expected);
        QVERIFY(used <= grid->width() * 95 / 100 && used >= grid->width() * 95 / 100 - 6);

        // The grid fills the height between the button bar and the bottom
        // panel, which lies on the status bar.
        const QWidget* bottom = window->Label1();
        QCOMPARE(bottom->geometry().bottom(), window->centralWidget()->height() - 1);
        QCOMPARE(grid->mapTo(window->centralWidget(), QPoint(0, grid->height())).y(), bottom->y());
        QCOMPARE(grid->mapTo(window->centralWidget(), QPoint()).x(),
                 (window->centralWidget()->width() - grid->width()) / 2);
        const QWidget* totals = window->findChild<QWidget*>("Picture2");
        QCOMPARE(totals->geometry().right() + 1, windowWidth - fromTwips(200));
    }

    void minimisedChangesNothing() {
        const QTableView* grid = window->MSFlexGrid1();
        const QRect geometry = grid->geometry();
        const QList<int> widths = columnWidths(grid);
        window->showMinimized();
        QTRY_VERIFY(window->isMinimized());
        window->resize(1200, 900);
        window->resizea();
        QCOMPARE(grid->geometry(), geometry);
        QCOMPARE(columnWidths(grid), widths);
    }

    void smallWindowKeepsTheGridHeight() {
        window->resize(200, 120);
        QTRY_VERIFY(window->width() > 200);
        QVERIFY(window->MSFlexGrid1()->height() >= fromTwips(1500));
        QVERIFY(window->Label1()->geometry().bottom() < window->centralWidget()->height());
    }

    void hoverAndPress_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("expected");
        QTest::newRow("over a button") << QStringList{"move spboton_0"} << "R------ -";
        QTest::newRow("over its picture") << QStringList{"move botImage_4"} << "----R-- -";
        QTest::newRow("button 0 then 3")
            << QStringList{"move spboton_0", "move spboton_3"} << "---R--- -";
        QTest::newRow("background flattens")
            << QStringList{"move spboton_0", "move SSPanel3", "move fondo"} << "------- -";
        QTest::newRow("button bar flattens")
            << QStringList{"move spboton_2", "move SSPanel3", "move SSPanel2"} << "------- -";
        QTest::newRow("grid flattens")
            << QStringList{"move spboton_6", "move SSPanel3", "move grid"} << "------- -";
        QTest::newRow("title, bottom, totals, status keep")
            << QStringList{"move spboton_1", "move SSPanel3", "move DBGrid1",
                           "move Label1",    "move labSaldo", "move status"}
            << "-R----- R";
        QTest::newRow("work-area panel") << QStringList{"move SSPanel3"} << "------- R";
        QTest::newRow("its picture changes nothing")
            << QStringList{"move SSPanel3", "move Image1"} << "------- R";
        QTest::newRow("pressed") << QStringList{"move SSPanel3", "press SSPanel3"} << "------- I";
        QTest::newRow("released") << QStringList{"move SSPanel3", "press SSPanel3",
                                                 "release SSPanel3"}
                                  << "------- -";
        QTest::newRow("pressed on its picture") << QStringList{"press Image1"} << "------- I";
        QTest::newRow("released on its picture")
            << QStringList{"press Image1", "release Image1"} << "------- -";
    }

    void hoverAndPress() {
        QFETCH(QStringList, steps);
        QFETCH(QString, expected);
        // Clicks run nothing here; only the bevels are looked at.
        for (int i = 0; i < app::principal::kButtons; ++i)
            window->setButtonAction(i, [] {});
        window->setWorkAreaPanelAction([] {});
        // Start from the status bar, which changes nothing, so that the
        // first step is a real move wherever the last row left the pointer.
        QTest::mouseMove(window->statusBar(), QPoint(1, 1));
        for (const QString& step : steps) {
            const QString verb = step.section(u' ', 0, 0);
            QWidget* target = control(step.section(u' ', 1));
            QVERIFY2(target && target->isVisible(), qPrintable(step));
            // The background shows in the strips beside the grid; the bar
            // at its right, past the buttons.
            QPoint point = target->rect().center();
            if (target == window->centralWidget())
                point = QPoint(1, target->height() / 2);
            else if (target->objectName() == QLatin1String("SSPanel2"))
                point = QPoint(target->width() - 3, target->height() / 2);
            if (verb == QLatin1String("move"))
                QTest::mouseMove(target, point);
            else if (verb == QLatin1String("press"))
                QTest::mousePress(target, Qt::LeftButton, {}, point);
            else
                QTest::mouseRelease(target, Qt::LeftButton, {}, point);
        }
        QCOMPARE(bevels(), expected);
    }

    void buttonActions_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("cancelsADialog");
        QTest::addColumn<int>("chords");
        QTest::newRow("0: new income") << 0 << false << 1;
        QTest::newRow("1: dialog cancelled") << 1 << true << 1;
        QTest::newRow("2: delete") << 2 << false << 0;
    }

    void buttonActions() {
        QFETCH(int, index);
        QFETCH(bool, cancelsADialog);
        QFETCH(int, chords);
        QTableView* grid = window->MSFlexGrid1();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        grid->setFocus();
        QTRY_VERIFY(grid->hasFocus());
        grid->lower();
        ChordRecorder recorder;
        grid->installEventFilter(&recorder);

        int ran = 0;
        window->setButtonAction(index, [&] {
            ++ran;
            if (cancelsADialog)
                QMessageBox::question(window.get(), "Pregunta", "¿Seguro?");
        });
        ModalDriver driver;
        if (cancelsADialog)
            driver.answer(QMessageBox::No);
        QTest::mouseClick(window->findChild<QWidget*>(QStringLiteral("botImage_%1").arg(index)),
                          Qt::LeftButton);
        QCOMPARE(ran, 1);
        QCOMPARE(recorder.chords, chords);
        const bool inFront = grid->parentWidget()->children().last() == grid;
        QCOMPARE(inFront, chords > 0);
    }

    void buttonsAnswerTheKeyboard() {
        int ran = 0;
        window->setButtonAction(3, [&] { ++ran; });
        auto* button = window->findChild<QWidget*>("spboton_3");
        QCOMPARE(button->focusPolicy(), Qt::TabFocus);
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Space);
        QTest::keyClick(button, Qt::Key_Return);
        QCOMPARE(ran, 2);
    }
};

TESORIN_GUI_TEST_MAIN(TstPrincipalLayout)
#include "tst_principal_layout.moc"
