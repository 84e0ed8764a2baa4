#pragma once

#include <QDateEdit>

namespace tesorin::ui {

// A date box in the regional short date form with a four-digit year and a
// calendar to drop down. The arrow keys move between day, month and year;
// Tab leaves for the next control, as in every other box of a form.
class DatePicker : public QDateEdit {
    Q_OBJECT
public:
    explicit DatePicker(QWidget* parent = nullptr);

protected:
    bool focusNextPrevChild(bool next) override;
};

} // namespace tesorin::ui
