#pragma once

#include "exchange/core/ExportRows.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace tesorin::exchange {

enum class ExportFormat { Csv, Xlsx, Qif, Ofx };

// By the file name's ending (.csv, .xlsx, .qif, .ofx), in any letter case.
std::optional<ExportFormat> exportFormatForPath(const QString& path);

// CSV in the regional conventions: UTF-8 with a byte-order mark, ';' as the
// separator when ',' is the decimal mark (else ','), short dates, plain
// numbers with the locale's decimal mark; header Fecha, Cuenta, Detalle,
// Tipo, Ingreso, Egreso.
QByteArray csvText(const QVector<ExportRow>& rows);
// QIF of a bank account: dates month first with a four-digit year, amounts
// signed with a point, P the detail, L the account.
QByteArray qifText(const QVector<ExportRow>& rows);
// An OFX 1.02 bank statement; each movement's FITID is its identifier.
QByteArray ofxText(const QVector<ExportRow>& rows, const QString& accountId);

// Writes the file under a temporary name in the same folder and renames it
// over the target at the end, so a failure leaves no half file. The .xlsx
// has a header row, real dates and numbers in a currency format, frozen
// panes and the view's totals. Throws ExchangeError.
void writeExport(const QString& path, const QVector<ExportRow>& rows, ExportFormat format,
                 const QString& accountId = QStringLiteral("TESORIN"));

} // namespace tesorin::exchange
