#include "base/Regional.h"

#include <QStringList>

#include <algorithm>
#include <cstdlib>

namespace tesorin::regional {

namespace {

// Stands for the currency symbol while the locale lays out a currency text,
// so that no digit of a symbol is ever taken for the amount.
const QString kSymbolMark = QStringLiteral("\uFFFC");

QLocale spanishArgentina() {
    return QLocale(QLocale::Spanish, QLocale::Argentina);
}

std::int64_t powerOfTen(int exponent) {
    std::int64_t value = 1;
    for (int i = 0; i < exponent; ++i)
        value *= 10;
    return value;
}

QLocale withoutGrouping(QLocale loc) {
    loc.setNumberOptions(loc.numberOptions() | QLocale::OmitGroupSeparator);
    return loc;
}

// The symbol QLocale::toCurrencyString writes: the ISO code when the locale
// has no symbol of its own.
QString currencySymbolOf(const QLocale& loc) {
    const QString symbol = loc.currencySymbol(QLocale::CurrencySymbol);
    return symbol.isEmpty() ? loc.currencySymbol(QLocale::CurrencyIsoCode) : symbol;
}

// QLocale keeps the number of decimals of its currency to itself; its own
// currency text of 1 shows them.
int currencyDecimalsOf(const QLocale& loc) {
    const QString sample = loc.toCurrencyString(1.0, kSymbolMark);
    for (int decimals = 4; decimals > 0; --decimals) {
        if (sample.contains(loc.toString(1.0, 'f', decimals)))
            return decimals;
    }
    return 0;
}

// `value` in the locale's digits, padded with its zero to `width` digits.
QString paddedDigits(const QLocale& loc, std::int64_t value, int width) {
    const QLocale plain = withoutGrouping(loc);
    // Counted on the value: a digit of some scripts takes two QChars.
    int digitCount = 1;
    for (std::int64_t rest = value / 10; rest > 0; rest /= 10)
        ++digitCount;
    return plain.zeroDigit().repeated(std::max(width - digitCount, 0)) +
           plain.toString(qlonglong(value));
}

// Whole part, decimal mark and `decimals` decimals of `magnitude`, a count
// of 10^-decimals units, grouped as the locale groups.
QString decimalText(const QLocale& loc, std::int64_t magnitude, int decimals) {
    const std::int64_t scale = powerOfTen(decimals);
    QString text = loc.toString(qlonglong(magnitude / scale));
    if (decimals > 0)
        text += loc.decimalPoint() + paddedDigits(loc, magnitude % scale, decimals);
    return text;
}

// A decimal digit of any script at `pos`, as its value and length in
// QChars (some scripts' digits lie beyond the BMP); value -1 when none.
struct Digit {
    int value = -1;
    qsizetype length = 0;
};

Digit digitAt(const QString& text, qsizetype pos) {
    if (pos >= text.size())
        return {};
    char32_t code = text[pos].unicode();
    qsizetype length = 1;
    if (text[pos].isHighSurrogate() && pos + 1 < text.size() && text[pos + 1].isLowSurrogate()) {
        code = QChar::surrogateToUcs4(text[pos], text[pos + 1]);
        length = 2;
    }
    if (!QChar::isDigit(code))
        return {};
    return {QChar::digitValue(code), length};
}

bool isBlank(QChar c) {
    return c.isSpace() || c.category() == QChar::Other_Format;
}

// What a number text of the locale may carry besides its digits.
struct NumberMarks {
    QString symbol;
    QString decimalMark;
    QString groupMark;
    bool groupMarkIsBlank = false;
    bool dotIsDecimal = false; // '.' read as a decimal mark besides the locale's own
    QString negativeSign;
    QString positiveSign;
    int firstGroup = 0; // digits of the rightmost group; 0 when the locale never groups
    int otherGroups = 0;

    explicit NumberMarks(const QLocale& loc)
        : symbol(currencySymbolOf(loc)), decimalMark(loc.decimalPoint()),
          groupMark(loc.groupSeparator()), negativeSign(loc.negativeSign()),
          positiveSign(loc.positiveSign()) {
        groupMarkIsBlank = groupMark.size() == 1 && groupMark[0].isSpace();
        dotIsDecimal = groupMark != u"." && decimalMark != u".";
        // The locale's own text of a long number shows how it groups.
        const QStringList groups = loc.toString(qlonglong(1234567890123LL)).split(groupMark);
        // Sizes in digits, not QChars: a digit of some scripts takes two.
        if (groups.size() >= 2) {
            firstGroup = int(groups.last().toUcs4().size());
            otherGroups =
                groups.size() >= 3 ? int(groups[groups.size() - 2].toUcs4().size()) : firstGroup;
        }
    }
};

// Reads a number text of the locale into the plain form Money reads
// ("-1234.5"). Around the digits, in any order: blanks, one sign or a pair
// of parentheses, one currency symbol. Grouping marks must stand where the
// locale puts them, so that "1.5" is not taken for 15 where '.' groups; only
// the leftmost group may be longer, as Qt writes "1234.567" in es_ES.
class NumberReader {
public:
    NumberReader(const QString& text, const NumberMarks& marks) : m_text(text), m_marks(marks) {}

    std::optional<QString> plainText() {
        if (!readAffixes(Side::Before) || !readDigits() || !readAffixes(Side::After))
            return std::nullopt;
        if (m_pos != m_text.size() || m_openParenthesis != m_closeParenthesis)
            return std::nullopt;
        if (m_openParenthesis && m_signSeen)
            return std::nullopt;
        const bool negative = m_negative || m_openParenthesis;
        QString plain = negative ? QStringLiteral("-") : QString();
        plain += m_whole.isEmpty() ? QStringLiteral("0") : m_whole;
        if (!m_fraction.isEmpty())
            plain += u'.' + m_fraction;
        return plain;
    }

private:
    enum class Side { Before, After };

    bool startsWith(const QString& mark) const {
        return !mark.isEmpty() && QStringView(m_text).mid(m_pos).startsWith(mark);
    }

    bool takeSign(bool negative, qsizetype length) {
        if (m_signSeen)
            return false;
        m_signSeen = true;
        m_negative = negative;
        m_pos += length;
        return true;
    }

    bool readAffixes(Side side) {
        while (m_pos < m_text.size()) {
            const QChar c = m_text[m_pos];
            if (startsWith(m_marks.symbol)) {
                if (m_symbolSeen)
                    return false;
                m_symbolSeen = true;
                m_pos += m_marks.symbol.size();
            } else if (startsWith(m_marks.negativeSign)) {
                if (!takeSign(true, m_marks.negativeSign.size()))
                    return false;
            } else if (startsWith(m_marks.positiveSign)) {
                if (!takeSign(false, m_marks.positiveSign.size()))
                    return false;
            } else if (c == u'-' || c == QChar(0x2212)) {
                if (!takeSign(true, 1))
                    return false;
            } else if (c == u'+') {
                if (!takeSign(false, 1))
                    return false;
            } else if (c == u'(' && side == Side::Before && !m_openParenthesis) {
                m_openParenthesis = true;
                ++m_pos;
            } else if (c == u')' && side == Side::After && !m_closeParenthesis) {
                m_closeParenthesis = true;
                ++m_pos;
            } else if (isBlank(c)) {
                ++m_pos;
            } else {
                return side == Side::Before;
            }
        }
        return true;
    }

    bool atDigit(qsizetype pos) const { return digitAt(m_text, pos).value >= 0; }

    void takeDigit(QString& into) {
        const Digit digit = digitAt(m_text, m_pos);
        into += QChar(u'0' + digit.value);
        m_pos += digit.length;
    }

    // Length of the grouping mark at the current position when a digit
    // follows it, else 0.
    qsizetype groupMarkHere() const {
        qsizetype length = 0;
        if (startsWith(m_marks.groupMark))
            length = m_marks.groupMark.size();
        else if (m_marks.groupMarkIsBlank && m_pos < m_text.size() && m_text[m_pos].isSpace())
            length = 1;
        return length > 0 && atDigit(m_pos + length) ? length : 0;
    }

    qsizetype decimalMarkHere() const {
        if (startsWith(m_marks.decimalMark))
            return m_marks.decimalMark.size();
        if (m_marks.dotIsDecimal && m_pos < m_text.size() && m_text[m_pos] == u'.')
            return 1;
        return 0;
    }

    bool readDigits() {
        QList<qsizetype> groupSizes;
        qsizetype groupStart = 0;
        while (true) {
            if (atDigit(m_pos)) {
                takeDigit(m_whole);
            } else if (const qsizetype length = groupMarkHere(); length > 0 && !m_whole.isEmpty()) {
                groupSizes.append(m_whole.size() - groupStart);
                groupStart = m_whole.size();
                m_pos += length;
            } else {
                break;
            }
        }
        if (!groupSizes.isEmpty()) {
            groupSizes.append(m_whole.size() - groupStart);
            if (!groupsFit(groupSizes))
                return false;
        }
        if (const qsizetype length = decimalMarkHere(); length > 0) {
            m_pos += length;
            while (atDigit(m_pos))
                takeDigit(m_fraction);
        }
        return !m_whole.isEmpty() || !m_fraction.isEmpty();
    }

    bool groupsFit(const QList<qsizetype>& sizes) const {
        if (m_marks.firstGroup == 0)
            return false;
        for (qsizetype i = sizes.size() - 1; i > 0; --i) {
            const int expected = i == sizes.size() - 1 ? m_marks.firstGroup : m_marks.otherGroups;
            if (sizes[i] != expected)
                return false;
        }
        return true;
    }

    const QString& m_text;
    const NumberMarks& m_marks;
    qsizetype m_pos = 0;
    QString m_whole;
    QString m_fraction;
    bool m_signSeen = false;
    bool m_negative = false;
    bool m_symbolSeen = false;
    bool m_openParenthesis = false;
    bool m_closeParenthesis = false;
};

// The locale's short date format with every year field made four digits.
QString fourDigitYearFormat(const QString& format) {
    QString result;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format[i];
        if (c == u'\'')
            quoted = !quoted;
        if (c == u'y' && !quoted) {
            while (i < format.size() && format[i] == u'y')
                ++i;
            result += QStringLiteral("yyyy");
            continue;
        }
        result += c;
        ++i;
    }
    return result;
}

QString shortDateFormat(const QLocale& loc) {
    return fourDigitYearFormat(loc.dateFormat(QLocale::ShortFormat));
}

QString withoutFormatMarks(const QString& text) {
    QString result;
    for (QChar c : text) {
        if (c.category() != QChar::Other_Format)
            result += c;
    }
    return result;
}

// Reads the fields of a numeric short date format (d, M, y and literal
// text) by hand: QDate's parser takes a two-digit year as 19xx and so
// refuses 29/2/00.
class ShortDateReader {
public:
    ShortDateReader(const QString& text, const QString& format)
        : m_text(withoutFormatMarks(text).trimmed()), m_format(withoutFormatMarks(format)) {}

    enum class Outcome { Read, Refused, NotNumericFormat };

    Outcome read() {
        bool quoted = false;
        for (qsizetype i = 0; i < m_format.size();) {
            const QChar c = m_format[i];
            if (c == u'\'') {
                if (i + 1 < m_format.size() && m_format[i + 1] == u'\'') {
                    if (!takeLiteral(c))
                        return Outcome::Refused;
                    i += 2;
                } else {
                    quoted = !quoted;
                    ++i;
                }
                continue;
            }
            if (quoted || !c.isLetter()) {
                if (!takeLiteral(c))
                    return Outcome::Refused;
                ++i;
                continue;
            }
            qsizetype count = 0;
            while (i < m_format.size() && m_format[i] == c) {
                ++i;
                ++count;
            }
            if (c == u'd' && count <= 2)
                m_day = takeNumber(2);
            else if (c == u'M' && count <= 2)
                m_month = takeNumber(2);
            else if (c == u'y')
                m_year = takeYear();
            else
                return Outcome::NotNumericFormat;
        }
        return m_pos == m_text.size() ? Outcome::Read : Outcome::Refused;
    }

    // QDate takes a negative year for a year before Christ: a missing field
    // must not pass for one.
    QDate date() const {
        return m_year > 0 && m_month > 0 && m_day > 0 ? QDate(m_year, m_month, m_day) : QDate();
    }

private:
    bool takeLiteral(QChar c) {
        if (m_pos >= m_text.size() || m_text[m_pos] != c)
            return false;
        ++m_pos;
        return true;
    }

    // Up to `maxDigits` digits; -1 when there is none.
    int takeNumber(int maxDigits, int* digitCount = nullptr) {
        int value = 0;
        int count = 0;
        for (Digit digit = digitAt(m_text, m_pos); count < maxDigits && digit.value >= 0;
             digit = digitAt(m_text, m_pos)) {
            value = value * 10 + digit.value;
            m_pos += digit.length;
            ++count;
        }
        if (digitCount)
            *digitCount = count;
        return count == 0 ? -1 : value;
    }

    int takeYear() {
        int digits = 0;
        const int year = takeNumber(4, &digits);
        if (digits == 4)
            return year;
        if (digits == 2)
            return year < 30 ? 2000 + year : 1900 + year;
        return -1;
    }

    QString m_text;
    QString m_format;
    qsizetype m_pos = 0;
    int m_day = -1;
    int m_month = -1;
    int m_year = -1;
};

} // namespace

QLocale locale() {
    const QLocale current;
    return current.language() == QLocale::C ? spanishArgentina() : current;
}

void applySystemLocale() {
    if (QLocale::system().language() == QLocale::C)
        QLocale::setDefault(spanishArgentina());
}

QString currency(Money amount) {
    return currency(MoneySum(amount));
}

QString currency(MoneySum total) {
    const QLocale loc = locale();
    const int decimals = currencyDecimalsOf(loc);
    const std::int64_t step = powerOfTen(4 - decimals);
    // Rounded without adding to the magnitude, which may lie near the end of
    // 64 bits.
    const std::int64_t magnitude = std::llabs(total.units());
    const std::int64_t rounded = magnitude / step + (magnitude % step >= step - step / 2 ? 1 : 0);
    // An amount that rounds to zero is shown as zero, never as a negative zero.
    const bool negative = total.units() < 0 && rounded != 0;

    // The locale lays out the currency text of 1 or -1; the exact amount
    // then takes the place of that 1. No double is involved, so amounts up
    // to the limit come out to the last digit.
    QString text = loc.toCurrencyString(qlonglong(negative ? -1 : 1), kSymbolMark);
    const QString one = loc.toString(qlonglong(1));
    const qsizetype at = text.indexOf(one);
    text.replace(at, one.size(), decimalText(loc, rounded, decimals));
    text.replace(kSymbolMark, currencySymbolOf(loc));
    return text;
}

std::optional<Money> readNumber(const QString& text) {
    const NumberMarks marks(locale());
    const std::optional<QString> plain = NumberReader(text, marks).plainText();
    if (!plain)
        return std::nullopt;
    const std::optional<Money> amount = Money::fromPlainText(*plain);
    // An amount the store would keep rounded is no amount the program takes.
    if (!amount || !amount->isStorable())
        return std::nullopt;
    return amount;
}

QString plainNumber(Money amount) {
    const QLocale loc = withoutGrouping(locale());
    std::int64_t magnitude = std::llabs(amount.units());
    int decimals = 4;
    while (decimals > 0 && magnitude % 10 == 0) {
        magnitude /= 10;
        --decimals;
    }
    const QString text = decimalText(loc, magnitude, decimals);
    return amount.units() < 0 ? loc.negativeSign() + text : text;
}

QString shortDate(const QDate& date) {
    const QLocale loc = locale();
    return loc.toString(date, shortDateFormat(loc));
}

QString shortDateDisplayFormat() {
    return shortDateFormat(locale());
}

std::optional<QDate> readShortDate(const QString& text) {
    const QLocale loc = locale();
    const QString format = shortDateFormat(loc);
    ShortDateReader reader(text, format);
    QDate date;
    switch (reader.read()) {
    case ShortDateReader::Outcome::Read:
        date = reader.date();
        break;
    case ShortDateReader::Outcome::Refused:
        break;
    case ShortDateReader::Outcome::NotNumericFormat:
        date = loc.toDate(text.trimmed(), format);
        break;
    }
    if (!date.isValid())
        return std::nullopt;
    return date;
}

QString monthName(int month) {
    return locale().standaloneMonthName(month, QLocale::LongFormat);
}

QString monthYearTitle(const QDate& date) {
    return monthName(date.month()) + QStringLiteral(", ") + locale().toString(date, u"yyyy");
}

} // namespace tesorin::regional
