#include "oldworkareas/core/OldValues.h"

#include "app/Regional.h"

#include <QList>

namespace tesorin::oldworkareas {

namespace {

// "yyyy-MM-dd" followed by nothing or " HH:mm:ss"; the year may have fewer
// than four digits.
OldDate readLibraryDate(const QByteArray& value) {
    OldDate date;
    const qsizetype blank = value.indexOf(' ');
    const QList<QByteArray> parts = value.left(blank < 0 ? value.size() : blank).split('-');
    if (parts.size() != 3)
        return date;
    bool yearOk = false, monthOk = false, dayOk = false;
    date.day = QDate(parts[0].toInt(&yearOk), parts[1].toInt(&monthOk), parts[2].toInt(&dayOk));
    if (!yearOk || !monthOk || !dayOk)
        date.day = QDate();
    const QByteArray time = blank < 0 ? QByteArray() : value.mid(blank + 1);
    if (date.day.isValid() && !time.isEmpty() && time != "00:00:00")
        date.droppedTime = QString::fromLatin1(time);
    return date;
}

} // namespace

OldDate readOldDate(OldType type, const QByteArray& value) {
    if (type == OldType::Date)
        return readLibraryDate(value);
    if (type != OldType::Text)
        return {};
    const QString text = QString::fromUtf8(value).trimmed();
    if (const std::optional<QDate> day = regional::readShortDate(text))
        return {*day, {}};
    return readLibraryDate(text.toUtf8());
}

std::optional<Money> readOldMoney(OldType type, const QByteArray& value) {
    std::optional<Money> amount;
    if (type == OldType::Money || type == OldType::Number)
        amount = Money::fromPlainText(QString::fromLatin1(value));
    else if (type == OldType::Text)
        amount = regional::readNumber(QString::fromUtf8(value));
    if (amount && !amount->isStorable())
        return std::nullopt;
    return amount;
}

QByteArray storedDay(const QDate& day) {
    return day.toString(Qt::ISODate).toLatin1();
}

} // namespace tesorin::oldworkareas
