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
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    const bool existed = ::stat(name.constData(), &info) == 0;
    if (existed ? !S_ISDIR(info.st_mode) : !QDir().mkpath(path))
        return false;
    // A folder that was there keeps what its owner may do with it (one made
    // read-only stays so); only the others lose their access.
    const mode_t mode = existed ? (info.st_mode & 0700) : 0700;
    return ::chmod(name.constData(), mode) == 0;
}

} // namespace tesorin::store
