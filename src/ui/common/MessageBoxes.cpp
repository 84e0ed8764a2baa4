#include "ui/common/MessageBoxes.h"

#include <deque>
#include <utility>

namespace tesorin::ui {

namespace {

std::deque<MessageBoxes::Button>& queuedButtons() {
    static std::deque<MessageBoxes::Button> buttons;
    return buttons;
}

MessageBoxes::Recorder& currentRecorder() {
    static MessageBoxes::Recorder instance;
    return instance;
}

} // namespace

MessageBoxes::Button MessageBoxes::ask(QWidget* parent, const QString& title, const QString& text,
                                       Buttons buttons, Button defaultButton) {
    return show(QMessageBox::Question, parent, title, text, buttons, defaultButton);
}

MessageBoxes::Button MessageBoxes::critical(QWidget* parent, const QString& title,
                                            const QString& text, Buttons buttons) {
    return show(QMessageBox::Critical, parent, title, text, buttons, QMessageBox::NoButton);
}

MessageBoxes::Button MessageBoxes::warning(QWidget* parent, const QString& title,
                                           const QString& text, Buttons buttons) {
    return show(QMessageBox::Warning, parent, title, text, buttons, QMessageBox::NoButton);
}

MessageBoxes::Button MessageBoxes::information(QWidget* parent, const QString& title,
                                               const QString& text, Buttons buttons) {
    return show(QMessageBox::Information, parent, title, text, buttons, QMessageBox::NoButton);
}

MessageBoxes::Button MessageBoxes::show(QMessageBox::Icon icon, QWidget* parent,
                                        const QString& title, const QString& text, Buttons buttons,
                                        Button defaultButton) {
    if (!queuedButtons().empty()) {
        const Button answer = queuedButtons().front();
        queuedButtons().pop_front();
        if (currentRecorder())
            currentRecorder()({title, text, icon, buttons, answer});
        return answer;
    }
    switch (icon) {
    case QMessageBox::Question:
        return QMessageBox::question(parent, title, text, buttons, defaultButton);
    case QMessageBox::Warning:
        return QMessageBox::warning(parent, title, text, buttons, defaultButton);
    case QMessageBox::Information:
        return QMessageBox::information(parent, title, text, buttons, defaultButton);
    default:
        return QMessageBox::critical(parent, title, text, buttons, defaultButton);
    }
}

void MessageBoxes::setNextAnswer(Button answer) {
    queuedButtons().push_back(answer);
}

int MessageBoxes::queuedAnswers() {
    return static_cast<int>(queuedButtons().size());
}

void MessageBoxes::clearAnswers() {
    queuedButtons().clear();
}

MessageBoxes::Recorder MessageBoxes::setRecorder(Recorder recorder) {
    return std::exchange(currentRecorder(), std::move(recorder));
}

} // namespace tesorin::ui
