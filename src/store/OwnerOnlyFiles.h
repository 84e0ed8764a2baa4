#pragma once

#include <QString>

// A work area holds a person's finances: its files (the work areas, their
// journals, copies, kept originals and locks) are readable and writable by
// their owner only, and the folders that hold them open to the owner only.
namespace tesorin::store {

// Creates path as an empty file of mode 0600 when it is missing, or gives an
// existing one that mode; SQLite then fills it, and gives its journal the same
// mode. False when the file cannot be made.
[[nodiscard]] bool createOwnerOnlyFile(const QString& path);
// Gives an existing file mode 0600.
bool restrictToOwner(const QString& path);
// Makes the folder (and its parents) when missing, with mode 0700; an
// existing folder loses the access of group and others. False when it
// cannot be made.
[[nodiscard]] bool makeOwnerOnlyFolder(const QString& path);

} // namespace tesorin::store
