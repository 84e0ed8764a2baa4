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

bool& readOnlyInUse() {
    static bool readOnly = false;
    return readOnly;
}
} // namespace

bool isWritableFolder(const QString& path) {
    // A test file tells the truth where permission bits do not (read-only
    // mounts, folders owned by root).
    QTemporaryFile probe(QDir(path).filePath(QStringLiteral(".tesorin-probe-XXXXXX")));
    return probe.open();
}

bool workAreasReadOnly() {
    return readOnlyInUse();
}

void setWorkAreasReadOnly(bool readOnly) {
    readOnlyInUse() = readOnly;
}

ProgramFolder inspectProgramFolder(const QString& path) {
    ProgramFolder program;
    program.path = QDir(path).absolutePath();
    program.installed = isInstalledProgramFolder(path);
    // The installed check comes first: the writing test would leave a file
    // there for a moment.
    program.writable = !program.installed && isWritableFolder(path);
    program.workAreas = workAreasIn(path);
    return program;
}

QStringList strandedWorkAreas(const ProgramFolder& program) {
    if (program.installed || program.writable)
        return {};
    return program.workAreas;
}

FolderChoice folderWithoutAsking(const ProgramFolder& program, const QString& dataFolder) {
    if (!strandedWorkAreas(program).isEmpty())
        return {program.path, true};
    return {program.writable ? program.path : dataFolder, false};
}

FolderChoice defaultFolderWithoutAsking() {
    return folderWithoutAsking(inspectProgramFolder(QCoreApplication::applicationDirPath()),
                               userDataFolder());
}

QString userDataFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString workAreaFolder() {
    if (folderInUse().isEmpty())
        folderInUse() = defaultWorkAreaFolder();
    return folderInUse();
}

void setWorkAreaFolder(const QString& path) {
    folderInUse() = QDir(path).absolutePath();
}

QString defaultWorkAreaFolder() {
    return chooseWorkAreaFolder(QCoreApplication::applicationDirPath(), userDataFolder());
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

QString workAreaFolderDescription(const QString& folder, bool readOnly) {
    const bool programFolder = QDir(folder) == QDir(QCoreApplication::applicationDirPath());
    QString which = programFolder ? QStringLiteral("la carpeta del programa")
                                  : QStringLiteral("la carpeta de datos del usuario");
    if (readOnly)
        which += QStringLiteral(", en solo lectura: no se guarda ningún cambio");
    return QStringLiteral("Las cajas se guardan en %1 (%2).")
        .arg(QDir::toNativeSeparators(folder), which);
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
    return workAreasIn(workAreaFolder());
}

QStringList workAreasIn(const QString& path) {
    QDir folder(path);
    const QStringList entries = folder.entryList(QDir::Files, QDir::NoSort);
    QStringList names;
    for (const QString& entry : entries) {
        if (entry.endsWith(QLatin1String(".mdb"), Qt::CaseInsensitive))
            names << entry.toUpper();
    }
    return names;
}

} // namespace tesorin::store
