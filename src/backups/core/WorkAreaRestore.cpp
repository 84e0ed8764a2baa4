#include "backups/core/WorkAreaRestore.h"

#include "backups/core/CopyCheck.h"
#include "backups/core/CopyChecksum.h"
#include "store/Database.h"
#include "store/Durability.h"
#include "store/StoreError.h"
#include "store/WorkAreaFolder.h"

#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

#include <cstdio>

namespace tesorin::backups {

using store::StoreError;

namespace {

[[noreturn]] void refuse(const QString& copyName, const QString& reason, int code) {
    throw StoreError(
        QStringLiteral("No se puede restaurar la copia «%1»: %2.").arg(copyName, reason), code);
}

// Copies and checks the copy beside the work area, under a name no list shows.
QString stage(const QString& workAreaPath, const QString& copyPath) {
    const QString copyName = QFileInfo(copyPath).fileName();
    const QString staged = workAreaPath + QStringLiteral(".restaurando");
    // A copy without a checksum is older than checksums: its structure is
    // still checked below.
    if (verifyChecksum(copyPath) == ChecksumCheck::Differs)
        refuse(copyName,
               QStringLiteral("el archivo está dañado (su contenido no coincide con la suma de "
                              "verificación registrada al hacerla)"),
               SQLITE_CORRUPT);
    removeDatabaseFile(staged);
    RowCounts counts;
    int rc = SQLITE_OK;
    try {
        // Opening it as a work area tells a copy from any other file.
        rc = copyCounted(*store::Database::openFile(copyPath, copyName), staged, counts);
    } catch (const StoreError& failure) {
        removeDatabaseFile(staged);
        throw StoreError(QStringLiteral("No se puede restaurar la copia «%1». %2")
                             .arg(copyName, failure.message()),
                         failure.code());
    }
    QString problem;
    switch (rc & 0xff) {
    case SQLITE_OK:
        problem = checkCopy(staged, counts);
        break;
    case SQLITE_FULL:
        problem = QStringLiteral("no queda espacio en el disco");
        break;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        problem = QStringLiteral("el archivo está dañado");
        break;
    default:
        problem = QStringLiteral("no se puede escribir en la carpeta de las cajas");
    }
    if (!problem.isEmpty()) {
        removeDatabaseFile(staged);
        refuse(copyName, problem, rc & 0xff);
    }
    return staged;
}

} // namespace

std::optional<RestoreStep> restoreBackup(const QString& workAreaName, const QString& copyPath,
                                         const RestoreHooks& hooks) {
    const QString target = store::resolveWorkArea(workAreaName);
    const QString staged = stage(target, copyPath);
    RestoreStep step{workAreaName, copyPath, QString()};
    try {
        const std::optional<QString> before = hooks.copyCurrentState();
        if (!before) {
            removeDatabaseFile(staged);
            return std::nullopt;
        }
        step.stateBefore = *before;
        if (hooks.prepareStaged)
            hooks.prepareStaged(staged, step.stateBefore);
    } catch (...) {
        removeDatabaseFile(staged);
        throw;
    }
    hooks.closeConnections();
    // The work area keeps the mode its file had.
    QFile::setPermissions(staged, QFileInfo(target).permissions());
    // One rename: the work area is either all the old file or all the copy.
    if (std::rename(QFile::encodeName(staged).constData(), QFile::encodeName(target).constData()) !=
        0) {
        removeDatabaseFile(staged);
        hooks.openConnections();
        throw StoreError(
            QStringLiteral("No se pudo reemplazar la caja «%1» por la copia; la caja queda como "
                           "estaba.")
                .arg(workAreaName));
    }
    store::syncFolderOf(target);
    hooks.openConnections();
    return step;
}

} // namespace tesorin::backups
