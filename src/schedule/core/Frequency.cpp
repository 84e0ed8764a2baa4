#include "schedule/core/Frequency.h"

namespace tesorin::schedule {

const QStringList& frequencyNames() {
    static const QStringList names{QStringLiteral("Diaria"), QStringLiteral("Semanal"),
                                   QStringLiteral("Quincenal"), QStringLiteral("Mensual")};
    return names;
}

QString frequencyName(Frequency frequency) {
    return frequencyNames().at(int(frequency));
}

std::optional<Frequency> frequencyFromName(const QString& name) {
    const QString wanted = name.trimmed();
    for (int position = 0; position < frequencyNames().size(); ++position) {
        if (frequencyNames()[position].compare(wanted, Qt::CaseInsensitive) == 0)
            return Frequency(position);
    }
    return std::nullopt;
}

const QStringList& weekdayNames() {
    static const QStringList names{QStringLiteral("Domingo"), QStringLiteral("Lunes"),
                                   QStringLiteral("Martes"),  QStringLiteral("Miércoles"),
                                   QStringLiteral("Jueves"),  QStringLiteral("Viernes"),
                                   QStringLiteral("Sábado")};
    return names;
}

} // namespace tesorin::schedule
