#pragma once

#include <QString>

// What the program's own options ask for. Every other argument (the toolkit's
// -platform, -style...) is left to Qt.
namespace tesorin::app {

enum class CommandLineRequest { Run, Help, Version };

// -h or --help asks for the help, --version for the version; the help wins
// when both are given. argv[0] is the program.
CommandLineRequest readCommandLine(int argc, const char* const* argv);

// "Tesorin 0.2.0".
QString versionText();
// What the program does, its options and where the work areas are kept
// (readOnly: they open read-only there).
QString helpText(const QString& workAreaFolder, bool readOnly = false);

// Prints the help or the version on the standard output and gives the exit
// status. Needs no display: a QCoreApplication is enough.
int answerCommandLine(CommandLineRequest request);

} // namespace tesorin::app
