#pragma once

#include "exchange/core/BankStatement.h"
#include "exchange/core/ColumnMapping.h"
#include "exchange/core/CsvTable.h"
#include "exchange/core/ImportRow.h"
#include "exchange/core/StatementFile.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace tesorin::exchange {

// What the user (or the command line) says about a file; whatever is left
// open is taken from the settings remembered for the file's shape, or
// detected.
struct StatementOptions {
    std::optional<QChar> separator;
    std::optional<Encoding> encoding;
    std::optional<bool> hasHeader;
    std::optional<DecimalMark> decimal;
    std::optional<DateOrder> dateOrder;
    std::optional<ColumnMapping> mapping; // CSV column roles
    bool useRemembered = true;
};

// A statement file read with the settings in force.
struct LoadedStatement {
    StatementFormat format = StatementFormat::Csv;
    CsvTable table;         // CSV only
    ColumnMapping mapping;  // CSV only: the roles and formats in force
    QString shape;          // for remembering the settings
    QString mappingProblem; // CSV: why the roles cannot be applied; rows empty then
    ReadResult result;
    BankStatements statements; // Norma 43 accounts, an OFX ledger balance
};

// Throws ExchangeError for a file that cannot be read at all.
LoadedStatement loadStatement(const QByteArray& bytes, const StatementOptions& options = {});

// Applies other column roles to a CSV statement already read, without
// reading the file again.
void remapStatement(LoadedStatement& loaded, const ColumnMapping& mapping);

} // namespace tesorin::exchange
