#include "store/WorkAreaFolder.h"

#include "base/ProgramInfo.h"

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
    return chooseWorkAreaFolder(QCoreApplication::applicationDirPath(),
                                QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

QString chooseWorkAreaFolder(const QString& programFolder, const QString& dataFolder) {
    // The installed check comes first: the writing test would leave a file
    // there for a moment.
    if (!programFolder.isEmpty() && !isInstalledProgramFolder(programFolder) &&
        isWritableFolder(programFolder))
        return programFolder;
    return dataFolder;
}

bool isInstalledProgramFolder(const QString& programFolder) {
    return QFileInfo::exists(
        QDir(programFolder).filePath(QString::fromUtf8(program::kDesktopEntryFromProgram)));
}

QString workAreaFolderDescription(const QString& folder) {
    const bool programFolder = QDir(folder) == QDir(QCoreApplication::applicationDirPath());
    return QStringLiteral("Las cajas se guardan en %1 (%2).")
        .arg(QDir::toNativeSeparators(folder),
             programFolder ? QStringLiteral("la carpeta del programa")
                           : QStringLiteral("la carpeta de datos del usuario"));
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
