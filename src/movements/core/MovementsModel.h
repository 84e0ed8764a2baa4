#pragma once

#include <QAbstractTableModel>
#include <QStringList>

#include <array>

namespace tesorin::store {
class CurrentRowMarker;
class DataControl;
} // namespace tesorin::store

namespace tesorin::movements {

// The rows of the main grid: the view of a data control in six columns,
// Fecha, Cuenta, Detalle, Tipo, Ingreso and Egreso, as the grid shows them
// (dates in the short form, amounts in the currency format). Rows are read a
// page at a time through the control's recordset, only as the grid paints
// them, so a view of a million movements opens and scrolls at once.
class MovementsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kColumns = 6;

    explicit MovementsModel(store::DataControl& data, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The six texts of a row as the grid shows them; empty for no row (or a
    // row deleted since the view was read).
    QStringList rowTexts(int row) const;

Q_SIGNALS:
    // A page of rows could not be read; sent once per refresh of the view,
    // after the grid has finished painting.
    void readFailed(const QString& message);

private:
    void rowsReset();
    QVariantList rowValues(int row) const;
    QString cellText(const QVariantList& values, int column) const;

    store::DataControl& m_data;
    // Recordset column of each grid column; -1 when the view lacks it.
    std::array<int, kColumns> m_fieldColumn{};
    store::CurrentRowMarker* m_marker = nullptr;
    mutable bool m_failureReported = false;
};

} // namespace tesorin::movements
