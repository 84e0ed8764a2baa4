#pragma once

class QWidget;

namespace tesorin::store {
class Database;
class DataControl;
} // namespace tesorin::store

namespace tesorin::schedule {

// What the main window runs each time a work area has been opened (at
// start-up and after new, open or choose): schedules without a last covered
// day get yesterday; if anything falls due up to today, the posting dialog
// lists it and asks; on "Sí" every due movement is recorded and each
// schedule covers up to today, in one transaction, and the main data
// control is refreshed so the grid and the totals follow. On "No" nothing
// changes and the question comes again at the next opening. Failures of the
// store are shown; nothing is recorded then.
void asentarProgramados(QWidget* parent, store::Database& baseAbierta, store::DataControl& data);

} // namespace tesorin::schedule
