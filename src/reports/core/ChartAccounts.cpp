#include "reports/core/ChartAccounts.h"

#include "store/Database.h"
#include "store/Recordset.h"

namespace tesorin::reports {

QStringList accountNamesInTableOrder(store::Database& db) {
    QStringList names;
    auto cuentas = db.OpenRecordset(QStringLiteral("Cuentas"));
    for (; !cuentas->atEOF(); cuentas->MoveNext())
        names << cuentas->text(QStringLiteral("Nombre"));
    cuentas->Close();
    return names;
}

} // namespace tesorin::reports
