#include "app/principal.h"
#include "base/Twips.h"
#include "movements/core/BalancePanel.h"
#include "ui/common/Panel3D.h"
#include "ui/common/Pictures.h"
#include "ui/common/ValueLabel.h"

#include <QLabel>

namespace tesorin::app {

using ui::Bevel;
using ui::Panel3D;
namespace pictures = ui::pictures;

namespace {

constexpr int kBottomHeight = 420;
constexpr int kPanelPicture = 16;

struct Total {
    const char* name;
    const char* titleName;
    const char* title;
    int left; // twips
    QColor background;
};

// Wider than the window was designed with, so that totals in the thousands
// of millions fit in a legible type; the order, the colours and the titles
// over the right-hand part are kept.
const Total kTotals[] = {
    {"labSaldo", "Label5_0", "Saldo", 150, QColor(255, 224, 192)},
    {"LabIng", "Label5_1", "Ingresos", 2400, QColor(192, 192, 255)},
    {"labEgr", "Label5_2", "Egresos", 4650, QColor(255, 192, 192)},
};
constexpr int kTotalsWidth = 6900;
constexpr int kTotalWidth = 2160;
constexpr int kTotalTop = 180;
constexpr int kTotalHeight = 240;
constexpr qreal kTotalPoints = 8;
constexpr qreal kSmallestTotalPoints = 5.5;

// The largest type, up to the usual one, in which text fits the label.
void showFitting(QLabel* label, const QString& text) {
    if (label->text() == text)
        return;
    QFont font = label->font();
    const int room = label->contentsRect().width() - 2;
    for (qreal points = kTotalPoints; points >= kSmallestTotalPoints; points -= 0.5) {
        font.setPointSizeF(points);
        if (QFontMetrics(font).horizontalAdvance(text) <= room)
            break;
    }
    label->setFont(font);
    label->setText(text);
}

} // namespace

void principal::createBottomPanel(QWidget* parent) {
    m_bottomPanel = new Panel3D(QStringLiteral("Label1"), parent);
    m_bottomPanel->setBevel(Bevel::Raised);
    m_bottomPanel->setFixedHeight(fromTwips(kBottomHeight));
    QFont messageFont = m_bottomPanel->font();
    messageFont.setBold(true);
    m_bottomPanel->setFont(messageFont);
    m_bottomPanel->setPalette([&] {
        QPalette palette = m_bottomPanel->palette();
        palette.setColor(QPalette::WindowText, QColor(0xB0, 0x1E, 0x1E));
        return palette;
    }());

    m_workAreaPanel = new Panel3D(QStringLiteral("SSPanel3"), m_bottomPanel);
    m_workAreaPanel->setGeometry(fromTwips(90), fromTwips(60), fromTwips(2280), fromTwips(285));
    m_workAreaPanel->setCaption(QStringLiteral("      Seleccione cuenta..."));
    m_workAreaPanel->setCaptionAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_workAreaPanel->setToolTip(QStringLiteral("Seleccione la caja o cuenta de trabajo"));
    // The bottom panel's message is bold and red; what lies on it is not.
    QPalette plain = palette();
    plain.setColor(QPalette::WindowText, palette().color(QPalette::WindowText));
    // A font given whole: the weight has to be set for it to override the
    // panel's bold type.
    QFont plainFont = font();
    plainFont.setBold(false);
    m_workAreaPanel->setFont(plainFont);
    m_workAreaPanel->setPalette(plain);
    m_workAreaPanel->setMouseTracking(true);
    m_workAreaPanel->installEventFilter(this);
    connect(m_workAreaPanel, &Panel3D::clicked, this, [this] {
        if (m_workAreaPanelAction)
            m_workAreaPanelAction();
    });

    const int pictureTop = (m_workAreaPanel->height() - kPanelPicture) / 2;
    m_cashBoxPicture = new QLabel(m_workAreaPanel);
    m_cashBoxPicture->setObjectName(QStringLiteral("Image9"));
    m_cashBoxPicture->setPixmap(pictures::cashBox(kPanelPicture));
    m_cashBoxPicture->setGeometry(3, pictureTop, kPanelPicture, kPanelPicture);
    // Image9 has no action: its clicks must not reach the panel beneath.
    m_cashBoxPicture->installEventFilter(this);
    m_workAreaPicture = new QLabel(m_workAreaPanel);
    m_workAreaPicture->setObjectName(QStringLiteral("Image1"));
    m_workAreaPicture->setPixmap(pictures::chooser(kPanelPicture));
    m_workAreaPicture->setGeometry(m_workAreaPanel->width() - kPanelPicture - 3, pictureTop,
                                   kPanelPicture, kPanelPicture);
    m_workAreaPicture->setToolTip(m_workAreaPanel->toolTip());
    // The caption runs between the two pictures.
    const int pictureRoom = 3 + kPanelPicture + 3;
    m_workAreaPanel->setContentsMargins(pictureRoom, 0, pictureRoom, 0);

    m_totalsBox = new QWidget(m_bottomPanel);
    m_totalsBox->setObjectName(QStringLiteral("Picture2"));
    m_totalsBox->resize(fromTwips(kTotalsWidth), m_bottomPanel->height());
    m_totalsBox->setPalette(plain);
    QFont titleFont = plainFont;
    titleFont.setPointSizeF(6.5);
    QFont valueFont = font();
    valueFont.setBold(true);
    valueFont.setPointSizeF(kTotalPoints);
    for (const Total& total : kTotals) {
        auto* value = new ui::ValueLabel(QString::fromUtf8(total.title),
                                         movements::totalsResetText(), m_totalsBox);
        value->setObjectName(QString::fromUtf8(total.name));
        value->setGeometry(fromTwips(total.left), fromTwips(kTotalTop), fromTwips(kTotalWidth),
                           fromTwips(kTotalHeight));
        value->setFont(valueFont);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setContentsMargins(0, 0, 4, 0);
        value->setAutoFillBackground(true);
        QPalette palette = value->palette();
        palette.setColor(QPalette::Window, total.background);
        palette.setColor(QPalette::WindowText, Qt::black);
        value->setPalette(palette);
        value->setFrameStyle(QFrame::Panel | QFrame::Sunken);

        auto* title = new QLabel(QString::fromUtf8(total.title), m_totalsBox);
        title->setObjectName(QString::fromUtf8(total.titleName));
        title->setFont(titleFont);
        title->setAlignment(Qt::AlignRight | Qt::AlignBottom);
        title->setGeometry(value->x(), 0, value->width(), value->y());
        title->setBuddy(value);
    }
    m_labSaldo = m_totalsBox->findChild<QLabel*>(QStringLiteral("labSaldo"));
    m_labIng = m_totalsBox->findChild<QLabel*>(QStringLiteral("LabIng"));
    m_labEgr = m_totalsBox->findChild<QLabel*>(QStringLiteral("labEgr"));
}

void principal::showTotals(const QString& saldo, const QString& ingresos, const QString& egresos) {
    showFitting(m_labSaldo, saldo);
    showFitting(m_labIng, ingresos);
    showFitting(m_labEgr, egresos);
}

void principal::resetTotals() {
    showTotals(movements::totalsResetText(), movements::totalsResetText(),
               movements::totalsResetText());
}

void principal::setWorkAreaPanelAction(std::function<void()> action) {
    m_workAreaPanelAction = std::move(action);
    m_workAreaPanel->setClickable(bool(m_workAreaPanelAction));
}

} // namespace tesorin::app
