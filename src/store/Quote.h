#pragma once

#include <QString>

namespace tesorin::store {

// The text of a value to put between apostrophes in a composed SQL, criteria
// or formula text: every apostrophe doubled, so "D'Angelo" stays one value
// and no typed text can change the meaning of the query.
QString doubledApostrophes(const QString& value);

// The value between apostrophes: 'D''Angelo'.
QString quoted(const QString& value);

// A table or column name as SQL writes it: between double quotes, those
// inside doubled ("Registro Usuario").
QString quotedIdentifier(const QString& name);

} // namespace tesorin::store
