// The program's own options: --help and --version answer without a window;
// every other argument, the toolkit's among them, starts the program.
#include "app/CommandLine.h"
#include "support/TestWorkArea.h"

#include <QTest>

#include <vector>

using tesorin::app::CommandLineRequest;
using tesorin::app::readCommandLine;

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
};

TESORIN_TEST_MAIN(TstCommandLine)
#include "tst_command_line.moc"
