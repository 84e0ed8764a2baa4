#include "ui/common/MultiLineTextBox.h"

#include <QKeyEvent>
#include <QMimeData>

namespace tesorin::ui {

MultiLineTextBox::MultiLineTextBox(int maxLength, QWidget* parent)
    : QPlainTextEdit(parent), m_maxLength(maxLength) {
    setTabChangesFocus(true);
}

int MultiLineTextBox::room() const {
    return m_maxLength - int(toPlainText().size()) + int(textCursor().selectedText().size());
}

void MultiLineTextBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (!(event->modifiers() & Qt::ControlModifier)) {
            event->ignore(); // up to the dialog: its default button
            return;
        }
        if (room() >= 1)
            insertPlainText(QStringLiteral("\n"));
        event->accept();
        return;
    }
    const QString typed = event->text();
    const bool addsText =
        !typed.isEmpty() && typed.at(0).isPrint() && !(event->modifiers() & Qt::ControlModifier);
    if (addsText && room() < typed.size()) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void MultiLineTextBox::insertFromMimeData(const QMimeData* source) {
    if (!source->hasText())
        return;
    insertPlainText(source->text().left(std::max(room(), 0)));
}

} // namespace tesorin::ui
