#pragma once

#include <QPlainTextEdit>

namespace tesorin::ui {

// A multi-line text box as the forms' other boxes behave: it takes at most
// maxLength characters from the keyboard or a paste (a text set by the
// program is kept whole); Tab moves the focus on and Enter presses the
// form's default button, so Ctrl+Enter starts a new line.
class MultiLineTextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit MultiLineTextBox(int maxLength, QWidget* parent = nullptr);
    int maxLength() const { return m_maxLength; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    // Characters the user may still add in place of the selection.
    int room() const;

    int m_maxLength;
};

} // namespace tesorin::ui
