// The program's own options: --help and --version answer without a window;
// every other argument, the toolkit's among them, starts the program.
#include "app/CommandLine.h"
#include "exchange/core/ExchangeCommand.h"
#include "support/TestWorkArea.h"

#include <QFile>
#include <QTest>

#include <vector>

using tesorin::app::CommandLineRequest;
using tesorin::app::helpText;
using tesorin::app::readCommandLine;
namespace exchange = tesorin::exchange;

Q_DECLARE_METATYPE(CommandLineRequest)

class TstCommandLine : public QObject {
    Q_OBJECT

private slots:
    void reads_data() {
        QTest::addColumn<QList<QByteArray>>("arguments");
        QTest::addColumn<CommandLineRequest>("request");
        using Args = QList<QByteArray>;
        QTest::newRow("none") << Args{} << CommandLineRequest::Run;
        QTest::newRow("--help") << Args{"--help"} << CommandLineRequest::Help;
        QTest::newRow("-h") << Args{"-h"} << CommandLineRequest::Help;
        QTest::newRow("--version") << Args{"--version"} << CommandLineRequest::Version;
        QTest::newRow("help wins") << Args{"--version", "-h"} << CommandLineRequest::Help;
        QTest::newRow("after the toolkit's options")
            << Args{"-platform", "offscreen", "--version"} << CommandLineRequest::Version;
        QTest::newRow("the toolkit's options")
            << Args{"-style", "fusion"} << CommandLineRequest::Run;
        QTest::newRow("no prefix match")
            << Args{"--helpme", "--versions"} << CommandLineRequest::Run;
    }

    void reads() {
        QFETCH(QList<QByteArray>, arguments);
        QFETCH(CommandLineRequest, request);
        std::vector<const char*> argv{"tesorin"};
        for (const QByteArray& argument : arguments)
            argv.push_back(argument.constData());
        QCOMPARE(readCommandLine(int(argv.size()), argv.data()), request);
    }

    // The help and the manual page name every option of the import and the
    // export, and every exit status.
    void helpAndManualNameEveryOption() {
        const QString help = helpText(QStringLiteral("/datos"));
        QFile manual(QStringLiteral(TESORIN_MANUAL_PAGE));
        QVERIFY(manual.open(QIODevice::ReadOnly));
        const QString page = QString::fromUtf8(manual.readAll());
        for (const QString& name : exchange::exchangeOptionNames()) {
            QVERIFY2(help.contains(QStringLiteral("--") + name), qPrintable(name));
            QVERIFY2(page.contains(QStringLiteral("\\-\\-") +
                                   QString(name).replace(u'-', QStringLiteral("\\-"))),
                     qPrintable(name));
        }
        for (const char* status : {"  0  ", "  1  ", "  2  "})
            QVERIFY2(help.contains(QLatin1String(status)), status);
        const qsizetype exits = page.indexOf(QStringLiteral(".SH \"ESTADO DE SALIDA\""));
        QVERIFY(exits > 0);
        for (const char* status : {".B 0\n", ".B 1\n", ".B 2\n"})
            QVERIFY2(page.indexOf(QLatin1String(status), exits) > 0, status);
    }
};

TESORIN_TEST_MAIN(TstCommandLine)
#include "tst_command_line.moc"
