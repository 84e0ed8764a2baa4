#include "workareas/core/WorkAreaLeftovers.h"

#include "workareas/core/WorkAreaLock.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QRegularExpression>

namespace tesorin::workareas {

QStringList removeAbandonedLeftovers(const QString& folder) {
    // The work area's name, then what is being made of it (a new work area,
    // a conversion, a copy about to be restored), then the journal of that
    // file or of the conversion's own ".nueva".
    static const QRegularExpression leftover(
        QStringLiteral(
            "^(.+\\.mdb)\\.(nueva|convirtiendo|restaurando)(\\.nueva)?(-journal|-wal|-shm)?$"),
        QRegularExpression::CaseInsensitiveOption);
    // A backup copy being written, in the copies' folder: the work area's
    // name, the moment and its number, then ".parcial".
    static const QRegularExpression partialCopy(
        QStringLiteral(
            "^(.+)-\\d{4}-\\d{2}-\\d{2}-\\d{6}(?:-\\d{1,4})?\\.mdb\\.parcial(-journal)?$"),
        QRegularExpression::CaseInsensitiveOption);
    const QDir dir(folder);
    QMap<QString, QStringList> byWorkArea;
    for (const QString& entry : dir.entryList(QDir::Files | QDir::Hidden, QDir::Name)) {
        const QRegularExpressionMatch match = leftover.match(entry);
        if (match.hasMatch())
            byWorkArea[match.captured(1)].append(entry);
    }
    const QString copies = QStringLiteral("copias");
    for (const QString& entry :
         QDir(dir.filePath(copies)).entryList(QDir::Files | QDir::Hidden, QDir::Name)) {
        const QRegularExpressionMatch match = partialCopy.match(entry);
        if (match.hasMatch())
            byWorkArea[match.captured(1).toUpper() + QStringLiteral(".MDB")].append(copies + u'/' +
                                                                                    entry);
    }
    QStringList removed;
    for (auto it = byWorkArea.cbegin(); it != byWorkArea.cend(); ++it) {
        const auto lock = WorkAreaLock::take(dir.filePath(it.key()));
        if (!lock)
            continue;
        for (const QString& entry : it.value()) {
            if (QFile::remove(dir.filePath(entry)))
                removed.append(entry);
        }
    }
    return removed;
}

} // namespace tesorin::workareas
