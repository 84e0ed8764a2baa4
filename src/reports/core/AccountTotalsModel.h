#pragma once

#include <QAbstractTableModel>
#include <QVector>

#include <array>

namespace tesorin::store {
class DataControl;
}

namespace tesorin::reports {

// The rows of the sums and balances grid: the accounts of a data control in
// four columns, Nombre and the stored totals TotEntrada, TotSalida and Saldo
// in the currency format (empty while an account holds no total yet). The
// texts are read once per refresh of the control: a chart of accounts is
// small, and a failure to read it is known at once, not during painting.
class AccountTotalsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kColumns = 4;

    explicit AccountTotalsModel(store::DataControl& data, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The store's message when the last refresh's rows could not be read
    // (the grid is then empty); empty otherwise.
    const QString& readFailure() const { return m_readFailure; }

private:
    void rowsReset();
    void readRows();

    store::DataControl& m_data;
    QVector<std::array<QString, kColumns>> m_rows;
    QString m_readFailure;
};

} // namespace tesorin::reports
