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
    const QDir dir(folder);
    QMap<QString, QStringList> byWorkArea;
    for (const QString& entry : dir.entryList(QDir::Files | QDir::Hidden, QDir::Name)) {
        const QRegularExpressionMatch match = leftover.match(entry);
        if (match.hasMatch())
            byWorkArea[match.captured(1)].append(entry);
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
