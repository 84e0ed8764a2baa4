#include "support/ModalDriver.h"

#include <QDialog>
#include <QEvent>
#include <QTest>

namespace tesorin::test {

namespace {

// A modal widget still open this long after its step ran is taken as stuck:
// the step did not close it.
constexpr qint64 kStuckMs = 20000;

QString describe(QWidget* widget) {
    QString what =
        QStringLiteral("%1 \"%2\"")
            .arg(QString::fromLatin1(widget->metaObject()->className()), widget->windowTitle());
    if (auto* box = qobject_cast<QMessageBox*>(widget))
        what += QStringLiteral(": ") + box->text();
    return what;
}

void closeLater(QWidget* widget) {
    if (auto* dialog = qobject_cast<QDialog*>(widget))
        QTimer::singleShot(0, dialog, &QDialog::reject);
    else
        QTimer::singleShot(0, widget, &QWidget::close);
}

} // namespace

int ModalDriver::s_alive = 0;

ModalDriver::ModalDriver(std::source_location where) : m_where(where) {
    ++s_alive;
    m_timer.setInterval(5);
    connect(&m_timer, &QTimer::timeout, this, &ModalDriver::poll);
    m_timer.start();
    // A dialog hidden and shown again at once (the entry dialog kept loaded)
    // counts as newly active: its Hide is seen even when no tick fell between.
    qApp->installEventFilter(this);
    m_outerRecorder = ui::MessageBoxes::setRecorder([this](const ui::MessageBoxes::Shown& shown) {
        m_messages.append({shown.title, shown.text, shown.icon});
        if (!shown.buttons.testFlag(shown.answer))
            record(QStringLiteral("message box \"%1\": %2 has no button %3")
                       .arg(shown.title, shown.text)
                       .arg(int(shown.answer)),
                   nullptr);
    });
}

ModalDriver::~ModalDriver() {
    ui::MessageBoxes::setRecorder(std::move(m_outerRecorder));
    QStringList faults = m_unexpected;
    while (!m_steps.empty() && m_steps.back().optional)
        m_steps.pop_back();
    if (!m_steps.empty())
        faults << QStringLiteral("%1 step(s) met no dialog, the first expecting %2")
                      .arg(m_steps.size())
                      .arg(QString::fromLatin1(m_steps.front().expected));
    // The answers are one queue for all drivers: the last one checks it.
    if (--s_alive == 0) {
        if (const int unused = ui::MessageBoxes::queuedAnswers())
            faults << QStringLiteral("%1 queued answer(s) met no message box").arg(unused);
        ui::MessageBoxes::clearAnswers();
    }
    if (faults.isEmpty())
        return;
    const QByteArray text =
        QStringLiteral("modal dialogs: %1").arg(faults.join(u'|')).toLocal8Bit();
    // A test already failed has said why; these are told, not counted again.
    if (QTest::currentTestFailed())
        qWarning("%s", text.constData());
    else
        QTest::qFail(text.constData(), m_where.file_name(), static_cast<int>(m_where.line()));
}

bool ModalDriver::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Hide && watched == m_lastHandled)
        m_lastHandled = nullptr;
    return QObject::eventFilter(watched, event);
}

ModalDriver& ModalDriver::then(std::function<void(QWidget*)> action) {
    m_steps.push_back(
        {"any modal widget", [](QWidget*) { return true; }, std::move(action), false});
    return *this;
}

ModalDriver& ModalDriver::answer(QMessageBox::StandardButton button) {
    return expect<QMessageBox>([this, button](QMessageBox& box) {
        m_messages.append({box.windowTitle(), box.text(), box.icon()});
        QAbstractButton* wanted = box.button(button);
        if (!wanted) {
            record(QStringLiteral("%1 has no button %2").arg(describe(&box)).arg(int(button)),
                   nullptr);
            wanted = box.buttons().value(0);
        }
        clickLater(wanted);
    });
}

ModalDriver& ModalDriver::nextAnswer(QMessageBox::StandardButton button) {
    ui::MessageBoxes::setNextAnswer(button);
    return *this;
}

int ModalDriver::pendingSteps() const {
    return static_cast<int>(m_steps.size()) + ui::MessageBoxes::queuedAnswers();
}

void ModalDriver::clickLater(QAbstractButton* button) {
    if (button)
        QTimer::singleShot(0, button, &QAbstractButton::click);
}

void ModalDriver::record(const QString& fault, QWidget* toClose) {
    qWarning("ModalDriver: %s", qPrintable(fault));
    m_unexpected << fault;
    if (toClose)
        closeLater(toClose);
}

void ModalDriver::poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible()) {
        m_lastHandled = nullptr;
        return;
    }
    if (modal == m_lastHandled) {
        if (!m_inStep.contains(modal) && m_handledFor.elapsed() > kStuckMs) {
            record(QStringLiteral("%1 still open %2 s after its step")
                       .arg(describe(modal))
                       .arg(kStuckMs / 1000),
                   modal);
            m_handledFor.restart();
        }
        return;
    }
    m_lastHandled = modal;
    m_handledFor.start();
    if (m_inStep.contains(modal))
        return;
    while (!m_steps.empty() && m_steps.front().optional && !m_steps.front().matches(modal))
        m_steps.pop_front();
    if (m_steps.empty()) {
        record(QStringLiteral("no step for %1").arg(describe(modal)), modal);
        return;
    }
    const Step step = std::move(m_steps.front());
    m_steps.pop_front();
    if (!step.matches(modal)) {
        record(QStringLiteral("expected %1, got %2")
                   .arg(QString::fromLatin1(step.expected), describe(modal)),
               modal);
        return;
    }
    m_inStep.append(modal);
    step.action(modal);
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
