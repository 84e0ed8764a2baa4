#include "reports/ui/ChartFormParts.h"

#include "reports/core/ChartFigures.h"
#include "ui/common/FormTwips.h"
#include "ui/common/ValueLabel.h"

#include "ui/common/Named.h"
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QToolButton>

namespace tesorin::reports {

using ui::named;
using ui::placeTwips;

namespace {

const char* const kBasePointSize = "basePointSize";
constexpr qreal kSmallestPointSize = 5;

void keepBasePointSize(QLabel* label) {
    label->setProperty(kBasePointSize, label->font().pointSizeF());
}

// A small printer drawn in code: body, paper coming out, tray.
QIcon printerIcon() {
    QPixmap picture(32, 32);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 60), 1.5));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 3, 14, 10)); // paper going in
    p.setBrush(QColor(150, 150, 160));
    QPainterPath body;
    body.addRoundedRect(QRectF(3, 11, 26, 12), 3, 3);
    p.drawPath(body);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(8, 19, 16, 10)); // the printed sheet
    p.setPen(QPen(QColor(120, 120, 120), 1));
    p.drawLine(QPointF(11, 23), QPointF(21, 23));
    p.drawLine(QPointF(11, 26), QPointF(19, 26));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(80, 200, 80));
    p.drawEllipse(QPointF(25, 15), 1.5, 1.5);
    return QIcon(picture);
}

} // namespace

void paintWhiteInSmallType(QWidget* form) {
    QPalette white = form->palette();
    white.setColor(QPalette::Window, Qt::white);
    form->setPalette(white);
    form->setAutoFillBackground(true);
    QFont small = form->font();
    small.setPointSize(8);
    form->setFont(small);
}

QFrame* productPicture(QWidget* form, int left, int top) {
    auto* picture = named(new QFrame(form), "Picture1");
    picture->setFrameShape(QFrame::Box);
    placeTwips(picture, left, top, 2265, 525);
    auto* name = named(new QLabel(QStringLiteral("Tesorin"), picture), "Label9");
    name->setAlignment(Qt::AlignCenter);
    QFont font = name->font();
    font.setPointSize(16);
    font.setBold(true);
    font.setItalic(true);
    name->setFont(font);
    QPalette colours = name->palette();
    colours.setColor(QPalette::WindowText, QColor(0, 0, 128));
    name->setPalette(colours);
    name->setGeometry(picture->rect());
    return picture;
}

QToolButton* printButton(QWidget* form, int left, int top) {
    auto* button = named(new QToolButton(form), "Command1");
    button->setText(QStringLiteral("Imprimir"));
    button->setIcon(printerIcon());
    button->setIconSize(QSize(28, 28));
    // The picture above the caption, as on a tall button.
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setFocusPolicy(Qt::StrongFocus);
    placeTwips(button, left, top, 900, 870);
    return button;
}

QLabel* amountLabel(QWidget* parent, const QString& objectName, qreal pointSize,
                    const QString& caption) {
    auto* label = new ui::ValueLabel(caption, kZeroText, parent);
    label->setObjectName(objectName);
    QFont font = label->font();
    font.setPointSizeF(pointSize);
    label->setFont(font);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    keepBasePointSize(label);
    return label;
}

QLabel* totalLabel(QWidget* parent, const char* objectName, const QString& caption) {
    auto* label = named(new ui::ValueLabel(caption, kZeroText, parent), objectName);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setAutoFillBackground(true);
    QPalette colours = label->palette();
    colours.setColor(QPalette::Window, Qt::black);
    colours.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(colours);
    keepBasePointSize(label);
    return label;
}

void setAmountText(QLabel* label, const QString& text) {
    QFont font = label->font();
    qreal size = label->property(kBasePointSize).toReal();
    if (size <= 0)
        size = font.pointSizeF();
    const int room = label->contentsRect().width() - 2;
    for (font.setPointSizeF(size);
         size > kSmallestPointSize && QFontMetrics(font).horizontalAdvance(text) > room;
         font.setPointSizeF(size))
        size -= 0.5;
    label->setFont(font);
    label->setText(text);
}

QLabel* textLabel(QWidget* parent, const QString& objectName, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    return label;
}

QFrame* ruleLine(QWidget* parent, const QString& objectName) {
    auto* line = new QFrame(parent);
    line->setObjectName(objectName);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    return line;
}

} // namespace tesorin::reports
