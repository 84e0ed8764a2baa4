#include "workareas/core/WorkAreaCopy.h"

#include "store/ChangeLog.h"
#include "store/Database.h"
#include "store/Durability.h"
#include "store/PageCopy.h"
#include "store/SqliteError.h"
#include "store/StoreError.h"
#include "store/WorkAreaFolder.h"

#include <QDir>
#include <QFile>

#include <sqlite3.h>

namespace tesorin::workareas {

using store::Database;
using store::sqliteMessage;
using store::StoreError;
using store::StoreStep;
using store::workAreaExists;
using store::workAreaFolder;

namespace {

// Copies every page of source into a new file at path, as one consistent
// snapshot.
void backupInto(Database& source, const QString& path, const QString& displayName) {
    const int rc = store::copyPages(source.handle(), path);
    if (rc != SQLITE_OK)
        throw StoreError(sqliteMessage(nullptr, rc, displayName, StoreStep::Create), rc & 0xff);
}

void removePartial(const QString& partial) {
    QFile::remove(partial);
    QFile::remove(partial + QStringLiteral("-journal"));
}

} // namespace

void createWorkAreaCopy(const QString& templateName, const QString& newName) {
    if (workAreaExists(newName))
        throw StoreError(QStringLiteral("El archivo «%1» ya existe.").arg(newName));
    const QString finalPath = QDir(workAreaFolder()).filePath(newName);
    // Not a "*.MDB" name, so no list of work areas ever shows a copy in the
    // making.
    const QString partial = finalPath + QStringLiteral(".nueva");
    removePartial(partial);
    try {
        {
            const auto source = Database::OpenDatabase(templateName);
            backupInto(*source, partial, newName);
        }
        const auto copy = Database::openFile(partial, newName);
        copy->Execute(QStringLiteral("Delete * from movimientos"));
        // A new work area starts with no history of its own.
        store::changelog::clear(*copy);
        // A template another program switched to a write-ahead log gives a
        // copy in the program's own journal mode; the new file keeps neither
        // the size nor the deleted details of the template's movements.
        copy->exec(QStringLiteral("PRAGMA journal_mode = DELETE"));
        copy->exec(QStringLiteral("VACUUM"));
        copy->Close();
        if (!QFile::rename(partial, finalPath))
            throw StoreError(QStringLiteral("No se pudo crear el archivo «%1».").arg(newName));
        // The new name reaches the disk before the work area is said made.
        store::syncFolderOf(finalPath);
    } catch (const StoreError& failure) {
        removePartial(partial);
        // Room running out while the copy is trimmed is still the new work
        // area not being made, not a change lost in it.
        if (failure.code() == SQLITE_FULL)
            throw StoreError(sqliteMessage(nullptr, SQLITE_FULL, newName, StoreStep::Create),
                             SQLITE_FULL);
        throw;
    } catch (...) {
        removePartial(partial);
        throw;
    }
}

} // namespace tesorin::workareas
