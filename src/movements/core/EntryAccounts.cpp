#include "movements/core/EntryAccounts.h"

#include "accounts/core/AccountTypes.h"
#include "movements/core/EntryDirection.h"
#include "store/Database.h"
#include "store/Recordset.h"

namespace tesorin::movements {

QStringList accountsForEntry(store::Database& db, const QString& direction) {
    QString accepted;
    if (direction == kPaymentTag)
        accepted = accounts::kExpenseCode;
    else if (direction == kIncomeTag)
        accepted = accounts::kIncomeCode;

    QStringList names;
    auto rows = db.OpenRecordset(QStringLiteral("Cuentas"));
    for (; !rows->atEOF(); rows->MoveNext()) {
        const QString type = rows->text(QStringLiteral("Tipo"));
        if (type.isEmpty())
            continue;
        if (type == accepted || type == accounts::kBothCode)
            names << rows->text(QStringLiteral("Nombre"));
    }
    rows->Close();
    return names;
}

} // namespace tesorin::movements
