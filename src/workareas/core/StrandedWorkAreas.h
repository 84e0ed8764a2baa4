#pragma once

#include <QString>
#include <QStringList>

// Work areas in a program folder that cannot be written: what start-up says
// about them and the copy into the per-user data folder it offers.
namespace tesorin::workareas {

// The question: copy them and work in the data folder, or open them where
// they are, read-only.
QString strandedQuestionTitle();
QString strandedQuestion(const QString& programFolder, const QString& dataFolder,
                         const QStringList& names);

struct StrandedCopy {
    QStringList copied;
    // Names the data folder already held, in any letter case: never replaced.
    QStringList alreadyThere;
};

// Copies the work areas names from one folder into another, with the journal
// a work area may have beside it, so the copy opens as the original would.
// The originals are not touched and a work area the folder already holds is
// kept. Makes the folder when it is missing. Throws StoreError; the work
// areas copied before a failure stay.
StrandedCopy copyStrandedWorkAreas(const QString& from, const QStringList& names,
                                   const QString& to);

// What the user hears after the copy when some were already there; empty
// when all of them were copied.
QString strandedCopyReport(const StrandedCopy& copy, const QString& dataFolder);

// Why no new work area can be made while the work areas open read-only.
QString readOnlyFolderRefusal();

} // namespace tesorin::workareas
