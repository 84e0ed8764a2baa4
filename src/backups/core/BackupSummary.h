#pragma once

#include "backups/core/BackupFiles.h"
#include "base/Money.h"

#include <QList>
#include <QString>

namespace tesorin::backups {

// What the restore dialog shows of one copy.
struct BackupSummary {
    BackupFile file;
    // False when the copy does not open as a work area; problem says why.
    bool readable = false;
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
