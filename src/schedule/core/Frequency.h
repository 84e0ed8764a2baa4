#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace tesorin::schedule {

// How often a schedule falls due; the values are the positions in the
// editor's frequency list.
enum class Frequency { Diaria = 0, Semanal = 1, Quincenal = 2, Mensual = 3 };

// "Diaria", "Semanal", "Quincenal", "Mensual", in the editor's order; a
// schedule stores the name.
const QStringList& frequencyNames();
QString frequencyName(Frequency frequency);
// The frequency a stored name stands for, in any letter case and with blanks
// around; empty for any other text.
std::optional<Frequency> frequencyFromName(const QString& name);

// "Domingo" to "Sábado": a schedule stores a weekday as its position in this
// list plus one (1 Domingo, 7 Sábado; 0 when none was picked).
const QStringList& weekdayNames();
constexpr int kFirstWeekday = 1;
constexpr int kLastWeekday = 7;

// The two directions of a scheduled movement.
inline const QString kIncome = QStringLiteral("IN");
inline const QString kPayment = QStringLiteral("OU");

} // namespace tesorin::schedule
