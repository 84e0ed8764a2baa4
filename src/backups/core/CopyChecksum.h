#pragma once

#include <QByteArray>
#include <QString>

// The SHA-256 of each copy, recorded beside it when it is made
// ("<copy>.sha256", in the form sha256sum reads: the digest in hex, two
// blanks, the copy's file name). The check at copy time sees the copy as it
// was written; the checksum shows a value changed on the disk afterwards.
namespace tesorin::backups {

QString checksumPath(const QString& copyPath);

// The file's SHA-256 in lower-case hex, read a bounded piece at a time;
// empty when the file cannot be read.
QByteArray fileSha256(const QString& path);

// Writes the checksum of the copy that is, or is about to be, at copyPath,
// and syncs it to the disk. False when it cannot be written.
[[nodiscard]] bool recordChecksum(const QString& copyPath, const QByteArray& digestHex);

enum class ChecksumCheck {
    Matches,
    // A copy made before copies had checksums: only its structure can be
    // checked.
    Missing,
    // The copy, or its recorded checksum, changed since the copy was made.
    Differs,
};
ChecksumCheck verifyChecksum(const QString& copyPath);

// Why a copy whose checksum differs is refused, naming it.
QString damagedCopyReason(const QString& copyFileName);

} // namespace tesorin::backups
