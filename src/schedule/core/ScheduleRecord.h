#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <cstdint>

namespace tesorin::store {
class Database;
}

namespace tesorin::schedule {

// A schedule as the editor holds it: the numbers, the time, the amount and
// the texts as its boxes show them, the weekday as a number (1 Domingo ..
// 7 Sábado, 0 none) and the weekend exclusion as a flag.
struct ScheduleEntry {
    QString account;
    QString frequency;
    bool weekendsExcluded = false;
    QString firstFortnightDay;
    QString secondFortnightDay;
    int weekday = 0;
    QString monthDay;
    QString timeOfDay;
    QString detail;
    QString amount;
    QString direction;
};

// The stored schedule with that idPrograma, each field turned into the
// text its box shows. Throws StoreError when there is none.
ScheduleEntry readSchedule(store::Database& db, std::int64_t id);

// Stores a new schedule (texts go through the store's regional readings, so
// a text that is no value of its field is refused with StoreError and
// nothing is stored). It covers up to the day before `today`: its first
// occurrence due is today's, if any. Returns its idPrograma.
std::int64_t addSchedule(store::Database& db, const ScheduleEntry& entry, const QDate& today);

// Overwrites the eleven fields of the stored schedule `id`; UltimaFecha is
// kept. Throws StoreError (nothing changed) when the row is gone or a text is
// refused.
void rewriteSchedule(store::Database& db, std::int64_t id, const ScheduleEntry& entry);

// Removes the schedule `id`.
void deleteSchedule(store::Database& db, std::int64_t id);

// The name of every account, of every type, in alphabetical order.
QStringList accountNames(store::Database& db);

} // namespace tesorin::schedule
