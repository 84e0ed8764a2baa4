// The view's movements written out, and read back as another program would.
#include "exchange/core/ColumnMapping.h"
#include "exchange/core/CsvTable.h"
#include "exchange/core/ExchangeError.h"
#include "exchange/core/ExchangeFolders.h"
#include "exchange/core/ExportName.h"
#include "exchange/core/ExportRows.h"
#include "exchange/core/ExportWriters.h"
#include "exchange/core/OfxReader.h"
#include "exchange/core/QifReader.h"
#include "store/DataControl.h"
#include "store/Database.h"
#include "support/TestWorkArea.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <clocale>
#include <string>

using namespace tesorin;
using namespace tesorin::exchange;

namespace {

void fill(store::Database& db) {
    using test::money;
    test::addMovement(db, QDate(2024, 3, 2), QStringLiteral("Sueldo"),
                      QStringLiteral("Sueldo marzo"), money("250000.5"), Money{});
    test::addMovement(db, QDate(2024, 3, 1), QStringLiteral("Supermercado"),
                      QString::fromUtf8("Compra; \"grande\"\ncon dos líneas"), Money{},
                      money("1234.56"), QStringLiteral("Tarjeta"));
    test::addMovement(db, QDate(2024, 4, 9), QStringLiteral("Alquiler"), QStringLiteral("Abril"),
                      Money{}, money("90000"));
}

// The view of the grid: only March, newest first.
QVector<ExportRow> marchView() {
    store::DataControl data;
    data.setDatabaseName(QStringLiteral("BASE.MDB"));
    data.setRecordSource(
        QStringLiteral("select * from movimientos where Fecha >= cdate('01/03/2024') and "
                       "fecha <= cdate('31/03/2024') order by fecha desc"));
    data.Refresh();
    return viewRows(data);
}

// "date|detail|amount|account" of each row, for the round trips.
QStringList describe(const QVector<ExportRow>& rows) {
    QStringList out;
    for (const ExportRow& r : rows)
        out.append(QStringLiteral("%1|%2|%3|%4")
                       .arg(r.date.toString(Qt::ISODate), QString(r.detail).replace(u'\n', u' '),
                            (r.expense.isZero() ? r.income : -r.expense).toPlainText(), r.account));
    return out;
}

QStringList describe(const QVector<ImportRow>& rows) {
    QStringList out;
    for (const ImportRow& r : rows)
        out.append(r.readable() ? QStringLiteral("%1|%2|%3|%4")
                                      .arg(r.date.toString(Qt::ISODate), r.detail,
                                           r.amount.toPlainText(), r.account)
                                : r.reason);
    return out;
}

QByteArray unzipped(const QString& archive, const QString& member) {
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), archive, member});
    if (!unzip.waitForFinished(30000) || unzip.exitCode() != 0)
        qFatal("unzip failed on %s", qPrintable(member));
    return unzip.readAllStandardOutput();
}

// The sheet as a real spreadsheet reader sees it: "A2=2024-03-02|E2=250000.5|..."
// for every cell that holds a value, then the widths and the left margin.
QString readWithOpenpyxl(const QString& path) {
    const QString script =
        QStringLiteral("import sys, datetime, openpyxl\n"
                       "ws = openpyxl.load_workbook(sys.argv[1]).active\n"
                       "out = []\n"
                       "for row in ws.iter_rows():\n"
                       "    for c in row:\n"
                       "        v = c.value\n"
                       "        if v is None: continue\n"
                       "        if isinstance(v, datetime.datetime): v = v.date().isoformat()\n"
                       "        out.append('%s=%s' % (c.coordinate, v))\n"
                       "out.append('anchoC=%s' % ws.column_dimensions['C'].width)\n"
                       "out.append('margen=%s' % ws.page_margins.left)\n"
                       "print('|'.join(out))\n");
    QProcess reader;
    reader.start(QStringLiteral(SYSTEM_PYTHON), {QStringLiteral("-c"), script, path});
    if (!reader.waitForFinished(60000) || reader.exitCode() != 0)
        return QStringLiteral("openpyxl could not read the sheet: ") +
               QString::fromUtf8(reader.readAllStandardError()).trimmed().section(u'\n', -1);
    return QString::fromUtf8(reader.readAllStandardOutput()).trimmed();
}

} // namespace

class TestExport : public QObject {
    Q_OBJECT
private slots:
    void theViewsRowsInItsOrder() {
        test::TestWorkArea area;
        fill(*area.open());
        QCOMPARE(describe(marchView()),
                 (QStringList{
                     QStringLiteral("2024-03-02|Sueldo marzo|250000.5|Sueldo"),
                     QString::fromUtf8(
                         "2024-03-01|Compra; \"grande\" con dos líneas|-1234.56|Supermercado")}));
    }

    void csvFollowsTheRegionalConventions() {
        test::TestWorkArea area;
        fill(*area.open());
        const QString text = QString::fromUtf8(csvText(marchView()));
        QVERIFY(csvText({}).startsWith("\xEF\xBB\xBF"));
        QCOMPARE(text.section(QStringLiteral("\r\n"), 0, 1),
                 QStringLiteral(
                     "Fecha;Cuenta;Detalle;Tipo;Ingreso;Egreso\r\n2/3/2024;Sueldo;Sueldo marzo;"
                     "Efectivo;250000,5;0"));
    }

    void csvRoundTrip() {
        test::TestWorkArea area;
        fill(*area.open());
        const QVector<ExportRow> rows = marchView();
        const CsvTable table = readCsvTable(csvText(rows));
        QCOMPARE(describe(applyMapping(table, guessMapping(table))), describe(rows));
    }

    void qifRoundTrip() {
        test::TestWorkArea area;
        fill(*area.open());
        const QVector<ExportRow> rows = marchView();
        QCOMPARE(describe(readQif(qifText(rows)).rows), describe(rows));
    }

    void ofxIsReadBackWithItsIds() {
        test::TestWorkArea area;
        fill(*area.open());
        const QVector<ExportRow> rows = marchView();
        const ReadResult back = readOfx(ofxText(rows, QStringLiteral("BASE")));
        QStringList expected = describe(rows);
        for (QString& line : expected)
            line = line.section(u'|', 0, 2) + u'|'; // OFX carries no account name
        QCOMPARE(describe(back.rows), expected);
        QCOMPARE(back.rows.at(0).fitid.section(u'|', 1), QString::number(rows.at(0).id));
    }

    void xlsxReadsBackWithDatesNumbersAndTotals() {
        test::TestWorkArea area;
        fill(*area.open());
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("movimientos.xlsx"));
        writeExport(path, marchView(), ExportFormat::Xlsx);
        QVERIFY(!QFile::exists(path + QStringLiteral(".tesorin-tmp")));

        QStringList shared;
        QXmlStreamReader strings(unzipped(path, QStringLiteral("xl/sharedStrings.xml")));
        while (strings.readNextStartElement() || !strings.atEnd())
            if (strings.isStartElement() && strings.name() == u"t")
                shared.append(strings.readElementText());
        QMap<QString, QString> cells; // "A2" -> value as read (strings looked up)
        QString frozen;
        QXmlStreamReader sheet(unzipped(path, QStringLiteral("xl/worksheets/sheet1.xml")));
        QString ref, type;
        while (!sheet.atEnd()) {
            sheet.readNext();
            if (!sheet.isStartElement())
                continue;
            if (sheet.name() == u"pane")
                frozen = sheet.attributes().value(QLatin1String("state")).toString() + u'@' +
                         sheet.attributes().value(QLatin1String("topLeftCell")).toString();
            if (sheet.name() == u"c") {
                ref = sheet.attributes().value(QLatin1String("r")).toString();
                type = sheet.attributes().value(QLatin1String("t")).toString();
            }
            if (sheet.name() == u"v") {
                const QString v = sheet.readElementText();
                cells[ref] = type == u"s" ? shared.value(v.toInt()) : v;
            }
        }
        QCOMPARE(frozen, QStringLiteral("frozen@A2"));
        QCOMPARE(cells.value(QStringLiteral("A1")), QStringLiteral("Fecha"));
        QCOMPARE(cells.value(QStringLiteral("F1")), QStringLiteral("Egreso"));
        // 2 March 2024 is day 45353 of the spreadsheet calendar.
        QCOMPARE(cells.value(QStringLiteral("A2")), QStringLiteral("45353"));
        QCOMPARE(cells.value(QStringLiteral("C3")),
                 QString::fromUtf8("Compra; \"grande\"\ncon dos líneas"));
        QCOMPARE(cells.value(QStringLiteral("E2")), QStringLiteral("250000.5"));
        QCOMPARE(cells.value(QStringLiteral("F3")), QStringLiteral("1234.56"));
        QCOMPARE(cells.value(QStringLiteral("D5")), QStringLiteral("Totales"));
        QCOMPARE(cells.value(QStringLiteral("E5")), QStringLiteral("250000.5"));
        QCOMPARE(cells.value(QStringLiteral("F5")), QStringLiteral("1234.56"));
        QCOMPARE(cells.value(QStringLiteral("E6")), QStringLiteral("248765.94"));
    }

    // The spreadsheet library formats numbers with the C library, which
    // follows LC_NUMERIC: under a decimal-comma locale a careless writer puts
    // "250000,5" and "12,7109375" into the sheet, a damaged file.
    void xlsxOpensInASpreadsheetReaderWhateverTheLocale_data() {
        QTest::addColumn<QByteArray>("numericLocale");
        QTest::newRow("es_AR") << QByteArray("es_AR.UTF-8");
        QTest::newRow("es_ES") << QByteArray("es_ES.UTF-8");
        QTest::newRow("de_DE") << QByteArray("de_DE.UTF-8");
        QTest::newRow("C") << QByteArray("C.UTF-8");
    }
    void xlsxOpensInASpreadsheetReaderWhateverTheLocale() {
        QFETCH(QByteArray, numericLocale);
        const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
        if (!std::setlocale(LC_NUMERIC, numericLocale.constData()))
            QSKIP("locale not generated");
        test::TestWorkArea area;
        fill(*area.open());
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("movimientos.xlsx"));
        writeExport(path, marchView(), ExportFormat::Xlsx);
        std::setlocale(LC_NUMERIC, previous.c_str());
        QCOMPARE(readWithOpenpyxl(path),
                 QString::fromUtf8(
                     "A1=Fecha|B1=Cuenta|C1=Detalle|D1=Tipo|E1=Ingreso|F1=Egreso|"
                     "A2=2024-03-02|B2=Sueldo|C2=Sueldo marzo|D2=Efectivo|E2=250000.5|F2=0|"
                     "A3=2024-03-01|B3=Supermercado|"
                     "C3=Compra; \"grande\"\ncon dos líneas|D3=Tarjeta|E3=0|"
                     "F3=1234.56|D5=Totales|E5==SUM(E2:E3)|F5==SUM(F2:F3)|"
                     "D6=Saldo|E6==E5-F5|anchoC=45.7109375|margen=0.7"));
    }

    // The file dialogs open in the user's documents folder, never in the
    // program's hidden data folder, then in the folder used last while it
    // exists.
    void foldersProposedForTheFileDialogs() {
        QTemporaryDir settings;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
        const QString documents =
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        const QString first = QFileInfo(documents).isDir() ? documents : QDir::homePath();
        QCOMPARE(proposedFolder(ExchangeDirection::Export), first);
        QCOMPARE(proposedFolder(ExchangeDirection::Import), first);
        QTemporaryDir used;
        rememberFolderOf(ExchangeDirection::Export, used.filePath(QStringLiteral("vista.csv")));
        QCOMPARE(proposedFolder(ExchangeDirection::Export), QDir(used.path()).absolutePath());
        QCOMPARE(proposedFolder(ExchangeDirection::Import), first);
        QVERIFY(used.remove());
        QCOMPARE(proposedFolder(ExchangeDirection::Export), first);
    }

    void theProposedName() {
        QCOMPARE(proposedExportName(QStringLiteral("CASA NUEVA.MDB"), QDate(2024, 5, 1)),
                 QStringLiteral("movimientos-casa-nueva-2024-05-01.csv"));
    }

    void anExistingFileIsReplacedWhole() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("movimientos.qif"));
        QFile former(path);
        QVERIFY(former.open(QIODevice::WriteOnly));
        former.write(QByteArray(10000, 'x'));
        former.close();
        writeExport(path, {}, ExportFormat::Qif);
        QVERIFY(former.open(QIODevice::ReadOnly));
        QCOMPARE(former.readAll(), QByteArray("!Type:Bank\n"));
    }

    void aWriteThatFailsLeavesNoFileBehind_data() {
        QTest::addColumn<int>("format");
        QTest::newRow("csv") << int(ExportFormat::Csv);
        QTest::newRow("xlsx") << int(ExportFormat::Xlsx);
    }
    void aWriteThatFailsLeavesNoFileBehind() {
        QFETCH(int, format);
        QTemporaryDir dir;
        // The target is a folder holding a file, which no rename may replace.
        const QString path = dir.filePath(QStringLiteral("movimientos"));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("movimientos")));
        QFile inside(path + QStringLiteral("/dentro"));
        QVERIFY(inside.open(QIODevice::WriteOnly));
        inside.close();
        QVERIFY_THROWS_EXCEPTION(ExchangeError, writeExport(path, {}, ExportFormat(format)));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{});
    }
};

TESORIN_TEST_MAIN(TestExport)
#include "tst_export.moc"
