#include "exchange/core/Norma43Reader.h"

#include "base/Regional.h"
#include "exchange/core/ExchangeError.h"
#include "exchange/core/TextDecoding.h"

#include <QHash>
#include <QStringView>

namespace tesorin::exchange {

// The records, by column (from 1, both ends included); every record is 80
// characters and begins with its two-digit code.
//   11 account header: 3-6 bank, 7-10 office, 11-20 account number,
//      21-26 first day (YYMMDD), 27-32 last day, 33 sign of the opening
//      balance (1 debit, 2 credit), 34-47 opening balance (12 digits and 2
//      decimals), 48-50 currency (ISO 4217 number), 51 information mode,
//      52-77 holder's short name, 78-80 free.
//   22 movement: 3-6 free, 7-10 office of origin, 11-16 operation day,
//      17-22 value day, 23-24 common concept, 25-27 own concept, 28 sign
//      (1 debit, 2 credit), 29-42 amount, 43-52 document number,
//      53-64 reference 1, 65-80 reference 2.
//   23 concept text of the movement above: 3-4 its order (01 to 05),
//      5-42 and 43-80 two pieces of text.
//   24 equivalence of the movement in another currency: 3-4 "01",
//      5-7 currency, 8-21 amount, 22-80 free.
//   33 account end: 3-6 bank, 7-10 office, 11-20 account number,
//      21-25 number of debits, 26-39 total of debits, 40-44 number of
//      credits, 45-58 total of credits, 59 sign of the closing balance,
//      60-73 closing balance, 74-76 currency, 77-80 free.
//   88 file end: 3-20 nines, 21-26 number of records, 27-80 free.

namespace {

constexpr int kRecordLength = 80;

// The text of columns [first, last], counted from 1.
QString field(const QString& record, int first, int last) {
    return record.mid(first - 1, last - first + 1);
}

const QHash<QString, QString>& commonConcepts() {
    static const QHash<QString, QString> names{
        {QStringLiteral("01"), QStringLiteral("Talones, reintegros")},
        {QStringLiteral("02"), QStringLiteral("Abonarés, entregas, ingresos")},
        {QStringLiteral("03"),
         QStringLiteral("Domiciliados, recibos, letras, pagos por su cuenta")},
        {QStringLiteral("04"), QStringLiteral("Giros, transferencias, traspasos, cheques")},
        {QStringLiteral("05"), QStringLiteral("Amortizaciones de préstamos, créditos")},
        {QStringLiteral("06"), QStringLiteral("Remesas de efectos")},
        {QStringLiteral("07"), QStringLiteral("Suscripciones, dividendos pasivos, canjes")},
        {QStringLiteral("08"),
         QStringLiteral("Dividendos, cupones, prima de junta, amortizaciones")},
        {QStringLiteral("09"), QStringLiteral("Operaciones de bolsa, compra y venta de valores")},
        {QStringLiteral("10"), QStringLiteral("Cheques de gasolina")},
        {QStringLiteral("11"), QStringLiteral("Cajero automático")},
        {QStringLiteral("12"), QStringLiteral("Tarjetas de crédito, tarjetas de débito")},
        {QStringLiteral("13"), QStringLiteral("Operaciones con el extranjero")},
        {QStringLiteral("14"), QStringLiteral("Devoluciones e impagados")},
        {QStringLiteral("15"), QStringLiteral("Nóminas, seguros sociales")},
        {QStringLiteral("16"), QStringLiteral("Timbres, corretaje, póliza")},
        {QStringLiteral("17"),
         QStringLiteral("Intereses, comisiones, custodia, gastos e impuestos")},
        {QStringLiteral("98"), QStringLiteral("Anulaciones, correcciones de asiento")},
        {QStringLiteral("99"), QStringLiteral("Varios")}};
    return names;
}

// Reads one record at a time and says which line a fault is on.
class Reader {
public:
    Norma43File read(const QString& text);

private:
    [[noreturn]] void fail(const QString& what) const {
        throw ExchangeError(QStringLiteral("Línea %1: %2").arg(m_line).arg(what));
    }
    [[noreturn]] void failAccount(const QString& what) const {
        throw ExchangeError(QStringLiteral("Cuenta %1 (%2): %3")
                                .arg(m_statement.bankAccount, m_statement.holder, what));
    }
    QString digits(const QString& record, int first, int last, const QString& name) const;
    std::int64_t number(const QString& record, int first, int last, const QString& name) const {
        return digits(record, first, last, name).toLongLong();
    }
    Money amount(const QString& record, int first, int last, const QString& name) const {
        // Two decimals; Money counts ten-thousandths.
        return Money::fromUnits(number(record, first, last, name) * 100);
    }
    bool credit(const QString& record, int column, const QString& name) const;
    QDate day(const QString& record, int first, const QString& name) const;
    static QString accountOf(const QString& record) {
        return field(record, 3, 6) + u'-' + field(record, 7, 10) + u'-' + field(record, 11, 20);
    }

    void header(const QString& record);
    void movement(const QString& record);
    void conceptText(const QString& record);
    void equivalence(const QString& record);
    void closing(const QString& record);
    void finishMovement();

    Norma43File m_file;
    int m_line = 0;
    bool m_open = false;  // between an account's 11 and its 33
    bool m_ended = false; // after the 88
    BankStatement m_statement;
    std::optional<ImportRow> m_row; // the movement whose 23 and 24 may follow
    QString m_concept;              // the common concept of m_row
    QStringList m_texts;            // its 23 texts
    int m_debits = 0;
    int m_credits = 0;
    Money m_debitTotal;
    Money m_creditTotal;
};

QString Reader::digits(const QString& record, int first, int last, const QString& name) const {
    const QString text = field(record, first, last);
    for (const QChar c : text)
        if (c < u'0' || c > u'9')
            fail(QStringLiteral("%1 no es un número: «%2» (columnas %3 a %4).")
                     .arg(name, text)
                     .arg(first)
                     .arg(last));
    return text;
}

bool Reader::credit(const QString& record, int column, const QString& name) const {
    const QChar sign = record.at(column - 1);
    if (sign != u'1' && sign != u'2')
        fail(QStringLiteral("%1: se esperaba 1 (debe) o 2 (haber), no «%2» (columna %3).")
                 .arg(name, QString(sign))
                 .arg(column));
    return sign == u'2';
}

QDate Reader::day(const QString& record, int first, const QString& name) const {
    const QString text = digits(record, first, first + 5, name);
    const int year = text.left(2).toInt();
    // Two-digit years: the format was made in the eighties.
    const QDate date(year < 80 ? 2000 + year : 1900 + year, text.mid(2, 2).toInt(),
                     text.mid(4, 2).toInt());
    if (!date.isValid())
        fail(QStringLiteral("%1 no es una fecha (AAMMDD): «%2».").arg(name, text));
    return date;
}

void Reader::header(const QString& record) {
    if (m_open)
        fail(QStringLiteral("empieza la cuenta %1 sin que termine la cuenta %2 (falta su "
                            "registro 33).")
                 .arg(accountOf(record), m_statement.bankAccount));
    m_statement = BankStatement{};
    m_statement.bankAccount = accountOf(record);
    digits(record, 3, 20, QStringLiteral("La cuenta"));
    m_statement.from = day(record, 21, QStringLiteral("La fecha inicial"));
    m_statement.to = day(record, 27, QStringLiteral("La fecha final"));
    const bool positive = credit(record, 33, QStringLiteral("El signo del saldo inicial"));
    const Money opening = amount(record, 34, 47, QStringLiteral("El saldo inicial"));
    m_statement.opening = positive ? opening : -opening;
    m_statement.currency = field(record, 48, 50);
    m_statement.holder = field(record, 52, 77).trimmed();
    m_statement.firstRow = int(m_file.result.rows.size());
    m_open = true;
    m_debits = m_credits = 0;
    m_debitTotal = m_creditTotal = Money{};
}

void Reader::movement(const QString& record) {
    if (!m_open)
        fail(QStringLiteral("un movimiento (registro 22) fuera de una cuenta (falta su "
                            "registro 11)."));
    finishMovement();
    ImportRow row;
    row.line = m_line;
    row.source = {record.trimmed()};
    row.date = day(record, 11, QStringLiteral("La fecha de operación"));
    day(record, 17, QStringLiteral("La fecha valor"));
    m_concept = field(record, 23, 24);
    const bool isCredit = credit(record, 28, QStringLiteral("El signo del importe"));
    const Money value = amount(record, 29, 42, QStringLiteral("El importe"));
    row.amount = isCredit ? value : -value;
    if (value.isZero())
        row.leaveOut = QStringLiteral("Importe 0: el banco lo informa pero no mueve dinero; "
                                      "márquelo para guardarlo igual.");
    if (isCredit) {
        ++m_credits;
        m_creditTotal += value;
    } else {
        ++m_debits;
        m_debitTotal += value;
    }
    m_row = row;
    m_texts.clear();
}

void Reader::conceptText(const QString& record) {
    if (!m_row)
        fail(QStringLiteral("un concepto (registro 23) sin su movimiento (registro 22)."));
    digits(record, 3, 4, QStringLiteral("El orden del concepto"));
    m_row->source.append(record.trimmed());
    for (const QString& piece : {field(record, 5, 42), field(record, 43, 80)}) {
        const QString text = piece.simplified();
        if (!text.isEmpty())
            m_texts.append(text);
    }
}

void Reader::equivalence(const QString& record) {
    if (!m_row)
        fail(QStringLiteral("una equivalencia (registro 24) sin su movimiento (registro 22)."));
    digits(record, 5, 7, QStringLiteral("La divisa de la equivalencia"));
    amount(record, 8, 21, QStringLiteral("El importe de la equivalencia"));
    m_row->source.append(record.trimmed());
}

void Reader::finishMovement() {
    if (!m_row)
        return;
    m_row->detail = m_texts.isEmpty()
                        ? commonConcepts().value(m_concept, QStringLiteral("Movimiento"))
                        : m_texts.join(u' ');
    m_file.result.rows.append(*m_row);
    m_row.reset();
}

void Reader::closing(const QString& record) {
    if (!m_open)
        fail(QStringLiteral("un final de cuenta (registro 33) sin su registro 11."));
    finishMovement();
    if (accountOf(record) != m_statement.bankAccount)
        fail(QStringLiteral("el final de cuenta es de la cuenta %1, pero la abierta es la %2.")
                 .arg(accountOf(record), m_statement.bankAccount));
    const int debits = int(number(record, 21, 25, QStringLiteral("El número de cargos")));
    const Money debitTotal = amount(record, 26, 39, QStringLiteral("El total de cargos"));
    const int credits = int(number(record, 40, 44, QStringLiteral("El número de abonos")));
    const Money creditTotal = amount(record, 45, 58, QStringLiteral("El total de abonos"));
    const bool positive = credit(record, 59, QStringLiteral("El signo del saldo final"));
    const Money balance = amount(record, 60, 73, QStringLiteral("El saldo final"));
    m_statement.closing = positive ? balance : -balance;
    m_statement.rowCount = int(m_file.result.rows.size()) - m_statement.firstRow;
    const QString disagree =
        QStringLiteral("el final de cuenta (línea %1) dice %2 pero los movimientos suman %3; el "
                       "archivo no se importa.");
    if (debits != m_debits || debitTotal != m_debitTotal)
        failAccount(disagree.arg(m_line).arg(
            QStringLiteral("%1 cargos por %2").arg(debits).arg(regional::currency(debitTotal)),
            QStringLiteral("%1 cargos por %2")
                .arg(m_debits)
                .arg(regional::currency(m_debitTotal))));
    if (credits != m_credits || creditTotal != m_creditTotal)
        failAccount(disagree.arg(m_line).arg(
            QStringLiteral("%1 abonos por %2").arg(credits).arg(regional::currency(creditTotal)),
            QStringLiteral("%1 abonos por %2")
                .arg(m_credits)
                .arg(regional::currency(m_creditTotal))));
    const Money expected = *m_statement.opening + m_creditTotal - m_debitTotal;
    if (expected != *m_statement.closing)
        failAccount(
            QStringLiteral("el final de cuenta (línea %1) da un saldo final de %2, pero el "
                           "saldo inicial más los movimientos da %3; el archivo no se "
                           "importa.")
                .arg(m_line)
                .arg(regional::currency(*m_statement.closing), regional::currency(expected)));
    m_file.statements.append(m_statement);
    m_open = false;
}

Norma43File Reader::read(const QString& text) {
    const QStringList lines = text.split(u'\n');
    for (QString record : lines) {
        ++m_line;
        if (record.endsWith(u'\r'))
            record.chop(1);
        while (record.size() > kRecordLength && record.back() == u' ')
            record.chop(1);
        if (record.trimmed().isEmpty())
            continue;
        if (m_ended)
            fail(QStringLiteral("hay registros después del final del archivo (registro 88)."));
        if (record.size() > kRecordLength)
            fail(QStringLiteral("el registro tiene %1 caracteres; los de Norma 43 tienen %2.")
                     .arg(record.size())
                     .arg(kRecordLength));
        // Some banks cut the trailing blanks of a record.
        record = record.leftJustified(kRecordLength, u' ');
        const QString code = record.left(2);
        if (code == QLatin1String("11"))
            header(record);
        else if (code == QLatin1String("22"))
            movement(record);
        else if (code == QLatin1String("23"))
            conceptText(record);
        else if (code == QLatin1String("24"))
            equivalence(record);
        else if (code == QLatin1String("33"))
            closing(record);
        else if (code == QLatin1String("88")) {
            if (m_open)
                fail(QStringLiteral("el archivo termina sin el final de la cuenta %1 (registro "
                                    "33).")
                         .arg(m_statement.bankAccount));
            m_ended = true;
        } else
            fail(QStringLiteral("«%1» no es un registro de Norma 43 (se esperaba 11, 22, 23, 24, "
                                "33 u 88).")
                     .arg(code));
    }
    if (m_open)
        fail(QStringLiteral("el archivo termina sin el final de la cuenta %1 (registro 33).")
                 .arg(m_statement.bankAccount));
    if (m_file.statements.isEmpty())
        throw ExchangeError(
            QStringLiteral("El archivo Norma 43 no tiene ninguna cuenta (registro 11)."));
    return std::move(m_file);
}

bool recordCode(QStringView line) {
    static const QStringList codes{QStringLiteral("11"), QStringLiteral("22"),
                                   QStringLiteral("23"), QStringLiteral("24"),
                                   QStringLiteral("33"), QStringLiteral("88")};
    return line.size() >= 2 && codes.contains(line.left(2).toString());
}

} // namespace

bool looksLikeNorma43(const QByteArray& bytes) {
    // Enough of the head to see the header and a few records; a multi-byte
    // character may be cut at the end, so the last piece is left out.
    const QString head = decode(bytes.left(4096), detectEncoding(bytes.left(4096)));
    QStringList lines = head.split(u'\n');
    if (bytes.size() > 4096 && lines.size() > 1)
        lines.removeLast();
    bool first = true;
    for (QString line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        // The header's bank, office, account, dates, sign and balance are digits.
        if (first && (!line.startsWith(QLatin1String("11")) || line.size() < 47 ||
                      !std::all_of(line.begin() + 2, line.begin() + 47,
                                   [](QChar c) { return c >= u'0' && c <= u'9'; })))
            return false;
        first = false;
        if (line.trimmed().size() > kRecordLength || !recordCode(line))
            return false;
    }
    return !first;
}

Norma43File readNorma43(const QByteArray& bytes) {
    return Reader().read(decode(bytes, detectEncoding(bytes)));
}

} // namespace tesorin::exchange
