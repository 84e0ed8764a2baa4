#pragma once

#include <QDate>
#include <QString>
#include <QVariantList>

#include <optional>

namespace tesorin::reports {

// A selection formula turned into a condition on Movimientos that SQLite
// reads. The formula's values are bound as parameters ?1, ?2, ... in the
// order of `values`, never pasted into the text.
struct SelectionCondition {
    QString sql;
    QVariantList values;
    // The days on Fecha that the formula's outermost "and" terms reach (the
    // statement's period); empty where it sets no such bound.
    std::optional<QDate> firstDay;
    std::optional<QDate> lastDay;
};

// Reads the statement's selection formula: {Movimientos.Field} with the
// field in any letter case, texts between apostrophes ('' for an apostrophe
// inside), Date(year,month,day), plain numbers, = <> < <= > >=, and, or, not
// and parentheses. A formula that does not read as one condition on the
// movements throws ReportError with a Spanish message saying what is wrong
// and where; there is no fallback that selects everything.
SelectionCondition parseSelectionFormula(const QString& formula);

} // namespace tesorin::reports
