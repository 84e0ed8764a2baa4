#include "workareas/core/WorkAreaSwitch.h"

#include "store/DataControl.h"
#include "store/Database.h"
#include "store/StoreError.h"

namespace tesorin::workareas {

using store::Database;
using store::DataControl;
using store::StoreError;

void closeWorkAreaConnections(std::unique_ptr<Database>& baseAbierta, DataControl& data) {
    baseAbierta.reset();
    data.closeConnection();
}

void openWorkAreaConnections(const QString& name, std::unique_ptr<Database>& baseAbierta,
                             DataControl& data) {
    closeWorkAreaConnections(baseAbierta, data);
    try {
        baseAbierta = Database::OpenDatabase(name);
        data.setDatabaseName(name);
        data.Refresh();
    } catch (const StoreError&) {
        baseAbierta.reset();
        data.setDatabaseName(QString());
        throw;
    }
}

QString workAreaWindowCaption(WorkAreaSwitch how, const QString& name) {
    if (how == WorkAreaSwitch::Choose)
        return QStringLiteral("Velmora! Tesorin - [%1]").arg(name);
    return QStringLiteral("Tesorin! - [%1]").arg(name);
}

QString workAreaPanelCaption(const QString& name) {
    return name + QStringLiteral("         ");
}

QString switchFailureTitle(WorkAreaSwitch how) {
    return how == WorkAreaSwitch::Choose ? QStringLiteral("Error") : QStringLiteral("E r r o r");
}

QString switchFailureText(WorkAreaSwitch how, const QString& name) {
    switch (how) {
    case WorkAreaSwitch::New:
        return QStringLiteral("No se pudo crear la nueva base de datos.\nCierre el programa, luego "
                              "Windows e intente realizar la operación nuevamente");
    case WorkAreaSwitch::Open:
        return QStringLiteral("No se pudo abrir la base de datos %1.").arg(name);
    case WorkAreaSwitch::Choose:
        break;
    }
    return QStringLiteral("Imposible abrir la base de datos");
}

QString closedWorkAreaWindowCaption() {
    return QStringLiteral("Tesorin! [S/BASE DE DATOS]");
}

QString closedWorkAreaMessage() {
    return QStringLiteral("NO HAY BASE ACTIVA");
}

} // namespace tesorin::workareas
