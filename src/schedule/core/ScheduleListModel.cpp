#include "schedule/core/ScheduleListModel.h"

#include "history/core/StepNames.h"
#include "schedule/core/ScheduleGridCells.h"
#include "store/ChangeLog.h"
#include "store/CurrentRowMarker.h"
#include "store/DataControl.h"
#include "store/Recordset.h"
#include "store/StoreError.h"

#include <QTimer>

namespace tesorin::schedule {

ScheduleListModel::ScheduleListModel(store::DataControl& data, QObject* parent)
    : QAbstractTableModel(parent), m_data(data) {
    static_assert(std::tuple_size_v<decltype(m_fieldColumn)> == kScheduleGridColumns);
    connect(&m_data, &store::DataControl::rowsReset, this, &ScheduleListModel::rowsReset);
    m_marker = new store::CurrentRowMarker(m_data, *this);
    rowsReset();
}

void ScheduleListModel::rowsReset() {
    beginResetModel();
    const store::Recordset* rows = m_data.recordset();
    for (int column = 0; column < kScheduleGridColumns; ++column)
        m_fieldColumn[size_t(column)] = rows ? rows->fieldIndex(scheduleGridFields()[column]) : -1;
    m_pendingRow = -1;
    m_pendingCells.clear();
    m_marker->forget();
    m_failureReported = false;
    endResetModel();
}

int ScheduleListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_data.rowCount());
}

int ScheduleListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kScheduleGridColumns;
}

QVariant ScheduleListModel::storedValue(int row, int column) const {
    store::Recordset* rows = m_data.recordset();
    const int field = m_fieldColumn[size_t(column)];
    if (!rows || field < 0 || row < 0 || row >= rowCount())
        return {};
    try {
        return rows->rowAt(row).value(field);
    } catch (const store::StoreError& failure) {
        if (!m_failureReported) {
            m_failureReported = true;
            // Painting must not be interrupted by a message box.
            auto* self = const_cast<ScheduleListModel*>(this);
            QTimer::singleShot(
                0, self, [self, message = failure.message()] { Q_EMIT self->readFailed(message); });
        }
        return {};
    }
}

QVariant ScheduleListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const int column = index.column();
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignVCenter |
                                   (column == kImporteColumn ? Qt::AlignRight : Qt::AlignLeft));
    if (role == kWithoutAmountRole) {
        const QVariant amount = storedValue(index.row(), kImporteColumn);
        return amount.isNull() || amount.toDouble() == 0.0;
    }
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    if (index.row() == m_pendingRow && m_pendingCells.contains(column))
        return m_pendingCells.value(column);
    const QVariant stored = storedValue(index.row(), column);
    return role == Qt::EditRole ? editedCellText(column, stored) : shownCellText(column, stored);
}

bool ScheduleListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    const QString typed = value.toString();
    if (typed == data(index, Qt::EditRole).toString())
        return false;
    if (m_pendingRow >= 0 && m_pendingRow != index.row())
        writePendingRow();
    m_pendingRow = index.row();
    m_pendingCells.insert(index.column(), typed);
    Q_EMIT dataChanged(index, index);
    return true;
}

bool ScheduleListModel::writePendingRow() {
    if (m_pendingRow < 0)
        return true;
    QString refusal;
    store::Recordset* rows = m_data.recordset();
    if (!rows) {
        refusal = QStringLiteral("La lista de programaciones no está abierta.");
    } else {
        const long current = rows->AbsolutePosition();
        try {
            rows->setAbsolutePosition(m_pendingRow);
            store::ChangeStep step(*m_data.database(), history::steps::kEditSchedule);
            writeTypedCells(*rows, m_pendingCells);
            step.commit();
        } catch (const store::StoreError& failure) {
            refusal = failure.message();
        }
        try {
            if (current >= 0 && current != rows->AbsolutePosition())
                rows->setAbsolutePosition(current);
        } catch (const store::StoreError&) {
            // The row the list stood on is gone; the next reload settles it.
        }
    }
    dropPending();
    if (refusal.isEmpty())
        return true;
    Q_EMIT writeRefused(refusal);
    return false;
}

void ScheduleListModel::dropPending() {
    const int row = int(m_pendingRow);
    m_pendingRow = -1;
    m_pendingCells.clear();
    if (row >= 0 && row < rowCount())
        Q_EMIT dataChanged(index(row, 0), index(row, kScheduleGridColumns - 1));
}

QVariant ScheduleListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section >= 0 && section < kScheduleGridColumns ? scheduleGridCaptions()[section]
                                                              : QString();
    return m_marker->text(section);
}

Qt::ItemFlags ScheduleListModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable
                           : Qt::NoItemFlags;
}

} // namespace tesorin::schedule
