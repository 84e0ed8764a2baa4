#include "exchange/core/MappingMemory.h"

#include <QCryptographicHash>
#include <QSettings>

namespace tesorin::exchange {

namespace {

QString settingsKey(const QString& shape) {
    return QStringLiteral("Importar/") +
           QString::fromLatin1(
               QCryptographicHash::hash(shape.toUtf8(), QCryptographicHash::Sha1).toHex().left(16));
}

} // namespace

QString csvShape(const CsvTable& table) {
    QString shape = QStringLiteral("csv|") + table.separator + u'|';
    if (table.hasHeader) {
        for (const QString& name : table.header.fields)
            shape += name.trimmed().toLower() + u'|';
    } else {
        shape += QString::number(table.fieldCount);
    }
    return shape;
}

std::optional<RememberedImport> recallImport(const QString& shape) {
    QSettings settings(QStringLiteral("Tesorin"), QStringLiteral("Tesorin"));
    settings.beginGroup(settingsKey(shape));
    const auto mapping =
        ColumnMapping::fromText(settings.value(QStringLiteral("Columnas")).toString());
    if (!mapping && !settings.contains(QStringLiteral("Cuenta")))
        return std::nullopt;
    RememberedImport r;
    if (mapping)
        r.mapping = *mapping;
    r.encoding = settings.value(QStringLiteral("Codificacion")).toString();
    r.account = settings.value(QStringLiteral("Cuenta")).toString();
    r.medium = settings.value(QStringLiteral("Medio")).toString();
    return r;
}

void rememberImport(const QString& shape, const RememberedImport& choice) {
    QSettings settings(QStringLiteral("Tesorin"), QStringLiteral("Tesorin"));
    settings.beginGroup(settingsKey(shape));
    settings.setValue(QStringLiteral("Forma"), shape);
    if (shape.startsWith(QLatin1String("csv|")))
        settings.setValue(QStringLiteral("Columnas"), choice.mapping.toText());
    settings.setValue(QStringLiteral("Codificacion"), choice.encoding);
    settings.setValue(QStringLiteral("Cuenta"), choice.account);
    settings.setValue(QStringLiteral("Medio"), choice.medium);
}

} // namespace tesorin::exchange
