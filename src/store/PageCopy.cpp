#include "store/PageCopy.h"
#include "store/OwnerOnlyFiles.h"

#include <QFile>

#include <sqlite3.h>

#include <fcntl.h>
#include <unistd.h>

namespace tesorin::store {

namespace {

// The source may be locked for a moment by another program writing it; the
// copy waits this many times this long before it gives up.
constexpr int kBusyRetries = 30;
constexpr int kBusyWaitMs = 100;

} // namespace

int copyPages(sqlite3* source, const QString& path, CopySync sync) {
    if (!createOwnerOnlyFile(path))
        return SQLITE_CANTOPEN;
    sqlite3* target = nullptr;
    int rc = sqlite3_open_v2(path.toUtf8().constData(), &target,
                             SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (rc == SQLITE_OK && sync == CopySync::ByCaller)
        rc = sqlite3_exec(target, "PRAGMA synchronous = OFF", nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK) {
        sqlite3_backup* backup = sqlite3_backup_init(target, "main", source, "main");
        if (backup) {
            int attempts = 0;
            do {
                rc = sqlite3_backup_step(backup, -1);
                if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED)
                    sqlite3_sleep(kBusyWaitMs);
            } while ((rc == SQLITE_BUSY || rc == SQLITE_LOCKED) && ++attempts < kBusyRetries);
            sqlite3_backup_finish(backup);
        }
        rc = sqlite3_errcode(target);
    }
    sqlite3_close(target);
    return rc;
}

bool syncToDisk(const QString& path) {
    const int file = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (file < 0)
        return false;
    const bool synced = ::fsync(file) == 0;
    return ::close(file) == 0 && synced;
}

} // namespace tesorin::store
