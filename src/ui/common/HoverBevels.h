#pragma once

#include <cstddef>
#include <vector>

namespace tesorin::ui {

// The bevel of a 3-D panel, which the main window uses as hover state.
enum class Bevel { None, Inset, Raised };

// The hover and press effect of the button bar and the work-area panel: what
// the pointer's moves and presses do to each panel's bevel. Places the rules
// do not name (the grid's title, the bottom panel, the totals box, the
// status bar) have no entry here, so they leave every bevel as it is.
class HoverBevels {
public:
    explicit HoverBevels(int buttonCount);

    Bevel button(int index) const { return m_buttons.at(std::size_t(index)); }
    Bevel workAreaPanel() const { return m_workAreaPanel; }

    // Over a button or its picture: that one raised, every other flat.
    void pointerOverButton(int index);
    // Over the window's background, the button bar or the grid.
    void pointerOverBackground();
    // Every button flat (UndeTodosLosBotones); the work-area panel is kept.
    void flattenButtons();
    // Over the work-area panel itself (not its pictures).
    void pointerOverWorkAreaPanel();
    // Mouse button pressed or released on the work-area panel or its picture.
    void workAreaPanelPressed();
    void workAreaPanelReleased();

private:
    std::vector<Bevel> m_buttons;
    Bevel m_workAreaPanel = Bevel::None;
};

} // namespace tesorin::ui
