#include "store/SqliteError.h"

#include "store/FileKind.h"

#include <sqlite3.h>

namespace tesorin::store {

namespace {

QString busyMessage(const QString& name, StoreStep step) {
    const QString later = QStringLiteral(" Intente nuevamente en unos momentos.");
    switch (step) {
    case StoreStep::Open:
        return QStringLiteral("No se pudo abrir la caja «%1» porque otro programa la está usando.")
                   .arg(name) +
               later;
    case StoreStep::Read:
        return QStringLiteral("No se pudo leer la caja «%1» porque otro programa la está usando.")
                   .arg(name) +
               later;
    case StoreStep::Create:
        return QStringLiteral(
                   "No se pudo crear la caja nueva «%1» porque otro programa está usando la caja "
                   "de la que se copia.")
                   .arg(name) +
               later;
    case StoreStep::Save:
        break;
    }
    return QStringLiteral("La caja «%1» está en uso por otro programa: el cambio no se guardó.")
               .arg(name) +
           later;
}

QString fullMessage(const QString& name, StoreStep step) {
    if (step == StoreStep::Create)
        return QStringLiteral("No se pudo crear la caja nueva «%1»: no queda espacio en el disco.")
            .arg(name);
    if (step == StoreStep::Save)
        return QStringLiteral(
                   "No queda espacio en el disco: el cambio en la caja «%1» no se guardó.")
            .arg(name);
    return QStringLiteral("No queda espacio en el disco para usar la caja «%1».").arg(name);
}

QString ioMessage(const QString& name, StoreStep step) {
    switch (step) {
    case StoreStep::Open:
    case StoreStep::Read:
        return QStringLiteral("Error de lectura en el archivo «%1».").arg(name);
    case StoreStep::Create:
        return QStringLiteral("Error de escritura: no se pudo crear la caja nueva «%1».").arg(name);
    case StoreStep::Save:
        break;
    }
    return QStringLiteral(
               "Error de lectura o escritura en el archivo «%1»: el cambio no se guardó.")
        .arg(name);
}

} // namespace

QString sqliteMessage(sqlite3* db, int resultCode, const QString& displayName, StoreStep step) {
    const QString detail = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString();
    switch (resultCode & 0xff) {
    case SQLITE_NOTADB:
        return notAWorkAreaMessage(
            db ? QString::fromUtf8(sqlite3_db_filename(db, "main")) : QString(), displayName);
    case SQLITE_CORRUPT:
        return QStringLiteral("El archivo «%1» está dañado y no se puede leer.").arg(displayName);
    case SQLITE_READONLY:
        if (step == StoreStep::Create)
            return QStringLiteral("No se pudo crear la caja nueva «%1»: no se puede escribir en la "
                                  "carpeta.")
                .arg(displayName);
        return QStringLiteral("La caja «%1» es de solo lectura: el cambio no se guardó.")
            .arg(displayName);
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return busyMessage(displayName, step);
    case SQLITE_FULL:
        return fullMessage(displayName, step);
    case SQLITE_CANTOPEN:
        return QStringLiteral("No se puede abrir el archivo «%1».").arg(displayName);
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return QStringLiteral("No hay permiso para usar el archivo «%1».").arg(displayName);
    case SQLITE_IOERR:
        return ioMessage(displayName, step);
    case SQLITE_CONSTRAINT:
        return QStringLiteral("El cambio no respeta las reglas de la caja «%1»: %2")
            .arg(displayName, detail);
    case SQLITE_TOOBIG:
        return QStringLiteral("El texto es demasiado largo para guardarlo en «%1».")
            .arg(displayName);
    default:
        return QStringLiteral("No se pudo completar la operación en la caja «%1»: %2")
            .arg(displayName, detail);
    }
}

void throwSqlite(sqlite3* db, int resultCode, const QString& displayName, StoreStep step) {
    throw StoreError(sqliteMessage(db, resultCode, displayName, step), resultCode & 0xff);
}

} // namespace tesorin::store
