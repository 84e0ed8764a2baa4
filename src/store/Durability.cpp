#include "store/Durability.h"

#include "store/SqliteError.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>

namespace tesorin::store {

void makeCommitsDurable(sqlite3* db, const QString& displayName) {
    const int rc = sqlite3_exec(db, "PRAGMA synchronous = EXTRA", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        throwSqlite(db, rc, displayName, StoreStep::Open);
}

bool syncFolderOf(const QString& path) {
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

} // namespace tesorin::store
