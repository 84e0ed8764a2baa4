#pragma once

#include "base/Money.h"

#include <QDate>
#include <QString>
#include <QVector>

namespace tesorin::store {
class DataControl;
}

namespace tesorin::exchange {

// One movement of the view, as it is written out.
struct ExportRow {
    qint64 id = 0;
    QDate date;
    QString account;
    QString detail;
    QString medium;
    Money income;
    Money expense;
};

// The rows the grid shows: the data control's row source, with its filter
// and its order. Throws store::StoreError.
QVector<ExportRow> viewRows(store::DataControl& data);

} // namespace tesorin::exchange
