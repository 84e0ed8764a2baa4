#pragma once

#include "oldworkareas/core/ConversionProgress.h"
#include "oldworkareas/core/ConversionReport.h"

#include <QString>

#include <functional>

// Turns a work area of the program Tesorin replaces into a Tesorin work area
// of the same name, keeping the original file unchanged in the subfolder
// "anteriores".
namespace tesorin::oldworkareas {

// The points the conversion passes, in order. At each one the original is
// still in place and unchanged, and no partial "*.MDB" file exists.
enum class ConversionStep {
    Created,      // the new file exists under its temporary name, still empty
    Written,      // every row is written to it
    Checked,      // its counts and sums equal the old file's
    OriginalKept, // the original has its second name in "anteriores"
};

struct ConversionHooks {
    ProgressCallback progress;
    // Runs at each step; tests throw or end the process here.
    std::function<void(ConversionStep)> atStep;
};

// The temporary name of the new file while it is made: path plus a suffix,
// so no list of "*.MDB" files shows it.
QString temporaryPathFor(const QString& path);

// Refuses, with the message to show, a file at path that is not an old work
// area: not a Jet file, or one that lacks a table every work area has (a Jet
// database of another program). Reads only the file's catalogue. Throws
// StoreError.
void checkOldWorkArea(const QString& path);

// Converts the old work area at path. On success the file at path is the new
// work area and the original is in "anteriores". Throws StoreError with the
// message to show when the file is refused or anything fails, and
// ConversionCancelled when progress cancels; either way the original is left
// where it was and as it was, and nothing else remains.
ConversionReport convertOldWorkArea(const QString& path, const ConversionHooks& hooks = {});

} // namespace tesorin::oldworkareas
