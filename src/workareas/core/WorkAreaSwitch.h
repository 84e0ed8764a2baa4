#pragma once

#include <QString>

#include <memory>

namespace tesorin::store {
class Database;
class DataControl;
} // namespace tesorin::store

namespace tesorin::workareas {

// The three ways the main window switches to another work area.
enum class WorkAreaSwitch { New, Open, Choose };

// Closes the program's database and the data control's own connection, so
// that neither holds the file while another one is made or opened.
void closeWorkAreaConnections(std::unique_ptr<store::Database>& baseAbierta,
                              store::DataControl& data);

// Opens the work area name (a bare name, any letter case) into both
// connections and refreshes the data control; its row source is kept, so a
// view filter chosen before applies to the new file. Closes both first.
// Throws StoreError, leaving both closed and the control without a file.
void openWorkAreaConnections(const QString& name, std::unique_ptr<store::Database>& baseAbierta,
                             store::DataControl& data);

// The main window's caption after a switch to name.
QString workAreaWindowCaption(WorkAreaSwitch how, const QString& name);
// The work-area panel's caption after the chooser switched to name.
QString workAreaPanelCaption(const QString& name);

// The message shown, before the program ends, when a switch failed.
QString switchFailureTitle(WorkAreaSwitch how);
QString switchFailureText(WorkAreaSwitch how, const QString& name);

// What the main window shows while no work area is open.
QString closedWorkAreaWindowCaption();
QString closedWorkAreaMessage();

} // namespace tesorin::workareas
