#include "reports/core/AccountTotalsModel.h"

#include "base/Money.h"
#include "base/Regional.h"
#include "store/DataControl.h"
#include "store/Recordset.h"
#include "store/StoreError.h"

namespace tesorin::reports {

namespace {

struct Column {
    const char* caption;
    const char* field;
};

constexpr std::array<Column, AccountTotalsModel::kColumns> kColumnsShown{{
    {"Nombre", "Nombre"},
    {"Tot. Entradas", "TotEntrada"},
    {"Tot. Salidas", "TotSalida"},
    {"Saldo", "Saldo"},
}};

QString moneyText(const QVariant& stored) {
    if (stored.isNull())
        return {};
    const std::optional<Money> amount = Money::fromStored(stored.toDouble());
    return amount ? regional::currency(*amount) : QString();
}

} // namespace

AccountTotalsModel::AccountTotalsModel(store::DataControl& data, QObject* parent)
    : QAbstractTableModel(parent), m_data(data) {
    connect(&m_data, &store::DataControl::rowsReset, this, &AccountTotalsModel::rowsReset);
    rowsReset();
}

void AccountTotalsModel::rowsReset() {
    beginResetModel();
    m_rows.clear();
    m_readFailure.clear();
    try {
        readRows();
    } catch (const store::StoreError& error) {
        m_rows.clear();
        m_readFailure = error.message();
    }
    endResetModel();
}

void AccountTotalsModel::readRows() {
    store::Recordset* rows = m_data.recordset();
    if (!rows)
        return;
    std::array<int, kColumns> field{};
    for (int c = 0; c < kColumns; ++c)
        field[size_t(c)] = rows->fieldIndex(QString::fromLatin1(kColumnsShown[size_t(c)].field));
    const long count = rows->RecordCount();
    m_rows.reserve(count);
    for (long r = 0; r < count; ++r) {
        const QVariantList values = rows->rowAt(r);
        const auto at = [&](int c) {
            return field[size_t(c)] >= 0 && field[size_t(c)] < values.size()
                       ? values[field[size_t(c)]]
                       : QVariant();
        };
        m_rows.append({at(0).toString(), moneyText(at(1)), moneyText(at(2)), moneyText(at(3))});
    }
}

int AccountTotalsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

int AccountTotalsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant AccountTotalsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    if (role == Qt::DisplayRole)
        return m_rows[index.row()][size_t(index.column())];
    if (role == Qt::TextAlignmentRole)
        return index.column() == 0 ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                   : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant AccountTotalsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
        section >= kColumns)
        return {};
    return QString::fromLatin1(kColumnsShown[size_t(section)].caption);
}

Qt::ItemFlags AccountTotalsModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

} // namespace tesorin::reports
