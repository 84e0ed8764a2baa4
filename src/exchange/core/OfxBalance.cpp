#include "exchange/core/OfxBalance.h"

#include <QRegularExpression>

namespace tesorin::exchange {

namespace {

// The value of the first element `tag` after `from` and before `until`: the
// text up to the next tag or line break (OFX 1 leaves elements unclosed).
QString element(const QByteArray& text, const QByteArray& tag, qsizetype from = 0,
                qsizetype until = -1) {
    const QByteArray open = '<' + tag + '>';
    const qsizetype at = text.indexOf(open, from);
    if (at < 0 || (until >= 0 && at > until))
        return QString();
    const qsizetype start = at + open.size();
    qsizetype end = start;
    while (end < text.size() && text.at(end) != '<' && text.at(end) != '\n' && text.at(end) != '\r')
        ++end;
    return QString::fromLatin1(text.mid(start, end - start)).trimmed();
}

// An OFX date: YYYYMMDD, then perhaps the time and zone.
QDate ofxDate(const QString& text) {
    static const QRegularExpression form(QStringLiteral("^(\\d{4})(\\d{2})(\\d{2})"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return QDate();
    return QDate(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
}

} // namespace

std::optional<BankStatement> readOfxStatement(const QByteArray& bytes, int rowCount) {
    const QByteArray text = bytes.toUpper();
    if (text.count("<STMTRS>") + text.count("<CCSTMTRS>") != 1)
        return std::nullopt;
    const qsizetype ledger = text.indexOf("<LEDGERBAL>");
    if (ledger < 0)
        return std::nullopt;
    const std::optional<Money> balance = Money::fromPlainText(element(text, "BALAMT", ledger));
    const QDate asOf = ofxDate(element(text, "DTASOF", ledger));
    if (!balance || !asOf.isValid())
        return std::nullopt;
    BankStatement statement;
    statement.closing = balance;
    statement.bankAccount = element(bytes, "ACCTID");
    if (statement.bankAccount.isEmpty())
        statement.bankAccount = element(text, "ACCTID");
    statement.currency = element(text, "CURDEF");
    const qsizetype list = text.indexOf("<BANKTRANLIST>");
    if (list >= 0) {
        statement.from = ofxDate(element(text, "DTSTART", list));
        statement.to = ofxDate(element(text, "DTEND", list));
    }
    if (!statement.to.isValid())
        statement.to = asOf;
    statement.rowCount = rowCount;
    return statement;
}

} // namespace tesorin::exchange
