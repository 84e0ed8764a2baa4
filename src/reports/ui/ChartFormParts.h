#pragma once

#include <QString>

class QFrame;
class QLabel;
class QToolButton;
class QWidget;

// Controls both chart forms have alike.
namespace tesorin::reports {

// The chart forms' look: a white page in small type.
void paintWhiteInSmallType(QWidget* form);
// Picture1 with the product name in Label9, at left, top in twips.
QFrame* productPicture(QWidget* form, int left, int top);
// Command1 "Imprimir" with a printer picture, at left, top in twips.
QToolButton* printButton(QWidget* form, int left, int top);
// A right-aligned amount of the table in type of pointSize, showing "0,00";
// screen readers read it after its caption.
QLabel* amountLabel(QWidget* parent, const QString& objectName, qreal pointSize,
                    const QString& caption);
// A total: right-aligned, white on black, showing "0,00", read after its caption.
QLabel* totalLabel(QWidget* parent, const char* objectName, const QString& caption);
// Shows an amount in a label made by amountLabel or totalLabel, in a
// smaller type when the label's own is too wide for it, so no digit is cut.
void setAmountText(QLabel* label, const QString& text);
// A plain label with a fixed text.
QLabel* textLabel(QWidget* parent, const QString& objectName, const QString& text);
// A horizontal rule.
QFrame* ruleLine(QWidget* parent, const QString& objectName);

} // namespace tesorin::reports
