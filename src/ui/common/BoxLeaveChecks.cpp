#include "ui/common/BoxLeaveChecks.h"

#include "ui/common/MessageBoxes.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

namespace tesorin::ui {

BoxLeaveChecks::BoxLeaveChecks(QWidget& form) : QObject(&form), m_form(form) {}

void BoxLeaveChecks::watch(QLineEdit* box, Check check) {
    m_checks.insert(box, std::move(check));
    box->installEventFilter(this);
}

bool BoxLeaveChecks::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && !m_showing) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // Another window or a drop-down list taking the focus is no leaving.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            m_leaving = static_cast<QLineEdit*>(watched);
            QTimer::singleShot(0, this, [this] {
                if (m_leaving && m_form.isVisible())
                    settle();
            });
        }
    }
    return QObject::eventFilter(watched, event);
}

bool BoxLeaveChecks::settle() {
    QLineEdit* box = m_leaving;
    m_leaving = nullptr;
    if (!box)
        box = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    if (!box || !m_checks.contains(box))
        return true;
    return run(box);
}

bool BoxLeaveChecks::run(QLineEdit* box) {
    const std::optional<schedule::BoxRefusal> refusal = m_checks.value(box)(box->text());
    if (!refusal)
        return true;
    box->setText(refusal->resetText);
    m_showing = true;
    MessageBoxes::critical(&m_form, QStringLiteral("E r r o r"), refusal->message, QMessageBox::Ok);
    m_showing = false;
    box->setFocus();
    return false;
}

} // namespace tesorin::ui
