#pragma once

#include <QString>

#include <optional>

class QWidget;

// The one place that takes a backup copy for the forms, and says so when it
// cannot be taken.
namespace tesorin::backups {

// Takes the copy of workAreaName before a bulk change. When it cannot be
// taken, says why and asks whether to go on without one. Returns the copy's
// path, an empty text when the user goes on without a copy, or nothing when
// the change must not start.
std::optional<QString> copyBeforeChange(QWidget* parent, const QString& workAreaName);
// The same, true when the change may start.
bool backupBeforeChange(QWidget* parent, const QString& workAreaName);

// The once-a-day copy of a work area just opened; a failure is shown (the
// opening changed nothing, so there is nothing to stop). None while the work
// areas are open read-only.
void backupOnOpening(QWidget* parent, const QString& workAreaName);

} // namespace tesorin::backups
