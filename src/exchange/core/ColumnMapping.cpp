#include "exchange/core/ColumnMapping.h"

#include <QRegularExpression>
#include <QSet>

#include <utility>

namespace tesorin::exchange {

namespace {

QString folded(const QString& text) {
    QString out = text.normalized(QString::NormalizationForm_D).toLower();
    out.removeIf([](QChar c) { return c.category() == QChar::Mark_NonSpacing; });
    return out.trimmed();
}

bool matchesAny(const QString& name, std::initializer_list<const char*> words) {
    const QString f = folded(name);
    for (const char* w : words)
        if (f == QLatin1String(w) || f.startsWith(QLatin1String(w) + u' ') ||
            f.startsWith(QLatin1String(w) + u'.') || f.startsWith(QLatin1String(w) + u'('))
            return true;
    return false;
}

QStringList column(const CsvTable& table, int index, int limit = 200) {
    QStringList values;
    for (const CsvRecord& r : table.records) {
        if (values.size() >= limit)
            break;
        // A header repeated inside the table says nothing of the values.
        if (table.hasHeader && r.fields == table.header.fields)
            continue;
        if (index >= 0 && index < r.fields.size() && r.fields.size() == table.fieldCount)
            values.append(r.fields.at(index));
    }
    return values;
}

// Debit or credit as banks write it: true for a debit (a payment).
std::optional<bool> readDebitCredit(const QString& text) {
    const QString f = folded(text);
    static const QStringList debits = {"d",     "db", "deb", "debito", "debe",
                                       "debit", "dr", "-",   "egreso", "cargo"};
    static const QStringList credits = {"c", "cr",     "cred", "credito", "haber",
                                        "h", "credit", "+",    "ingreso", "abono"};
    if (debits.contains(f))
        return true;
    if (credits.contains(f))
        return false;
    return std::nullopt;
}

bool readsAsDateOrAmount(const QString& v) {
    return readDate(v, DateOrder::DayMonthYear) || readDate(v, DateOrder::MonthDayYear) ||
           readDate(v, DateOrder::YearMonthDay) ||
           (!isBlankAmount(v) &&
            (readAmount(v, DecimalMark::Comma) || readAmount(v, DecimalMark::Point)));
}

// Every filled cell reads as debit or credit, and at least one is filled.
bool isDebitCreditColumn(const QStringList& values) {
    int filled = 0;
    for (const QString& v : values) {
        if (v.trimmed().isEmpty())
            continue;
        if (!readDebitCredit(v))
            return false;
        ++filled;
    }
    return filled > 0;
}

QString quoted(const QString& text) {
    return QStringLiteral("«%1»").arg(text.trimmed());
}

} // namespace

QString ColumnMapping::problem(int fieldCount) const {
    auto valid = [fieldCount](int c) { return c >= 0 && c < fieldCount; };
    if (!valid(date))
        return QStringLiteral("Elija la columna de la fecha.");
    if (detail.isEmpty())
        return QStringLiteral("Elija al menos una columna para el detalle.");
    for (int c : detail)
        if (!valid(c))
            return QStringLiteral("La columna %1 del detalle no existe.").arg(c + 1);
    switch (mode) {
    case AmountMode::Signed:
        if (!valid(amount))
            return QStringLiteral("Elija la columna del importe.");
        break;
    case AmountMode::IncomeExpense:
        if (!valid(income) || !valid(expense) || income == expense)
            return QStringLiteral("Elija dos columnas distintas para ingresos y egresos.");
        break;
    case AmountMode::AmountDebitCredit:
        if (!valid(amount) || !valid(debitCredit) || amount == debitCredit)
            return QStringLiteral("Elija la columna del importe y la de débito/crédito.");
        break;
    }
    if (account >= fieldCount)
        return QStringLiteral("La columna %1 de la cuenta no existe.").arg(account + 1);
    if (medium >= fieldCount)
        return QStringLiteral("La columna %1 del medio no existe.").arg(medium + 1);
    return {};
}

QString ColumnMapping::toText() const {
    QStringList details;
    for (int c : detail)
        details.append(QString::number(c));
    return QStringLiteral(
               "fecha=%1;detalle=%2;modo=%3;importe=%4;ingreso=%5;egreso=%6;dc=%7;cuenta=%8;"
               "decimal=%9;orden=%10;medio=%11")
        .arg(date)
        .arg(details.join(u','))
        .arg(static_cast<int>(mode))
        .arg(amount)
        .arg(income)
        .arg(expense)
        .arg(debitCredit)
        .arg(account)
        .arg(decimal == DecimalMark::Comma ? QStringLiteral(",") : QStringLiteral("."))
        .arg(dateOrderCode(dateOrder))
        .arg(medium);
}

std::optional<ColumnMapping> ColumnMapping::fromText(const QString& text) {
    ColumnMapping m;
    int seen = 0;
    for (const QString& pair : text.split(u';', Qt::SkipEmptyParts)) {
        const qsizetype eq = pair.indexOf(u'=');
        if (eq < 0)
            return std::nullopt;
        const QString key = pair.left(eq);
        const QString value = pair.mid(eq + 1);
        bool ok = true;
        if (key == u"fecha")
            m.date = value.toInt(&ok);
        else if (key == u"detalle") {
            for (const QString& c : value.split(u',', Qt::SkipEmptyParts))
                m.detail.append(c.toInt(&ok));
        } else if (key == u"modo") {
            const int mode = value.toInt(&ok);
            ok = ok && mode >= 0 && mode <= 2;
            m.mode = static_cast<AmountMode>(mode);
        } else if (key == u"importe")
            m.amount = value.toInt(&ok);
        else if (key == u"ingreso")
            m.income = value.toInt(&ok);
        else if (key == u"egreso")
            m.expense = value.toInt(&ok);
        else if (key == u"dc")
            m.debitCredit = value.toInt(&ok);
        else if (key == u"cuenta")
            m.account = value.toInt(&ok);
        else if (key == u"medio")
            m.medium = value.toInt(&ok);
        else if (key == u"decimal")
            m.decimal = value == u"." ? DecimalMark::Point : DecimalMark::Comma;
        else if (key == u"orden") {
            const auto order = dateOrderFromCode(value);
            ok = order.has_value();
            if (order)
                m.dateOrder = *order;
        } else
            continue;
        if (!ok)
            return std::nullopt;
        ++seen;
    }
    if (seen == 0)
        return std::nullopt;
    return m;
}

ColumnMapping guessMapping(const CsvTable& table) {
    ColumnMapping m;
    const QStringList names = table.hasHeader ? table.header.fields : QStringList{};
    for (int c = 0; c < names.size(); ++c) {
        const QString& n = names.at(c);
        if (m.date < 0 &&
            matchesAny(n, {"fecha", "date", "fecha valor", "fecha operacion", "fecha mov"}))
            m.date = c;
        else if (matchesAny(n,
                            {"concepto", "descripcion", "detalle", "description", "memo",
                             "referencia", "observaciones", "movimiento", "payee", "beneficiario"}))
            m.detail.append(c);
        else if (m.amount < 0 && matchesAny(n, {"importe", "monto", "amount", "valor",
                                                "importe ars", "total", "betrag"}))
            m.amount = c;
        else if (m.income < 0 &&
                 matchesAny(n, {"credito", "creditos", "haber", "ingreso", "ingresos", "credit",
                                "deposito", "depositos", "entrada", "deposit", "deposits"}))
            m.income = c;
        else if (m.expense < 0 && matchesAny(n, {"debito", "debitos", "debe", "egreso", "egresos",
                                                 "debit", "retiro", "retiros", "salida", "cargo",
                                                 "cargos", "withdrawal", "withdrawals"}))
            m.expense = c;
        else if (m.debitCredit < 0 &&
                 matchesAny(n, {"d/c", "debito/credito", "dc", "tipo movimiento", "signo", "d/h",
                                "dr/cr", "cargo/abono", "transaction type", "debit/credit"}))
            m.debitCredit = c;
        else if (m.account < 0 && matchesAny(n, {"cuenta", "categoria", "category", "rubro"}))
            m.account = c;
        else if (m.medium < 0 && matchesAny(n, {"tipo", "medio", "medio de pago", "forma de pago"}))
            m.medium = c;
    }
    // Without names, the columns' contents decide.
    if (m.date < 0 || (m.amount < 0 && (m.income < 0 || m.expense < 0))) {
        for (int c = 0; c < table.fieldCount; ++c) {
            const QStringList values = column(table, c, 50);
            int dates = 0, amounts = 0;
            for (const QString& v : values) {
                if (readDate(v, DateOrder::DayMonthYear) || readDate(v, DateOrder::MonthDayYear) ||
                    readDate(v, DateOrder::YearMonthDay))
                    ++dates;
                else if (!isBlankAmount(v) &&
                         (readAmount(v, DecimalMark::Comma) || readAmount(v, DecimalMark::Point)))
                    ++amounts;
            }
            const int half = int(values.size() + 1) / 2;
            if (m.date < 0 && dates >= half && dates > 0)
                m.date = c;
            else if (m.amount < 0 && m.income < 0 && amounts >= half && amounts > 0)
                m.amount = c;
        }
    }
    // A column saying debit or credit in every filled cell, whatever its name.
    auto taken = [&m](int c) {
        return c == m.date || c == m.amount || c == m.income || c == m.expense || c == m.account ||
               m.detail.contains(c);
    };
    if (m.debitCredit < 0 || !isDebitCreditColumn(column(table, m.debitCredit)))
        m.debitCredit = -1;
    for (int c = 0; c < table.fieldCount && m.debitCredit < 0; ++c)
        if (!taken(c) && isDebitCreditColumn(column(table, c)))
            m.debitCredit = c;
    if (m.medium == m.debitCredit)
        m.medium = -1;
    // Without a named one, the detail is the text column that varies most
    // (on a tie, the one with the longer texts).
    if (m.detail.isEmpty()) {
        int best = -1;
        std::pair<int, qsizetype> bestScore{0, 0};
        for (int c = 0; c < table.fieldCount; ++c) {
            if (taken(c) || c == m.debitCredit || c == m.medium)
                continue;
            const QStringList values = column(table, c);
            QSet<QString> distinct;
            qsizetype length = 0;
            int texts = 0;
            for (const QString& v : values) {
                const QString t = v.simplified();
                if (t.isEmpty() || readsAsDateOrAmount(t))
                    continue;
                ++texts;
                distinct.insert(t);
                length += t.size();
            }
            if (texts == 0 || texts * 2 < values.size())
                continue;
            const std::pair<int, qsizetype> score{int(distinct.size()), length / texts};
            if (score > bestScore) {
                bestScore = score;
                best = c;
            }
        }
        if (best >= 0)
            m.detail.append(best);
    }
    if (m.amount < 0 && m.income >= 0 && m.expense >= 0)
        m.mode = AmountMode::IncomeExpense;
    else if (m.amount >= 0 && m.debitCredit >= 0)
        m.mode = AmountMode::AmountDebitCredit;
    else if (m.amount < 0 && (m.income >= 0 || m.expense >= 0))
        m.amount = std::max(m.income, m.expense);

    QStringList amounts;
    for (int c : {m.amount, m.income, m.expense})
        if (c >= 0)
            amounts += column(table, c);
    m.decimal = detectDecimalMark(amounts, DecimalMark::Comma);
    m.dateOrder = detectDateOrder(column(table, m.date), DateOrder::DayMonthYear);
    return m;
}

QVector<ImportRow> applyMapping(const CsvTable& table, const ColumnMapping& mapping) {
    QVector<ImportRow> rows;
    rows.reserve(table.records.size());
    for (const CsvRecord& record : table.records) {
        ImportRow row;
        row.line = record.line;
        row.source = record.fields;
        if (record.fields.size() != table.fieldCount) {
            row.reason = QStringLiteral("La fila tiene %1 campos y la tabla tiene %2.")
                             .arg(record.fields.size())
                             .arg(table.fieldCount);
            rows.append(row);
            continue;
        }
        const QStringList& f = record.fields;
        const auto date = readDate(f.at(mapping.date), mapping.dateOrder);
        if (!date)
            row.reason = QStringLiteral("Fecha no reconocida: %1.").arg(quoted(f.at(mapping.date)));
        else
            row.date = *date;

        QStringList detail;
        for (int c : mapping.detail) {
            const QString part = f.at(c).simplified();
            if (!part.isEmpty())
                detail.append(part);
        }
        row.detail = detail.join(QStringLiteral(" - "));
        if (mapping.account >= 0)
            row.account = f.at(mapping.account).trimmed();
        if (mapping.medium >= 0)
            row.medium = f.at(mapping.medium).trimmed();

        auto amountReason = [&](const QString& text) {
            return QStringLiteral("Importe no reconocido: %1.").arg(quoted(text));
        };
        QString amountProblem;
        switch (mapping.mode) {
        case AmountMode::Signed: {
            const auto a = readAmount(f.at(mapping.amount), mapping.decimal);
            if (a)
                row.amount = *a;
            else
                amountProblem = amountReason(f.at(mapping.amount));
            break;
        }
        case AmountMode::IncomeExpense: {
            const QString& in = f.at(mapping.income);
            const QString& out = f.at(mapping.expense);
            const auto a =
                isBlankAmount(in) ? std::optional<Money>(Money{}) : readAmount(in, mapping.decimal);
            const auto b = isBlankAmount(out) ? std::optional<Money>(Money{})
                                              : readAmount(out, mapping.decimal);
            if (!a)
                amountProblem = amountReason(in);
            else if (!b)
                amountProblem = amountReason(out);
            else if (isBlankAmount(in) && isBlankAmount(out))
                amountProblem = QStringLiteral("La fila no tiene importe de ingreso ni de egreso.");
            else {
                const Money income = *a < Money{} ? -*a : *a;
                const Money expense = *b < Money{} ? -*b : *b;
                row.amount = income - expense;
            }
            break;
        }
        case AmountMode::AmountDebitCredit: {
            const auto a = readAmount(f.at(mapping.amount), mapping.decimal);
            const auto debit = readDebitCredit(f.at(mapping.debitCredit));
            if (!a)
                amountProblem = amountReason(f.at(mapping.amount));
            else if (!debit)
                amountProblem = QStringLiteral("No se reconoce %1 como débito o crédito.")
                                    .arg(quoted(f.at(mapping.debitCredit)));
            else {
                const Money magnitude = *a < Money{} ? -*a : *a;
                row.amount = *debit ? -magnitude : magnitude;
            }
            break;
        }
        }
        if (!amountProblem.isEmpty())
            row.reason = row.reason.isEmpty() ? amountProblem : row.reason + u' ' + amountProblem;
        rows.append(row);
    }
    return rows;
}

} // namespace tesorin::exchange
