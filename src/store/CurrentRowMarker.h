#pragma once

#include <QObject>
#include <QString>

class QAbstractItemModel;

namespace tesorin::store {

class DataControl;

// The mark a grid's row selector shows beside the data control's current
// row. It follows the control's moves and tells the model which header
// sections changed; after a reset of the rows no row is marked until the
// control moves again.
class CurrentRowMarker : public QObject {
public:
    CurrentRowMarker(DataControl& data, QAbstractItemModel& model);
    // The selector's text of row section: the mark or nothing.
    QString text(int section) const;
    void forget() { m_markedRow = -1; }

private:
    void moved();

    DataControl& m_data;
    QAbstractItemModel& m_model;
    long m_markedRow = -1;
};

} // namespace tesorin::store
