#include "PowerCutDisk.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

#include <cstring>

namespace tesorin::test {

namespace {

// What is on the disk: each file's content as of its last sync.
QHash<QString, QByteArray> g_durable;
QString g_folder;
sqlite3_vfs* g_real = nullptr;
sqlite3_vfs g_vfs;

struct CutFile {
    sqlite3_file base;
    sqlite3_file* real;
    QString* path;
};

sqlite3_file* realOf(sqlite3_file* file) {
    return reinterpret_cast<CutFile*>(file)->real;
}

QByteArray readWhole(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int cutClose(sqlite3_file* file) {
    auto* cut = reinterpret_cast<CutFile*>(file);
    const int rc = cut->real->pMethods ? cut->real->pMethods->xClose(cut->real) : SQLITE_OK;
    delete cut->path;
    sqlite3_free(cut->real);
    return rc;
}
int cutRead(sqlite3_file* f, void* buffer, int amount, sqlite3_int64 offset) {
    return realOf(f)->pMethods->xRead(realOf(f), buffer, amount, offset);
}
int cutWrite(sqlite3_file* f, const void* buffer, int amount, sqlite3_int64 offset) {
    return realOf(f)->pMethods->xWrite(realOf(f), buffer, amount, offset);
}
int cutTruncate(sqlite3_file* f, sqlite3_int64 size) {
    return realOf(f)->pMethods->xTruncate(realOf(f), size);
}
int cutSync(sqlite3_file* f, int flags) {
    const int rc = realOf(f)->pMethods->xSync(realOf(f), flags);
    if (rc == SQLITE_OK) {
        const QString& path = *reinterpret_cast<CutFile*>(f)->path;
        g_durable.insert(path, readWhole(path));
    }
    return rc;
}
int cutFileSize(sqlite3_file* f, sqlite3_int64* size) {
    return realOf(f)->pMethods->xFileSize(realOf(f), size);
}
int cutLock(sqlite3_file* f, int level) {
    return realOf(f)->pMethods->xLock(realOf(f), level);
}
int cutUnlock(sqlite3_file* f, int level) {
    return realOf(f)->pMethods->xUnlock(realOf(f), level);
}
int cutCheckReservedLock(sqlite3_file* f, int* out) {
    return realOf(f)->pMethods->xCheckReservedLock(realOf(f), out);
}
int cutFileControl(sqlite3_file* f, int op, void* arg) {
    return realOf(f)->pMethods->xFileControl(realOf(f), op, arg);
}
int cutSectorSize(sqlite3_file* f) {
    return realOf(f)->pMethods->xSectorSize(realOf(f));
}
int cutDeviceCharacteristics(sqlite3_file* f) {
    return realOf(f)->pMethods->xDeviceCharacteristics(realOf(f));
}

// Version 1 of the methods: no shared memory, so no write-ahead log, which
// the program does not use.
const sqlite3_io_methods kCutMethods = {1,
                                        cutClose,
                                        cutRead,
                                        cutWrite,
                                        cutTruncate,
                                        cutSync,
                                        cutFileSize,
                                        cutLock,
                                        cutUnlock,
                                        cutCheckReservedLock,
                                        cutFileControl,
                                        cutSectorSize,
                                        cutDeviceCharacteristics,
                                        nullptr,
                                        nullptr,
                                        nullptr,
                                        nullptr,
                                        nullptr,
                                        nullptr};

int cutOpen(sqlite3_vfs*, sqlite3_filename name, sqlite3_file* file, int flags, int* outFlags) {
    auto* cut = reinterpret_cast<CutFile*>(file);
    cut->base.pMethods = nullptr;
    cut->real = static_cast<sqlite3_file*>(sqlite3_malloc(g_real->szOsFile));
    if (!cut->real)
        return SQLITE_NOMEM;
    std::memset(cut->real, 0, size_t(g_real->szOsFile));
    const int rc = g_real->xOpen(g_real, name, cut->real, flags, outFlags);
    if (rc != SQLITE_OK) {
        sqlite3_free(cut->real);
        return rc;
    }
    cut->path = new QString(QFileInfo(QString::fromUtf8(name ? name : "")).absoluteFilePath());
    cut->base.pMethods = &kCutMethods;
    return SQLITE_OK;
}

int cutDelete(sqlite3_vfs*, const char* name, int syncFolder) {
    const int rc = g_real->xDelete(g_real, name, syncFolder);
    // Without the folder's sync, the deletion may not have reached the disk.
    if (rc == SQLITE_OK && syncFolder)
        g_durable.remove(QFileInfo(QString::fromUtf8(name)).absoluteFilePath());
    return rc;
}
int cutAccess(sqlite3_vfs*, const char* name, int flags, int* out) {
    return g_real->xAccess(g_real, name, flags, out);
}
int cutFullPathname(sqlite3_vfs*, const char* name, int size, char* out) {
    return g_real->xFullPathname(g_real, name, size, out);
}
int cutRandomness(sqlite3_vfs*, int size, char* out) {
    return g_real->xRandomness(g_real, size, out);
}
int cutSleep(sqlite3_vfs*, int microseconds) {
    return g_real->xSleep(g_real, microseconds);
}
int cutCurrentTime(sqlite3_vfs*, double* now) {
    return g_real->xCurrentTime(g_real, now);
}
int cutGetLastError(sqlite3_vfs*, int size, char* out) {
    return g_real->xGetLastError ? g_real->xGetLastError(g_real, size, out) : 0;
}

} // namespace

PowerCutDisk::PowerCutDisk(const QString& folder) {
    g_durable.clear();
    g_folder = QDir(folder).absolutePath();
    for (const QFileInfo& file : QDir(g_folder).entryInfoList(QDir::Files))
        g_durable.insert(file.absoluteFilePath(), readWhole(file.absoluteFilePath()));
    g_real = sqlite3_vfs_find(nullptr);
    std::memset(&g_vfs, 0, sizeof g_vfs);
    g_vfs.iVersion = 1;
    g_vfs.szOsFile = int(sizeof(CutFile));
    g_vfs.mxPathname = g_real->mxPathname;
    g_vfs.zName = "tesorin-power-cut";
    g_vfs.xOpen = cutOpen;
    g_vfs.xDelete = cutDelete;
    g_vfs.xAccess = cutAccess;
    g_vfs.xFullPathname = cutFullPathname;
    g_vfs.xRandomness = cutRandomness;
    g_vfs.xSleep = cutSleep;
    g_vfs.xCurrentTime = cutCurrentTime;
    g_vfs.xGetLastError = cutGetLastError;
    sqlite3_vfs_register(&g_vfs, 1);
}

PowerCutDisk::~PowerCutDisk() {
    sqlite3_vfs_unregister(&g_vfs);
    sqlite3_vfs_register(g_real, 1);
    g_durable.clear();
}

bool PowerCutDisk::cutInto(const QString& folder) const {
    for (auto it = g_durable.cbegin(); it != g_durable.cend(); ++it) {
        const QFileInfo file(it.key());
        if (file.absolutePath() != g_folder)
            continue;
        QFile out(QDir(folder).filePath(file.fileName()));
        if (!out.open(QIODevice::WriteOnly) || out.write(it.value()) != it.value().size())
            return false;
    }
    return true;
}

} // namespace tesorin::test
