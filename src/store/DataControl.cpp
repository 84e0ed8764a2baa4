#include "store/DataControl.h"

#include "store/Database.h"
#include "store/Recordset.h"

namespace tesorin::store {

DataControl::DataControl(QObject* parent) : QObject(parent) {}

DataControl::~DataControl() = default;

void DataControl::setDatabaseName(const QString& bareName) {
    if (bareName == m_databaseName && m_db)
        return;
    closeConnection();
    m_databaseName = bareName;
}

void DataControl::closeConnection() {
    const bool hadRows = m_rs != nullptr;
    m_rs.reset();
    m_db.reset();
    m_totalsKnown = false;
    if (hadRows)
        Q_EMIT rowsReset();
}

void DataControl::Refresh() {
    m_totalsKnown = false;
    m_rs.reset();
    if (m_databaseName.isEmpty()) {
        Q_EMIT rowsReset();
        return;
    }
    try {
        if (!m_db)
            m_db = Database::OpenDatabase(m_databaseName);
        auto rows = m_db->OpenRecordset(m_recordSource);
        // Every identifier is read now, so the control never holds the file
        // open for reading while the program writes through its other
        // connection.
        if (rows->RecordCount() > 0)
            rows->MoveFirst();
        m_rs = std::move(rows);
    } catch (...) {
        m_rs.reset();
        Q_EMIT rowsReset();
        throw;
    }
    m_rs->setMoveListener([this] { Q_EMIT Reposition(); });
    Q_EMIT rowsReset();
    Q_EMIT Reposition();
}

long DataControl::rowCount() const {
    return m_rs ? m_rs->RecordCount() : 0;
}

long DataControl::currentRow() const {
    return m_rs ? m_rs->AbsolutePosition() : -1;
}

void DataControl::setCurrentRow(long row) {
    if (m_rs && row >= 0 && row < m_rs->RecordCount() && row != m_rs->AbsolutePosition())
        m_rs->setAbsolutePosition(row);
}

DataControl::Totals DataControl::viewTotals() {
    if (!m_rs)
        return {};
    if (!m_totalsKnown) {
        const std::vector<MoneySum> sums =
            m_rs->sums({QStringLiteral("Ingreso"), QStringLiteral("Egreso")});
        m_totals = {sums[0], sums[1]};
        m_totalsKnown = true;
    }
    return m_totals;
}

} // namespace tesorin::store
