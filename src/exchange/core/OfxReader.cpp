#include "exchange/core/OfxReader.h"

#include "exchange/core/ExchangeError.h"

#include <QDateTime>
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

int statusCallback(const OfxStatusData data, void* context) {
    auto* collected = static_cast<Collected*>(context);
    if (data.code_valid && data.code != 0 && data.severity_valid &&
        data.severity == OfxStatusData::ERROR) {
        QString text = QStringLiteral("código %1").arg(data.code);
        if (data.name)
            text += QStringLiteral(" (%1)").arg(QString::fromUtf8(data.name));
        if (data.server_message_valid && data.server_message)
            text += QStringLiteral(": %1").arg(QString::fromUtf8(data.server_message).trimmed());
        collected->errors.append(text);
    }
    return 0;
}

int transactionCallback(const OfxTransactionData data, void* context) {
    auto* collected = static_cast<Collected*>(context);
    ImportRow row;
    if (data.date_posted_valid)
        row.date = QDateTime::fromSecsSinceEpoch(data.date_posted, Qt::UTC).date();
    else if (data.date_initiated_valid)
        row.date = QDateTime::fromSecsSinceEpoch(data.date_initiated, Qt::UTC).date();
    QStringList detail;
    if (data.name_valid)
        detail.append(latin(data.name));
    if (data.memo_valid && latin(data.memo) != latin(data.name))
        detail.append(latin(data.memo));
    if (data.check_number_valid && data.check_number[0])
        detail.append(QStringLiteral("N.º %1").arg(latin(data.check_number)));
    detail.removeAll(QString());
    row.detail = detail.join(QStringLiteral(" - "));
    if (data.fi_id_valid) {
        const QString account =
            data.account_id_valid ? latin(data.account_id).simplified() : QString();
        row.fitid = account + u'|' + latin(data.fi_id);
    }
    std::optional<Money> amount;
    if (data.amount_valid)
        amount = Money::fromPlainText(QString::number(data.amount, 'f', 4));
    if (!row.date.isValid())
        row.reason = QStringLiteral("La transacción no tiene fecha.");
    if (!amount || !amount->isStorable())
        row.reason += QStringLiteral("%1La transacción no tiene un importe válido.")
                          .arg(row.reason.isEmpty() ? QString() : QStringLiteral(" "));
    else
        row.amount = *amount;
    row.source = {row.date.isValid() ? row.date.toString(Qt::ISODate) : QString(),
                  data.amount_valid ? QString::number(data.amount, 'f', 2) : QString(), row.detail,
                  data.fi_id_valid ? latin(data.fi_id) : QString()};
    collected->rows.append(row);
    return 0;
}

// The lines where each <STMTTRN> begins, so rows and messages can name them.
QVector<int> transactionLines(const QString& text) {
    QVector<int> lines;
    static const QRegularExpression start(QStringLiteral("<STMTTRN>"),
                                          QRegularExpression::CaseInsensitiveOption);
    auto it = start.globalMatch(text);
    int line = 1;
    qsizetype pos = 0;
    while (it.hasNext()) {
        const qsizetype at = it.next().capturedStart();
        line += static_cast<int>(QStringView(text).mid(pos, at - pos).count(u'\n'));
        pos = at;
        lines.append(line);
    }
    return lines;
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

} // namespace

ReadResult readOfx(const QByteArray& bytes) {
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

    const QString text = QString::fromLatin1(bytes);
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
    const QVector<int> lines = transactionLines(text);
    ReadResult result;
    result.rows = std::move(collected.rows);
    for (int i = 0; i < result.rows.size() && i < lines.size(); ++i)
        result.rows[i].line = lines.at(i);
    return result;
}

} // namespace tesorin::exchange
