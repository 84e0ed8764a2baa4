// Feeds arbitrary bytes to each statement reader: the format detection, the
// CSV table with its guessed column roles, the QIF, Norma 43 and OFX readers
// and the OFX ledger balance.
// Each may refuse the bytes with ExchangeError; none may crash.
#include "exchange/core/ColumnMapping.h"
#include "exchange/core/CsvTable.h"
#include "exchange/core/ExchangeError.h"
#include "exchange/core/Norma43Reader.h"
#include "exchange/core/OfxBalance.h"
#include "exchange/core/OfxReader.h"
#include "exchange/core/QifReader.h"
#include "exchange/core/StatementFile.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

using namespace tesorin::exchange;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        detectStatementFormat(bytes);
    } catch (const ExchangeError&) {
    }
    try {
        const CsvTable table = readCsvTable(bytes);
        const ColumnMapping mapping = guessMapping(table);
        if (mapping.problem(table.fieldCount).isEmpty())
            applyMapping(table, mapping);
    } catch (const ExchangeError&) {
    }
    try {
        readQif(bytes);
    } catch (const ExchangeError&) {
    }
    try {
        readNorma43(bytes);
    } catch (const ExchangeError&) {
    }
    readOfxStatement(bytes, 1);
    // libofx reads files; small inputs keep the run fast.
    if (size < 4096) {
        try {
            readOfx(bytes);
        } catch (const ExchangeError&) {
        }
    }
    return 0;
}
