#include "app/principal.h"
#include "base/Twips.h"
#include "movements/core/MovementsModel.h"
#include "ui/common/Panel3D.h"

#include <QHeaderView>
#include <QTableView>

namespace tesorin::app {

using ui::Bevel;
using ui::Panel3D;

namespace {
constexpr int kTitleHeight = 270;
constexpr int kRowSelectorWidth = 16;
} // namespace

void principal::createGridArea(QWidget* parent) {
    m_gridArea = new QWidget(parent);
    m_gridArea->setObjectName(QStringLiteral("Picture1"));

    m_gridTitle = new Panel3D(QStringLiteral("DBGrid1"), m_gridArea);
    m_gridTitle->setBevel(Bevel::Raised);
    m_gridTitle->setCaption(QStringLiteral("<Todos los movimientos>"));
    m_gridTitle->setFixedHeight(fromTwips(kTitleHeight));
    QFont titleFont = m_gridTitle->font();
    titleFont.setBold(true);
    m_gridTitle->setFont(titleFont);

    m_grid = new QTableView(m_gridArea);
    m_grid->setObjectName(QStringLiteral("MSFlexGrid1"));
    m_grid->setAccessibleName(QStringLiteral("Movimientos"));
    m_grid->setModel(m_model);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the grid for the next control instead of walking its cells.
    m_grid->setTabKeyNavigation(false);
    m_grid->setWordWrap(false);
    m_grid->setCornerButtonEnabled(false);
    m_grid->setAlternatingRowColors(true);
    m_grid->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);

    // Rows of one fixed height, so a million of them cost nothing to lay out.
    QHeaderView* rows = m_grid->verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(m_grid->fontMetrics().height() + 6);
    rows->setDefaultAlignment(Qt::AlignCenter);
    rows->setFixedWidth(kRowSelectorWidth);
    rows->setHighlightSections(true);
    QHeaderView* columns = m_grid->horizontalHeader();
    columns->setHighlightSections(false);
    columns->setStretchLastSection(false);
    columns->setDefaultAlignment(Qt::AlignCenter);

    // The pointer over the grid counts as over the window's background.
    for (QWidget* part : {static_cast<QWidget*>(m_grid->viewport()), static_cast<QWidget*>(rows),
                          static_cast<QWidget*>(columns)}) {
        part->setMouseTracking(true);
        part->installEventFilter(this);
    }
}

} // namespace tesorin::app
