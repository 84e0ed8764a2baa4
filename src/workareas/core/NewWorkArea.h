#pragma once

#include <QString>

namespace tesorin::workareas {

// Whether a new work area is a copy of the template templateName. A template
// still in the format of the program Tesorin replaces (the user declined its
// conversion) cannot be copied: the new work area then starts as a first
// run's BASE.MDB does, with the starter accounts, and the template is left
// untouched.
bool copiesTemplate(const QString& templateName);

// Makes the work area newName (a bare name) in the work-area folder: a copy
// of templateName without its movements when copiesTemplate(), else a fresh
// work area. Refuses a name that exists in any letter case; a failure leaves
// no file behind. Throws StoreError.
void createNewWorkArea(const QString& templateName, const QString& newName);

} // namespace tesorin::workareas
