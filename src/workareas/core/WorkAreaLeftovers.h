#pragma once

#include <QString>
#include <QStringList>

namespace tesorin::workareas {

// Removes from folder what a copy of the program leaves behind when it ends
// in the middle of making a work area: "<NAME>.MDB.nueva" (a new work area),
// "<NAME>.MDB.convirtiendo" (a conversion of an old one),
// "<NAME>.MDB.restaurando" (a copy about to be restored) and their journals,
// and a backup copy of "<NAME>.MDB" still being written in "copias"
// ("<NAME>-<moment>.MDB.parcial", left by a copy or a restore ended midway).
// Only files whose work area "<NAME>.MDB" has a free lock go: a running copy
// making that name holds its lock. Returns the names of the files removed.
QStringList removeAbandonedLeftovers(const QString& folder);

} // namespace tesorin::workareas
