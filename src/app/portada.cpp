#include "app/portada.h"

#include "ui/common/Pictures.h"
#include "ui/common/centraFormulario.h"

#include <QLabel>
#include <QTimer>

namespace tesorin::app {

using ui::centraFormulario;
namespace pictures = ui::pictures;

namespace {
constexpr QSize kSize(540, 300);
constexpr QSize kPicture1(540, 220);
constexpr int kImageSize = 40;
} // namespace

portada::portada(int milliseconds, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_timer1(new QTimer(this)) {
    setObjectName(QStringLiteral("portada"));
    setModal(true);
    setFixedSize(kSize);
    setStyleSheet(
        QStringLiteral("tesorin--app--portada { background: white; border: 1px solid #0E3B5C; }"));

    auto* picture1 = new QLabel(this);
    picture1->setObjectName(QStringLiteral("Picture1"));
    picture1->setGeometry(QRect(QPoint(0, 0), kPicture1));
    picture1->setPixmap(pictures::splash(kPicture1));

    const int imagesTop =
        kPicture1.height() + (kSize.height() - kPicture1.height() - kImageSize) / 2;
    auto* image1 = new QLabel(this);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setGeometry(12, imagesTop, kImageSize, kImageSize);
    image1->setPixmap(pictures::cashBox(kImageSize));
    auto* image2 = new QLabel(this);
    image2->setObjectName(QStringLiteral("Image2"));
    image2->setGeometry(kSize.width() - 12 - kImageSize, imagesTop, kImageSize, kImageSize);
    image2->setPixmap(pictures::button(5, kImageSize));

    const int textLeft = 12 + kImageSize + 8;
    const int textWidth = kSize.width() - 2 * textLeft;
    auto* label1 = new QLabel(
        QStringLiteral("  Control personal de ingresos y gastos - www.velmora.example"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setGeometry(textLeft, kPicture1.height() + 18, textWidth, 22);
    auto* label2 =
        new QLabel(QStringLiteral("Versión 2.0 - Velmora! soluciones simples e intuitivas"), this);
    label2->setObjectName(QStringLiteral("Label2"));
    label2->setGeometry(textLeft, kPicture1.height() + 42, textWidth, 20);
    QFont smaller = label2->font();
    smaller.setPointSizeF(smaller.pointSizeF() - 1);
    label2->setFont(smaller);
    label2->setForegroundRole(QPalette::PlaceholderText);
    for (QLabel* label : {label1, label2})
        label->setAlignment(Qt::AlignCenter);

    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setSingleShot(true);
    m_timer1->setTimerType(Qt::PreciseTimer);
    m_timer1->setInterval(milliseconds);
    connect(m_timer1, &QTimer::timeout, this, &QDialog::accept);

    centraFormulario(*this);
}

void portada::showEvent(QShowEvent* event) {
    m_timer1->start();
    QDialog::showEvent(event);
}

} // namespace tesorin::app
