#pragma once

#include <QByteArray>
#include <QString>

namespace tesorin::exchange {

enum class StatementFormat { Csv, Ofx, Qif, Norma43 };

// Tells an OFX (or QFX) statement, a QIF file and a Norma 43 statement
// (records of 80 characters, the first an account header "11") from a CSV
// table by their content. Throws ExchangeError for an empty file, a binary file (a PDF, a
// spreadsheet, a compressed file...) or a file that is none of the three.
StatementFormat detectStatementFormat(const QByteArray& bytes);

// Reads a whole file; throws ExchangeError naming the file when it cannot.
QByteArray readStatementBytes(const QString& path);

} // namespace tesorin::exchange
