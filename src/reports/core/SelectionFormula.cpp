#include "reports/core/SelectionFormula.h"

#include "base/Money.h"
#include "reports/core/ReportError.h"

#include <QList>

#include <algorithm>
#include <vector>

namespace tesorin::reports {

namespace {

// Deep nesting would exhaust the stack, and a very long chain of terms would
// exceed the depth of expression SQLite accepts: both are refused with a
// message well before either limit.
constexpr int kMaxNesting = 64;
constexpr int kMaxTerms = 400;

[[noreturn]] void fail(const QString& what, int position) {
    throw ReportError(QStringLiteral("La fórmula de selección no es válida: %1 (posición %2).")
                          .arg(what)
                          .arg(position));
}

enum class TokenKind { Field, Text, Number, Word, Operator, Open, Close, Comma, End };

struct Token {
    TokenKind kind;
    QString text; // the field between braces, the text's value, the digits, the word, the operator
    int position; // counted from 1
};

bool isAsciiDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}
bool isAsciiLetter(QChar c) {
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
           (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
}

QList<Token> tokenize(const QString& formula) {
    QList<Token> tokens;
    const qsizetype size = formula.size();
    qsizetype i = 0;
    while (i < size) {
        const QChar c = formula[i];
        const int position = int(i) + 1;
        if (c.isSpace()) {
            ++i;
        } else if (c == QLatin1Char('{')) {
            const qsizetype close = formula.indexOf(QLatin1Char('}'), i + 1);
            if (close < 0)
                fail(QStringLiteral("falta la llave «}» que cierra el campo"), position);
            tokens.append({TokenKind::Field, formula.mid(i + 1, close - i - 1), position});
            i = close + 1;
        } else if (c == QLatin1Char('\'')) {
            QString value;
            ++i;
            for (;;) {
                if (i >= size)
                    fail(QStringLiteral("falta el apóstrofo que cierra el texto"), position);
                if (formula[i] == QLatin1Char('\'')) {
                    if (i + 1 < size && formula[i + 1] == QLatin1Char('\'')) {
                        value += QLatin1Char('\'');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                value += formula[i++];
            }
            tokens.append({TokenKind::Text, value, position});
        } else if (isAsciiDigit(c)) {
            const qsizetype start = i;
            while (i < size && isAsciiDigit(formula[i]))
                ++i;
            if (i + 1 < size && formula[i] == QLatin1Char('.') && isAsciiDigit(formula[i + 1])) {
                ++i;
                while (i < size && isAsciiDigit(formula[i]))
                    ++i;
            }
            tokens.append({TokenKind::Number, formula.mid(start, i - start), position});
        } else if (isAsciiLetter(c)) {
            const qsizetype start = i;
            while (i < size && (isAsciiLetter(formula[i]) || isAsciiDigit(formula[i]) ||
                                formula[i] == QLatin1Char('_')))
                ++i;
            tokens.append({TokenKind::Word, formula.mid(start, i - start), position});
        } else if (c == QLatin1Char('<') || c == QLatin1Char('>') || c == QLatin1Char('=')) {
            QString op(c);
            if (c != QLatin1Char('=') && i + 1 < size &&
                (formula[i + 1] == QLatin1Char('=') ||
                 (c == QLatin1Char('<') && formula[i + 1] == QLatin1Char('>'))))
                op += formula[i + 1];
            tokens.append({TokenKind::Operator, op, position});
            i += op.size();
        } else if (c == QLatin1Char('(')) {
            tokens.append({TokenKind::Open, QStringLiteral("("), position});
            ++i;
        } else if (c == QLatin1Char(')')) {
            tokens.append({TokenKind::Close, QStringLiteral(")"), position});
            ++i;
        } else if (c == QLatin1Char(',')) {
            tokens.append({TokenKind::Comma, QStringLiteral(","), position});
            ++i;
        } else {
            fail(QStringLiteral("no se esperaba «%1»").arg(c), position);
        }
    }
    tokens.append({TokenKind::End, QString(), int(size) + 1});
    return tokens;
}

QString describe(const Token& token) {
    switch (token.kind) {
    case TokenKind::Field:
        return QStringLiteral("«{%1}»").arg(token.text);
    case TokenKind::Text:
        return QStringLiteral("el texto «%1»").arg(token.text);
    case TokenKind::End:
        return QStringLiteral("el final de la fórmula");
    default:
        return QStringLiteral("«%1»").arg(token.text);
    }
}

enum class Type { Condition, Text, Date, Number };

QString typeName(Type type) {
    switch (type) {
    case Type::Condition:
        return QStringLiteral("una condición");
    case Type::Text:
        return QStringLiteral("un texto");
    case Type::Date:
        return QStringLiteral("una fecha");
    case Type::Number:
        return QStringLiteral("un número");
    }
    return {};
}

struct FieldInfo {
    const char* column;
    Type type;
};

// The fields of Movimientos a formula may name, as the table spells them.
const FieldInfo kFields[] = {
    {"idMovimiento", Type::Number}, {"Fecha", Type::Date}, {"Cuenta", Type::Text},
    {"Detalle", Type::Text},        {"Tipo", Type::Text},  {"Ingreso", Type::Number},
    {"Egreso", Type::Number},
};

struct Node {
    enum class Kind { Or, And, Not, Compare, Field, Literal };
    Kind kind;
    Type type;
    QString text; // Compare: the operator; Field: the column
    QVariant value;
    int left = -1;
    int right = -1;
};

class Parser {
public:
    explicit Parser(QList<Token> tokens) : m_tokens(std::move(tokens)) {}

    int parseFormula() {
        if (peek().kind == TokenKind::End)
            fail(QStringLiteral("está vacía"), peek().position);
        const int root = condition(orTerm(), m_tokens.front());
        if (peek().kind != TokenKind::End)
            fail(QStringLiteral("se esperaba «and», «or» o el final de la fórmula y se encontró %1")
                     .arg(describe(peek())),
                 peek().position);
        return root;
    }

    const std::vector<Node>& nodes() const { return m_nodes; }

private:
    const Token& peek() const { return m_tokens[m_next]; }
    Token take() { return m_tokens[m_next++]; }
    bool atWord(const char* word) const {
        return peek().kind == TokenKind::Word &&
               peek().text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
    }
    void expect(TokenKind kind, const char* what) {
        if (peek().kind != kind)
            fail(QStringLiteral("se esperaba «%1» y se encontró %2")
                     .arg(QLatin1String(what), describe(peek())),
                 peek().position);
        ++m_next;
    }

    int add(Node node) {
        if (node.kind != Node::Kind::Field && node.kind != Node::Kind::Literal &&
            ++m_terms > kMaxTerms)
            fail(QStringLiteral("tiene demasiados términos (más de %1)").arg(kMaxTerms),
                 peek().position);
        m_nodes.push_back(std::move(node));
        return int(m_nodes.size()) - 1;
    }

    // A term that must be a condition (an operand of and, or, not).
    int condition(int node, const Token& at) {
        if (m_nodes[std::size_t(node)].type != Type::Condition)
            fail(QStringLiteral("%1 no es una condición: falta compararlo con algo")
                     .arg(describe(at)),
                 at.position);
        return node;
    }

    void enter(const Token& at) {
        if (++m_nesting > kMaxNesting)
            fail(QStringLiteral("tiene demasiados niveles de paréntesis o «not»"), at.position);
    }

    int orTerm() {
        const Token first = peek();
        int left = andTerm();
        while (atWord("or")) {
            condition(left, first);
            take();
            const Token rightStart = peek();
            const int right = condition(andTerm(), rightStart);
            left = add({Node::Kind::Or, Type::Condition, {}, {}, left, right});
        }
        return left;
    }

    int andTerm() {
        const Token first = peek();
        int left = notTerm();
        while (atWord("and")) {
            condition(left, first);
            take();
            const Token rightStart = peek();
            const int right = condition(notTerm(), rightStart);
            left = add({Node::Kind::And, Type::Condition, {}, {}, left, right});
        }
        return left;
    }

    int notTerm() {
        if (atWord("not")) {
            const Token at = take();
            enter(at);
            const Token operandStart = peek();
            const int operand = condition(notTerm(), operandStart);
            --m_nesting;
            return add({Node::Kind::Not, Type::Condition, {}, {}, operand, -1});
        }
        return comparison();
    }

    int comparison() {
        const int left = operand();
        if (peek().kind != TokenKind::Operator)
            return left;
        const Token op = take();
        const int right = operand();
        const Type leftType = m_nodes[std::size_t(left)].type;
        const Type rightType = m_nodes[std::size_t(right)].type;
        if (leftType == Type::Condition || rightType == Type::Condition)
            fail(QStringLiteral("«%1» compara valores, no condiciones").arg(op.text), op.position);
        if (leftType != rightType)
            fail(QStringLiteral("no se puede comparar %1 con %2")
                     .arg(typeName(leftType), typeName(rightType)),
                 op.position);
        return add({Node::Kind::Compare, Type::Condition, op.text, {}, left, right});
    }

    int operand() {
        const Token token = peek();
        switch (token.kind) {
        case TokenKind::Open: {
            take();
            enter(token);
            const int inner = orTerm();
            --m_nesting;
            expect(TokenKind::Close, ")");
            return inner;
        }
        case TokenKind::Field:
            take();
            return field(token);
        case TokenKind::Text:
            take();
            return add({Node::Kind::Literal, Type::Text, {}, token.text});
        case TokenKind::Number: {
            take();
            const auto amount = Money::fromPlainText(token.text);
            if (!amount)
                fail(QStringLiteral("el número %1 es demasiado grande").arg(token.text),
                     token.position);
            return add({Node::Kind::Literal, Type::Number, {}, amount->toStored()});
        }
        case TokenKind::Word:
            if (atWord("date"))
                return date();
            if (atWord("and") || atWord("or") || atWord("not"))
                fail(QStringLiteral("falta una condición antes de %1").arg(describe(token)),
                     token.position);
            fail(QStringLiteral("no se reconoce la palabra %1").arg(describe(token)),
                 token.position);
        default:
            fail(QStringLiteral("se esperaba un campo, un texto o una fecha y se encontró %1")
                     .arg(describe(token)),
                 token.position);
        }
    }

    int field(const Token& token) {
        const QStringList parts = token.text.split(QLatin1Char('.'));
        if (parts.size() != 2)
            fail(QStringLiteral("%1 no es un campo: se escribe {Movimientos.Campo}")
                     .arg(describe(token)),
                 token.position);
        if (parts[0].compare(QLatin1String("Movimientos"), Qt::CaseInsensitive) != 0)
            fail(QStringLiteral("sólo se puede seleccionar por campos de Movimientos, no por %1")
                     .arg(describe(token)),
                 token.position);
        for (const FieldInfo& info : kFields) {
            if (parts[1].compare(QLatin1String(info.column), Qt::CaseInsensitive) == 0)
                return add({Node::Kind::Field, info.type, QLatin1String(info.column), {}});
        }
        fail(QStringLiteral("Movimientos no tiene el campo «%1»").arg(parts[1]), token.position);
    }

    int date() {
        const Token at = take();
        expect(TokenKind::Open, "(");
        int parts[3] = {0, 0, 0};
        for (int i = 0; i < 3; ++i) {
            if (i > 0)
                expect(TokenKind::Comma, ",");
            const Token number = peek();
            bool ok = false;
            if (number.kind == TokenKind::Number && number.text.size() <= 4)
                parts[i] = number.text.toInt(&ok);
            if (!ok)
                fail(QStringLiteral("Date lleva tres números enteros: año, mes y día"),
                     number.position);
            take();
        }
        expect(TokenKind::Close, ")");
        const QDate day(parts[0], parts[1], parts[2]);
        if (!day.isValid())
            fail(QStringLiteral("Date(%1,%2,%3) no es una fecha válida")
                     .arg(parts[0])
                     .arg(parts[1])
                     .arg(parts[2]),
                 at.position);
        return add({Node::Kind::Literal, Type::Date, {}, day});
    }

    QList<Token> m_tokens;
    qsizetype m_next = 0;
    std::vector<Node> m_nodes;
    int m_nesting = 0;
    int m_terms = 0;
};

QString toSql(const std::vector<Node>& nodes, int index, QVariantList& values) {
    const Node& node = nodes[size_t(index)];
    // Left before right, so the parameters are numbered in reading order.
    switch (node.kind) {
    case Node::Kind::Or:
    case Node::Kind::And: {
        const QString left = toSql(nodes, node.left, values);
        const QString right = toSql(nodes, node.right, values);
        return QLatin1Char('(') + left +
               (node.kind == Node::Kind::Or ? QLatin1String(" OR ") : QLatin1String(" AND ")) +
               right + QLatin1Char(')');
    }
    case Node::Kind::Not:
        return QLatin1String("(NOT ") + toSql(nodes, node.left, values) + QLatin1Char(')');
    case Node::Kind::Compare: {
        const QString left = toSql(nodes, node.left, values);
        const QString right = toSql(nodes, node.right, values);
        return QLatin1Char('(') + left + QLatin1Char(' ') + node.text + QLatin1Char(' ') + right +
               QLatin1Char(')');
    }
    case Node::Kind::Field:
        return QLatin1Char('"') + node.text + QLatin1Char('"');
    case Node::Kind::Literal:
        values.append(node.value);
        return QStringLiteral("?%1").arg(values.size());
    }
    return {};
}

// The day range that the outermost "and" terms comparing Fecha with a date
// give.
void collectPeriod(const std::vector<Node>& nodes, int index, SelectionCondition& out) {
    const Node& node = nodes[size_t(index)];
    if (node.kind == Node::Kind::And) {
        collectPeriod(nodes, node.left, out);
        collectPeriod(nodes, node.right, out);
        return;
    }
    if (node.kind != Node::Kind::Compare)
        return;
    const Node* field = &nodes[size_t(node.left)];
    const Node* literal = &nodes[size_t(node.right)];
    QString op = node.text;
    if (field->kind == Node::Kind::Literal) {
        std::swap(field, literal);
        if (op.startsWith(QLatin1Char('<')) && op != QLatin1String("<>"))
            op.replace(0, 1, QLatin1Char('>'));
        else if (op.startsWith(QLatin1Char('>')))
            op.replace(0, 1, QLatin1Char('<'));
    }
    if (field->kind != Node::Kind::Field || field->text != QLatin1String("Fecha") ||
        literal->kind != Node::Kind::Literal)
        return;
    const QDate day = literal->value.toDate();
    const auto raiseFirst = [&out](QDate d) {
        if (!out.firstDay || d > *out.firstDay)
            out.firstDay = d;
    };
    const auto lowerLast = [&out](QDate d) {
        if (!out.lastDay || d < *out.lastDay)
            out.lastDay = d;
    };
    if (op == QLatin1String(">="))
        raiseFirst(day);
    else if (op == QLatin1String(">"))
        raiseFirst(day.addDays(1));
    else if (op == QLatin1String("<="))
        lowerLast(day);
    else if (op == QLatin1String("<"))
        lowerLast(day.addDays(-1));
    else if (op == QLatin1String("=")) {
        raiseFirst(day);
        lowerLast(day);
    }
}

} // namespace

SelectionCondition parseSelectionFormula(const QString& formula) {
    Parser parser(tokenize(formula));
    const int root = parser.parseFormula();
    SelectionCondition out;
    out.sql = toSql(parser.nodes(), root, out.values);
    collectPeriod(parser.nodes(), root, out);
    return out;
}

} // namespace tesorin::reports
