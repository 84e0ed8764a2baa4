// The scalable icon is the logo the program draws: rendered at each size,
// the SVG matches pictures::logo() pixel by pixel, up to antialiasing.
#include "support/ModalDriver.h"
#include "ui/common/Pictures.h"

#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

#include <cstdlib>

class TstIcon : public QObject {
    Q_OBJECT

private slots:
    void matchesTheLogo_data() {
        QTest::addColumn<int>("size");
        for (int size : {16, 32, 64, 256})
            QTest::addRow("%d", size) << size;
    }

    void matchesTheLogo() {
        QFETCH(int, size);
        QSvgRenderer svg(QStringLiteral(TESORIN_ICON_SVG));
        QVERIFY(svg.isValid());
        QImage drawn(size, size, QImage::Format_ARGB32_Premultiplied);
        drawn.fill(Qt::transparent);
        QPainter painter(&drawn);
        svg.render(&painter);
        painter.end();
        const QImage logo = tesorin::ui::pictures::logo(size).toImage().convertToFormat(
            QImage::Format_ARGB32_Premultiplied);

        // A pixel differs when one of its channels is off by more than an
        // edge's antialiasing can make it; edges are a small part of the picture.
        int differing = 0;
        int worst = 0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const QRgb a = drawn.pixel(x, y);
                const QRgb b = logo.pixel(x, y);
                const int off =
                    std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                              std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
                worst = std::max(worst, off);
                differing += off > 16 ? 1 : 0;
            }
        }
        qInfo("size %d: %d pixels differ, worst channel off by %d", size, differing, worst);
        QVERIFY2(differing <= size, qPrintable(QString::number(differing)));
    }
};

TESORIN_GUI_TEST_MAIN(TstIcon)
#include "tst_icon.moc"
