#include "support/ModalDriver.h"

#include <QDialog>
#include <QEvent>

namespace tesorin::test {

ModalDriver::ModalDriver(QObject* parent) : QObject(parent) {
    m_timer.setInterval(5);
    connect(&m_timer, &QTimer::timeout, this, &ModalDriver::poll);
    m_timer.start();
    // A dialog hidden and shown again at once (the entry dialog kept loaded)
    // counts as newly active: its Hide is seen even when no tick fell between.
    qApp->installEventFilter(this);
}

bool ModalDriver::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Hide && watched == m_lastHandled)
        m_lastHandled = nullptr;
    return QObject::eventFilter(watched, event);
}

ModalDriver& ModalDriver::then(std::function<void(QWidget*)> action) {
    m_steps.push_back(std::move(action));
    return *this;
}

ModalDriver& ModalDriver::answer(QMessageBox::StandardButton button) {
    return then([this, button](QWidget* widget) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        if (!box) {
            m_unexpected << QStringLiteral("expected a message box, got %1 \"%2\"")
                                .arg(QString::fromLatin1(widget->metaObject()->className()),
                                     widget->windowTitle());
            if (auto* dialog = qobject_cast<QDialog*>(widget))
                QTimer::singleShot(0, dialog, &QDialog::reject);
            else
                QTimer::singleShot(0, widget, &QWidget::close);
            return;
        }
        m_messages.append({box->windowTitle(), box->text(), box->icon()});
        QAbstractButton* wanted = box->button(button);
        if (!wanted) {
            m_unexpected
                << QStringLiteral("message box \"%1\" has no such button").arg(box->text());
            wanted = box->buttons().value(0);
        }
        clickLater(wanted);
    });
}

void ModalDriver::clickLater(QAbstractButton* button) {
    if (button)
        QTimer::singleShot(0, button, &QAbstractButton::click);
}

void ModalDriver::poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible()) {
        m_lastHandled = nullptr;
        return;
    }
    if (modal == m_lastHandled)
        return;
    m_lastHandled = modal;
    if (m_inStep.contains(modal))
        return;
    if (m_steps.empty()) {
        QString what = modal->windowTitle();
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            what += QStringLiteral(": ") + box->text();
        m_unexpected << what;
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            QTimer::singleShot(0, dialog, &QDialog::reject);
        else
            QTimer::singleShot(0, modal, &QWidget::close);
        return;
    }
    auto step = std::move(m_steps.front());
    m_steps.pop_front();
    m_inStep.append(modal);
    step(modal);
    m_inStep.removeAll(nullptr);
    m_inStep.removeOne(modal);
}

QStringList visibleTopLevels() {
    QStringList names;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible())
            names << (widget->objectName().isEmpty()
                          ? QString::fromLatin1(widget->metaObject()->className())
                          : widget->objectName());
    }
    return names;
}

} // namespace tesorin::test
