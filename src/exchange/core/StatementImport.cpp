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
    std::optional<RememberedImport> remembered;
    if (options.useRemembered && !options.encoding) {
        // The shape does not depend on the encoding's accents in most
        // headers; a remembered encoding is applied when one was chosen.
        const CsvTable first = readCsvTable(bytes, csv);
        remembered = recallImport(csvShape(first));
        if (remembered)
            csv.encoding = encodingFromName(remembered->encoding);
    }
    loaded.table = readCsvTable(bytes, csv);
    loaded.shape = csvShape(loaded.table);
    if (options.useRemembered && !remembered)
        remembered = recallImport(loaded.shape);
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
    loaded.mappingProblem = loaded.mapping.problem(loaded.table.fieldCount);
    if (loaded.mappingProblem.isEmpty())
        loaded.result.rows = applyMapping(loaded.table, loaded.mapping);
    return loaded;
}

} // namespace tesorin::exchange
