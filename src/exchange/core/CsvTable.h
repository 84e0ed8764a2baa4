#pragma once

#include "exchange/core/TextDecoding.h"

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

namespace tesorin::exchange {

// One record of a CSV text: its fields and the line where it begins.
struct CsvRecord {
    int line = 0;
    QStringList fields;
};

// The longest record (a line, or lines joined by a quoted field) a bank's
// table may have, in characters; a longer one is no statement.
inline constexpr qsizetype kMaxCsvRecordLength = 64 * 1024;

// Splits a text into records: fields between quotes may hold the separator,
// line breaks and doubled quotes. Blank lines give no record. Throws
// ExchangeError naming the line of a record longer than kMaxCsvRecordLength.
QVector<CsvRecord> parseCsv(QStringView text, QChar separator);

// What the reader may be told instead of detecting it.
struct CsvOptions {
    std::optional<QChar> separator;
    std::optional<Encoding> encoding;
    std::optional<bool> hasHeader;
};

// The table of a bank's CSV file: the lines before it (a preamble of titles
// and account data), the header row when there is one, and the records.
struct CsvTable {
    QChar separator;
    Encoding encoding = Encoding::Utf8;
    bool hasHeader = false;
    int fieldCount = 0;
    QVector<CsvRecord> preamble;
    CsvRecord header;
    QVector<CsvRecord> records; // may hold records of another field count
};

// The separators looked for, in order of preference on a tie.
const QList<QChar>& csvSeparators();

// Reads a CSV file's table, detecting whatever the options leave open.
// Throws ExchangeError when no table of at least two columns is found.
CsvTable readCsvTable(const QByteArray& bytes, const CsvOptions& options = {});
// The same on text already decoded (the options' encoding is not used).
CsvTable readCsvTable(const DecodedText& decoded, const CsvOptions& options = {});

} // namespace tesorin::exchange
