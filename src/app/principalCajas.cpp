// How the main window shows an open work area, or none.
#include "app/principal.h"
#include "ui/common/Panel3D.h"
#include "workareas/core/WorkAreaSwitch.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTableView>

namespace tesorin::app {

namespace {

// The menus whose every item reads the work area; they are unusable while
// none is open. Disabling the menu leaves its items' own states alone.
const char* const kWorkAreaMenus[] = {"menuEdicion", "menuMovimientos", "menuInformes"};

} // namespace

void principal::showWorkAreaOpen() {
    m_grid->show();
    m_gridTitle->setEnabled(true);
    // A new work area has no rows to clear the message of a close.
    m_bottomPanel->setCaption(QString());
    setWorkAreaMenusEnabled(true);
}

void principal::showNoWorkArea() {
    m_grid->hide();
    // The title's double-click opens the view filter, which reads the work area.
    m_gridTitle->setEnabled(false);
    m_bottomPanel->setCaption(workareas::closedWorkAreaMessage());
    setWindowTitle(workareas::closedWorkAreaWindowCaption());
    setButtonsEnabled(false);
    resetTotals();
    setWorkAreaMenusEnabled(false);
    updateHistoryItems();
}

void principal::setWorkAreaMenusEnabled(bool enabled) {
    for (const char* name : kWorkAreaMenus)
        menuBar()->findChild<QMenu*>(QString::fromLatin1(name))->menuAction()->setEnabled(enabled);
    menuItem(QStringLiteral("menuArcCierra"))->setEnabled(enabled);
    menuItem(QStringLiteral("menuArcTitular"))->setEnabled(enabled);
    menuItem(QStringLiteral("menuArcRestaurar"))->setEnabled(enabled);
}

void principal::setWorkAreaPanelCaption(const QString& caption) {
    m_workAreaPanel->setCaption(caption);
}

void principal::setGridCaption(const QString& caption) {
    m_gridTitle->setCaption(caption);
}

void principal::setProgramEnd(std::function<void()> end) {
    m_programEnd = std::move(end);
}

void principal::endProgram() {
    if (m_programEnd)
        m_programEnd();
    else
        QCoreApplication::exit(1);
}

void principal::workAreaOpened() {
    if (m_afterOpening)
        m_afterOpening();
}

} // namespace tesorin::app
