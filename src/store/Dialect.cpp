#include "store/Dialect.h"

#include "base/Money.h"
#include "base/Regional.h"
#include "store/JetLike.h"

#include <QRegularExpression>

#include <sqlite3.h>

#include <cmath>
#include <limits>

namespace tesorin::store::dialect {

namespace {

QString argText(sqlite3_value* value) {
    const auto* data = reinterpret_cast<const char*>(sqlite3_value_text(value));
    return data ? QString::fromUtf8(data, sqlite3_value_bytes(value)) : QString();
}

void resultError(sqlite3_context* context, const QString& message) {
    const QByteArray utf8 = message.toUtf8();
    sqlite3_result_error(context, utf8.constData(), int(utf8.size()));
}

// cdate('<short date>') -> the stored form 'YYYY-MM-DD'. The stored form
// itself is read too, so a date already converted compares the same way.
void cdateFunction(sqlite3_context* context, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const QString text = argText(argv[0]).trimmed();
    std::optional<QDate> date = regional::readShortDate(text);
    if (!date) {
        const QDate iso = QDate::fromString(text, Qt::ISODate);
        if (iso.isValid())
            date = iso;
    }
    if (!date) {
        resultError(context, QStringLiteral("«%1» no es una fecha válida").arg(text));
        return;
    }
    const QByteArray iso = date->toString(Qt::ISODate).toUtf8();
    sqlite3_result_text(context, iso.constData(), int(iso.size()), SQLITE_TRANSIENT);
}

// year() and month() of a stored date 'YYYY-MM-DD'.
template <int Start, int Length>
void datePartFunction(sqlite3_context* context, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
    const int size = sqlite3_value_bytes(argv[0]);
    if (!text || size < 10 || text[4] != '-' || text[7] != '-') {
        sqlite3_result_null(context);
        return;
    }
    int part = 0;
    for (int i = Start; i < Start + Length; ++i) {
        if (text[i] < '0' || text[i] > '9') {
            sqlite3_result_null(context);
            return;
        }
        part = part * 10 + (text[i] - '0');
    }
    sqlite3_result_int(context, part);
}

void deletePattern(void* pattern) {
    delete static_cast<JetLikePattern*>(pattern);
}

// like(pattern, value): SQLite calls this for "value LIKE pattern".
void likeFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (argc > 2) {
        resultError(context, QStringLiteral("ESCAPE no se admite en LIKE"));
        return;
    }
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    auto* pattern = static_cast<JetLikePattern*>(sqlite3_get_auxdata(context, 0));
    if (!pattern) {
        std::optional<JetLikePattern> compiled = JetLikePattern::compile(argText(argv[0]));
        if (!compiled) {
            resultError(context,
                        QStringLiteral("El patrón «%1» no es válido").arg(argText(argv[0])));
            return;
        }
        pattern = new JetLikePattern(std::move(*compiled));
        sqlite3_set_auxdata(context, 0, pattern, deletePattern);
        // SQLite may have dropped it at once; then fetch what it keeps.
        pattern = static_cast<JetLikePattern*>(sqlite3_get_auxdata(context, 0));
        if (!pattern) {
            std::optional<JetLikePattern> again = JetLikePattern::compile(argText(argv[0]));
            sqlite3_result_int(context, again->matches(argText(argv[1])) ? 1 : 0);
            return;
        }
    }
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(argv[1]));
    sqlite3_result_int(context, pattern->matchesUtf8(text, sqlite3_value_bytes(argv[1])) ? 1 : 0);
}

struct UnitsSum {
    std::int64_t units;
    bool overflow;
};

// msum(x): the exact sum of money values, as a count of ten-thousandths.
void msumStep(sqlite3_context* context, int, sqlite3_value** argv) {
    auto* sum = static_cast<UnitsSum*>(sqlite3_aggregate_context(context, sizeof(UnitsSum)));
    if (!sum || sum->overflow)
        return;
    std::int64_t units = 0;
    switch (sqlite3_value_type(argv[0])) {
    case SQLITE_NULL:
        return;
    case SQLITE_INTEGER: {
        const std::int64_t whole = sqlite3_value_int64(argv[0]);
        if (whole > Money::kLimitUnits / Money::kScale ||
            whole < -Money::kLimitUnits / Money::kScale) {
            sum->overflow = true;
            return;
        }
        units = whole * Money::kScale;
        break;
    }
    default: {
        const double value = sqlite3_value_double(argv[0]) * double(Money::kScale);
        if (!std::isfinite(value) || std::fabs(value) > double(Money::kLimitUnits)) {
            sum->overflow = true;
            return;
        }
        units = std::llround(value);
    }
    }
    if (__builtin_add_overflow(sum->units, units, &sum->units))
        sum->overflow = true;
}

void msumFinal(sqlite3_context* context) {
    auto* sum = static_cast<UnitsSum*>(sqlite3_aggregate_context(context, 0));
    if (!sum) {
        sqlite3_result_int64(context, 0);
        return;
    }
    if (sum->overflow || sum->units > Money::kLimitUnits || sum->units < -Money::kLimitUnits) {
        resultError(context,
                    QStringLiteral("El total supera el importe máximo que se puede guardar."));
        return;
    }
    sqlite3_result_int64(context, sum->units);
}

// mtotal(x): the same exact sum for a total that is only shown, which may go
// beyond what one amount holds (a MoneySum); each amount must still be one.
void mtotalFinal(sqlite3_context* context) {
    auto* sum = static_cast<UnitsSum*>(sqlite3_aggregate_context(context, 0));
    if (!sum) {
        sqlite3_result_int64(context, 0);
        return;
    }
    if (sum->overflow || sum->units == std::numeric_limits<std::int64_t>::min()) {
        resultError(context, QStringLiteral("El total supera el importe máximo que se puede "
                                            "sumar."));
        return;
    }
    sqlite3_result_int64(context, sum->units);
}

// Position of the last " order by " outside quotes and parentheses, or -1.
qsizetype topLevelOrderBy(const QString& text) {
    static const QRegularExpression orderBy(QStringLiteral("^order\\s+by\\s"),
                                            QRegularExpression::CaseInsensitiveOption);
    qsizetype found = -1;
    int depth = 0;
    QChar quote;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            continue;
        }
        if (c == QLatin1Char('\'') || c == QLatin1Char('"') || c == QLatin1Char('[')) {
            quote = c == QLatin1Char('[') ? QLatin1Char(']') : c;
        } else if (c == QLatin1Char('(')) {
            ++depth;
        } else if (c == QLatin1Char(')')) {
            --depth;
        } else if (depth == 0 && (i == 0 || text.at(i - 1).isSpace()) &&
                   orderBy.match(QStringView(text).mid(i)).hasMatch()) {
            found = i;
        }
    }
    return found;
}

} // namespace

void registerFunctions(sqlite3* db) {
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    sqlite3_create_function(db, "cdate", 1, flags, nullptr, cdateFunction, nullptr, nullptr);
    sqlite3_create_function(db, "year", 1, flags, nullptr, datePartFunction<0, 4>, nullptr,
                            nullptr);
    sqlite3_create_function(db, "month", 1, flags, nullptr, datePartFunction<5, 2>, nullptr,
                            nullptr);
    sqlite3_create_function(db, "like", 2, flags, nullptr, likeFunction, nullptr, nullptr);
    sqlite3_create_function(db, "like", 3, flags, nullptr, likeFunction, nullptr, nullptr);
    sqlite3_create_function(db, "msum", 1, flags, nullptr, nullptr, msumStep, msumFinal);
    sqlite3_create_function(db, "mtotal", 1, flags, nullptr, nullptr, msumStep, mtotalFinal);
}

QString toSqlite(const QString& jet) {
    static const QRegularExpression deleteStar(QStringLiteral("^\\s*delete\\s+\\*\\s+from\\b"),
                                               QRegularExpression::CaseInsensitiveOption);
    QString text = jet;
    return text.replace(deleteStar, QStringLiteral("delete from"));
}

std::optional<SelectParts> splitSelect(const QString& jet) {
    static const QRegularExpression head(
        QStringLiteral(
            "^\\s*select\\s+\\*\\s+from\\s+(\\[[^\\]]+\\]|\"[^\"]+\"|[A-Za-z_]\\w*)(.*)$"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression where(QStringLiteral("^\\s*where\\s(.*)$"),
                                          QRegularExpression::CaseInsensitiveOption |
                                              QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression orderFields(
        QStringLiteral("^order\\s+by\\s+((?:[A-Za-z_]\\w*(?:\\s+(?:asc|desc))?\\s*,\\s*)*"
                       "[A-Za-z_]\\w*(?:\\s+(?:asc|desc))?)\\s*;?\\s*$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = head.match(jet);
    if (!match.hasMatch())
        return std::nullopt;
    SelectParts parts;
    parts.table = match.captured(1);
    if (parts.table.startsWith(QLatin1Char('[')) || parts.table.startsWith(QLatin1Char('"')))
        parts.table = parts.table.mid(1, parts.table.size() - 2);
    QString rest = match.captured(2);
    const qsizetype orderAt = topLevelOrderBy(rest);
    if (orderAt >= 0) {
        const QRegularExpressionMatch order = orderFields.match(rest.mid(orderAt));
        if (!order.hasMatch())
            return std::nullopt;
        parts.orderBy = order.captured(1).trimmed();
        rest = rest.left(orderAt);
    }
    rest = rest.trimmed();
    if (rest.endsWith(QLatin1Char(';')))
        rest.chop(1);
    if (!rest.isEmpty()) {
        const QRegularExpressionMatch cond = where.match(rest);
        if (!cond.hasMatch())
            return std::nullopt;
        parts.where = toSqlite(cond.captured(1).trimmed());
    }
    return parts;
}

} // namespace tesorin::store::dialect
