#include "exchange/core/AmountReading.h"

#include <QRegularExpression>

namespace tesorin::exchange {

namespace {

bool isCurrencyChar(QChar c) {
    return c.isLetter() || c.category() == QChar::Symbol_Currency;
}

QString withoutBlanks(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text)
        if (!c.isSpace())
            out.append(c);
    return out;
}

// A currency written beside an amount: a run holding a currency sign
// ("$", "U$S", "€") or a three-letter code ("ARS", "usd"). A lone letter
// or a word is no currency: "45678901.23A" is not an amount.
bool isCurrencyMark(QStringView run) {
    bool symbol = false;
    for (const QChar c : run)
        if (c.category() == QChar::Symbol_Currency)
            symbol = true;
    return symbol || run.size() == 3;
}

// Takes a run of currency characters from the front or the back of the
// text; false when the run there is no currency mark.
bool takeCurrency(QString& t, bool front) {
    qsizetype n = 0;
    if (front)
        while (n < t.size() && isCurrencyChar(t.at(n)))
            ++n;
    else
        while (n < t.size() && isCurrencyChar(t.at(t.size() - 1 - n)))
            ++n;
    const QStringView run = front ? QStringView(t).left(n) : QStringView(t).right(n);
    if (!isCurrencyMark(run))
        return false;
    if (front)
        t.remove(0, n);
    else
        t.chop(n);
    t = t.trimmed();
    return true;
}

} // namespace

bool isBlankAmount(const QString& text) {
    const QString t = withoutBlanks(text);
    return t.isEmpty() || t == u"-";
}

std::optional<Money> readAmount(const QString& text, DecimalMark mark) {
    QString t = text.trimmed();
    bool negative = false;
    bool signSeen = false;
    auto takeSign = [&](QChar c) {
        if (signSeen)
            return false;
        signSeen = true;
        negative = c == u'-';
        return true;
    };
    if (t.size() >= 2 && t.front() == u'(' && t.back() == u')') {
        t = t.mid(1, t.size() - 2).trimmed();
        negative = signSeen = true;
    }
    // Signs and currency marks may stand on either side, in either order,
    // with blanks between them and the number; the number itself has none.
    for (bool changed = true; changed && !t.isEmpty();) {
        changed = false;
        if (t.front() == u'-' || t.front() == u'+') {
            if (!takeSign(t.front()))
                return std::nullopt;
            t = t.mid(1).trimmed();
            changed = true;
        } else if (isCurrencyChar(t.front())) {
            if (!takeCurrency(t, true))
                return std::nullopt;
            changed = true;
        }
        if (t.isEmpty())
            break;
        if (t.back() == u'-' || t.back() == u'+') {
            if (!takeSign(t.back()))
                return std::nullopt;
            t.chop(1);
            t = t.trimmed();
            changed = true;
        } else if (isCurrencyChar(t.back())) {
            if (!takeCurrency(t, false))
                return std::nullopt;
            changed = true;
        }
    }
    if (t.isEmpty())
        return std::nullopt;
    static const QRegularExpression commaForm(
        QStringLiteral("^(?:\\d{1,3}(?:\\.\\d{3})+|\\d+)(?:,(\\d+))?$"));
    static const QRegularExpression pointForm(
        QStringLiteral("^(?:\\d{1,3}(?:,\\d{3})+|\\d+)(?:\\.(\\d+))?$"));
    const QRegularExpressionMatch m = (mark == DecimalMark::Comma ? commaForm : pointForm).match(t);
    if (!m.hasMatch())
        return std::nullopt;
    QString plain = t;
    if (mark == DecimalMark::Comma) {
        plain.remove(u'.');
        plain.replace(u',', u'.');
    } else {
        plain.remove(u',');
    }
    if (negative)
        plain.prepend(u'-');
    std::optional<Money> amount = Money::fromPlainText(plain);
    if (amount && !amount->isStorable())
        return std::nullopt;
    return amount;
}

DecimalMark detectDecimalMark(const QStringList& texts, DecimalMark fallback) {
    // Count only texts that decide: one mark followed by one or two digits at
    // the end, or both marks present.
    static const QRegularExpression commaDecimals(QStringLiteral(",\\d{1,2}\\D*$"));
    static const QRegularExpression pointDecimals(QStringLiteral("\\.\\d{1,2}\\D*$"));
    int comma = 0;
    int point = 0;
    for (const QString& text : texts) {
        if (isBlankAmount(text))
            continue;
        const bool commaReads = readAmount(text, DecimalMark::Comma).has_value();
        const bool pointReads = readAmount(text, DecimalMark::Point).has_value();
        if (commaReads && !pointReads)
            ++comma;
        else if (pointReads && !commaReads)
            ++point;
        else if (commaReads && pointReads) {
            if (commaDecimals.match(text).hasMatch())
                ++comma;
            else if (pointDecimals.match(text).hasMatch())
                ++point;
        }
    }
    if (comma == point)
        return fallback;
    return comma > point ? DecimalMark::Comma : DecimalMark::Point;
}

} // namespace tesorin::exchange
