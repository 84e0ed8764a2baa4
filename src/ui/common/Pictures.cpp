#include "ui/common/Pictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace tesorin::ui::pictures {

namespace {

const QColor kGold(0xE8, 0xB4, 0x2C);
const QColor kGoldDark(0x9C, 0x6B, 0x12);
const QColor kGreen(0x2E, 0x9E, 0x48);
const QColor kRed(0xD0, 0x3A, 0x2F);
const QColor kInk(0x33, 0x3D, 0x4A);
const QColor kPaper(0xFB, 0xFB, 0xF6);

// A transparent square pixmap whose painter draws on a 32 x 32 grid.
class Canvas {
public:
    explicit Canvas(int size) : m_pixmap(size, size) {
        m_pixmap.fill(Qt::transparent);
        m_painter.begin(&m_pixmap);
        m_painter.setRenderHint(QPainter::Antialiasing);
        m_painter.scale(size / 32.0, size / 32.0);
    }
    QPainter& painter() { return m_painter; }
    QPixmap take() {
        m_painter.end();
        return m_pixmap;
    }

private:
    QPixmap m_pixmap;
    QPainter m_painter;
};

void drawCoin(QPainter& p, QPointF center, qreal radius) {
    QRadialGradient shine(center - QPointF(radius / 3, radius / 3), radius * 1.4);
    shine.setColorAt(0, QColor(0xFF, 0xE6, 0x8A));
    shine.setColorAt(1, kGold);
    p.setPen(QPen(kGoldDark, 1.2));
    p.setBrush(shine);
    p.drawEllipse(center, radius, radius);
    p.setPen(QPen(kGoldDark, 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(center, radius * 0.74, radius * 0.74);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(int(radius * 1.1));
    p.setFont(font);
    p.setPen(kGoldDark);
    p.drawText(QRectF(center.x() - radius, center.y() - radius, 2 * radius, 2 * radius),
               Qt::AlignCenter, QStringLiteral("$"));
}

// A round sign with a plus or a minus.
void drawBadge(QPainter& p, QPointF center, qreal radius, const QColor& colour, bool plus) {
    p.setPen(QPen(Qt::white, 1.2));
    p.setBrush(colour);
    p.drawEllipse(center, radius, radius);
    p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap));
    const qreal arm = radius * 0.55;
    p.drawLine(center - QPointF(arm, 0), center + QPointF(arm, 0));
    if (plus)
        p.drawLine(center - QPointF(0, arm), center + QPointF(0, arm));
}

void drawSheet(QPainter& p, const QRectF& sheet, int lines) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(kPaper);
    p.drawRect(sheet);
    p.setPen(QPen(QColor(0x8A, 0x96, 0xA3), 1));
    const qreal step = (sheet.height() - 6) / lines;
    for (int i = 0; i < lines; ++i) {
        const qreal y = sheet.top() + 4 + i * step;
        p.drawLine(QPointF(sheet.left() + 3, y), QPointF(sheet.right() - 3, y));
    }
}

void drawDelete(QPainter& p) {
    drawSheet(p, QRectF(5, 3, 17, 23), 6);
    p.setPen(QPen(kRed, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16, 16), QPointF(27, 27));
    p.drawLine(QPointF(27, 16), QPointF(16, 27));
}

void drawSearch(QPainter& p) {
    drawSheet(p, QRectF(3, 3, 18, 24), 6);
    p.setPen(QPen(kInk, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(21, 20), QPointF(28, 28));
    p.setPen(QPen(kInk, 2));
    p.setBrush(QColor(0xCF, 0xE8, 0xFF, 0xD0));
    p.drawEllipse(QPointF(17, 15), 7, 7);
}

void drawPrinter(QPainter& p) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(kPaper);
    p.drawRect(QRectF(9, 3, 14, 10));
    QLinearGradient body(0, 11, 0, 24);
    body.setColorAt(0, QColor(0xB8, 0xC2, 0xCC));
    body.setColorAt(1, QColor(0x6E, 0x7B, 0x88));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(3, 11, 26, 12), 2, 2);
    p.setBrush(kGreen);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(25, 15), 1.3, 1.3);
    drawSheet(p, QRectF(8, 19, 16, 10), 2);
}

void drawChart(QPainter& p) {
    p.setPen(QPen(kInk, 1.5));
    p.drawLine(QPointF(3, 3), QPointF(3, 29));
    p.drawLine(QPointF(3, 29), QPointF(30, 29));
    const qreal heights[] = {12, 8, 18, 11, 23, 14};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 6; ++i) {
        p.setBrush(i % 2 == 0 ? kGreen : kRed);
        p.drawRect(QRectF(6 + i * 4, 28 - heights[i], 3.2, heights[i]));
    }
}

void drawLedger(QPainter& p) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(kPaper);
    p.drawRect(QRectF(9, 5, 19, 24));
    QLinearGradient cover(5, 0, 26, 0);
    cover.setColorAt(0, QColor(0x1F, 0x4E, 0x8C));
    cover.setColorAt(1, QColor(0x3A, 0x78, 0xC2));
    p.setBrush(cover);
    p.drawRoundedRect(QRectF(5, 3, 20, 25), 1.5, 1.5);
    p.setBrush(QColor(0x16, 0x38, 0x66));
    p.drawRect(QRectF(5, 3, 4, 25));
    p.setBrush(kPaper);
    p.drawRect(QRectF(12, 8, 10, 6));
    p.setPen(QPen(kInk, 0.8));
    p.drawLine(QPointF(13.5, 10), QPointF(20.5, 10));
    p.drawLine(QPointF(13.5, 12), QPointF(19, 12));
}

} // namespace

QPixmap button(int index, int size) {
    Canvas canvas(size);
    QPainter& p = canvas.painter();
    switch (index) {
    case 0:
        drawCoin(p, QPointF(13, 14), 11);
        drawBadge(p, QPointF(24, 24), 7, kGreen, true);
        break;
    case 1:
        drawCoin(p, QPointF(13, 14), 11);
        drawBadge(p, QPointF(24, 24), 7, kRed, false);
        break;
    case 2:
        drawDelete(p);
        break;
    case 3:
        drawSearch(p);
        break;
    case 4:
        drawPrinter(p);
        break;
    case 5:
        drawChart(p);
        break;
    default:
        drawLedger(p);
        break;
    }
    return canvas.take();
}

QPixmap cashBox(int size) {
    Canvas canvas(size);
    QPainter& p = canvas.painter();
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(QColor(0x3F, 0x9A, 0x6A));
    p.drawRect(QRectF(6, 4, 20, 10));
    QLinearGradient box(0, 12, 0, 29);
    box.setColorAt(0, QColor(0xA0, 0x6A, 0x3A));
    box.setColorAt(1, QColor(0x6B, 0x42, 0x1E));
    p.setBrush(box);
    p.drawRoundedRect(QRectF(2, 12, 28, 17), 2, 2);
    p.setBrush(kGold);
    p.drawRect(QRectF(13, 17, 6, 5));
    return canvas.take();
}

QPixmap chooser(int size) {
    Canvas canvas(size);
    QPainter& p = canvas.painter();
    p.setPen(QPen(kGoldDark, 1.5));
    p.setBrush(QColor(0xF5, 0xCE, 0x5A));
    QPainterPath folder;
    folder.moveTo(2, 8);
    folder.lineTo(12, 8);
    folder.lineTo(15, 11);
    folder.lineTo(30, 11);
    folder.lineTo(30, 28);
    folder.lineTo(2, 28);
    folder.closeSubpath();
    p.drawPath(folder);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    QPolygonF arrow;
    arrow << QPointF(10, 16) << QPointF(22, 16) << QPointF(16, 24);
    p.drawPolygon(arrow);
    return canvas.take();
}

QPixmap logo(int size) {
    Canvas canvas(size);
    QPainter& p = canvas.painter();
    for (int i = 0; i < 3; ++i) {
        const QRectF coin(3, 22 - i * 5, 18, 7);
        p.setPen(QPen(kGoldDark, 1));
        p.setBrush(i == 2 ? QColor(0xFF, 0xD8, 0x5E) : kGold);
        p.drawEllipse(coin);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawRect(QRectF(23, 14, 6, 15));
    p.setPen(QPen(kGreen, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath rise;
    rise.moveTo(4, 10);
    rise.lineTo(12, 6);
    rise.lineTo(18, 8);
    rise.lineTo(28, 2);
    p.drawPath(rise);
    return canvas.take();
}

QIcon windowIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64})
        icon.addPixmap(logo(size));
    return icon;
}

QPixmap splash(QSize size) {
    QPixmap picture(size);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, size.width(), size.height());
    sky.setColorAt(0, QColor(0x0E, 0x3B, 0x5C));
    sky.setColorAt(1, QColor(0x1F, 0x7A, 0x6B));
    p.fillRect(picture.rect(), sky);

    // Faint bars of income and expense rising behind the title.
    const int bars = 14;
    const qreal barWidth = size.width() / qreal(bars * 2);
    for (int i = 0; i < bars; ++i) {
        const qreal height = size.height() * (0.18 + 0.045 * i + (i % 3) * 0.05);
        QColor colour = i % 2 == 0 ? kGreen : kGold;
        colour.setAlpha(70);
        p.fillRect(QRectF(barWidth * (2 * i + 0.5), size.height() - height, barWidth, height),
                   colour);
    }

    const int logoSize = size.height() / 2;
    p.drawPixmap(size.width() / 16, (size.height() - logoSize) / 2 - size.height() / 12,
                 logo(logoSize));

    QFont title(QStringLiteral("DejaVu Sans"));
    title.setBold(true);
    title.setPixelSize(size.height() / 4);
    p.setFont(title);
    const QRectF titleArea(size.width() / 16 + logoSize * 1.1, 0, size.width(),
                           size.height() * 0.62);
    p.setPen(QColor(0, 0, 0, 90));
    p.drawText(titleArea.translated(2, 2), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Tesorin!"));
    p.setPen(Qt::white);
    p.drawText(titleArea, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Tesorin!"));

    QFont motto(QStringLiteral("DejaVu Sans"));
    motto.setPixelSize(size.height() / 14);
    p.setFont(motto);
    p.setPen(QColor(0xFF, 0xE6, 0x8A));
    p.drawText(QRectF(titleArea.left(), size.height() * 0.55, size.width(), size.height() * 0.2),
               Qt::AlignLeft | Qt::AlignTop, QStringLiteral("Ingresos y gastos en orden"));
    return picture;
}

} // namespace tesorin::ui::pictures
