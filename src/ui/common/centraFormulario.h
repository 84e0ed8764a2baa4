#pragma once

class QWidget;

namespace tesorin::ui {

// Places a form in the middle of its screen (the whole screen, as the
// program has always done): top first, then left, from the form's outer size.
// Forms call it first thing when they load.
void centraFormulario(QWidget& form);

} // namespace tesorin::ui
