#pragma once

#include <QStringList>
#include <QTextStream>

namespace tesorin::exchange {

// Whether the program's arguments ask for an import or an export without a
// window (--importar ARCHIVO or --exportar ARCHIVO).
bool isExchangeCommand(const QStringList& arguments);

// Runs "--importar ARCHIVO --cuenta NOMBRE [--caja CAJA.MDB] [--medio TEXTO]
// [--fecha N] [--detalle N[,N...]] [--importe N | --ingreso N --egreso N]
// [--separador C] [--decimal C] [--orden-fecha dma|mda|amd]
// [--codificacion NOMBRE]" or "--exportar ARCHIVO [--caja CAJA.MDB]
// [--cuenta NOMBRE] [--desde FECHA] [--hasta FECHA]". Columns count from 1;
// what is not given is remembered for the file's shape or detected, and
// printed. An import skips probable duplicates and writes nothing when a row
// does not read. Returns the exit code: 0 done, 1 failure, 2 bad arguments
// or rows that do not read. Needs a QCoreApplication and the work-area
// folder set.
int runExchangeCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

} // namespace tesorin::exchange
