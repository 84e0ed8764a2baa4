#pragma once

#include "base/Money.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace tesorin::store {
class Database;
}

// Posting what falls due: each schedule's UltimaFecha is the last day it
// covers; the occurrences from the day after it up to today are due, and
// recording them moves UltimaFecha to today, so posting twice on one day
// never records an occurrence twice.
namespace tesorin::schedule {

// One movement a schedule owes.
struct DueMovement {
    std::int64_t scheduleId = 0;
    QDate date;
    QString account;
    QString detail;
    Money amount;
    bool income = false;
};

struct DuePosting {
    std::vector<DueMovement> movements;         // by date, then account
    std::vector<std::int64_t> coveredSchedules; // every schedule that covers less than today
    bool isEmpty() const { return movements.empty(); }
};

// The medium of payment of a posted movement.
QString postedMedium();

// Schedules without a readable UltimaFecha (made before posting existed)
// get the day before today, so they owe nothing for the past. One
// transaction; throws StoreError. Returns how many were dated.
int dateUndatedSchedules(store::Database& db, const QDate& today);

// What falls due up to today. Reads only; throws StoreError.
DuePosting duePosting(store::Database& db, const QDate& today);

// Records every due movement (medium "Programado"; Ingreso or Egreso by the
// schedule's direction, the other 0) and sets UltimaFecha to today for every
// covered schedule, all in one transaction: all of it or nothing. Throws
// StoreError.
void recordDuePosting(store::Database& db, const DuePosting& due, const QDate& today);

// The texts a due movement is listed with: date, account, detail, amount,
// and "Ingreso" or "Egreso".
QStringList dueMovementTexts(const DueMovement& movement);
const QStringList& dueMovementCaptions();

} // namespace tesorin::schedule
