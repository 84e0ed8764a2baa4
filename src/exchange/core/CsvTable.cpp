#include "exchange/core/CsvTable.h"

#include "base/Regional.h"
#include "exchange/core/AmountReading.h"
#include "exchange/core/DateReading.h"
#include "exchange/core/ExchangeError.h"

#include <QHash>

namespace tesorin::exchange {

QVector<CsvRecord> parseCsv(QStringView text, QChar separator) {
    QVector<CsvRecord> records;
    CsvRecord record;
    QString field;
    bool quoted = false;
    bool fieldStarted = false;
    int line = 1;
    record.line = 1;
    qsizetype recordStart = 0;
    auto checkLength = [&](qsizetype i) {
        if (i - recordStart > kMaxCsvRecordLength)
            throw ExchangeError(
                QStringLiteral("Línea %1: la línea tiene más de %2 caracteres; un extracto "
                               "bancario no tiene líneas tan largas. No se importa nada.")
                    .arg(record.line)
                    .arg(regional::locale().toString(kMaxCsvRecordLength)));
    };
    auto endField = [&] {
        record.fields.append(field);
        field.clear();
        fieldStarted = false;
    };
    auto endRecord = [&] {
        endField();
        const bool blank = record.fields.size() == 1 && record.fields.front().trimmed().isEmpty();
        if (!blank)
            records.append(record);
        record = CsvRecord{};
    };
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if ((i & 1023) == 0)
            checkLength(i);
        if (quoted) {
            if (c == u'"') {
                if (i + 1 < n && text.at(i + 1) == u'"') {
                    field.append(u'"');
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == u'\n' || (c == u'\r' && !(i + 1 < n && text.at(i + 1) == u'\n')))
                    ++line;
                field.append(c);
            }
            continue;
        }
        if (c == u'"' && !fieldStarted && field.trimmed().isEmpty()) {
            field.clear();
            quoted = true;
            fieldStarted = true;
        } else if (c == separator) {
            endField();
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < n && text.at(i + 1) == u'\n')
                ++i;
            checkLength(i);
            endRecord();
            ++line;
            record.line = line;
            recordStart = i + 1;
        } else {
            field.append(c);
            if (!c.isSpace())
                fieldStarted = true;
        }
    }
    checkLength(n);
    if (!field.isEmpty() || !record.fields.isEmpty() || quoted)
        endRecord();
    return records;
}

const QList<QChar>& csvSeparators() {
    static const QList<QChar> separators = {u';', u',', u'\t', u'|'};
    return separators;
}

namespace {

struct Shape {
    int fieldCount = 0;
    int start = 0;   // index of the first record of the table
    int matches = 0; // records of the table's field count from start
};

// The table is the longest run of records that share one field count of at
// least two, counted from its first record; preamble lines come before it.
Shape tableShape(const QVector<CsvRecord>& records) {
    QHash<int, int> count;
    for (const CsvRecord& r : records)
        if (r.fields.size() >= 2)
            ++count[int(r.fields.size())];
    Shape best;
    for (auto it = count.cbegin(); it != count.cend(); ++it) {
        if (it.value() > best.matches ||
            (it.value() == best.matches && it.key() > best.fieldCount)) {
            best.fieldCount = it.key();
            best.matches = it.value();
        }
    }
    for (int i = 0; i < records.size(); ++i)
        if (records[i].fields.size() == best.fieldCount) {
            best.start = i;
            break;
        }
    return best;
}

bool readsAsDate(const QString& f) {
    return readDate(f, DateOrder::DayMonthYear) || readDate(f, DateOrder::MonthDayYear) ||
           readDate(f, DateOrder::YearMonthDay);
}

bool readsAsAmount(const QString& f) {
    return !isBlankAmount(f) &&
           (readAmount(f, DecimalMark::Comma) || readAmount(f, DecimalMark::Point));
}

bool looksLikeData(const QStringList& fields) {
    for (const QString& f : fields)
        if (readsAsDate(f) || readsAsAmount(f))
            return true;
    return false;
}

// Whether the first record is a header: the columns that hold dates or
// amounts in the records below it (most of the filled cells, among the
// first ones) do not read in it. Without such columns, a first record with
// no date or amount anywhere before one that has them.
bool firstIsHeader(const QVector<CsvRecord>& records, int fieldCount) {
    if (records.size() < 2)
        return !looksLikeData(records.front().fields);
    const int sample = std::min<int>(int(records.size()), 51);
    QList<int> dataColumns;
    for (int c = 0; c < fieldCount; ++c) {
        int filled = 0, reading = 0;
        for (int i = 1; i < sample; ++i) {
            const QStringList& f = records.at(i).fields;
            if (f.size() != fieldCount || f.at(c).trimmed().isEmpty())
                continue;
            ++filled;
            if (readsAsDate(f.at(c)) || readsAsAmount(f.at(c)))
                ++reading;
        }
        if (filled > 0 && reading * 2 > filled)
            dataColumns.append(c);
    }
    const QStringList& first = records.front().fields;
    if (dataColumns.isEmpty())
        return !looksLikeData(first) && looksLikeData(records.at(1).fields);
    for (int c : dataColumns)
        if (c < first.size() && (readsAsDate(first.at(c)) || readsAsAmount(first.at(c))))
            return false;
    return true;
}

} // namespace

CsvTable readCsvTable(const QByteArray& bytes, const CsvOptions& options) {
    return readCsvTable(decodeText(bytes, options.encoding), options);
}

CsvTable readCsvTable(const DecodedText& decoded, const CsvOptions& options) {
    CsvTable table;
    table.encoding = decoded.encoding;
    const QString& text = decoded.text;

    // The separator is chosen on the file's first lines; the table's shape
    // on the whole file.
    if (options.separator) {
        table.separator = *options.separator;
    } else {
        const QStringView head = QStringView(text).left(32 * 1024);
        int best = 0;
        table.separator = csvSeparators().front();
        for (const QChar separator : csvSeparators()) {
            const Shape s = tableShape(parseCsv(head, separator));
            if (s.fieldCount >= 2 && s.matches > best) {
                best = s.matches;
                table.separator = separator;
            }
        }
    }
    QVector<CsvRecord> records = parseCsv(text, table.separator);
    const Shape shape = tableShape(records);
    if (shape.fieldCount < 2)
        throw ExchangeError(QStringLiteral("No se encontró una tabla de movimientos: ninguna línea "
                                           "tiene dos o más campos separados "
                                           "por coma, punto y coma, tabulación o barra vertical."));

    table.fieldCount = shape.fieldCount;
    table.preamble = records.mid(0, shape.start);
    records.remove(0, shape.start);
    const bool header = options.hasHeader.value_or(firstIsHeader(records, shape.fieldCount));
    if (header && !records.isEmpty()) {
        table.hasHeader = true;
        table.header = records.takeFirst();
    }
    table.records = std::move(records);
    return table;
}

} // namespace tesorin::exchange
