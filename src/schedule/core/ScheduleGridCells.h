#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace tesorin::store {
class Recordset;
}

// The cells of the schedule list's grid: which field each column shows, how a
// stored value is shown, and how texts typed into a row are written back.
namespace tesorin::schedule {

enum ScheduleGridColumn {
    kCuentaColumn,
    kProgramaColumn,
    kDetalleColumn,
    kImporteColumn,
    kUltimaFechaColumn,
    kFinDeSemanaColumn,
    kDiaDeLaSemanaColumn,
    kDiaDelMesColumn,
    kScheduleGridColumns
};

// The field of each column, in column order.
const QStringList& scheduleGridFields();
// The caption of each column: its field's name ("FindeSemana" with a small d).
const QStringList& scheduleGridCaptions();

// A stored value as the grid shows it: money in the currency format, the
// date in the short form, yes/no as "Sí"/"No".
QString shownCellText(int column, const QVariant& stored);
// The text a cell offers for editing: as shown, but amounts without the
// currency symbol and grouping.
QString editedCellText(int column, const QVariant& stored);

// Writes the texts typed into the cells of the recordset's current row
// (column -> text) in one statement. A text the field cannot take (letters
// in Importe, a weekday outside 1..7, an unknown frequency...) throws
// StoreError with a message that names the field, and the row keeps its
// stored values.
void writeTypedCells(store::Recordset& row, const QMap<int, QString>& typed);

} // namespace tesorin::schedule
