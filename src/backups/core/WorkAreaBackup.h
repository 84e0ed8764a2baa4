#pragma once

#include <QDate>
#include <QString>

#include <functional>
#include <optional>

// The backup copies of a work area: taken before every bulk change and once a
// day at opening, checked after writing, rotated after each new copy.
namespace tesorin::backups {

// Takes a consistent copy of the work area workAreaName (a bare name) into
// the copies folder, written under a temporary name and renamed once checked
// (SQLite's integrity check, and the rows of every table equal the work
// area's), then removes the copies the rotation no longer keeps. Returns the
// copy's path. A copy that fails the check is removed, never kept. Throws
// StoreError: "No se pudo hacer la copia de seguridad de la caja «X»: ...".
QString backupWorkArea(const QString& workAreaName);

// Whether a copy of workAreaName was taken on day.
bool hasBackupOn(const QString& workAreaName, const QDate& day);

// The copy taken when a work area is opened: at most one a day. Returns the
// new copy's path, or nothing when one of today exists. Throws StoreError.
std::optional<QString> dailyBackup(const QString& workAreaName);

// Removes the copies of workAreaName the rotation does not keep on the
// clock's day.
void rotateBackups(const QString& workAreaName);

// Tests only: runs on each copy once written, before it is checked.
void setCopyWrittenHookForTests(std::function<void(const QString& path)> hook);

} // namespace tesorin::backups
