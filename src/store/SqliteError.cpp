#include "store/SqliteError.h"

#include <sqlite3.h>

namespace tesorin::store {

QString sqliteMessage(sqlite3* db, int resultCode, const QString& displayName) {
    const QString detail = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString();
    switch (resultCode & 0xff) {
    case SQLITE_NOTADB:
        return QStringLiteral(
                   "El archivo «%1» no es una caja de Tesorin (no es una base de datos).")
            .arg(displayName);
    case SQLITE_CORRUPT:
        return QStringLiteral("El archivo «%1» está dañado y no se puede leer.").arg(displayName);
    case SQLITE_READONLY:
        return QStringLiteral("La caja «%1» es de solo lectura: el cambio no se guardó.")
            .arg(displayName);
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral("La caja «%1» está en uso por otro programa: el cambio no se guardó. "
                              "Intente nuevamente en unos momentos.")
            .arg(displayName);
    case SQLITE_FULL:
        return QStringLiteral(
                   "No queda espacio en el disco: el cambio en la caja «%1» no se guardó.")
            .arg(displayName);
    case SQLITE_CANTOPEN:
        return QStringLiteral("No se puede abrir el archivo «%1».").arg(displayName);
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return QStringLiteral("No hay permiso para usar el archivo «%1».").arg(displayName);
    case SQLITE_IOERR:
        return QStringLiteral(
                   "Error de lectura o escritura en el archivo «%1»: el cambio no se guardó.")
            .arg(displayName);
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

void throwSqlite(sqlite3* db, int resultCode, const QString& displayName) {
    throw StoreError(sqliteMessage(db, resultCode, displayName));
}

} // namespace tesorin::store
