#pragma once

#include "exchange/core/ColumnMapping.h"

#include <QString>

#include <optional>

namespace tesorin::exchange {

// The shape of a CSV file for remembering its settings: its separator and
// header names (or its field count when it has no header).
QString csvShape(const CsvTable& table);

// Column roles and formats the user chose for a file shape, kept in the
// per-user settings (organisation and application "Tesorin", group
// "Importar"), so the next statement of the same bank opens with them.
struct RememberedImport {
    ColumnMapping mapping;
    QString encoding;
    QString account;
    QString medium;
};
std::optional<RememberedImport> recallImport(const QString& shape);
void rememberImport(const QString& shape, const RememberedImport& choice);

} // namespace tesorin::exchange
