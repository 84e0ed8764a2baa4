#include "exchange/core/ExportRows.h"

#include "store/DataControl.h"
#include "store/Recordset.h"

namespace tesorin::exchange {

QVector<ExportRow> viewRows(store::DataControl& data) {
    QVector<ExportRow> rows;
    store::Recordset* rs = data.recordset();
    if (!rs)
        return rows;
    const int id = rs->fieldIndex(QStringLiteral("idMovimiento"));
    const int date = rs->fieldIndex(QStringLiteral("Fecha"));
    const int account = rs->fieldIndex(QStringLiteral("Cuenta"));
    const int detail = rs->fieldIndex(QStringLiteral("Detalle"));
    const int medium = rs->fieldIndex(QStringLiteral("Tipo"));
    const int income = rs->fieldIndex(QStringLiteral("Ingreso"));
    const int expense = rs->fieldIndex(QStringLiteral("Egreso"));
    auto field = [](const QVariantList& values, int index) {
        return index >= 0 ? values.value(index) : QVariant();
    };
    const long count = data.rowCount();
    rows.reserve(count);
    for (long i = 0; i < count; ++i) {
        const QVariantList values = rs->rowAt(i);
        ExportRow r;
        r.id = field(values, id).toLongLong();
        r.date = QDate::fromString(field(values, date).toString(), Qt::ISODate);
        r.account = field(values, account).toString();
        r.detail = field(values, detail).toString();
        r.medium = field(values, medium).toString();
        r.income = Money::fromStored(field(values, income).toDouble()).value_or(Money{});
        r.expense = Money::fromStored(field(values, expense).toDouble()).value_or(Money{});
        rows.append(r);
    }
    return rows;
}

} // namespace tesorin::exchange
