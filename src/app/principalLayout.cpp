#include "app/principal.h"
#include "base/Twips.h"
#include "movements/core/MovementsModel.h"
#include "ui/common/Panel3D.h"

#include <QTableView>

namespace tesorin::app {

namespace {

// Share of the grid's width of each column, in per cent; the rest is left
// for the row selectors and the scroll bar.
constexpr int kColumnShares[movements::MovementsModel::kColumns] = {9, 18, 32, 12, 12, 12};
constexpr int kGridMargin = 170;
constexpr int kTotalsMargin = 200;
// Below this the grid keeps its height and the window stops shrinking: a
// header and a few rows always show.
constexpr int kMinGridHeight = 1500;
constexpr int kMinWindowWidth = 10200;

} // namespace

// The window cannot be made smaller than the button bar and a grid of the
// least height need.
void principal::setSmallestSize() {
    m_background->setMinimumSize(fromTwips(kMinWindowWidth),
                                 m_buttonBar->height() + m_gridTitle->height() +
                                     fromTwips(kMinGridHeight) + m_bottomPanel->height());
}

void principal::resizea() {
    if (isMinimized())
        return;
    const int windowWidth = frameGeometry().width();
    const int clientWidth = m_background->width();
    const int barHeight = m_buttonBar->height();
    const int titleHeight = m_gridTitle->height();
    const int bottomHeight = m_bottomPanel->height();

    // Caption, borders, menu bar and status bar are outside the client
    // area, so what is left for the grid is measured there.
    const int gridHeight = std::max(m_background->height() - barHeight - bottomHeight - titleHeight,
                                    fromTwips(kMinGridHeight));
    const int gridWidth = std::min(windowWidth - fromTwips(kGridMargin), clientWidth);
    const int gridLeft = (clientWidth - gridWidth) / 2;

    m_buttonBar->setGeometry(0, 0, clientWidth, barHeight);
    // The strips beside the grid are the window's own background.
    m_gridArea->setGeometry(gridLeft, barHeight, gridWidth, titleHeight + gridHeight);
    m_gridTitle->setGeometry(0, 0, gridWidth, titleHeight);
    m_grid->setGeometry(0, titleHeight, gridWidth, gridHeight);
    for (int column = 0; column < movements::MovementsModel::kColumns; ++column)
        m_grid->setColumnWidth(column, gridWidth * kColumnShares[column] / 100);

    m_bottomPanel->setGeometry(0, m_gridArea->geometry().bottom() + 1, clientWidth, bottomHeight);
    m_totalsBox->move(windowWidth - m_totalsBox->width() - fromTwips(kTotalsMargin), 0);
    // The panel's own message ("NO HAY BASE ACTIVA") shows between the
    // work-area panel and the totals, not under them.
    m_bottomPanel->setContentsMargins(m_workAreaPanel->geometry().right() + 1, 0,
                                      std::max(clientWidth - m_totalsBox->x(), 0), 0);
}

} // namespace tesorin::app
