// The layout file caja.rpt: written with the default layout when missing,
// read again on every statement, refused with the line at fault.
#include "reports/core/ReportError.h"
#include "reports/core/StatementFormula.h"
#include "reports/core/StatementLayout.h"
#include "reports/core/StatementReport.h"
#include "support/TestWorkArea.h"

#include <QFile>
#include <QTest>

using namespace tesorin;
using namespace tesorin::reports;
using Kind = StatementLine::Kind;
using tesorin::test::addMovement;
using tesorin::test::money;

namespace {
const QString kAll = statementFormula(kAllAccountsEntry, true, {}, {});

QString readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

[[nodiscard]] bool writeAll(const QString& path, const QString& text) {
    QFile file(path);
    const QByteArray bytes = text.toUtf8();
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

QList<StatementLine> linesOf(StatementReport& report, Kind kind) {
    QList<StatementLine> found;
    for (const StatementLine& line : report.page(0).lines) {
        if (line.kind == kind)
            found << line;
    }
    return found;
}
} // namespace

class StatementLayoutTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestWorkArea> m_area;
    QString layoutPath() const { return m_area->path(QStringLiteral("caja.rpt")); }
    StatementReport report() { return {QStringLiteral("BASE.MDB"), kAll, QDate(2024, 6, 1)}; }

private Q_SLOTS:
    void init() {
        m_area = std::make_unique<test::TestWorkArea>();
        auto db = m_area->open();
        addMovement(*db, {2024, 5, 1}, QStringLiteral("Banco"), QStringLiteral("luz"), money("0"),
                    money("12.5"));
    }
    void cleanup() { m_area.reset(); }

    void createdWhenMissingThenReadOnEveryRun() {
        QVERIFY(!QFile::exists(layoutPath()));
        {
            StatementReport first(QStringLiteral("BASE.MDB"), kAll, QDate(2024, 6, 1));
            QCOMPARE(readAll(layoutPath()), StatementLayout::defaultText());
            QCOMPARE(first.page(0).lines.first().text, QStringLiteral("Estado de cuenta"));
        }
        QString text = readAll(layoutPath());
        text.replace(QStringLiteral("titulo = Estado de cuenta"),
                     QStringLiteral("titulo = Resumen de la caja {caja}"));
        text.replace(QStringLiteral("columna = Detalle, Detalle, 31"),
                     QStringLiteral("columna = Detalle, Concepto, pagado, 31"));
        text.remove(QStringLiteral("columna = Tipo, Tipo, 13\n"));
        QVERIFY(writeAll(layoutPath(), text));

        StatementReport second(QStringLiteral("BASE.MDB"), kAll, QDate(2024, 6, 1));
        QCOMPARE(second.page(0).lines.first().text, QStringLiteral("Resumen de la caja BASE.MDB"));
        QCOMPARE(linesOf(second, Kind::ColumnHeads).first().cells,
                 (QStringList{"Fecha", "Concepto, pagado", "Ingreso", "Egreso", "Saldo"}));
        QCOMPARE(linesOf(second, Kind::Movement).first().cells.size(), 5);
        QCOMPARE(readAll(layoutPath()), text);
    }

    void ownerProfileWhereFilled() {
        {
            auto db = m_area->open();
            db->exec(QStringLiteral(
                "UPDATE \"Registro Usuario\" SET \"Apellido y Nombres\" = 'Pérez, Ana', "
                "Profesion = 'Contadora', Matricula = '', Cpost = '2000', Localidad = 'Rosario'"));
        }
        StatementReport statement = report();
        QStringList owner;
        for (const StatementLine& line : linesOf(statement, Kind::Owner))
            owner << line.text;
        QCOMPARE(owner, (QStringList{"Pérez, Ana", "Contadora", "2000 Rosario"}));
    }

    void noProfileNoLines() {
        StatementReport statement = report();
        QVERIFY(linesOf(statement, Kind::Owner).isEmpty());
    }

    void refused_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("says");
        QTest::newRow("unknown key") << "titulo = A\ntitular = B\ncolor = rojo\n"
                                     << "línea 3: la clave «color» no se conoce";
        QTest::newRow("no equals sign") << "\n# nota\ntitulo Estado\n"
                                        << "línea 3: falta";
        QTest::newRow("unknown field")
            << "columna = Fecha, Fecha, 10\ncolumna = Importe, Importe, 10\n"
            << "línea 2: el campo «Importe» no existe";
        QTest::newRow("width not a number") << "columna = Fecha, Fecha, ancho\n"
                                            << "línea 1: el ancho «ancho»";
        QTest::newRow("column without width") << "columna = Fecha\n"
                                              << "línea 1: una columna";
        QTest::newRow("unknown marker") << "titulo = Caja {cja}\n"
                                        << "línea 1: el marcador {cja} no existe";
        QTest::newRow("repeated key") << "titulo = A\ntitulo = B\n"
                                      << "línea 2: la clave «titulo»";
        QTest::newRow("unknown paper") << "papel = A3\n"
                                       << "línea 1: el papel «A3»";
    }
    void refused() {
        QFETCH(QString, text);
        QFETCH(QString, says);
        QVERIFY(writeAll(layoutPath(), text));
        try {
            report();
            QFAIL("the layout was taken");
        } catch (const ReportError& error) {
            QVERIFY2(error.message().startsWith(
                         QStringLiteral("El diseño del informe «caja.rpt» tiene un error en la ")),
                     qPrintable(error.message()));
            QVERIFY2(error.message().contains(says), qPrintable(error.message()));
        }
    }

    void keysWithoutAccentsOrCase() {
        QVERIFY(writeAll(layoutPath(),
                         QStringLiteral("TÍTULO = Mi estado\nPáGINA = {página}/{PAGINAS}\n")));
        StatementReport statement = report();
        QCOMPARE(statement.page(0).lines.first().text, QStringLiteral("Mi estado"));
        QCOMPARE(statement.page(0).pageText, QStringLiteral("1/1"));
        // Texts the file leaves out keep the default, and so do the columns.
        QCOMPARE(linesOf(statement, Kind::ColumnHeads).first().cells.size(), 6);
    }
};

TESORIN_TEST_MAIN(StatementLayoutTest)
#include "tst_statement_layout.moc"
