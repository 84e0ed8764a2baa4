#include "store/OwnerOnlyFiles.h"

#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tesorin::store {

bool createOwnerOnlyFile(const QString& path) {
    const int file =
        ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
    if (file < 0)
        return false;
    const bool restricted = ::fchmod(file, 0600) == 0;
    return ::close(file) == 0 && restricted;
}

bool restrictToOwner(const QString& path) {
    return ::chmod(QFile::encodeName(path).constData(), 0600) == 0;
}

bool makeOwnerOnlyFolder(const QString& path) {
    if (!QDir().mkpath(path))
        return false;
    return ::chmod(QFile::encodeName(path).constData(), 0700) == 0;
}

} // namespace tesorin::store
