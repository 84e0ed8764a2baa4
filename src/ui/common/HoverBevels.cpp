#include "ui/common/HoverBevels.h"

namespace tesorin::ui {

HoverBevels::HoverBevels(int buttonCount) : m_buttons(std::size_t(buttonCount), Bevel::None) {}

void HoverBevels::pointerOverButton(int index) {
    for (std::size_t i = 0; i < m_buttons.size(); ++i) {
        if (int(i) != index)
            m_buttons[i] = Bevel::None;
    }
    m_buttons.at(std::size_t(index)) = Bevel::Raised;
}

void HoverBevels::pointerOverBackground() {
    m_workAreaPanel = Bevel::None;
    flattenButtons();
}

void HoverBevels::flattenButtons() {
    for (Bevel& bevel : m_buttons)
        bevel = Bevel::None;
}

void HoverBevels::pointerOverWorkAreaPanel() {
    m_workAreaPanel = Bevel::Raised;
}

void HoverBevels::workAreaPanelPressed() {
    m_workAreaPanel = Bevel::Inset;
}

void HoverBevels::workAreaPanelReleased() {
    m_workAreaPanel = Bevel::None;
}

} // namespace tesorin::ui
