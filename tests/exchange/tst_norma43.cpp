// Norma 43 statements: records read by their columns, several accounts, the
// closing totals checked, zero amounts, bad records named by their line.
#include "exchange/core/ExchangeError.h"
#include "exchange/core/Norma43Reader.h"
#include "exchange/core/StatementFile.h"
#include "exchange/core/StatementImport.h"
#include "support/TestWorkArea.h"

#include <QFile>
#include <QTest>

using namespace tesorin;
using namespace tesorin::exchange;

namespace {

QByteArray fixture(const QString& name) {
    QFile file(QStringLiteral(EXCHANGE_FIXTURES "/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", qPrintable(name));
    return file.readAll();
}

// "date|amount|detail" of each row, the amount as plain text.
QStringList rowTexts(const ReadResult& result) {
    QStringList rows;
    for (const ImportRow& r : result.rows)
        rows.append(QStringLiteral("%1|%2|%3")
                        .arg(r.date.toString(Qt::ISODate), r.amount.toPlainText(), r.detail));
    return rows;
}

QString errorOf(const QByteArray& bytes) {
    try {
        readNorma43(bytes);
    } catch (const ExchangeError& error) {
        return error.message();
    }
    return QString();
}

} // namespace

class TestNorma43 : public QObject {
    Q_OBJECT
private slots:
    void rowsReadByTheirColumns_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("rows");
        // CRLF, Latin-1 accents, two concept lines joined, an equivalence in
        // dollars, a movement with no concept text named by its common concept.
        QTest::newRow("one account")
            << "n43-one-account.n43"
            << QStringList{QString::fromUtf8("2026-01-05|-45.23|RECIBO LUZ IBERDROLA ESPAÑA "
                                             "CONTRATO 55667788 PERIODO DICIEMBRE"),
                           QString::fromUtf8("2026-01-10|2500|NÓMINA ENERO ACME S.A."),
                           QString::fromUtf8("2026-01-20|-19.99|Tarjetas de crédito, tarjetas de "
                                             "débito")};
        // Records without their trailing blanks; a negative opening balance.
        QTest::newRow("two accounts")
            << "n43-two-accounts.n43"
            << QStringList{QStringLiteral("2026-02-03|-100|TRANSFERENCIA A JUAN"),
                           QStringLiteral("2026-02-15|50.25|INGRESO EFECTIVO"),
                           QString::fromUtf8("2026-02-04|-3|Intereses, comisiones, custodia, "
                                             "gastos e impuestos"),
                           QStringLiteral("2026-02-05|-7|CAJERO CALLE MAYOR"),
                           QString::fromUtf8("2026-02-25|1234.56|DEVOLUCIÓN HACIENDA")};
    }
    void rowsReadByTheirColumns() {
        QFETCH(QString, file);
        QFETCH(QStringList, rows);
        const QByteArray bytes = fixture(file);
        QCOMPARE(detectStatementFormat(bytes), StatementFormat::Norma43);
        QCOMPARE(rowTexts(readNorma43(bytes).result), rows);
    }

    void eachAccountIsAStatement() {
        const Norma43File file = readNorma43(fixture(QStringLiteral("n43-two-accounts.n43")));
        QCOMPARE(file.statements.size(), 2);
        const BankStatement& first = file.statements.at(0);
        const BankStatement& second = file.statements.at(1);
        QCOMPARE(first.bankAccount, QStringLiteral("0049-1500-1111111111"));
        QCOMPARE(first.holder, QString::fromUtf8("ANA LÓPEZ"));
        QCOMPARE(first.from, QDate(2026, 2, 1));
        QCOMPARE(first.to, QDate(2026, 2, 28));
        QCOMPARE(first.opening, test::money("500"));
        QCOMPARE(first.closing, test::money("450.25"));
        QCOMPARE(first.firstRow, 0);
        QCOMPARE(first.rowCount, 2);
        QCOMPARE(second.bankAccount, QStringLiteral("0049-1500-2222222222"));
        QCOMPARE(second.opening, test::money("-20"));
        QCOMPARE(second.closing, test::money("1204.56"));
        QCOMPARE(second.firstRow, 2);
        QCOMPARE(second.rowCount, 3);
        QCOMPARE(first.currency, QStringLiteral("978"));
    }

    void aZeroAmountIsReadButAdvisedOut() {
        const Norma43File file = readNorma43(fixture(QStringLiteral("n43-zero-amount.n43")));
        QCOMPARE(file.result.rows.size(), 3);
        QVERIFY(file.result.rows.at(0).leaveOut.isEmpty());
        const ImportRow& zero = file.result.rows.at(1);
        QVERIFY(zero.readable());
        QVERIFY(zero.amount.isZero());
        QCOMPARE(zero.detail, QStringLiteral("ANULACION COMISION"));
        QVERIFY(zero.leaveOut.contains(QStringLiteral("Importe 0")));
    }

    void aFaultNamesItsLineOrAccount_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        const QByteArray one = fixture(QStringLiteral("n43-one-account.n43"));
        const QList<QByteArray> lines = one.split('\n');
        QTest::newRow("letters in an amount")
            << fixture(QStringLiteral("n43-bad-record.n43"))
            << QString::fromUtf8("Línea 3: El importe no es un número: «0000000000X200» "
                                 "(columnas 29 a 42).");
        QTest::newRow("totals that do not agree")
            << fixture(QStringLiteral("n43-bad-sums.n43"))
            << QString::fromUtf8(
                   "Cuenta 2085-0100-3333333333 (PEDRO RUIZ): el final de cuenta "
                   "(línea 5) dice 1 cargos por $\u00A020,00 pero los movimientos suman "
                   "2 cargos por $\u00A030,00; el archivo no se importa.");
        QByteArray closingBalance = one;
        closingBalance.replace("00000000368528978", "00000000368529978");
        QTest::newRow("a closing balance that does not follow")
            << closingBalance
            << QString::fromUtf8(
                   "Cuenta 2100-0001-0123456789 (MARÍA PEÑA GÓMEZ): el final de "
                   "cuenta (línea 9) da un saldo final de $\u00A03.685,29, pero el saldo "
                   "inicial más los movimientos da $\u00A03.685,28; el archivo no se "
                   "importa.");
        QTest::newRow("no closing record")
            << lines.mid(0, 8).join('\n')
            << QString::fromUtf8("Línea 8: el archivo termina sin el final de la cuenta "
                                 "2100-0001-0123456789 (registro 33).");
        QTest::newRow("a concept before any movement")
            << QByteArray(lines.at(0) + '\n' + lines.at(2) + '\n')
            << QString::fromUtf8("Línea 2: un concepto (registro 23) sin su movimiento "
                                 "(registro 22).");
        QByteArray month13 = one;
        month13.replace("0901260110", "0901261310");
        QTest::newRow("a month 13")
            << month13
            << QString::fromUtf8("Línea 5: La fecha de operación no es una fecha (AAMMDD): "
                                 "«261310».");
        QByteArray sign = one;
        sign.replace("150012000000002500", "150013000000002500");
        QTest::newRow("a sign other than 1 or 2")
            << sign
            << QString::fromUtf8("Línea 5: El signo del importe: se esperaba 1 (debe) o 2 (haber), "
                                 "no «3» (columna 28).");
        QByteArray unknown = one;
        unknown.replace("\r\n2302", "\r\n9902");
        QTest::newRow("an unknown record")
            << unknown
            << QString::fromUtf8("Línea 4: «99» no es un registro de Norma 43 (se esperaba 11, "
                                 "22, 23, 24, 33 u 88).");
        QTest::newRow("a record after the end")
            << QByteArray(one + lines.at(1) + '\n')
            << QString::fromUtf8("Línea 11: hay registros después del final del archivo "
                                 "(registro 88).");
    }
    void aFaultNamesItsLineOrAccount() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        QCOMPARE(errorOf(bytes), message);
    }

    void otherFilesAreNotTakenForNorma43_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("format");
        QTest::newRow("a CSV starting with 11")
            << QByteArray("11;Cobro;100\n22;Pago;-5\n") << int(StatementFormat::Csv);
        QTest::newRow("a header record of 81 characters")
            << QByteArray("11" + QByteArray(79, '0') + "\n") << int(StatementFormat::Csv);
        QTest::newRow("a QIF") << QByteArray("!Type:Bank\nD01/02/2024\nT-5\n^\n")
                               << int(StatementFormat::Qif);
    }
    void otherFilesAreNotTakenForNorma43() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, format);
        QCOMPARE(int(detectStatementFormat(bytes)), format);
    }

    void theLoadedStatementCarriesTheAccounts() {
        const LoadedStatement loaded =
            loadStatement(fixture(QStringLiteral("n43-two-accounts.n43")));
        QCOMPARE(loaded.format, StatementFormat::Norma43);
        QCOMPARE(loaded.result.rows.size(), 5);
        QCOMPARE(loaded.statements.size(), 2);
    }
};

TESORIN_TEST_MAIN(TestNorma43)
#include "tst_norma43.moc"
