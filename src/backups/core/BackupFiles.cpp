#include "backups/core/BackupFiles.h"

#include "store/WorkAreaFolder.h"

#include <QDir>
#include <QRegularExpression>

#include <algorithm>

namespace tesorin::backups {

namespace {

const QString kStampFormat = QStringLiteral("yyyy-MM-dd-HHmmss");

QString bareStem(const QString& workAreaName) {
    QString stem = workAreaName;
    if (stem.endsWith(QLatin1String(".mdb"), Qt::CaseInsensitive))
        stem.chop(4);
    return stem;
}

} // namespace

QString backupFolder() {
    return QDir(store::workAreaFolder()).filePath(QStringLiteral("copias"));
}

QString backupFileName(const QString& workAreaName, const QDateTime& taken, int sequence) {
    QString name = bareStem(workAreaName).toUpper() + u'-' + taken.toString(kStampFormat);
    if (sequence > 1)
        name += u'-' + QString::number(sequence);
    return name + QStringLiteral(".MDB");
}

std::optional<BackupFile> parseBackupFileName(const QString& fileName) {
    static const QRegularExpression pattern(
        QStringLiteral(R"(^(.+)-(\d{4}-\d{2}-\d{2}-\d{6})(?:-(\d{1,4}))?\.mdb$)"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(fileName);
    if (!match.hasMatch())
        return std::nullopt;
    BackupFile file;
    file.fileName = fileName;
    file.workArea = match.captured(1).toUpper() + QStringLiteral(".MDB");
    file.taken = QDateTime::fromString(match.captured(2), kStampFormat);
    if (!file.taken.isValid())
        return std::nullopt;
    file.sequence = match.captured(3).isEmpty() ? 1 : match.captured(3).toInt();
    return file;
}

QList<BackupFile> listBackups(const QString& workAreaName) {
    const QString wanted = bareStem(workAreaName).toUpper() + QStringLiteral(".MDB");
    const QDir folder(backupFolder());
    QList<BackupFile> copies;
    for (const QString& entry : folder.entryList(QDir::Files, QDir::NoSort)) {
        std::optional<BackupFile> file = parseBackupFileName(entry);
        if (!file || file->workArea != wanted)
            continue;
        file->path = folder.filePath(entry);
        copies << *file;
    }
    std::sort(copies.begin(), copies.end(), [](const BackupFile& a, const BackupFile& b) {
        return a.taken != b.taken ? a.taken > b.taken : a.sequence > b.sequence;
    });
    return copies;
}

} // namespace tesorin::backups
