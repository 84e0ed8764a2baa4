#pragma once

#include <QString>

#include <memory>

class QLockFile;

namespace tesorin::workareas {

// The mark that one running copy of the program has a work area open: a lock
// file "<NAME>.MDB.lock" beside the work-area file (never listed as a work
// area), holding the process id and the host. A lock left by a copy that no
// longer runs (a crash, a kill) is stale and taken over.
class WorkAreaLock {
public:
    WorkAreaLock(const WorkAreaLock&) = delete;
    WorkAreaLock& operator=(const WorkAreaLock&) = delete;
    // Releases the lock.
    ~WorkAreaLock();

    // Takes the lock of the work-area file at path (which need not exist
    // yet). Null when another running copy of the program holds it. A folder
    // where no lock file can be written (a read-only one) gives a lock that
    // holds nothing: no copy can write a work area there either.
    static std::unique_ptr<WorkAreaLock> take(const QString& workAreaPath);

    // The lock file of the work-area file at path: the same for every letter
    // case of the name.
    static QString lockPath(const QString& workAreaPath);

    // Whether this lock covers the work-area file at path.
    bool covers(const QString& workAreaPath) const;

private:
    explicit WorkAreaLock(QString lockPath);

    QString m_lockPath;
    std::unique_ptr<QLockFile> m_file;
};

// What a copy of the program hears when another one has the work area
// bareName open.
QString lockedWorkAreaMessage(const QString& bareName);

// Takes the lock of the work area bareName of the work-area folder; throws
// StoreError with lockedWorkAreaMessage when another copy holds it.
std::unique_ptr<WorkAreaLock> lockWorkArea(const QString& bareName);

} // namespace tesorin::workareas
