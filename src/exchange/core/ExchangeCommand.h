#pragma once

#include <QStringList>
#include <QTextStream>

namespace tesorin::exchange {

// Whether the program's arguments ask for an import or an export without a
// window (--importar ARCHIVO or --exportar ARCHIVO).
bool isExchangeCommand(const QStringList& arguments);

// Runs "--importar ARCHIVO (--cuenta NOMBRE | --cuenta-columna N) [...]" or
// "--exportar ARCHIVO [--caja CAJA.MDB] [--cuenta NOMBRE] [--desde FECHA]
// [--hasta FECHA]" (the program's --help lists every option). Columns count
// from 1; what is not given is remembered for the file's shape or detected,
// and printed. An import skips probable duplicates and writes nothing when a
// row does not read. Returns the exit code: 0 done, 1 failure (nothing
// changed), 2 bad arguments or an import refused (nothing stored). Needs a
// QCoreApplication and the work-area folder set.
int runExchangeCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

// The names (without "--") of every option the import and the export take.
QStringList exchangeOptionNames();

} // namespace tesorin::exchange
