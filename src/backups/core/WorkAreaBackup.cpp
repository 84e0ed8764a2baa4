#include "backups/core/WorkAreaBackup.h"

#include "backups/core/BackupFiles.h"
#include "backups/core/BackupRotation.h"
#include "backups/core/CopyCheck.h"
#include "backups/core/CopyChecksum.h"
#include "base/Clock.h"
#include "store/Database.h"
#include "store/Durability.h"
#include "store/OwnerOnlyFiles.h"
#include "store/PageCopy.h"
#include "store/StoreError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

#include <algorithm>
#include <future>

namespace tesorin::backups {

using store::StoreError;

namespace {

std::function<void(const QString&)>& copyWrittenHook() {
    static std::function<void(const QString&)> hook;
    return hook;
}

[[noreturn]] void fail(const QString& workAreaName, const QString& reason, int code = 0) {
    throw StoreError(QStringLiteral("No se pudo hacer la copia de seguridad de la caja «%1»: %2.")
                         .arg(workAreaName, reason),
                     code);
}

QString writeFailure(int code, const QString& folder) {
    switch (code & 0xff) {
    case SQLITE_FULL:
        return QStringLiteral("no queda espacio en el disco");
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral("otro programa está usando la caja; intente nuevamente en unos "
                              "momentos");
    case SQLITE_IOERR:
        return QStringLiteral("error de escritura en la carpeta «%1»")
            .arg(QDir::toNativeSeparators(folder));
    default:
        return QStringLiteral("no se puede escribir en la carpeta «%1»")
            .arg(QDir::toNativeSeparators(folder));
    }
}

const QString kPartialSuffix = QStringLiteral(".parcial");

// A copy of this work area left half written when the program was ended
// while taking it.
void removeLeftovers(const QString& workAreaName) {
    const QDir folder(backupFolder());
    const QString wanted = workAreaName.toUpper();
    for (const QString& entry :
         folder.entryList({QStringLiteral("*") + kPartialSuffix}, QDir::Files)) {
        const auto copy = parseBackupFileName(entry.chopped(kPartialSuffix.size()));
        if (copy && (copy->workArea == wanted || copy->workArea == wanted + QStringLiteral(".MDB")))
            removeDatabaseFile(folder.filePath(entry));
    }
}

// A name no copy of this work area has yet: the moment's, or the same with
// the next free number after it.
QString freeCopyPath(const QString& workAreaName, const QDateTime& taken) {
    const QDir folder(backupFolder());
    for (int sequence = 1;; ++sequence) {
        const QString path = folder.filePath(backupFileName(workAreaName, taken, sequence));
        if (!QFileInfo::exists(path))
            return path;
    }
}

} // namespace

QString backupWorkArea(const QString& workAreaName) {
    const QString folder = backupFolder();
    if (!store::makeOwnerOnlyFolder(folder))
        fail(workAreaName, writeFailure(SQLITE_CANTOPEN, folder), SQLITE_CANTOPEN);
    removeLeftovers(workAreaName);
    const QString finalPath = freeCopyPath(workAreaName, clock::now().toLocalTime());
    // Not a "*.MDB" name: no list of copies shows one in the making.
    const QString partial = finalPath + kPartialSuffix;
    RowCounts counts;
    int rc = SQLITE_OK;
    try {
        rc = copyCounted(*store::Database::OpenDatabase(workAreaName), partial, counts,
                         store::CopySync::ByCaller);
    } catch (const StoreError& failure) {
        removeDatabaseFile(partial);
        throw StoreError(
            QStringLiteral("No se pudo hacer la copia de seguridad de la caja «%1». %2")
                .arg(workAreaName, failure.message()),
            failure.code());
    }
    if (rc != SQLITE_OK) {
        removeDatabaseFile(partial);
        fail(workAreaName, writeFailure(rc, folder), rc & 0xff);
    }
    if (copyWrittenHook())
        copyWrittenHook()(partial);
    // The copy is summed and goes to the disk while it is checked: on two
    // cores the two take the time of the longer one.
    QByteArray digest;
    auto synced = std::async(std::launch::async, [&partial, &digest] {
        digest = fileSha256(partial);
        return !digest.isEmpty() && store::syncToDisk(partial);
    });
    const QString problem = checkCopy(partial, counts);
    const bool onDisk = synced.get();
    if (!onDisk) {
        removeDatabaseFile(partial);
        fail(workAreaName, writeFailure(SQLITE_IOERR, folder), SQLITE_IOERR);
    }
    if (!problem.isEmpty()) {
        removeDatabaseFile(partial);
        fail(
            workAreaName,
            QStringLiteral("la copia escrita no pasó la comprobación (%1) y se borró").arg(problem),
            SQLITE_CORRUPT);
    }
    // The checksum is on the disk before the copy takes its name: a copy
    // under its name always has one.
    if (!recordChecksum(finalPath, digest)) {
        removeDatabaseFile(partial);
        QFile::remove(checksumPath(finalPath));
        fail(workAreaName, writeFailure(SQLITE_IOERR, folder), SQLITE_IOERR);
    }
    if (!QFile::rename(partial, finalPath)) {
        removeDatabaseFile(partial);
        QFile::remove(checksumPath(finalPath));
        fail(workAreaName, writeFailure(SQLITE_CANTOPEN, folder), SQLITE_CANTOPEN);
    }
    store::syncFolderOf(finalPath);
    rotateBackups(workAreaName);
    return finalPath;
}

bool hasBackupOn(const QString& workAreaName, const QDate& day) {
    const QList<BackupFile> copies = listBackups(workAreaName);
    return std::any_of(copies.cbegin(), copies.cend(),
                       [&day](const BackupFile& copy) { return copy.taken.date() == day; });
}

std::optional<QString> dailyBackup(const QString& workAreaName) {
    if (hasBackupOn(workAreaName, clock::today()))
        return std::nullopt;
    return backupWorkArea(workAreaName);
}

void rotateBackups(const QString& workAreaName) {
    const QList<BackupFile> copies = listBackups(workAreaName);
    QList<QDateTime> taken;
    for (const BackupFile& copy : copies)
        taken << copy.taken;
    const QList<bool> kept = keptBackups(taken, clock::today());
    for (qsizetype i = 0; i < copies.size(); ++i) {
        if (!kept[i]) {
            removeDatabaseFile(copies[i].path);
            QFile::remove(checksumPath(copies[i].path));
        }
    }
}

void setCopyWrittenHookForTests(std::function<void(const QString& path)> hook) {
    copyWrittenHook() = std::move(hook);
}

} // namespace tesorin::backups
