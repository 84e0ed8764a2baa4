#include "exchange/core/QifReader.h"

#include "exchange/core/ExchangeError.h"
#include "exchange/core/TextDecoding.h"

#include <QRegularExpression>

namespace tesorin::exchange {

namespace {

struct RawRecord {
    int line = 0;
    QStringList lines;
    QString date, amount, payee, memo, category, number;
    QStringList splitAmounts;
};

bool isCashType(const QString& type) {
    const QString t = type.trimmed().toLower();
    return t == u"bank" || t == u"cash" || t == u"ccard";
}

} // namespace

ReadResult readQif(const QByteArray& bytes, const QifOptions& options) {
    const QString text = decodeText(bytes).text;
    const QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));

    QVector<RawRecord> records;
    ReadResult result;
    QString section; // the !Type: of the records being read
    bool inAccountList = false;
    int skipped = 0;
    int firstSkippedLine = 0;
    RawRecord current;
    bool open = false;
    bool sawHeader = false;

    auto finish = [&] {
        if (!open)
            return;
        open = false;
        if (inAccountList)
            return;
        if (isCashType(section)) {
            records.append(current);
        } else {
            ++skipped;
            if (firstSkippedLine == 0)
                firstSkippedLine = current.line;
        }
    };
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines.at(i).trimmed();
        if (line.isEmpty())
            continue;
        const int lineNo = i + 1;
        if (line.startsWith(u'!')) {
            finish();
            sawHeader = true;
            if (line.startsWith(QLatin1String("!Type:"), Qt::CaseInsensitive)) {
                section = line.mid(6).trimmed();
                inAccountList = false;
                if (!isCashType(section))
                    result.notes.append(
                        QStringLiteral(
                            "Línea %1: se omiten los registros de tipo «%2»; sólo se importan "
                            "los de banco, efectivo y tarjeta.")
                            .arg(lineNo)
                            .arg(section));
            } else if (line.startsWith(QLatin1String("!Account"), Qt::CaseInsensitive)) {
                inAccountList = true;
            } else if (line.startsWith(QLatin1String("!Clear"), Qt::CaseInsensitive) ||
                       line.startsWith(QLatin1String("!Option"), Qt::CaseInsensitive)) {
                // Switches of the writing program; they change nothing here.
            } else {
                section.clear();
                inAccountList = false;
            }
            continue;
        }
        if (!sawHeader)
            throw ExchangeError(
                QStringLiteral("Línea %1: un archivo QIF empieza con una línea «!Type:»; "
                               "este no es un archivo QIF válido.")
                    .arg(lineNo));
        // "^" ends a record whatever follows it on the line ("^^" included).
        if (line.startsWith(u'^')) {
            if (inAccountList && !open)
                inAccountList = false; // the account block ends; records follow
            finish();
            continue;
        }
        if (!open) {
            current = RawRecord{};
            current.line = lineNo;
            open = true;
        }
        current.lines.append(line);
        const QChar code = line.front().toUpper();
        const QString value = line.mid(1).trimmed();
        switch (code.unicode()) {
        case 'D':
            current.date = value;
            break;
        case 'T':
        case 'U':
            current.amount = value;
            break;
        case 'P':
            current.payee = value;
            break;
        case 'M':
            current.memo = value;
            break;
        case 'L':
            current.category = value;
            break;
        case 'N':
            current.number = value;
            break;
        case '$':
            current.splitAmounts.append(value);
            break;
        default:
            break;
        }
    }
    finish();

    if (records.isEmpty()) {
        if (skipped > 0)
            throw ExchangeError(
                QStringLiteral("El archivo QIF no tiene movimientos de banco, efectivo ni tarjeta "
                               "(línea %1: sólo hay registros de otro tipo, como inversiones).")
                    .arg(firstSkippedLine));
        throw ExchangeError(QStringLiteral("El archivo QIF no tiene movimientos."));
    }
    if (skipped > 0)
        result.notes.append(
            QStringLiteral("Se omitieron %1 registros de otros tipos.").arg(skipped));

    QStringList dates, amounts;
    for (const RawRecord& r : records) {
        dates.append(r.date);
        amounts.append(r.amount.isEmpty() ? r.splitAmounts.join(u' ') : r.amount);
    }
    const DateOrder order =
        options.dateOrder.value_or(detectDateOrder(dates, DateOrder::MonthDayYear));
    const DecimalMark mark =
        options.decimal.value_or(detectDecimalMark(amounts, DecimalMark::Point));

    for (const RawRecord& r : records) {
        ImportRow row;
        row.line = r.line;
        row.source = r.lines;
        const auto date = readDate(r.date, order);
        if (!date)
            row.reason = r.date.isEmpty()
                             ? QStringLiteral("El registro no tiene fecha (D).")
                             : QStringLiteral("Fecha no reconocida: «%1».").arg(r.date);
        else
            row.date = *date;
        std::optional<Money> amount;
        if (!r.amount.isEmpty()) {
            amount = readAmount(r.amount, mark);
        } else if (!r.splitAmounts.isEmpty()) {
            Money total;
            amount = total;
            for (const QString& part : r.splitAmounts) {
                const auto a = readAmount(part, mark);
                if (!a) {
                    amount.reset();
                    break;
                }
                total += *a;
                amount = total;
            }
        }
        if (!amount) {
            const QString problem =
                r.amount.isEmpty() && r.splitAmounts.isEmpty()
                    ? QStringLiteral("El registro no tiene importe (T).")
                    : QStringLiteral("Importe no reconocido: «%1».")
                          .arg(r.amount.isEmpty() ? r.splitAmounts.join(u' ') : r.amount);
            row.reason = row.reason.isEmpty() ? problem : row.reason + u' ' + problem;
        } else {
            row.amount = *amount;
        }
        QStringList detail;
        if (!r.payee.isEmpty())
            detail.append(r.payee);
        if (!r.memo.isEmpty() && r.memo != r.payee)
            detail.append(r.memo);
        // N holds a cheque number, or a word such as "DEP" or "TXFR" that
        // names how the movement was made: its medium.
        static const QRegularExpression number(QStringLiteral("^\\d+$"));
        if (number.match(r.number).hasMatch()) {
            if (r.number.toLongLong() != 0)
                detail.append(QStringLiteral("N.º %1").arg(r.number));
        } else {
            row.medium = r.number;
        }
        row.detail = detail.join(QStringLiteral(" - "));
        QString category = r.category;
        if (category.startsWith(u'[') && category.endsWith(u']'))
            category = category.mid(1, category.size() - 2);
        row.account = category.section(u':', 0, 0).trimmed();
        result.rows.append(row);
    }
    return result;
}

} // namespace tesorin::exchange
