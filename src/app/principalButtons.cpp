#include "app/principal.h"
#include "base/Twips.h"
#include "ui/common/Panel3D.h"
#include "ui/common/Pictures.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QTableView>

namespace tesorin::app {

using ui::Bevel;
using ui::Panel3D;
namespace pictures = ui::pictures;

namespace {

struct Button {
    const char* caption;
    const char* toolTip;
    int left;  // twips
    int width; // twips
};

const Button kButtonBar[principal::kButtons] = {
    {"Nuevo Ingreso", "Ingresa un nuevo movimiento de ingreso.", 45, 1275},
    {"Nuevo Egreso", "Ingresa un nuevo movimiento de salida.", 1320, 1275},
    {"Eliminar", "Permite eliminar un movimiento seleccionado", 2595, 1155},
    {"Ver & Buscar", "Permite ubicar uno o varios movimientos", 3750, 1275},
    {"Informes", "Permite Imprimir un listado de movimientos", 5025, 1275},
    {"Resúmen", "Realiza una tabla y un gráfico anual de movimientos.", 6300, 1155},
    {"Cuentas", "Administra el uso de cuentas para los movimientos.", 7455, 1200},
};

constexpr int kBarHeight = 915;
constexpr int kButtonTop = 75;
constexpr int kButtonHeight = 720;
constexpr int kPictureSize = 28;
constexpr int kPictureTop = 3;

// Buttons 0 and 1 leave the grid in front and pass this chord to the
// window's focused control once their dialog has closed. The window may not
// be active again yet, so its own focus is asked when the application's is
// elsewhere.
void sendGridChord(QWidget* window) {
    QWidget* target = QApplication::focusWidget();
    if (!target || target->window() != window)
        target = window->focusWidget();
    if (!target)
        return;
    const Qt::KeyboardModifiers chord = Qt::ControlModifier | Qt::ShiftModifier;
    QKeyEvent press(QEvent::KeyPress, Qt::Key_PageDown, chord);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_PageDown, chord);
    QApplication::sendEvent(target, &release);
}

} // namespace

void principal::createButtonBar(QWidget* parent) {
    m_buttonBar = new Panel3D(QStringLiteral("SSPanel2"), parent);
    m_buttonBar->setBevel(Bevel::Raised);
    m_buttonBar->setFixedHeight(fromTwips(kBarHeight));
    m_buttonBar->setMouseTracking(true);
    m_buttonBar->installEventFilter(this);
    QFont captionFont = m_buttonBar->font();
    captionFont.setPointSizeF(8);
    for (int i = 0; i < kButtons; ++i) {
        const Button& design = kButtonBar[i];
        auto* button = new Panel3D(QStringLiteral("spboton_%1").arg(i), m_buttonBar);
        button->setGeometry(fromTwips(design.left), fromTwips(kButtonTop), fromTwips(design.width),
                            fromTwips(kButtonHeight));
        button->setFont(captionFont);
        button->setCaption(QString::fromUtf8(design.caption));
        button->setCaptionAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        button->setContentsMargins(2, 0, 2, 3);
        button->setClickable(true);
        button->setAccessibleDescription(QString::fromUtf8(design.toolTip));
        button->setMouseTracking(true);
        button->installEventFilter(this);
        connect(button, &Panel3D::clicked, this, [this, i] { spboton_Click(i); });

        auto* picture = new QLabel(button);
        picture->setObjectName(QStringLiteral("botImage_%1").arg(i));
        picture->setPixmap(pictures::button(i, kPictureSize));
        picture->setGeometry((button->width() - kPictureSize) / 2, kPictureTop, kPictureSize,
                             kPictureSize);
        picture->setToolTip(QString::fromUtf8(design.toolTip));
        picture->setMouseTracking(true);
        picture->installEventFilter(this);

        m_buttons[size_t(i)] = button;
        m_buttonPictures[size_t(i)] = picture;
    }
    for (int i = 1; i < kButtons; ++i)
        setTabOrder(m_buttons[size_t(i - 1)], m_buttons[size_t(i)]);
}

void principal::setButtonAction(int index, std::function<void()> action) {
    m_buttonActions.at(size_t(index)) = std::move(action);
    updateButtonStates();
}

void principal::setButtonsEnabled(bool enabled) {
    m_buttonsEnabled = enabled;
    updateButtonStates();
}

void principal::updateButtonStates() {
    for (int i = 0; i < kButtons; ++i) {
        const bool usable = m_buttonsEnabled && bool(m_buttonActions[size_t(i)]);
        m_buttons[size_t(i)]->setEnabled(usable);
        m_buttonPictures[size_t(i)]->setEnabled(usable);
    }
}

void principal::spboton_Click(int index) {
    const std::function<void()> action = m_buttonActions.at(size_t(index));
    if (!action)
        return;
    action();
    if (index <= 1) {
        m_grid->raise();
        sendGridChord(this);
    }
}

} // namespace tesorin::app
