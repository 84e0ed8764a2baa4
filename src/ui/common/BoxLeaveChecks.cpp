#include "ui/common/BoxLeaveChecks.h"

#include "ui/common/MessageBoxes.h"
#include <QAbstractButton>

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

namespace tesorin::ui {

BoxLeaveChecks::BoxLeaveChecks(QWidget& form) : QObject(&form), m_form(form) {}

void BoxLeaveChecks::watch(QLineEdit* box, Check check, Options options) {
    m_checks.insert(box, Watched{std::move(check), std::move(options)});
    box->installEventFilter(this);
}

bool BoxLeaveChecks::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && !m_showing) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // Another window or a drop-down list taking the focus is no leaving.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            m_leaving = static_cast<QLineEdit*>(watched);
            QTimer::singleShot(0, this, [this] {
                // A form already closed checks nothing, now or when shown again.
                if (!m_form.isVisible())
                    m_leaving = nullptr;
                settleLeaving();
            });
        }
    }
    return QObject::eventFilter(watched, event);
}

bool BoxLeaveChecks::settle() {
    if (m_leaving)
        return settleLeaving();
    auto* box = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    return !box || !m_checks.contains(box) || run(box);
}

bool BoxLeaveChecks::settleLeaving() {
    QLineEdit* box = m_leaving;
    m_leaving = nullptr;
    return !box || !m_checks.contains(box) || run(box);
}

bool BoxLeaveChecks::run(QLineEdit* box) {
    const Watched& watched = m_checks[box];
    const std::optional<schedule::BoxRefusal> refusal = watched.check(box->text());
    if (!refusal) {
        if (watched.options.tidy)
            box->setText(watched.options.tidy(box->text()));
        return true;
    }
    box->setText(refusal->resetText);
    // A button pressed to leave the box is not clicked after the message.
    for (QAbstractButton* button : m_form.findChildren<QAbstractButton*>())
        button->setDown(false);
    m_showing = true;
    MessageBoxes::critical(&m_form, watched.options.title, refusal->message, QMessageBox::Ok);
    m_showing = false;
    box->setFocus();
    return false;
}

} // namespace tesorin::ui
