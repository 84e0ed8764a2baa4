#pragma once

#include <QString>

namespace tesorin::workareas {

// Makes the work area newName (a bare name) in the work-area folder from the
// work area templateName: a consistent copy taken through the store itself
// (never a byte copy of a file that may have a journal beside it), with every
// movement deleted and the accounts, schedules, profile and stored sums kept.
// The copy is built under a temporary name and renamed at the end, so a
// failure leaves no file behind. Refuses a name that exists in any letter
// case. Throws StoreError.
void createWorkAreaCopy(const QString& templateName, const QString& newName);

} // namespace tesorin::workareas
