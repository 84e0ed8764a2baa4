#pragma once

#include "backups/core/BackupFiles.h"
#include "base/Money.h"

#include <QList>
#include <QString>

namespace tesorin::backups {

// What the restore dialog shows of one copy.
struct BackupSummary {
    BackupFile file;
    // False when the copy does not open as a work area or is damaged;
    // problem says why.
    bool readable = false;
    // Its content differs from the checksum recorded when it was made.
    bool damaged = false;
    // A copy made before copies had checksums: only its structure vouches
    // for it.
    bool withoutChecksum = false;
    QString problem;
    qint64 movements = 0;
    Money ingresos;
    Money egresos;
    Money saldo;
};

BackupSummary summarizeBackup(const BackupFile& file);
// Every copy of workAreaName, newest first.
QList<BackupSummary> summarizeBackups(const QString& workAreaName);

} // namespace tesorin::backups
