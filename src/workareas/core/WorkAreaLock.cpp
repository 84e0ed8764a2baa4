#include "workareas/core/WorkAreaLock.h"

#include "store/OwnerOnlyFiles.h"
#include "store/StoreError.h"
#include "store/WorkAreaFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>

namespace tesorin::workareas {

WorkAreaLock::WorkAreaLock(QString lockPath) : m_lockPath(std::move(lockPath)) {}

WorkAreaLock::~WorkAreaLock() = default;

std::unique_ptr<WorkAreaLock> WorkAreaLock::take(const QString& workAreaPath) {
    std::unique_ptr<WorkAreaLock> lock(new WorkAreaLock(lockPath(workAreaPath)));
    auto file = std::make_unique<QLockFile>(lock->m_lockPath);
    // A work area stays open for hours: only a lock whose process is gone is
    // stale, never one that is merely old.
    file->setStaleLockTime(0);
    if (file->tryLock(0)) {
        store::restrictToOwner(lock->m_lockPath);
        lock->m_file = std::move(file);
        return lock;
    }
    if (file->error() == QLockFile::LockFailedError)
        return nullptr;
    return lock;
}

QString WorkAreaLock::lockPath(const QString& workAreaPath) {
    const QFileInfo file(workAreaPath);
    return QDir(file.absolutePath()).filePath(file.fileName().toUpper() + QStringLiteral(".lock"));
}

bool WorkAreaLock::covers(const QString& workAreaPath) const {
    return lockPath(workAreaPath) == m_lockPath;
}

QString lockedWorkAreaMessage(const QString& bareName) {
    return QStringLiteral("La caja %1 ya está abierta en otra ventana de Tesorin.").arg(bareName);
}

std::unique_ptr<WorkAreaLock> lockWorkArea(const QString& bareName) {
    auto lock = WorkAreaLock::take(store::resolveWorkArea(bareName));
    if (!lock)
        throw store::StoreError(lockedWorkAreaMessage(bareName));
    return lock;
}

} // namespace tesorin::workareas
