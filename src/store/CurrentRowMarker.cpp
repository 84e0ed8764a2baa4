#include "store/CurrentRowMarker.h"

#include "store/DataControl.h"

#include <QAbstractItemModel>

namespace tesorin::store {

CurrentRowMarker::CurrentRowMarker(DataControl& data, QAbstractItemModel& model)
    : QObject(&model), m_data(data), m_model(model) {
    connect(&data, &DataControl::Reposition, this, &CurrentRowMarker::moved);
}

QString CurrentRowMarker::text(int section) const {
    static const QString marker(QChar(0x25B8));
    return section == m_markedRow ? marker : QString();
}

void CurrentRowMarker::moved() {
    const long previous = m_markedRow;
    m_markedRow = m_data.currentRow();
    if (previous == m_markedRow)
        return;
    if (previous >= 0 && previous < m_model.rowCount())
        Q_EMIT m_model.headerDataChanged(Qt::Vertical, int(previous), int(previous));
    if (m_markedRow >= 0)
        Q_EMIT m_model.headerDataChanged(Qt::Vertical, int(m_markedRow), int(m_markedRow));
}

} // namespace tesorin::store
