#pragma once

#include "support/TestWorkArea.h"
#include "ui/common/MessageBoxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>
#include <source_location>

namespace tesorin::test {

struct SeenMessage {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Drives modal dialogs and message boxes the way Qt's own tests do: a short
// repeating timer watches QApplication::activeModalWidget() and hands each
// newly active modal widget to the next queued step. Steps only record and
// click (clicks are queued, so a step never blocks in a nested exec()); the
// test asserts after exec() has returned.
//
// Nothing waits for the ctest time-out: a modal widget that comes with no
// step left, or that is not the kind its step expects, is recorded and
// closed at once; one still open long after its step ran is closed too. When
// the driver goes out of scope it fails the running test if anything was
// recorded so, if a step never ran or a queued answer was never used.
class ModalDriver : public QObject {
public:
    explicit ModalDriver(std::source_location where = std::source_location::current());
    ~ModalDriver() override;
    ModalDriver(const ModalDriver&) = delete;
    ModalDriver& operator=(const ModalDriver&) = delete;

    // The next modal widget that becomes active must be a Dialog; it is
    // handed to action.
    template <class Dialog> ModalDriver& expect(std::function<void(Dialog&)> action) {
        m_steps.push_back({Dialog::staticMetaObject.className(),
                           [](QWidget* widget) { return qobject_cast<Dialog*>(widget) != nullptr; },
                           [action = std::move(action)](QWidget* widget) {
                               action(*qobject_cast<Dialog*>(widget));
                           },
                           false});
        return *this;
    }
    // A Dialog may be seen active again here (a dialog comes back to the
    // front when a box on it closes): if it is, nothing is done; if it is
    // not, the step is passed over.
    template <class Dialog> ModalDriver& mayReactivate() {
        m_steps.push_back({Dialog::staticMetaObject.className(),
                           [](QWidget* widget) { return qobject_cast<Dialog*>(widget) != nullptr; },
                           [](QWidget*) {}, true});
        return *this;
    }
    // The next modal widget must be a message box: it is recorded in
    // messages() and answered with button.
    ModalDriver& answer(QMessageBox::StandardButton button = QMessageBox::Ok);
    // The next box shown through ui::MessageBoxes is not shown: it is
    // recorded in messages() and answered with button at once.
    ModalDriver& nextAnswer(QMessageBox::StandardButton button = QMessageBox::Ok);
    // A step that takes any modal widget, whatever its kind; it must close it.
    ModalDriver& then(std::function<void(QWidget*)> action);

    // The message boxes seen, in the order they came, answered either way.
    const QList<SeenMessage>& messages() const { return m_messages; }
    // What came that no step expected, or was closed for staying open.
    const QStringList& unexpected() const { return m_unexpected; }
    // Steps not run yet, optional ones too, and answers not used yet.
    int pendingSteps() const;

    // Clicks a button from the event loop, after the current step returns.
    static void clickLater(QAbstractButton* button);
    // A child found by objectName; null when missing.
    template <class T> static T* child(QWidget* parent, const QString& name) {
        return parent ? parent->findChild<T*>(name) : nullptr;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Step {
        const char* expected;
        std::function<bool(QWidget*)> matches;
        std::function<void(QWidget*)> action;
        bool optional;
    };

    void poll();
    void record(const QString& fault, QWidget* toClose);

    std::source_location m_where;
    // The recorder of a driver made before this one, given back at the end.
    ui::MessageBoxes::Recorder m_outerRecorder;
    static int s_alive;
    QTimer m_timer;
    std::deque<Step> m_steps;
    QPointer<QWidget> m_lastHandled;
    QElapsedTimer m_handledFor;
    // Widgets whose step is still running: a step that opens a message box
    // on its own dialog sees that dialog active again when the box closes,
    // which is no new activation.
    QList<QPointer<QWidget>> m_inStep;
    QList<SeenMessage> m_messages;
    QStringList m_unexpected;
};

// Every top-level widget still visible (a test's cleanup() checks it is empty).
QStringList visibleTopLevels();

} // namespace tesorin::test

// A test's cleanup() asserts with this that it closed every window it opened.
#define TESORIN_VERIFY_NO_WINDOW_LEFT()                                                            \
    QVERIFY2(tesorin::test::visibleTopLevels().isEmpty(),                                          \
             qPrintable(tesorin::test::visibleTopLevels().join(u',')))

// main() for a test that drives forms offscreen.
#define TESORIN_GUI_TEST_MAIN(TestClass)                                                           \
    int main(int argc, char** argv) {                                                              \
        QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);                                   \
        QApplication app(argc, argv);                                                              \
        tesorin::test::pinLocale();                                                                \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
