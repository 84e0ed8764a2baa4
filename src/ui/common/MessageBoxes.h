#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

class QWidget;

namespace tesorin::ui {

// The program's message boxes that only need an answer. Each shows the same
// box as QMessageBox's function of the same kind. A test queues the answers
// with setNextAnswer: while one is queued, the next box is not shown, the
// queued button is returned at once and what the box would have shown goes
// to the recorder.
class MessageBoxes {
public:
    using Button = QMessageBox::StandardButton;
    using Buttons = QMessageBox::StandardButtons;

    static Button ask(QWidget* parent, const QString& title, const QString& text,
                      Buttons buttons = Buttons(QMessageBox::Yes | QMessageBox::No),
                      Button defaultButton = QMessageBox::NoButton);
    static Button critical(QWidget* parent, const QString& title, const QString& text,
                           Buttons buttons = QMessageBox::Ok);
    static Button warning(QWidget* parent, const QString& title, const QString& text,
                          Buttons buttons = QMessageBox::Ok);
    static Button information(QWidget* parent, const QString& title, const QString& text,
                              Buttons buttons = QMessageBox::Ok);

    struct Shown {
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        Buttons buttons;
        Button answer = QMessageBox::NoButton;
    };
    using Recorder = std::function<void(const Shown&)>;

    // Tests only.
    static void setNextAnswer(Button answer);
    static int queuedAnswers();
    static void clearAnswers();
    // Returns the recorder it replaces.
    static Recorder setRecorder(Recorder recorder);

private:
    static Button show(QMessageBox::Icon icon, QWidget* parent, const QString& title,
                       const QString& text, Buttons buttons, Button defaultButton);
};

} // namespace tesorin::ui
