#include "store/Quote.h"

namespace tesorin::store {

QString doubledApostrophes(const QString& value) {
    QString text = value;
    return text.replace(QLatin1Char('\''), QLatin1String("''"));
}

QString quoted(const QString& value) {
    return QLatin1Char('\'') + doubledApostrophes(value) + QLatin1Char('\'');
}

QString quotedIdentifier(const QString& name) {
    QString text = name;
    return QLatin1Char('"') + text.replace(QLatin1Char('"'), QLatin1String("\"\"")) +
           QLatin1Char('"');
}

} // namespace tesorin::store
