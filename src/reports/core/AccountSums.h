#pragma once

#include <QDate>

namespace tesorin::store {
class Database;
}

namespace tesorin::reports {

// Computes, for every account of the work area, the income and the expense of
// its movements dated from first to last (both included) and stores them in
// the account's TotEntrada and TotSalida, with their difference in Saldo.
// A movement counts for the account whose name it carries exactly (same
// letters, same case); accounts without movements in the range get 0, and a
// range whose first day lies after its last gives 0 everywhere. All rows are
// written in one transaction: on a failure (StoreError) nothing changes.
void storeAccountSums(store::Database& db, const QDate& first, const QDate& last);

} // namespace tesorin::reports
