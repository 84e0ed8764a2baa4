#pragma once

#include "schedule/core/EditorBoxChecks.h"

#include <QHash>
#include <QObject>
#include <QPointer>

#include <functional>
#include <optional>

class QLineEdit;
class QWidget;

namespace tesorin::ui {

// Runs a box's check when the user leaves it: a refused text resets the
// box, a message titled "E r r o r" says why and the focus goes back to the
// box. The check runs just after the focus has moved, so a click that left
// the box is finished first; the form's buttons call settle() before they
// act, so that the check of the box being left (or still holding the focus,
// when Enter pressed the default button) comes first and stops them.
class BoxLeaveChecks : public QObject {
public:
    using Check = std::function<std::optional<schedule::BoxRefusal>(const QString&)>;

    explicit BoxLeaveChecks(QWidget& form);
    void watch(QLineEdit* box, Check check);
    // True when the box being left, or the watched box with the focus, passes.
    bool settle();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool run(QLineEdit* box);

    QWidget& m_form;
    QHash<QLineEdit*, Check> m_checks;
    QPointer<QLineEdit> m_leaving;
    bool m_showing = false;
};

} // namespace tesorin::ui
