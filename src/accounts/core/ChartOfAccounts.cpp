#include "accounts/core/ChartOfAccounts.h"

#include "base/Regional.h"
#include "history/core/StepNames.h"
#include "store/ChangeLog.h"
#include "store/Database.h"
#include "store/Recordset.h"

#include <QCollator>

#include <algorithm>

namespace tesorin::accounts {

namespace {

const QString kTable = QStringLiteral("Cuentas");
const QString kName = QStringLiteral("Nombre");
const QString kType = QStringLiteral("Tipo");

// The shared account cursor, open on Cuentas through its primary key for
// the length of one operation.
class AccountCursor {
public:
    AccountCursor(store::Database& db, std::unique_ptr<store::Recordset>& slot) : m_slot(slot) {
        m_slot = db.OpenRecordset(kTable);
        m_slot->setIndex(QStringLiteral("primarykey"));
    }
    ~AccountCursor() { m_slot.reset(); }
    AccountCursor(const AccountCursor&) = delete;
    AccountCursor& operator=(const AccountCursor&) = delete;

    // Makes the account of that name the current row.
    bool seek(const QString& name) {
        m_slot->Seek(QStringLiteral("="), name);
        return !m_slot->NoMatch();
    }
    store::Recordset* operator->() const { return m_slot.get(); }

private:
    std::unique_ptr<store::Recordset>& m_slot;
};

} // namespace

QStringList accountNamesInListOrder(store::Database& db) {
    QStringList names;
    auto rows = db.OpenRecordset(kTable);
    for (; !rows->atEOF(); rows->MoveNext())
        names << rows->text(kName);
    rows->Close();
    QCollator collator(regional::locale());
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(names.begin(), names.end(), [&collator](const QString& a, const QString& b) {
        return collator.compare(a, b) < 0;
    });
    return names;
}

ChartOutcome createAccount(store::Database& db, std::unique_ptr<store::Recordset>& recCuentas,
                           const QString& name, const QString& code) {
    store::ChangeStep step(db, history::steps::kNewAccount);
    {
        AccountCursor accounts(db, recCuentas);
        if (accounts.seek(name))
            return ChartOutcome::NameTaken;
        accounts->AddNew();
        accounts->setValue(kName, name);
        accounts->setValue(kType, code);
        accounts->Update();
    }
    step.commit();
    return ChartOutcome::Done;
}

std::optional<QString> accountType(store::Database& db,
                                   std::unique_ptr<store::Recordset>& recCuentas,
                                   const QString& name) {
    AccountCursor accounts(db, recCuentas);
    if (!accounts.seek(name))
        return std::nullopt;
    return accounts->text(kType);
}

ChartOutcome changeAccount(store::Database& db, std::unique_ptr<store::Recordset>& recCuentas,
                           const QString& name, const QString& newName, const QString& code) {
    store::ChangeStep step(db, history::steps::kEditAccount);
    {
        AccountCursor accounts(db, recCuentas);
        if (!accounts.seek(name))
            return ChartOutcome::NotFound;
        const std::int64_t changed = accounts->currentId();
        if (accounts.seek(newName) && accounts->currentId() != changed)
            return ChartOutcome::NameTaken;
        accounts.seek(name);
        accounts->Edit();
        accounts->setValue(kName, newName);
        accounts->setValue(kType, code);
        accounts->Update();
    }
    step.commit();
    return ChartOutcome::Done;
}

ChartOutcome deleteAccount(store::Database& db, std::unique_ptr<store::Recordset>& recCuentas,
                           const QString& name) {
    store::ChangeStep step(db, history::steps::kDeleteAccount);
    {
        AccountCursor accounts(db, recCuentas);
        if (!accounts.seek(name))
            return ChartOutcome::NotFound;
        accounts->Delete();
    }
    step.commit();
    return ChartOutcome::Done;
}

} // namespace tesorin::accounts
