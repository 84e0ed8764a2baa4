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

// The program's own folder when it is writable, otherwise the per-user data
// folder (created when missing).
QString defaultWorkAreaFolder();

// Full path of a bare name: the existing file whose name matches it in any
// letter case, or the name as given in the folder when there is none.
QString resolveWorkArea(const QString& bareName);
bool workAreaExists(const QString& bareName);

// Every file of the folder matching "*.MDB" in any letter case, in the order
// of the directory listing, each name in upper case.
QStringList listWorkAreas();

} // namespace tesorin::store
