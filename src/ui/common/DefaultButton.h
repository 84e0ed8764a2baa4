#pragma once

class QPushButton;
class QWidget;

namespace tesorin::ui {

// Makes button the one button of the form that Enter presses, wherever the
// focus is; every other push button of the form stops being a default, even
// while it has the focus (Space still presses it). With no button, Enter
// presses none.
void makeOnlyDefault(QWidget& form, QPushButton* button);

} // namespace tesorin::ui
