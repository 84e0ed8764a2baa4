#pragma once

#include <QByteArray>
#include <QString>

namespace tesorin::exchange {

enum class StatementFormat { Csv, Ofx, Qif };

// Tells an OFX (or QFX) statement and a QIF file from a CSV table by their
// content. Throws ExchangeError for an empty file, a binary file (a PDF, a
// spreadsheet, a compressed file...) or a file that is none of the three.
StatementFormat detectStatementFormat(const QByteArray& bytes);

// Reads a whole file; throws ExchangeError naming the file when it cannot.
QByteArray readStatementBytes(const QString& path);

} // namespace tesorin::exchange
