#pragma once

#include <QLabel>

namespace tesorin::ui {

// A label that shows a value (an amount, a year, a page count). Screen
// readers get its caption and the value it shows now ("Saldo: $ 1.500,00"),
// read afresh after every change of the text; an accessible name set on a
// plain label would hide the value instead.
class ValueLabel : public QLabel {
    Q_OBJECT
public:
    ValueLabel(const QString& caption, const QString& text, QWidget* parent = nullptr);
    QString caption() const { return m_caption; }

private:
    QString m_caption;
};

} // namespace tesorin::ui
