#include "backups/core/CopyChecksum.h"

#include "store/OwnerOnlyFiles.h"
#include "store/PageCopy.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

namespace tesorin::backups {

namespace {

// A digest in hex is 64 characters.
constexpr qsizetype kHexLength = 64;
constexpr qint64 kPiece = 1 << 20;

} // namespace

QString checksumPath(const QString& copyPath) {
    return copyPath + QStringLiteral(".sha256");
}

QByteArray fileSha256(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    QCryptographicHash hash(QCryptographicHash::Sha256);
    QByteArray piece(kPiece, Qt::Uninitialized);
    for (;;) {
        const qint64 read = file.read(piece.data(), kPiece);
        if (read < 0)
            return QByteArray();
        if (read == 0)
            break;
        hash.addData(QByteArrayView(piece.constData(), read));
    }
    return hash.result().toHex();
}

bool recordChecksum(const QString& copyPath, const QByteArray& digestHex) {
    const QString path = checksumPath(copyPath);
    if (digestHex.size() != kHexLength || !store::createOwnerOnlyFile(path))
        return false;
    QFile file(path);
    const QByteArray line =
        digestHex + "  " + QFile::encodeName(QFileInfo(copyPath).fileName()) + '\n';
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                         file.write(line) == line.size() && file.flush();
    file.close();
    return written && store::syncToDisk(path);
}

ChecksumCheck verifyChecksum(const QString& copyPath) {
    QFile recorded(checksumPath(copyPath));
    if (!recorded.exists())
        return ChecksumCheck::Missing;
    if (!recorded.open(QIODevice::ReadOnly))
        return ChecksumCheck::Differs;
    const QByteArray expected = recorded.read(kHexLength).toLower();
    const QByteArray actual = fileSha256(copyPath);
    return !actual.isEmpty() && actual == expected ? ChecksumCheck::Matches
                                                   : ChecksumCheck::Differs;
}

QString damagedCopyReason(const QString& copyFileName) {
    return QStringLiteral("La copia «%1» está dañada: su contenido no coincide con la suma de "
                          "verificación registrada al hacerla.")
        .arg(copyFileName);
}

} // namespace tesorin::backups
