#include "exchange/core/ExportWriters.h"

#include "base/Regional.h"
#include "exchange/core/ExchangeError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <xlsxwriter.h>

#include <clocale>
#include <cstdio>
#include <locale.h>

namespace tesorin::exchange {

std::optional<ExportFormat> exportFormatForPath(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"csv")
        return ExportFormat::Csv;
    if (suffix == u"xlsx")
        return ExportFormat::Xlsx;
    if (suffix == u"qif")
        return ExportFormat::Qif;
    if (suffix == u"ofx")
        return ExportFormat::Ofx;
    return std::nullopt;
}

namespace {

QString csvField(const QString& text, QChar separator) {
    if (!text.contains(separator) && !text.contains(u'"') && !text.contains(u'\n') &&
        !text.contains(u'\r'))
        return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QString ofxEscaped(const QString& text) {
    QString t = text.simplified();
    t.replace(u'&', QStringLiteral("&amp;"));
    t.replace(u'<', QStringLiteral("&lt;"));
    t.replace(u'>', QStringLiteral("&gt;"));
    return t;
}

Money signedAmount(const ExportRow& r) {
    return r.expense.isZero() ? r.income : -r.expense;
}

void saveText(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw ExchangeError(QStringLiteral("No se pudo escribir «%1»: %2")
                                .arg(QFileInfo(path).fileName(), file.errorString()));
}

// The spreadsheet library prints its numbers (cell values, column widths,
// margins) with the C library, which follows the user's LC_NUMERIC: under a
// decimal-comma locale it would write "6,6" where the file format requires
// "6.6". The C numeric rules hold for this thread while the sheet is written.
class CNumericScope {
public:
    CNumericScope()
        : m_c(newlocale(LC_NUMERIC_MASK, "C", duplocale(LC_GLOBAL_LOCALE))),
          m_previous(m_c ? uselocale(m_c) : nullptr) {}
    ~CNumericScope() {
        if (!m_c)
            return;
        uselocale(m_previous);
        freelocale(m_c);
    }
    CNumericScope(const CNumericScope&) = delete;
    CNumericScope& operator=(const CNumericScope&) = delete;

private:
    locale_t m_c;
    locale_t m_previous;
};

void writeXlsx(const QString& path, const QVector<ExportRow>& rows) {
    const CNumericScope numbersInFileForm;
    const QString temporary = path + QStringLiteral(".tesorin-tmp");
    QFile::remove(temporary);
    const QByteArray encodedTemporary = QFile::encodeName(temporary);
    lxw_workbook* book = workbook_new(encodedTemporary.constData());
    if (!book)
        throw ExchangeError(
            QStringLiteral("No se pudo crear la planilla «%1».").arg(QFileInfo(path).fileName()));
    lxw_worksheet* sheet = workbook_add_worksheet(book, "Movimientos");
    lxw_format* bold = workbook_add_format(book);
    format_set_bold(bold);
    lxw_format* dateFormat = workbook_add_format(book);
    format_set_num_format(dateFormat,
                          regional::shortDateDisplayFormat().toLower().toUtf8().constData());
    const QByteArray currency = QStringLiteral("\"%1\" #,##0.00;-\"%1\" #,##0.00")
                                    .arg(regional::locale().currencySymbol())
                                    .toUtf8();
    lxw_format* money = workbook_add_format(book);
    format_set_num_format(money, currency.constData());
    lxw_format* moneyBold = workbook_add_format(book);
    format_set_num_format(moneyBold, currency.constData());
    format_set_bold(moneyBold);

    const char* headers[] = {"Fecha", "Cuenta", "Detalle", "Tipo", "Ingreso", "Egreso"};
    for (lxw_col_t c = 0; c < 6; ++c)
        worksheet_write_string(sheet, 0, c, headers[c], bold);
    worksheet_set_column(sheet, 0, 0, 12, nullptr);
    worksheet_set_column(sheet, 1, 1, 22, nullptr);
    worksheet_set_column(sheet, 2, 2, 45, nullptr);
    worksheet_set_column(sheet, 3, 3, 14, nullptr);
    worksheet_set_column(sheet, 4, 5, 16, nullptr);
    worksheet_freeze_panes(sheet, 1, 0);
    // Printed across one page wide, the header on every page.
    worksheet_set_landscape(sheet);
    worksheet_fit_to_pages(sheet, 1, 0);
    worksheet_repeat_rows(sheet, 0, 0);

    Money income, expense;
    lxw_row_t r = 1;
    for (const ExportRow& row : rows) {
        if (row.date.isValid()) {
            lxw_datetime when = {row.date.year(), row.date.month(), row.date.day(), 0, 0, 0};
            worksheet_write_datetime(sheet, r, 0, &when, dateFormat);
        }
        worksheet_write_string(sheet, r, 1, row.account.toUtf8().constData(), nullptr);
        worksheet_write_string(sheet, r, 2, row.detail.toUtf8().constData(), nullptr);
        worksheet_write_string(sheet, r, 3, row.medium.toUtf8().constData(), nullptr);
        worksheet_write_number(sheet, r, 4, row.income.toStored(), money);
        worksheet_write_number(sheet, r, 5, row.expense.toStored(), money);
        income += row.income;
        expense += row.expense;
        ++r;
    }
    const lxw_row_t totals = r + 1;
    const QByteArray lastRow = QByteArray::number(static_cast<qulonglong>(r));
    worksheet_write_string(sheet, totals, 3, "Totales", bold);
    worksheet_write_formula_num(sheet, totals, 4, ("=SUM(E2:E" + lastRow + ")").constData(),
                                moneyBold, income.toStored());
    worksheet_write_formula_num(sheet, totals, 5, ("=SUM(F2:F" + lastRow + ")").constData(),
                                moneyBold, expense.toStored());
    const QByteArray balanceFormula =
        "=E" + QByteArray::number(totals + 1) + "-F" + QByteArray::number(totals + 1);
    worksheet_write_string(sheet, totals + 1, 3, "Saldo", bold);
    worksheet_write_formula_num(sheet, totals + 1, 4, balanceFormula.constData(), moneyBold,
                                (income - expense).toStored());

    const lxw_error error = workbook_close(book);
    if (error != LXW_NO_ERROR) {
        QFile::remove(temporary);
        throw ExchangeError(
            QStringLiteral("No se pudo escribir la planilla «%1»: %2")
                .arg(QFileInfo(path).fileName(), QString::fromUtf8(lxw_strerror(error))));
    }
    if (std::rename(encodedTemporary.constData(), QFile::encodeName(path).constData()) != 0) {
        QFile::remove(temporary);
        throw ExchangeError(
            QStringLiteral("No se pudo reemplazar «%1».").arg(QFileInfo(path).fileName()));
    }
}

} // namespace

QByteArray csvText(const QVector<ExportRow>& rows) {
    const QChar separator = regional::locale().decimalPoint() == QStringLiteral(",") ? u';' : u',';
    QString text;
    text.reserve(rows.size() * 64);
    const QStringList header = {QStringLiteral("Fecha"),   QStringLiteral("Cuenta"),
                                QStringLiteral("Detalle"), QStringLiteral("Tipo"),
                                QStringLiteral("Ingreso"), QStringLiteral("Egreso")};
    text += header.join(separator) + QStringLiteral("\r\n");
    for (const ExportRow& r : rows) {
        text += regional::shortDate(r.date) + separator + csvField(r.account, separator) +
                separator + csvField(r.detail, separator) + separator +
                csvField(r.medium, separator) + separator +
                csvField(regional::plainNumber(r.income), separator) + separator +
                csvField(regional::plainNumber(r.expense), separator) + QStringLiteral("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

QByteArray qifText(const QVector<ExportRow>& rows) {
    QString text = QStringLiteral("!Type:Bank\n");
    for (const ExportRow& r : rows) {
        text += u'D' + r.date.toString(QStringLiteral("MM/dd/yyyy")) + u'\n';
        text += u'T' + signedAmount(r).toPlainText() + u'\n';
        if (!r.detail.isEmpty())
            text += u'P' + QString(r.detail).replace(u'\n', u' ') + u'\n';
        if (!r.account.isEmpty())
            text += u'L' + r.account + u'\n';
        text += QStringLiteral("^\n");
    }
    return text.toUtf8();
}

QByteArray ofxText(const QVector<ExportRow>& rows, const QString& accountId) {
    QDate first, last;
    Money balance;
    for (const ExportRow& r : rows) {
        if (!first.isValid() || r.date < first)
            first = r.date;
        if (!last.isValid() || r.date > last)
            last = r.date;
        balance += signedAmount(r);
    }
    const QDate today = QDate::currentDate();
    if (!first.isValid())
        first = last = today;
    auto day = [](const QDate& d) { return d.toString(QStringLiteral("yyyyMMdd")); };
    QString t =
        QStringLiteral("OFXHEADER:100\nDATA:OFXSGML\nVERSION:102\nSECURITY:NONE\nENCODING:UTF-8\n"
                       "CHARSET:NONE\nCOMPRESSION:NONE\nOLDFILEUID:NONE\nNEWFILEUID:NONE\n\n");
    t += QStringLiteral(
        "<OFX>\n<SIGNONMSGSRSV1>\n<SONRS>\n<STATUS>\n<CODE>0\n<SEVERITY>INFO\n</STATUS>\n");
    t += QStringLiteral("<DTSERVER>%1\n<LANGUAGE>SPA\n</SONRS>\n</SIGNONMSGSRSV1>\n")
             .arg(day(today));
    t += QStringLiteral(
        "<BANKMSGSRSV1>\n<STMTTRNRS>\n<TRNUID>1\n<STATUS>\n<CODE>0\n<SEVERITY>INFO\n</STATUS>\n");
    t += QStringLiteral("<STMTRS>\n<CURDEF>%1\n<BANKACCTFROM>\n<BANKID>TESORIN\n<ACCTID>%2\n<"
                        "ACCTTYPE>CHECKING\n"
                        "</BANKACCTFROM>\n")
             .arg(regional::locale().currencySymbol(QLocale::CurrencyIsoCode).isEmpty()
                      ? QStringLiteral("ARS")
                      : regional::locale().currencySymbol(QLocale::CurrencyIsoCode),
                  ofxEscaped(accountId));
    t += QStringLiteral("<BANKTRANLIST>\n<DTSTART>%1\n<DTEND>%2\n").arg(day(first), day(last));
    for (const ExportRow& r : rows) {
        const Money amount = signedAmount(r);
        t += QStringLiteral(
                 "<STMTTRN>\n<TRNTYPE>%1\n<DTPOSTED>%2\n<TRNAMT>%3\n<FITID>%4\n<NAME>%5\n")
                 .arg(amount < Money{} ? QStringLiteral("DEBIT") : QStringLiteral("CREDIT"),
                      day(r.date), amount.toPlainText(), QString::number(r.id),
                      ofxEscaped(r.detail.left(32)));
        if (r.detail.simplified().size() > 32)
            t += QStringLiteral("<MEMO>%1\n").arg(ofxEscaped(r.detail));
        t += QStringLiteral("</STMTTRN>\n");
    }
    t += QStringLiteral("</BANKTRANLIST>\n<LEDGERBAL>\n<BALAMT>%1\n<DTASOF>%2\n</LEDGERBAL>\n")
             .arg(balance.toPlainText(), day(last));
    t += QStringLiteral("</STMTRS>\n</STMTTRNRS>\n</BANKMSGSRSV1>\n</OFX>\n");
    return t.toUtf8();
}

void writeExport(const QString& path, const QVector<ExportRow>& rows, ExportFormat format,
                 const QString& accountId) {
    switch (format) {
    case ExportFormat::Csv:
        saveText(path, csvText(rows));
        return;
    case ExportFormat::Qif:
        saveText(path, qifText(rows));
        return;
    case ExportFormat::Ofx:
        saveText(path, ofxText(rows, accountId));
        return;
    case ExportFormat::Xlsx:
        writeXlsx(path, rows);
        return;
    }
}

} // namespace tesorin::exchange
