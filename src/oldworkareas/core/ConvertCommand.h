#pragma once

#include <QString>

class QTextStream;

namespace tesorin::oldworkareas {

// "tesorin --convertir ARCHIVO.MDB": converts the old work area at path
// without opening a window, writes the report to out and returns 0; on a
// refusal writes its message to err and returns 1.
int runConvertCommand(const QString& path, QTextStream& out, QTextStream& err);

} // namespace tesorin::oldworkareas
