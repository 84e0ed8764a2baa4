#pragma once

#include <QString>

#include <optional>

struct sqlite3;

// The program writes its SQL and criteria in the Jet dialect; these turn it
// into SQLite text with the same meaning.
namespace tesorin::store::dialect {

// Registers on a connection what the dialect needs: cdate('<short date>'),
// year(), month(), a LIKE with '*', '?', '#' and '[...]' that ignores case,
// msum() (an exact money sum in ten-thousandths) and mtotal() (the same for a
// total that is only shown, which may go beyond what one amount holds).
void registerFunctions(sqlite3* db);

// An action query or condition as SQLite reads it ("Delete * from x" ->
// "Delete from x").
QString toSqlite(const QString& jet);

// The pieces of "select * from <table> [where <cond>] [order by <fields>]".
struct SelectParts {
    QString table;
    QString where;   // without the keyword; empty when none
    QString orderBy; // without the keywords; empty when none
};
// Empty optional for any other text (or a table name alone).
std::optional<SelectParts> splitSelect(const QString& jet);

} // namespace tesorin::store::dialect
