#pragma once

#include <QString>

namespace tesorin::store {

// What a file seems to be, from its first bytes ("un documento PDF"); empty
// when nothing known matches.
QString fileKindGuess(const QString& path);
// The message for a file that is no database: it says what the file seems
// to be, where that is known.
QString notAWorkAreaMessage(const QString& path, const QString& displayName);
// The message for a file of 0 bytes.
QString emptyFileMessage(const QString& displayName);

} // namespace tesorin::store
