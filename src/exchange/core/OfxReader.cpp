#include "exchange/core/OfxReader.h"

#include "base/Regional.h"
#include "exchange/core/ExchangeError.h"
#include "exchange/core/TextDecoding.h"

#include <QHash>
#include <QRegularExpression>
#include <QTemporaryFile>

#include <libofx/libofx.h>

#include <mutex>

namespace tesorin::exchange {

namespace {

struct Collected {
    QVector<ImportRow> rows;
    QStringList errors;
};

QString latin(const char* text) {
    return QString::fromUtf8(text).trimmed();
}

// What the usual OFX status codes mean; the library only knows them in English.
QString statusMeaning(int code) {
    static const QHash<int, QString> meanings = {
        {2000, QStringLiteral("error general del banco")},
        {2001, QStringLiteral("cuenta no válida")},
        {2002, QStringLiteral("error de la cuenta")},
        {2003, QStringLiteral("cuenta no encontrada")},
        {2004, QStringLiteral("cuenta cerrada")},
        {2005, QStringLiteral("cuenta no autorizada")},
        {2019, QStringLiteral("pedido repetido")},
        {2020, QStringLiteral("fecha no válida")},
        {2021, QStringLiteral("versión no admitida")},
        {15000, QStringLiteral("debe cambiar la contraseña")},
        {15500, QStringLiteral("identificación de usuario no válida")},
        {15501, QStringLiteral("la cuenta del cliente ya está en uso")},
        {15502, QStringLiteral("contraseña bloqueada")},
        {15508, QStringLiteral("operación no autorizada")},
    };
    return meanings.value(code);
}

int statusCallback(const OfxStatusData data, void* context) {
    auto* collected = static_cast<Collected*>(context);
    if (data.code_valid && data.code != 0 && data.severity_valid &&
        data.severity == OfxStatusData::ERROR) {
        QString text = QStringLiteral("código %1").arg(data.code);
        const QString meaning = statusMeaning(data.code);
        if (!meaning.isEmpty())
            text += QStringLiteral(" (%1)").arg(meaning);
        if (data.server_message_valid && data.server_message)
            text += QStringLiteral("; el banco dice: «%1»")
                        .arg(QString::fromUtf8(data.server_message).trimmed());
        collected->errors.append(text);
    }
    return 0;
}

// The library tells which transactions the statement holds and their ids;
// the values are then taken from the file's own text.
int transactionCallback(const OfxTransactionData data, void* context) {
    auto* collected = static_cast<Collected*>(context);
    ImportRow row;
    if (data.fi_id_valid) {
        const QString account =
            data.account_id_valid ? latin(data.account_id).simplified() : QString();
        row.fitid = account + u'|' + latin(data.fi_id);
    }
    collected->rows.append(row);
    return 0;
}

// One <STMTTRN> as the file writes it.
struct RawTransaction {
    int line = 0;
    QHash<QString, QString> values; // tag (upper case) -> text, entities resolved
    bool has(const char* tag) const { return values.contains(QLatin1String(tag)); }
    QString value(const char* tag) const { return values.value(QLatin1String(tag)); }
};

QString unescaped(QString text) {
    text.replace(QLatin1String("&lt;"), QLatin1String("<"));
    text.replace(QLatin1String("&gt;"), QLatin1String(">"));
    text.replace(QLatin1String("&quot;"), QLatin1String("\""));
    text.replace(QLatin1String("&apos;"), QLatin1String("'"));
    text.replace(QLatin1String("&nbsp;"), QLatin1String(" "));
    text.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return text.simplified();
}

QVector<RawTransaction> rawTransactions(QString text) {
    // A CDATA section is plain text: escape it so the elements read alike.
    static const QRegularExpression cdata(QStringLiteral("<!\\[CDATA\\[(.*?)\\]\\]>"),
                                          QRegularExpression::DotMatchesEverythingOption);
    for (auto m = cdata.match(text); m.hasMatch(); m = cdata.match(text, m.capturedStart())) {
        QString inner = m.captured(1);
        inner.replace(u'&', QLatin1String("&amp;")).replace(u'<', QLatin1String("&lt;"));
        text.replace(m.capturedStart(), m.capturedLength(), inner);
    }
    QVector<RawTransaction> list;
    static const QRegularExpression element(QStringLiteral("<(/?)([A-Za-z0-9.:_\\-]+)>([^<]*)"));
    auto it = element.globalMatch(text);
    int line = 1;
    qsizetype pos = 0;
    RawTransaction* current = nullptr;
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        const QString tag = m.captured(2).toUpper();
        const bool closing = !m.captured(1).isEmpty();
        if (tag == u"STMTTRN") {
            if (closing) {
                current = nullptr;
                continue;
            }
            const qsizetype at = m.capturedStart();
            line += static_cast<int>(QStringView(text).mid(pos, at - pos).count(u'\n'));
            pos = at;
            list.append(RawTransaction{});
            list.back().line = line;
            current = &list.back();
        } else if (tag == u"BANKTRANLIST") {
            current = nullptr;
        } else if (current && !closing && !current->values.contains(tag)) {
            current->values.insert(tag, unescaped(m.captured(3)));
        }
    }
    return list;
}

// An OFX date: yyyyMMdd, then optionally hhmmss[.xxx] and a [zone]. The
// day is the file's own: a time zone never moves it.
std::optional<QDate> ofxDate(const QString& text) {
    static const QRegularExpression form(
        QStringLiteral("^(\\d{4})(\\d{2})(\\d{2})(?:(\\d{2})(\\d{2})(?:(\\d{2})(?:\\.\\d{1,6})?)?)?"
                       "(?:\\[[+-]?\\d{1,2}(?:\\.\\d+)?(?::[A-Za-z]+)?\\])?$"));
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const QDate d(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    if (!d.isValid())
        return std::nullopt;
    if (m.hasCaptured(4) && (m.captured(4).toInt() > 23 || m.captured(5).toInt() > 59 ||
                             (m.hasCaptured(6) && m.captured(6).toInt() > 59)))
        return std::nullopt;
    return d;
}

// An OFX amount: digits with one decimal mark (a point, or a comma as some
// banks write), an optional sign; nothing else.
std::optional<Money> ofxAmount(const QString& text) {
    static const QRegularExpression form(QStringLiteral("^[+-]?(\\d+(?:[.,]\\d*)?|[.,]\\d+)$"));
    if (!form.match(text).hasMatch())
        return std::nullopt;
    QString plain = text;
    plain.replace(u',', u'.');
    if (plain.startsWith(u'+'))
        plain.remove(0, 1);
    if (plain.endsWith(u'.'))
        plain.chop(1);
    std::optional<Money> amount = Money::fromPlainText(plain);
    if (amount && !amount->isStorable())
        return std::nullopt;
    return amount;
}

void readRawValues(const RawTransaction& raw, ImportRow& row) {
    row.line = raw.line;
    QStringList reasons;
    const bool posted = !raw.value("DTPOSTED").isEmpty();
    const QString dateText = posted ? raw.value("DTPOSTED") : raw.value("DTUSER");
    if (dateText.isEmpty())
        reasons.append(QStringLiteral("La transacción no tiene fecha."));
    else if (const auto date = ofxDate(dateText))
        row.date = *date;
    else
        reasons.append(QStringLiteral("Fecha no reconocida: «%1».").arg(dateText));
    const QString amountText = raw.value("TRNAMT");
    if (amountText.isEmpty())
        reasons.append(QStringLiteral("La transacción no tiene importe."));
    else if (const auto amount = ofxAmount(amountText))
        row.amount = *amount;
    else
        reasons.append(QStringLiteral("Importe no reconocido: «%1».").arg(amountText));
    row.reason = reasons.join(u' ');

    // NAME is often the MEMO cut short (or the same text): keep the longer one.
    const QString name = raw.value("NAME").isEmpty() ? raw.value("PAYEE") : raw.value("NAME");
    const QString memo = raw.value("MEMO");
    QStringList detail;
    if (!memo.isEmpty() && memo.startsWith(name, Qt::CaseInsensitive))
        detail.append(memo);
    else {
        detail.append(name);
        detail.append(memo);
    }
    static const QRegularExpression number(QStringLiteral("^\\d+$"));
    const QString check = raw.value("CHECKNUM");
    if (number.match(check).hasMatch() && check.toLongLong() != 0)
        detail.append(QStringLiteral("N.º %1").arg(check));
    detail.removeAll(QString());
    row.detail = detail.join(QStringLiteral(" - "));
    row.medium = raw.value("X-TESORIN-MEDIO");
    row.source = {dateText, amountText, name, memo, raw.value("FITID")};
}

int lineOf(const QString& text, const QString& tag) {
    const qsizetype at = text.indexOf(tag, 0, Qt::CaseInsensitive);
    return at < 0 ? 0 : static_cast<int>(QStringView(text).left(at).count(u'\n')) + 1;
}

void quietLibrary() {
    static std::once_flag once;
    std::call_once(once, [] {
        ofx_PARSER_msg = ofx_DEBUG_msg = ofx_DEBUG1_msg = ofx_DEBUG2_msg = ofx_DEBUG3_msg = 0;
        ofx_DEBUG4_msg = ofx_DEBUG5_msg = ofx_STATUS_msg = ofx_INFO_msg = ofx_WARNING_msg = 0;
        ofx_ERROR_msg = ofx_show_position = 0;
    });
}

// A statement cut short lacks the closing tags of its lists and aggregates,
// which OFX never leaves out (only single values may go unclosed).
void refuseIncomplete(const QByteArray& bytes) {
    const QByteArray upper = bytes.toUpper();
    for (const char* tag :
         {"BANKTRANLIST", "STMTRS", "CCSTMTRS", "STMTTRNRS", "CCSTMTTRNRS", "OFX"}) {
        const QByteArray open = '<' + QByteArray(tag) + '>';
        const QByteArray close = "</" + QByteArray(tag) + '>';
        if (upper.count(open) > upper.count(close))
            throw ExchangeError(
                QStringLiteral("El archivo OFX está incompleto: termina antes de «%1» (quizá se "
                               "cortó al descargarlo). No se importa nada.")
                    .arg(QString::fromLatin1(close)));
    }
}

} // namespace

ReadResult readOfx(const QByteArray& bytes) {
    refuseIncomplete(bytes);
    quietLibrary();
    QTemporaryFile file;
    if (!file.open() || file.write(bytes) != bytes.size() || !file.flush())
        throw ExchangeError(QStringLiteral("No se pudo preparar el archivo OFX para leerlo: %1")
                                .arg(file.errorString()));
    Collected collected;
    LibofxContextPtr context = libofx_get_new_context();
    ofx_set_status_cb(context, statusCallback, &collected);
    ofx_set_transaction_cb(context, transactionCallback, &collected);
    libofx_proc_file(context, QFile::encodeName(file.fileName()).constData(), AUTODETECT);
    libofx_free_context(context);

    const QString text = decodeText(bytes).text;
    if (!collected.errors.isEmpty()) {
        const int line = lineOf(text, QStringLiteral("<SEVERITY>ERROR"));
        throw ExchangeError(
            QStringLiteral("El banco informa un error en el archivo OFX%1: %2. No se importa nada.")
                .arg(line > 0 ? QStringLiteral(" (línea %1)").arg(line) : QString())
                .arg(collected.errors.join(QStringLiteral("; "))));
    }
    if (collected.rows.isEmpty()) {
        const int line = lineOf(text, QStringLiteral("<BANKTRANLIST>"));
        throw ExchangeError(
            QStringLiteral("El archivo OFX no tiene movimientos%1.")
                .arg(line > 0 ? QStringLiteral(" (la lista de la línea %1 está vacía)").arg(line)
                              : QString()));
    }
    const QVector<RawTransaction> raw = rawTransactions(text);
    if (raw.size() != collected.rows.size())
        throw ExchangeError(
            QStringLiteral("El archivo OFX está dañado: tiene %1 transacciones y sólo se pueden "
                           "leer %2. No se importa nada.")
                .arg(regional::locale().toString(raw.size()),
                     regional::locale().toString(collected.rows.size())));
    ReadResult result;
    result.rows = std::move(collected.rows);
    for (int i = 0; i < result.rows.size(); ++i)
        readRawValues(raw.at(i), result.rows[i]);
    return result;
}

} // namespace tesorin::exchange
