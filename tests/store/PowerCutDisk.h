#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

// A disk that loses at a power cut whatever was not synced. While it is
// armed, every SQLite connection of the process goes through it (it is the
// default file system of SQLite then): it remembers each file as it stood at
// its last sync, and a deletion only counts as done on the disk when its
// folder was synced with it. cutInto() writes the files of a folder as the
// disk would hold them after a cut at that moment.
namespace tesorin::test {

class PowerCutDisk {
public:
    // Files already in folder count as being on the disk.
    explicit PowerCutDisk(const QString& folder);
    ~PowerCutDisk();
    PowerCutDisk(const PowerCutDisk&) = delete;
    PowerCutDisk& operator=(const PowerCutDisk&) = delete;

    // Writes into an empty folder the files that would survive a cut now.
    [[nodiscard]] bool cutInto(const QString& folder) const;
};

} // namespace tesorin::test
