#include "schedule/core/EditorBoxChecks.h"

#include "base/Regional.h"

#include <QRegularExpression>

namespace tesorin::schedule {

namespace {

bool readsAsTimeOfDay(const QString& text) {
    static const QRegularExpression time(
        QStringLiteral("^\\s*([01]?\\d|2[0-3]):([0-5]?\\d)(:([0-5]?\\d))?\\s*$"));
    return time.match(text).hasMatch();
}

struct DayBounds {
    int low;
    int high;
    QString reset;
};

DayBounds bounds(DayBox box) {
    switch (box) {
    case DayBox::FirstFortnight:
        return {1, 15, QStringLiteral("1")};
    case DayBox::SecondFortnight:
        return {15, 31, QStringLiteral("15")};
    case DayBox::MonthDay:
        break;
    }
    return {1, 31, QStringLiteral("1")};
}

} // namespace

std::optional<BoxRefusal> checkTimeBox(const QString& text) {
    if (readsAsTimeOfDay(text) || regional::readShortDate(text))
        return std::nullopt;
    return BoxRefusal{QStringLiteral("12:00"),
                      QStringLiteral("Estcriba una hora válida ( hh:mm )")};
}

std::optional<BoxRefusal> checkDayBox(DayBox box, const QString& text) {
    const DayBounds day = bounds(box);
    if (!regional::readNumber(text))
        return BoxRefusal{day.reset, QStringLiteral("Escriba un número válido")};
    const double number = leadingNumber(text);
    if (number < day.low || number > day.high)
        return BoxRefusal{
            day.reset,
            QStringLiteral("Escriba un número de mes entre %1 y %2").arg(day.low).arg(day.high)};
    return std::nullopt;
}

std::optional<BoxRefusal> checkAmountBox(const QString& text) {
    if (regional::readNumber(text))
        return std::nullopt;
    return BoxRefusal{QStringLiteral("0"), invalidAmountMessage()};
}

QString invalidAmountMessage() {
    return QStringLiteral("Escriba un valor numérico válido");
}

double leadingNumber(const QString& text) {
    static const QRegularExpression number(QStringLiteral("^\\s*(\\d+(\\.\\d*)?)"));
    const QRegularExpressionMatch match = number.match(text);
    return match.hasMatch() ? match.captured(1).toDouble() : 0.0;
}

} // namespace tesorin::schedule
