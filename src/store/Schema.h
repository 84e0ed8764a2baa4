#pragma once

#include <QString>
#include <QStringList>

struct sqlite3;

namespace tesorin::store {

class Database;

// How the program reads and writes a field; decides the conversion of a text
// written into it.
enum class FieldKind { Counter, Text, Date, Money, Integer, YesNo, Any };

FieldKind fieldKind(const QString& table, const QString& field);

// The four tables every work area has.
const QStringList& requiredTables();

// Creates a fresh work-area file at path with the four tables, one empty row
// of "Registro Usuario" and a small starter chart of accounts. Built under a
// temporary name and renamed at the end, so a failure leaves no file behind.
// Refuses to touch an existing file. Throws StoreError.
void createWorkAreaFile(const QString& path);

// Throws StoreError naming the first required table the open file lacks.
void checkWorkAreaTables(sqlite3* db, const QString& displayName);

} // namespace tesorin::store
