#include "app/panacerca.h"
#include "app/principal.h"
#include "history/ui/HistoryOperations.h"
#include "movements/core/MovementsModel.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace tesorin::app {

namespace {

struct MenuItem {
    const char* name;
    // Null for a separator line; '&' marks the mnemonic, which no other item
    // of the same menu has.
    const char* caption;
    const char* shortcuts = nullptr; // "Ctrl+Y; Ctrl+Shift+Z": the first one is shown
};

struct Menu {
    const char* name;
    const char* title;
    std::initializer_list<MenuItem> items;
};

const Menu kMenus[] = {
    {"menuArchivo",
     "&Archivo",
     {{"menuArcNueva", "&Nueva cuenta de caja"},
      {"menuArcCierra", "&Cerrar cuenta de caja"},
      {"menuArcAbrir", "&Abrir cuenta de caja"},
      {"menuArcTitular", "&Datos del titular..."},
      {"menuArcRestaurar", "&Restaurar copia de seguridad..."},
      {"MenuNada0", nullptr},
      {"menuArcImportar", "&Importar movimientos..."},
      {"menuArcExportar", "&Exportar movimientos..."},
      {"menuNadaIntercambio", nullptr},
      {"menuArcSalir", "&Salir"}}},
    {"menuEdicion",
     "&Edición",
     {{"menuCopiarRegistro", "&Copiar Registro"},
      {"menuBuscaReg", "&Buscar Registro"},
      {"menuNadaaaa", nullptr},
      {"menuDeshacer", "&Deshacer", "Ctrl+Z"},
      {"menuRehacer", "&Rehacer", "Ctrl+Y; Ctrl+Shift+Z"}}},
    {"menuMovimientos",
     "&Movimientos",
     {{"menuMovPago", "Nuevo &Pago"},
      {"menuMovIngreso", "Nuevo &Ingreso"},
      {"menuNada1", nullptr},
      {"menuMovBorrar", "&Borrar movimiento"},
      {"menuMovBuscar", "B&uscar movimiento"},
      {"menuNada2", nullptr},
      {"menuMovProgramados", "&Movimientos programados..."}}},
    {"menuInformes",
     "&Informes",
     {{"menuInfEstado", "&Estado de cuenta"},
      {"menuInfSumas", "&Sumas y saldos de cuentas"},
      {"menuNada3", nullptr},
      {"menuInfMens", "&Gráfico y Resumen mensual"},
      {"menuInfGraficoCta", "Gráfico y Resumen &anual"}}},
    {"menuAyuda", "A&yuda", {{"menuAyuAcerca", "&Acerca de..."}}},
};

// Items that act on the grid's current movement.
bool needsCurrentRow(const QString& name) {
    return name == QLatin1String("menuMovBorrar") || name == QLatin1String("menuMovBuscar") ||
           name == QLatin1String("menuCopiarRegistro");
}

} // namespace

void principal::createMenus() {
    for (const Menu& menu : kMenus) {
        QMenu* entry = menuBar()->addMenu(QString::fromUtf8(menu.title));
        entry->setObjectName(QString::fromUtf8(menu.name));
        for (const MenuItem& item : menu.items) {
            QAction* action = item.caption ? entry->addAction(QString::fromUtf8(item.caption))
                                           : entry->addSeparator();
            action->setObjectName(QString::fromUtf8(item.name));
            if (item.shortcuts)
                action->setShortcuts(QKeySequence::listFromString(
                    QString::fromLatin1(item.shortcuts), QKeySequence::PortableText));
        }
    }
}

QAction* principal::menuItem(const QString& name) const {
    return menuBar()->findChild<QAction*>(name);
}

void principal::setMenuHandler(const QString& name, std::function<void()> handler) {
    QAction* action = menuItem(name);
    if (!action)
        qFatal("principal has no menu item %s", qPrintable(name));
    connect(action, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
    m_wiredItems.insert(action);
    updateMenuStates();
}

void principal::updateMenuStates() {
    for (QAction* action : menuBar()->findChildren<QAction*>()) {
        if (action->isSeparator() || action->menu())
            continue;
        const QString name = action->objectName();
        const bool usable = m_wiredItems.contains(action) &&
                            (!needsCurrentRow(name) || m_hasCurrentRow) &&
                            (name != QLatin1String("menuDeshacer") || m_canUndo) &&
                            (name != QLatin1String("menuRehacer") || m_canRedo);
        action->setEnabled(usable);
    }
}

void principal::updateHistoryItems() {
    if (!m_history)
        return;
    const history::HistoryOperations::ItemStates items = m_history->itemStates();
    m_canUndo = items.canUndo;
    m_canRedo = items.canRedo;
    // Only these two: the work-area items keep what a close gave them.
    QAction* undo = menuItem(QStringLiteral("menuDeshacer"));
    QAction* redo = menuItem(QStringLiteral("menuRehacer"));
    undo->setText(items.undoCaption);
    redo->setText(items.redoCaption);
    undo->setEnabled(m_wiredItems.contains(undo) && m_canUndo);
    redo->setEnabled(m_wiredItems.contains(redo) && m_canRedo);
}

void principal::copiarRegistro() {
    const QStringList texts = m_model->rowTexts(int(m_data1.currentRow()));
    if (!texts.isEmpty())
        QGuiApplication::clipboard()->setText(texts.join(QLatin1Char('\t')));
}

void principal::muestraAcercaDe() {
    panacerca about(this);
    about.exec();
}

} // namespace tesorin::app
