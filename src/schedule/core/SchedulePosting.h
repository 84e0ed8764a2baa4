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
// never records an occurrence twice. An occurrence left out when the others
// are recorded is skipped for good, since UltimaFecha moves past it too.
//
// A schedule stored without its details has no amount: it is never posted
// (a movement of 0 is no movement), and its UltimaFecha stays, so that it
// falls due again once its details are filled in.
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
    std::vector<DueMovement> movements; // by date, then account
    // Every schedule with an amount that covers less than today.
    std::vector<std::int64_t> coveredSchedules;
    // Schedules without an amount that have occurrences due: the first of
    // them each, by account.
    std::vector<DueMovement> withoutAmount;
    bool isEmpty() const { return movements.empty() && withoutAmount.empty(); }
};

// The medium of payment of a posted movement.
QString postedMedium();

// Schedules without a readable UltimaFecha (made before posting existed)
// get the day before today, so they owe nothing for the past. One
// transaction; throws StoreError. Returns how many were dated.
int dateUndatedSchedules(store::Database& db, const QDate& today);

// What falls due up to today. Reads only; throws StoreError.
DuePosting duePosting(store::Database& db, const QDate& today);

// Records the due movements that are ticked (medium "Programado"; Ingreso
// or Egreso by the schedule's direction, the other 0) and sets UltimaFecha
// to today for every covered schedule, so the unticked ones are skipped for
// good; all in one transaction: all of it or nothing. Each schedule's
// UltimaFecha is read again inside that transaction and only the occurrences
// after it are recorded, so two writers posting at once never record one
// twice. ticked has one flag
// per due movement; an empty one ticks them all. Throws StoreError.
void recordDuePosting(store::Database& db, const DuePosting& due, const QDate& today,
                      const std::vector<bool>& ticked = {});

// The texts a due movement is listed with: date, account, detail, amount,
// and "Ingreso" or "Egreso".
QStringList dueMovementTexts(const DueMovement& movement);
const QStringList& dueMovementCaptions();

} // namespace tesorin::schedule
