#include "store/WorkAreaFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace tesorin::store {

namespace {
QString& folderInUse() {
    static QString folder;
    return folder;
}

bool isWritableFolder(const QString& path) {
    // A test file tells the truth where permission bits do not (read-only
    // mounts, folders owned by root).
    QTemporaryFile probe(QDir(path).filePath(QStringLiteral(".tesorin-probe-XXXXXX")));
    return probe.open();
}
} // namespace

QString workAreaFolder() {
    if (folderInUse().isEmpty())
        folderInUse() = defaultWorkAreaFolder();
    return folderInUse();
}

void setWorkAreaFolder(const QString& path) {
    folderInUse() = QDir(path).absolutePath();
}

QString defaultWorkAreaFolder() {
    const QString programFolder = QCoreApplication::applicationDirPath();
    if (!programFolder.isEmpty() && isWritableFolder(programFolder))
        return programFolder;
    const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(dataFolder);
    return dataFolder;
}

QString resolveWorkArea(const QString& bareName) {
    const QDir folder(workAreaFolder());
    if (QFileInfo::exists(folder.filePath(bareName)))
        return folder.filePath(bareName);
    const QStringList entries = folder.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& entry : entries) {
        if (entry.compare(bareName, Qt::CaseInsensitive) == 0)
            return folder.filePath(entry);
    }
    return folder.filePath(bareName);
}

bool workAreaExists(const QString& bareName) {
    return QFileInfo::exists(resolveWorkArea(bareName));
}

QStringList listWorkAreas() {
    QDir folder(workAreaFolder());
    const QStringList entries = folder.entryList(QDir::Files, QDir::NoSort);
    QStringList names;
    for (const QString& entry : entries) {
        if (entry.endsWith(QLatin1String(".mdb"), Qt::CaseInsensitive))
            names << entry.toUpper();
    }
    return names;
}

} // namespace tesorin::store
