#include "exchange/core/ColumnMapping.h"
#include "exchange/core/CsvTable.h"
#include "exchange/core/ExchangeError.h"
#include "exchange/core/Norma43Reader.h"
#include "exchange/core/OfxReader.h"
#include "exchange/core/QifReader.h"
#include "exchange/core/StatementFile.h"
#include "exchange/core/StatementImport.h"
#include "support/TestWorkArea.h"

#include <QFile>
#include <QTest>

using namespace tesorin;
using namespace tesorin::exchange;

namespace {

// One row per line: "line:date|detail|amount|account" or "line:!reason".
QString describe(const QVector<ImportRow>& rows) {
    QStringList lines;
    for (const ImportRow& r : rows) {
        if (!r.readable())
            lines.append(QStringLiteral("%1:!%2").arg(r.line).arg(r.reason));
        else
            lines.append(QStringLiteral("%1:%2|%3|%4|%5")
                             .arg(r.line)
                             .arg(r.date.toString(Qt::ISODate), r.detail, r.amount.toPlainText(),
                                  r.account));
    }
    return lines.join(u'\n');
}

QByteArray fixture(const char* name) {
    QFile file(QStringLiteral(EXCHANGE_FIXTURES "/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", name);
    return file.readAll();
}

QString readError(const std::function<void()>& read) {
    try {
        read();
    } catch (const ExchangeError& e) {
        return e.message();
    }
    return QStringLiteral("(sin error)");
}

} // namespace

class TestStatementReaders : public QObject {
    Q_OBJECT
private slots:
    void csvFiles_data();
    void csvFiles();
    void quotedFieldsKeepSeparatorsAndLineBreaks();
    void amountForms_data();
    void amountForms();
    void dateForms_data();
    void dateForms();
    void qifFiles_data();
    void qifFiles();
    void ofxFiles_data();
    void ofxFiles();
    void badInputs_data();
    void badInputs();
    void mappingSurvivesTheSettingsText();
    void statementsReadAsTheyAre_data();
    void statementsReadAsTheyAre();
};

void TestStatementReaders::csvFiles_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("encoding");
    QTest::addColumn<QString>("rows");

    QTest::newRow("semicolon, Spanish numbers, header")
        << QByteArray("Fecha;Concepto;Importe\r\n15/01/2024;Supermercado;-1.234,56\r\n16/01/"
                      "2024;Sueldo;150.000,00\r\n")
        << ";"
        << "UTF-8"
        << "2:2024-01-15|Supermercado|-1234.56|\n3:2024-01-16|Sueldo|150000|";
    QTest::newRow("comma, US numbers, month first, BOM")
        << QByteArray("\xEF\xBB\xBF"
                      "Date,Description,Amount\n01/31/2024,Coffee "
                      "shop,\"-1,234.50\"\n02/01/2024,Refund,20.00\n")
        << ","
        << "UTF-8"
        << "2:2024-01-31|Coffee shop|-1234.5|\n3:2024-02-01|Refund|20|";
    QTest::newRow("tab, no header, ISO dates")
        << QByteArray("2024-03-01\tLuz\t-5000.25\n2024-03-02\tGas\t-1200\n") << "\t"
        << "UTF-8"
        << "1:2024-03-01|Luz|-5000.25|\n2:2024-03-02|Gas|-1200|";
    QTest::newRow("pipe, Windows-1252 accents")
        << QByteArray("Fecha|Descripci\xF3n|Importe\n05/02/2024|Pe\xF1"
                      "a caf\xE9 \x80|-10,00\n")
        << "|"
        << "Windows-1252" << QString::fromUtf8("2:2024-02-05|Peña café €|-10|");
    QTest::newRow("preamble before the table")
        << QByteArray(
               "Banco del Sur\nCuenta;123-456\n\nFecha;Concepto;Importe;Saldo\n"
               "01/04/2024;Transferencia;500,00;1.500,00\n02/04/2024;Cajero;(200,00);1.300,00\n")
        << ";"
        << "UTF-8"
        << "5:2024-04-01|Transferencia|500|\n6:2024-04-02|Cajero|-200|";
    QTest::newRow("debit and credit columns, trailing minus, currency sign")
        << QByteArray("Fecha;Concepto;Débito;Crédito\n10/05/24;Alquiler;$ "
                      "80.000,00;\n11/05/24;Cobro;;$ 1.000,50\n"
                      "12/05/24;Comisión;15,00-;-\n")
        << ";"
        << "UTF-8"
        << "2:2024-05-10|Alquiler|-80000|\n3:2024-05-11|Cobro|1000.5|\n4:2024-05-12|Comisión|-15|";
    QTest::newRow("amount plus debit/credit column")
        << QByteArray("Fecha;Detalle;Importe;D/C\n01/06/2024;Pago "
                      "tarjeta;2.000,00;D\n02/06/2024;Intereses;12,34;C\n")
        << ";"
        << "UTF-8"
        << "2:2024-06-01|Pago tarjeta|-2000|\n3:2024-06-02|Intereses|12.34|";
    QTest::newRow("detail from two columns and an account column")
        << QByteArray("Fecha;Concepto;Referencia;Importe;Cuenta\n03/07/2024;Compra;Ticket "
                      "12;-99,90;Comida\n")
        << ";"
        << "UTF-8"
        << "2:2024-07-03|Compra - Ticket 12|-99.9|Comida";
    QTest::newRow("a bad row is marked, the others read")
        << QByteArray("Fecha;Concepto;Importe\n01/08/2024;Bien;10,00\n32/08/2024;Mala fecha;10,00\n"
                      "02/08/2024;Mal importe;diez\n03/08/2024;Corta\n")
        << ";"
        << "UTF-8"
        << QString::fromUtf8("2:2024-08-01|Bien|10|\n3:!Fecha no reconocida: «32/08/2024».\n"
                             "4:!Importe no reconocido: «diez».\n5:!La fila tiene 2 campos y la "
                             "tabla tiene 3.");
}

void TestStatementReaders::csvFiles() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, separator);
    QFETCH(QString, encoding);
    QFETCH(QString, rows);
    const CsvTable table = readCsvTable(bytes);
    QCOMPARE(QString(table.separator), separator);
    QCOMPARE(encodingName(table.encoding), encoding);
    QCOMPARE(describe(applyMapping(table, guessMapping(table))), rows);
}

void TestStatementReaders::quotedFieldsKeepSeparatorsAndLineBreaks() {
    const QByteArray bytes(
        "Fecha;Concepto;Importe\r\n01/09/2024;\"Pago; cuota \"\"A\"\"\r\nsegunda línea\";-1,00\r\n"
        "02/09/2024;Otro;2,00\r\n");
    const CsvTable table = readCsvTable(bytes);
    QCOMPARE(describe(applyMapping(table, guessMapping(table))),
             QString::fromUtf8(
                 "2:2024-09-01|Pago; cuota \"A\" segunda línea|-1|\n4:2024-09-02|Otro|2|"));
}

void TestStatementReaders::amountForms_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("mark");
    QTest::addColumn<QString>("expected"); // empty: no amount
    const int comma = int(DecimalMark::Comma), point = int(DecimalMark::Point);
    QTest::newRow("1.234,56") << "1.234,56" << comma << "1234.56";
    QTest::newRow("1,234.56") << "1,234.56" << point << "1234.56";
    QTest::newRow("1234.56") << "1234.56" << point << "1234.56";
    QTest::newRow("parentheses") << "(1.234,56)" << comma << "-1234.56";
    QTest::newRow("trailing minus") << "1.234,56-" << comma << "-1234.56";
    QTest::newRow("currency sign and blank") << "$ -1.234,56" << comma << "-1234.56";
    QTest::newRow("currency code after") << "1,234.56 USD" << point << "1234.56";
    QTest::newRow("wrong grouping") << "1.23,4" << comma << "";
    QTest::newRow("two signs") << "-12-" << comma << "";
    QTest::newRow("lone dash") << "-" << comma << "";
    QTest::newRow("letters") << "doce" << comma << "";
}

void TestStatementReaders::amountForms() {
    QFETCH(QString, text);
    QFETCH(int, mark);
    QFETCH(QString, expected);
    const auto amount = readAmount(text, DecimalMark(mark));
    QCOMPARE(amount ? amount->toPlainText() : QString(), expected);
}

void TestStatementReaders::dateForms_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("order");
    QTest::addColumn<QString>("expected"); // empty: no date
    QTest::newRow("dmy four-digit") << "15/01/2024"
                                    << "dma"
                                    << "2024-01-15";
    QTest::newRow("dmy two-digit") << "15-1-24"
                                   << "dma"
                                   << "2024-01-15";
    QTest::newRow("two-digit year of last century") << "15.01.95"
                                                    << "dma"
                                                    << "1995-01-15";
    QTest::newRow("mdy") << "01/15/2024"
                         << "mda"
                         << "2024-01-15";
    QTest::newRow("ymd") << "2024-01-15"
                         << "amd"
                         << "2024-01-15";
    QTest::newRow("ymd compact") << "20240115"
                                 << "amd"
                                 << "2024-01-15";
    QTest::newRow("qif apostrophe year") << "1/15'05"
                                         << "mda"
                                         << "2005-01-15";
    QTest::newRow("qif padded") << " 1/ 5'24"
                                << "mda"
                                << "2024-01-05";
    QTest::newRow("with time of day") << "15/01/2024 10:30"
                                      << "dma"
                                      << "2024-01-15";
    QTest::newRow("day 32") << "32/01/2024"
                            << "dma"
                            << "";
    QTest::newRow("29 February of a common year") << "29/02/2023"
                                                  << "dma"
                                                  << "";
    QTest::newRow("year first under dmy") << "2024-01-15"
                                          << "dma"
                                          << "";
}

void TestStatementReaders::dateForms() {
    QFETCH(QString, text);
    QFETCH(QString, order);
    QFETCH(QString, expected);
    const auto date = readDate(text, *dateOrderFromCode(order));
    QCOMPARE(date ? date->toString(Qt::ISODate) : QString(), expected);
}

void TestStatementReaders::qifFiles_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("rows");
    QTest::addColumn<int>("notes");
    QTest::newRow("bank") << "bank.qif"
                          << QString::fromUtf8(
                                 "2:2024-01-15|Farmacia - Remedios - N.º 102|-1234.56|Salud\n"
                                 "9:2024-01-31|Sueldo|150000|Sueldo")
                          << 0;
    QTest::newRow("cash, investment skipped") << "cash.qif"
                                              << "2:2024-02-03|Kiosco|-45|Varios" << 2;
    QTest::newRow("credit card, splits as their total")
        << "ccard.qif"
        << "2:2024-02-10|Viaje|-300|Transporte\n11:2024-02-11|Split sin total|-15|Varios" << 0;
}

void TestStatementReaders::qifFiles() {
    QFETCH(QString, file);
    QFETCH(QString, rows);
    QFETCH(int, notes);
    const ReadResult result = readQif(fixture(file.toLatin1().constData()));
    QCOMPARE(describe(result.rows), rows);
    QCOMPARE(result.notes.size(), notes);
}

void TestStatementReaders::ofxFiles_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("rows");
    QTest::addColumn<QString>("fitids");
    QTest::newRow("OFX 1.x SGML") << "banco-ofx1.ofx"
                                  << QString::fromUtf8(
                                         "39:2024-01-05|Sueldo enero|150000|\n"
                                         "46:2024-01-10|Supermercado - Compra con debito|-2345.5|\n"
                                         "54:2024-01-31|Alquiler - N.º 4711|-10000|")
                                  << "0170 123-456|A001, 0170 123-456|A002, 0170 123-456|A003";
    QTest::newRow("OFX 2.x XML, credit card")
        << "banco-ofx2.ofx"
        << QString::fromUtf8("21:2024-02-12|Librería Ñandú|-899.99|\n28:2024-02-29|Reintegro|120|")
        << "4509-XXXX|T-9001, 4509-XXXX|T-9002";
}

void TestStatementReaders::ofxFiles() {
    QFETCH(QString, file);
    QFETCH(QString, rows);
    QFETCH(QString, fitids);
    const QByteArray bytes = fixture(file.toLatin1().constData());
    QCOMPARE(detectStatementFormat(bytes), StatementFormat::Ofx);
    const ReadResult result = readOfx(bytes);
    QCOMPARE(describe(result.rows), rows);
    QStringList ids;
    for (const ImportRow& r : result.rows)
        ids.append(r.fitid);
    QCOMPARE(ids.join(QStringLiteral(", ")), fitids);
}

void TestStatementReaders::badInputs_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty") << QByteArray("  \r\n") << QString::fromUtf8("El archivo está vacío");
    QTest::newRow("binary") << QByteArray("\x01\x02\x00\x03zz", 6)
                            << QString::fromUtf8("parece un archivo binario");
    QTest::newRow("pdf") << QByteArray("%PDF-1.4\n...") << QString::fromUtf8("es un PDF");
    QTest::newRow("xml of another kind")
        << QByteArray("<?xml version=\"1.0\"?><a/>")
        << QString::fromUtf8("Línea 1: el archivo no es un extracto");
    QTest::newRow("no table") << QByteArray("hola\nsólo texto\n")
                              << QString::fromUtf8("No se encontró una tabla");
    QTest::newRow("ofx error status")
        << fixture("error-status.ofx")
        << QString::fromUtf8("error en el archivo OFX (línea 16): código 15500");
    QTest::newRow("ofx without transactions")
        << fixture("empty-list.ofx")
        << QString::fromUtf8("no tiene movimientos (la lista de la línea 26");
    QTest::newRow("qif of investments only")
        << fixture("invest.qif") << QString::fromUtf8("(línea 2: sólo hay registros de otro tipo");
    QTest::newRow("qif without header")
        << QByteArray("!Option:AutoSwitch\nD1/1/24\n") << QString::fromUtf8("no tiene movimientos");
}

void TestStatementReaders::badInputs() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    const QString error = readError([&] {
        switch (detectStatementFormat(bytes)) {
        case StatementFormat::Ofx:
            readOfx(bytes);
            break;
        case StatementFormat::Qif:
            readQif(bytes);
            break;
        case StatementFormat::Csv:
            readCsvTable(bytes);
            break;
        case StatementFormat::Norma43:
            readNorma43(bytes);
            break;
        }
    });
    QVERIFY2(error.contains(message), qPrintable(error));
}

void TestStatementReaders::mappingSurvivesTheSettingsText() {
    ColumnMapping m;
    m.date = 2;
    m.detail = {0, 3};
    m.mode = AmountMode::AmountDebitCredit;
    m.amount = 4;
    m.debitCredit = 5;
    m.account = 1;
    m.decimal = DecimalMark::Point;
    m.dateOrder = DateOrder::MonthDayYear;
    const auto back = ColumnMapping::fromText(m.toText());
    QVERIFY(back);
    QCOMPARE(back->toText(), m.toText());
    QVERIFY(!ColumnMapping::fromText(QStringLiteral("modo=9")));
}

TESORIN_TEST_MAIN(TestStatementReaders)
#include "tst_statement_readers.moc"

// Whole files read with no option given: the first rows as a person reads
// them, or the refusal.
void TestStatementReaders::statementsReadAsTheyAre_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("rows");

    QTest::newRow("qif records ended by ^^")
        << QByteArray("!Type:Bank\nD01/02/2024\nT-10.00\nPUno\n^^\nD01/03/2024\nT20.00\nPDos\n^^\n"
                      "PSin fecha\n^\n")
        << QString::fromUtf8(
               "2:2024-01-02|Uno|-10|\n6:2024-01-03|Dos|20|\n10:!El registro no tiene "
               "fecha (D). El registro no tiene importe (T).");
    QTest::newRow("qif N: a number or a medium")
        << QByteArray(
               "!Type:Bank\nD01/02/2024\nT-10.00\nPUno\nNDEP\n^\nD01/02/2024\nT-5\nPDos\nN0\n^"
               "\nD01/02/2024\nT-5\nPTres\nN12\n^\n")
        << QString::fromUtf8(
               "2:2024-01-02|Uno|-10|\n7:2024-01-02|Dos|-5|\n12:2024-01-02|Tres - N.º "
               "12|-5|");
    QTest::newRow("header with a numbered name, debit and credit columns")
        << fixture("header-debit-credit.csv")
        << QString::fromUtf8("2:2024-03-01|Pago tarjeta - Ref 1|-150.25|\n3:2024-03-04|Sueldo - "
                             "Ref 2|2000|\n4:!Importe no reconocido: «0123 45678901.23A».");
    QTest::newRow("positive amounts and a debit/credit column")
        << QByteArray("Date,Payee,Amount,Transaction Type\n2024-01-05,Shop,12.50,Debit\n2024-01-06,"
                      "Salary,100.00,CREDIT\n2024-01-07,Bar,3.00,Dr\n")
        << "2:2024-01-05|Shop|-12.5|\n3:2024-01-06|Salary|100|\n4:2024-01-07|Bar|-3|";
    QTest::newRow("detail whatever its header")
        << QByteArray("Fecha;Importe;Zzz;Moneda\n01/02/2024;-5,00;Kiosco;ARS\n02/02/2024;7,00;"
                      "Venta;ARS\n")
        << "2:2024-02-01|Kiosco|-5|\n3:2024-02-02|Venta|7|";
    QTest::newRow("ofx values damaged")
        << fixture("damaged.ofx")
        << QString::fromUtf8("13:!Fecha no reconocida: «201120000000».\n20:!Importe no reconocido: "
                             "«$120».\n27:2011-03-08|Mercado central|-3|");
    QTest::newRow("ofx cut before its closing tags")
        << fixture("damaged.ofx").left(fixture("damaged.ofx").indexOf("</BANKTRANLIST>"))
        << QString::fromUtf8("El archivo OFX está incompleto: termina antes de «</BANKTRANLIST>» "
                             "(quizá se cortó al descargarlo). No se importa nada.");
    QTest::newRow("a line beyond 64 KB")
        << QByteArray("Fecha;Detalle;Importe\n") + QByteArray(70000, 'x') + "\n"
        << QString::fromUtf8(
               "Línea 2: la línea tiene más de 65.536 caracteres; un extracto bancario "
               "no tiene líneas tan largas. No se importa nada.");
    QTest::newRow("bank file: outbank") << fixture("bank-files/outbank.csv")
                                        << "2:2019-02-20|Jane Doe|100|Financials & Precautions";
    QTest::newRow("bank file: mint, type column")
        << fixture("bank-files/mint_extra.csv")
        << "5:2015-06-12|Transfer from Checking|-1000|Checking";
    QTest::newRow("bank file: suncorp, CDATA and CHECKNUM 0")
        << fixture("bank-files/suncorp.ofx")
        << "35:2013-12-15|EFTPOS WDL HANDYWAY ALDI STORE GEELONG WEST VICAU|-16.85|";
    QTest::newRow("bank file: date_missing")
        << fixture("bank-files/date_missing.ofx")
        << QString::fromUtf8("33:!La transacción no tiene fecha.\n40:!La transacción no tiene "
                             "fecha.\n48:!Fecha no reconocida: «20120231».");
    QTest::newRow("bank file: error_message")
        << fixture("bank-files/error_message.ofx")
        << QString::fromUtf8("El banco informa un error en el archivo OFX (línea 24): código 2000 "
                             "(error general del banco); el banco dice: «General Server Error». No "
                             "se importa nada.");
}

void TestStatementReaders::statementsReadAsTheyAre() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, rows);
    StatementOptions options;
    options.useRemembered = false;
    QString got;
    try {
        got = describe(loadStatement(bytes, options).result.rows);
    } catch (const ExchangeError& e) {
        got = e.message();
    }
    QCOMPARE(got.left(rows.size()), rows);
}
