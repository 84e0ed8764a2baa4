#include "movements/core/MovementsModel.h"

#include "base/Money.h"
#include "base/Regional.h"
#include "store/CurrentRowMarker.h"
#include "store/DataControl.h"
#include "store/Recordset.h"
#include "store/StoreError.h"

#include <QDate>
#include <QTimer>

namespace tesorin::movements {

namespace {

const std::array<QString, MovementsModel::kColumns>& columnFields() {
    static const std::array<QString, MovementsModel::kColumns> fields{
        QStringLiteral("Fecha"), QStringLiteral("Cuenta"),  QStringLiteral("Detalle"),
        QStringLiteral("Tipo"),  QStringLiteral("Ingreso"), QStringLiteral("Egreso")};
    return fields;
}

constexpr int kFechaColumn = 0;

bool isAmountColumn(int column) {
    return column >= 4;
}

// A stored value as the grid shows it in that column.
QString shownText(int column, const QVariant& value) {
    if (value.isNull())
        return QString();
    if (column == kFechaColumn) {
        const QDate date = QDate::fromString(value.toString(), Qt::ISODate);
        return date.isValid() ? regional::shortDate(date) : value.toString();
    }
    if (isAmountColumn(column)) {
        bool isNumber = false;
        const double stored = value.toDouble(&isNumber);
        const std::optional<Money> amount = isNumber ? Money::fromStored(stored) : std::nullopt;
        return amount ? regional::currency(*amount) : value.toString();
    }
    return value.toString();
}

} // namespace

MovementsModel::MovementsModel(store::DataControl& data, QObject* parent)
    : QAbstractTableModel(parent), m_data(data) {
    m_fieldColumn.fill(-1);
    connect(&m_data, &store::DataControl::rowsReset, this, &MovementsModel::rowsReset);
    m_marker = new store::CurrentRowMarker(m_data, *this);
    rowsReset();
}

void MovementsModel::rowsReset() {
    // The control has already replaced its rows; the grid only has to
    // forget what it knew.
    beginResetModel();
    const store::Recordset* rows = m_data.recordset();
    for (int column = 0; column < kColumns; ++column)
        m_fieldColumn[size_t(column)] =
            rows ? rows->fieldIndex(columnFields()[size_t(column)]) : -1;
    m_marker->forget();
    m_failureReported = false;
    endResetModel();
}

int MovementsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_data.rowCount());
}

int MovementsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariantList MovementsModel::rowValues(int row) const {
    store::Recordset* rows = m_data.recordset();
    if (!rows || row < 0 || row >= rowCount())
        return {};
    try {
        return rows->rowAt(row);
    } catch (const store::StoreError& failure) {
        if (!m_failureReported) {
            m_failureReported = true;
            // Painting must not be interrupted by a message box.
            auto* self = const_cast<MovementsModel*>(this);
            QTimer::singleShot(
                0, self, [self, message = failure.message()] { Q_EMIT self->readFailed(message); });
        }
        return {};
    }
}

QString MovementsModel::cellText(const QVariantList& values, int column) const {
    const int field = m_fieldColumn[size_t(column)];
    return shownText(column, field >= 0 ? values.value(field) : QVariant());
}

QStringList MovementsModel::rowTexts(int row) const {
    const QVariantList values = rowValues(row);
    if (values.isEmpty())
        return {};
    QStringList texts;
    for (int column = 0; column < kColumns; ++column)
        texts << cellText(values, column);
    return texts;
}

QVariant MovementsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(
            Qt::AlignVCenter | (isAmountColumn(index.column()) ? Qt::AlignRight : Qt::AlignLeft));
    if (role != Qt::DisplayRole)
        return {};
    return cellText(rowValues(index.row()), index.column());
}

QVariant MovementsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section >= 0 && section < kColumns ? columnFields()[size_t(section)] : QString();
    return m_marker->text(section);
}

Qt::ItemFlags MovementsModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

} // namespace tesorin::movements
