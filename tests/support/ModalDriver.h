#pragma once

#include "support/TestWorkArea.h"

#include <QAbstractButton>
#include <QApplication>
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>

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
// test asserts after exec() has returned. A modal widget that appears with no
// step left is recorded in unexpected() and closed, so a test fails instead
// of hanging.
class ModalDriver : public QObject {
public:
    explicit ModalDriver(QObject* parent = nullptr);

    // The next modal widget that becomes active is handed to action.
    ModalDriver& then(std::function<void(QWidget*)> action);
    // The next modal widget must be a message box: it is recorded in
    // messages() and answered with button.
    ModalDriver& answer(QMessageBox::StandardButton button = QMessageBox::Ok);

    const QList<SeenMessage>& messages() const { return m_messages; }
    const QStringList& unexpected() const { return m_unexpected; }
    int pendingSteps() const { return int(m_steps.size()); }

    // Clicks a button from the event loop, after the current step returns.
    static void clickLater(QAbstractButton* button);
    // A child found by objectName; fails the test (returns null) when missing.
    template <class T> static T* child(QWidget* parent, const QString& name) {
        return parent ? parent->findChild<T*>(name) : nullptr;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void poll();

    QTimer m_timer;
    std::deque<std::function<void(QWidget*)>> m_steps;
    QPointer<QWidget> m_lastHandled;
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
