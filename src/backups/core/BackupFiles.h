#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

// Where the backup copies of the work areas are kept and how they are named:
// the subfolder "copias" of the work-area folder, one file
// "<CAJA>-<AAAA-MM-DD-HHMMSS>.MDB" a copy ("BASE-2026-12-10-214500.MDB"). A
// second copy in the same second takes "-2", "-3"... before ".MDB". The
// folder is not the work-area folder, so no list of work areas shows a copy.
namespace tesorin::backups {

struct BackupFile {
    QString path;
    QString fileName;
    // The work area's bare name in upper case ("BASE.MDB").
    QString workArea;
    QDateTime taken;
    int sequence = 1;
};

QString backupFolder();

// The file name of a copy of workAreaName (a bare name, ".MDB" or not).
QString backupFileName(const QString& workAreaName, const QDateTime& taken, int sequence = 1);
// Reads a copy's file name; empty when it is not one.
std::optional<BackupFile> parseBackupFileName(const QString& fileName);

// The copies of workAreaName in the folder, newest first.
QList<BackupFile> listBackups(const QString& workAreaName);

} // namespace tesorin::backups
