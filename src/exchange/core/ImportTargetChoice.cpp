#include "exchange/core/ImportTargetChoice.h"

#include "exchange/core/MappingMemory.h"
#include "movements/core/EntryAccounts.h"

namespace tesorin::exchange {

namespace {

QString fittingSpelling(const QStringList& fitting, const QString& name) {
    for (const QString& f : fitting)
        if (f.compare(name, Qt::CaseInsensitive) == 0)
            return f;
    return {};
}

} // namespace

QString proposedImportAccount(store::Database& db, const QString& shape,
                              const QStringList& fitting) {
    if (const auto remembered = recallImport(shape); remembered && !remembered->account.isEmpty())
        if (const QString f = fittingSpelling(fitting, remembered->account); !f.isEmpty())
            return f;
    // Accounts of both directions are what an entry offers for either.
    for (const QString& both : movements::accountsForEntry(db, QString()))
        if (const QString f = fittingSpelling(fitting, both); !f.isEmpty())
            return f;
    return {};
}

} // namespace tesorin::exchange
