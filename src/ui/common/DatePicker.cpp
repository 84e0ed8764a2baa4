#include "ui/common/DatePicker.h"

#include "base/Regional.h"

namespace tesorin::ui {

DatePicker::DatePicker(QWidget* parent) : QDateEdit(parent) {
    setCalendarPopup(true);
    setDisplayFormat(regional::shortDateDisplayFormat());
    setMinimumDate(QDate(1601, 1, 1));
}

bool DatePicker::focusNextPrevChild(bool next) {
    // QDateEdit would walk its day, month and year first.
    return QAbstractSpinBox::focusNextPrevChild(next);
}

} // namespace tesorin::ui
