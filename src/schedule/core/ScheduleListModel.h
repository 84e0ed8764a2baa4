#pragma once

#include <QAbstractTableModel>
#include <QMap>
#include <QString>

#include <array>

namespace tesorin::store {
class CurrentRowMarker;
class DataControl;
} // namespace tesorin::store

namespace tesorin::schedule {

// The rows of the schedule list's data control in the grid's eight columns.
// Texts typed into the cells of a row are held until the row is left; then
// writePendingRow() writes them back in one statement, or, when a text is
// refused, drops them so the row shows its stored values again.
class ScheduleListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // True for the cells of a schedule stored without an amount, which is
    // never posted: the list shows it greyed.
    static constexpr int kWithoutAmountRole = Qt::UserRole + 1;

    explicit ScheduleListModel(store::DataControl& data, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    bool hasPendingRow() const { return m_pendingRow >= 0; }
    // Writes the typed texts of the row being left. True when nothing was
    // pending or the row was written; otherwise the typed texts are dropped,
    // writeRefused tells why, and the result is false.
    bool writePendingRow();

Q_SIGNALS:
    void writeRefused(const QString& message);
    // A row could not be read; sent once per refresh, after painting.
    void readFailed(const QString& message);

private:
    void rowsReset();
    QVariant storedValue(int row, int column) const;
    void dropPending();

    store::DataControl& m_data;
    // Recordset column of each grid column; -1 when the rows lack it.
    std::array<int, 8> m_fieldColumn{};
    long m_pendingRow = -1;
    QMap<int, QString> m_pendingCells;
    store::CurrentRowMarker* m_marker = nullptr;
    mutable bool m_failureReported = false;
};

} // namespace tesorin::schedule
