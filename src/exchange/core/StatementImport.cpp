#include "exchange/core/StatementImport.h"

#include "exchange/core/MappingMemory.h"
#include "exchange/core/Norma43Reader.h"
#include "exchange/core/OfxBalance.h"
#include "exchange/core/OfxReader.h"
#include "exchange/core/QifReader.h"

namespace tesorin::exchange {

LoadedStatement loadStatement(const QByteArray& bytes, const StatementOptions& options) {
    LoadedStatement loaded;
    loaded.format = detectStatementFormat(bytes);
    switch (loaded.format) {
    case StatementFormat::Ofx:
        loaded.shape = QStringLiteral("ofx");
        loaded.result = readOfx(bytes);
        if (auto statement = readOfxStatement(bytes, int(loaded.result.rows.size())))
            loaded.statements.append(*statement);
        return loaded;
    case StatementFormat::Qif: {
        loaded.shape = QStringLiteral("qif");
        QifOptions qif;
        qif.dateOrder = options.dateOrder;
        qif.decimal = options.decimal;
        loaded.result = readQif(bytes, qif);
        return loaded;
    }
    case StatementFormat::Norma43: {
        loaded.shape = QStringLiteral("n43");
        Norma43File file = readNorma43(bytes);
        loaded.result = std::move(file.result);
        loaded.statements = std::move(file.statements);
        return loaded;
    }
    case StatementFormat::Csv:
        break;
    }
    CsvOptions csv;
    csv.separator = options.separator;
    csv.encoding = options.encoding;
    csv.hasHeader = options.hasHeader;
    // The text is decoded and parsed once; only a remembered encoding other
    // than the detected one reads it again.
    loaded.table = readCsvTable(decodeText(bytes, options.encoding), csv);
    loaded.shape = csvShape(loaded.table);
    std::optional<RememberedImport> remembered;
    if (options.useRemembered)
        remembered = recallImport(loaded.shape);
    if (remembered && !options.encoding) {
        const auto encoding = encodingFromName(remembered->encoding);
        if (encoding && *encoding != loaded.table.encoding) {
            csv.encoding = encoding;
            loaded.table = readCsvTable(decodeText(bytes, encoding), csv);
        }
    }
    if (options.mapping)
        loaded.mapping = *options.mapping;
    else if (remembered && remembered->mapping.problem(loaded.table.fieldCount).isEmpty())
        loaded.mapping = remembered->mapping;
    else
        loaded.mapping = guessMapping(loaded.table);
    if (options.decimal)
        loaded.mapping.decimal = *options.decimal;
    if (options.dateOrder)
        loaded.mapping.dateOrder = *options.dateOrder;
    remapStatement(loaded, loaded.mapping);
    return loaded;
}

void remapStatement(LoadedStatement& loaded, const ColumnMapping& mapping) {
    loaded.mapping = mapping;
    loaded.mappingProblem = mapping.problem(loaded.table.fieldCount);
    if (loaded.mappingProblem.isEmpty()) {
        loaded.result.rows = applyMapping(loaded.table, mapping);
        return;
    }
    // The file still shows as it is, each row waiting for the missing role.
    loaded.result.rows.clear();
    for (const CsvRecord& record : loaded.table.records) {
        ImportRow row;
        row.line = record.line;
        row.source = record.fields;
        row.reason = loaded.mappingProblem;
        loaded.result.rows.append(row);
    }
}

} // namespace tesorin::exchange
