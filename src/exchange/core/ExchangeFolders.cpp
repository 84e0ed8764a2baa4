#include "exchange/core/ExchangeFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace tesorin::exchange {

namespace {

QString settingsKey(ExchangeDirection direction) {
    return direction == ExchangeDirection::Import ? QStringLiteral("Carpetas/Importar")
                                                  : QStringLiteral("Carpetas/Exportar");
}

} // namespace

QString proposedFolder(ExchangeDirection direction) {
    const QSettings settings(QStringLiteral("Tesorin"), QStringLiteral("Tesorin"));
    const QString last = settings.value(settingsKey(direction)).toString();
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return last;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

void rememberFolderOf(ExchangeDirection direction, const QString& filePath) {
    QSettings settings(QStringLiteral("Tesorin"), QStringLiteral("Tesorin"));
    settings.setValue(settingsKey(direction), QFileInfo(filePath).absolutePath());
}

} // namespace tesorin::exchange
