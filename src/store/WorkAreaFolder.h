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

// "Las cajas se guardan en <folder> (la carpeta del programa)." or "(la carpeta
// de datos del usuario).": what the About box and --help say.
QString workAreaFolderDescription(const QString& folder);

// Full path of a bare name: the existing file whose name matches it in any
// letter case, or the name as given in the folder when there is none.
QString resolveWorkArea(const QString& bareName);
bool workAreaExists(const QString& bareName);

// Every file of the folder matching "*.MDB" in any letter case, in the order
// of the directory listing, each name in upper case.
QStringList listWorkAreas();

} // namespace tesorin::store
