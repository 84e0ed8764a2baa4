#include "exchange/core/CsvTable.h"

#include "exchange/core/AmountReading.h"
#include "exchange/core/DateReading.h"
#include "exchange/core/ExchangeError.h"

#include <QHash>

namespace tesorin::exchange {

QVector<CsvRecord> parseCsv(const QString& text, QChar separator) {
    QVector<CsvRecord> records;
    CsvRecord record;
    QString field;
    bool quoted = false;
    bool fieldStarted = false;
    int line = 1;
    record.line = 1;
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
            endRecord();
            ++line;
            record.line = line;
        } else {
            field.append(c);
            if (!c.isSpace())
                fieldStarted = true;
        }
    }
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

bool looksLikeData(const QStringList& fields) {
    for (const QString& f : fields) {
        if (readDate(f, DateOrder::DayMonthYear) || readDate(f, DateOrder::MonthDayYear) ||
            readDate(f, DateOrder::YearMonthDay))
            return true;
        if (!isBlankAmount(f) &&
            (readAmount(f, DecimalMark::Comma) || readAmount(f, DecimalMark::Point)))
            return true;
    }
    return false;
}

} // namespace

CsvTable readCsvTable(const QByteArray& bytes, const CsvOptions& options) {
    CsvTable table;
    table.encoding = options.encoding.value_or(detectEncoding(bytes));
    const QString text = decode(bytes, table.encoding);

    // The separator is chosen on the file's first lines; the table's shape
    // on the whole file.
    if (options.separator) {
        table.separator = *options.separator;
    } else {
        const QString head = text.left(32 * 1024);
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
    const bool header =
        options.hasHeader.value_or(!looksLikeData(records.front().fields) &&
                                   (records.size() < 2 || looksLikeData(records.at(1).fields)));
    if (header && !records.isEmpty()) {
        table.hasHeader = true;
        table.header = records.takeFirst();
    }
    table.records = std::move(records);
    return table;
}

} // namespace tesorin::exchange
