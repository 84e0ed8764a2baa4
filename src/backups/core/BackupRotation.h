#pragma once

#include <QDate>
#include <QDateTime>
#include <QList>

namespace tesorin::backups {

// How many of the newest copies of a work area are always kept.
constexpr int kKeptNewest = 10;
// Besides them, the newest copy of each of this many months (the current one
// and those before it) is kept.
constexpr int kKeptMonths = 12;

// Which of the copies taken at these moments (newest first) are kept on the
// day today: true at the index of a kept copy.
QList<bool> keptBackups(const QList<QDateTime>& newestFirst, const QDate& today);

} // namespace tesorin::backups
