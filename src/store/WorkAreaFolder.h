#pragma once

#include <QString>
#include <QStringList>

// The folder that holds the work-area files ("cajas") and the bare names that
// resolve in it. Names resolve without regard to letter case: "base.mdb" and
// "BASE.MDB" are one file.
namespace tesorin::store {

// The folder in use. Set once at start-up (tests point it at a temporary one).
QString workAreaFolder();
void setWorkAreaFolder(const QString& path);

// The program's own folder when it is writable and the program is not
// installed (portable use, the developer's build), otherwise the per-user data
// folder. Creates nothing.
QString defaultWorkAreaFolder();
// The same choice for a given program folder and data folder. An installed
// program's folder is never used, nor written to, even when it is writable.
QString chooseWorkAreaFolder(const QString& programFolder, const QString& dataFolder);
// True when the program's desktop entry lies where an install puts it beside
// this folder (<prefix>/bin and <prefix>/share/applications), whatever the
// prefix.
bool isInstalledProgramFolder(const QString& programFolder);

// Whether a file can be made in the folder.
bool isWritableFolder(const QString& path);

// Work areas opened read-only: the folder in use is the program's own, which
// cannot be written, and the user chose to keep working there. Every
// connection to a work area then reads only.
bool workAreasReadOnly();
void setWorkAreasReadOnly(bool readOnly);

// What start-up finds in the program's folder.
struct ProgramFolder {
    QString path;
    bool installed = false;
    // Only probed when the program is not installed.
    bool writable = false;
    QStringList workAreas;
};
ProgramFolder inspectProgramFolder(const QString& path);

// The work areas of a program folder that would be the work-area folder (the
// program is not installed) but cannot be written: a read-only mount, a copy
// unpacked by another user. Empty when there are none.
QStringList strandedWorkAreas(const ProgramFolder& program);

// A work-area folder and whether its work areas open read-only.
struct FolderChoice {
    QString folder;
    bool readOnly = false;
};
// The folder chosen when nobody can be asked (the command line, --help): a
// program folder with stranded work areas, read-only, as they are; otherwise
// the program folder when it serves, else the data folder.
FolderChoice folderWithoutAsking(const ProgramFolder& program, const QString& dataFolder);
FolderChoice defaultFolderWithoutAsking();
// The per-user data folder.
QString userDataFolder();

// "Las cajas se guardan en <folder> (la carpeta del programa)." or "(la carpeta
// de datos del usuario).", with "solo lectura" when they open read-only: what
// the About box and --help say.
QString workAreaFolderDescription(const QString& folder, bool readOnly = false);

// Full path of a bare name: the existing file whose name matches it in any
// letter case, or the name as given in the folder when there is none.
QString resolveWorkArea(const QString& bareName);
bool workAreaExists(const QString& bareName);

// Every file of the folder matching "*.MDB" in any letter case, in the order
// of the directory listing, each name in upper case.
QStringList listWorkAreas();
// The same for any folder.
QStringList workAreasIn(const QString& folder);

} // namespace tesorin::store
