#pragma once

#include "schedule/core/EditorBoxChecks.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <optional>

class QLineEdit;
class QWidget;

namespace tesorin::ui {

// Runs a box's check when the user leaves it: a refused text resets the
// box, a message says why and the focus goes back to the box; a text that
// passes may be rewritten (an amount in the currency's form). The check runs
// just after the focus has moved, so a click that left the box is finished
// first, and only while the form is shown. The form's buttons call settle()
// (or settleLeaving()) before they act, so that the check of the box being
// left comes first and stops them, also when the press and the release of
// the click arrive together.
class BoxLeaveChecks : public QObject {
public:
    using Check = std::function<std::optional<schedule::BoxRefusal>(const QString&)>;
    using Tidy = std::function<QString(const QString&)>;

    struct Options {
        QString title = QStringLiteral("E r r o r");
        // The text a passing box shows; none keeps it as typed.
        Tidy tidy;
    };

    explicit BoxLeaveChecks(QWidget& form);
    void watch(QLineEdit* box, Check check, Options options);
    void watch(QLineEdit* box, Check check) { watch(box, std::move(check), Options{}); }
    // True when the box being left, or the watched box with the focus, passes.
    bool settle();
    // True when the box being left passes; a box still holding the focus
    // (Enter pressed the default button from inside it) is not checked.
    bool settleLeaving();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Watched {
        Check check;
        Options options;
    };
    bool run(QLineEdit* box);

    QWidget& m_form;
    QHash<QLineEdit*, Watched> m_checks;
    QPointer<QLineEdit> m_leaving;
    bool m_showing = false;
};

} // namespace tesorin::ui
