#include "exchange/core/StatementAccounts.h"

#include "store/Database.h"

#include <QSettings>

namespace tesorin::exchange {

namespace {

QString settingsKey(const QString& bankAccount) {
    // The key holds no '/', which would open a subgroup.
    return QStringLiteral("CuentasExtracto/") + QString(bankAccount).replace(u'/', u'-');
}

} // namespace

QString recallStatementAccount(const QString& bankAccount) {
    QSettings settings(QStringLiteral("Tesorin"), QStringLiteral("Tesorin"));
    return settings.value(settingsKey(bankAccount)).toString();
}

void rememberStatementAccount(const QString& bankAccount, const QString& account) {
    QSettings settings(QStringLiteral("Tesorin"), QStringLiteral("Tesorin"));
    settings.setValue(settingsKey(bankAccount), account);
}

QStringList assignRememberedAccounts(BankStatements& statements, const QStringList& chart) {
    QStringList missing;
    for (BankStatement& statement : statements) {
        const QString remembered = recallStatementAccount(statement.bankAccount);
        const auto known = std::find_if(chart.cbegin(), chart.cend(), [&](const QString& name) {
            return name.compare(remembered, Qt::CaseInsensitive) == 0;
        });
        if (!remembered.isEmpty() && known != chart.cend())
            statement.account = *known;
        else if (!missing.contains(statement.bankAccount))
            missing.append(statement.bankAccount);
    }
    return missing;
}

QString chooseStatementAccounts(store::Database& db, ImportTarget& target) {
    if (target.statements.isEmpty())
        return QString();
    QStringList chart;
    store::Statement names = db.prepare(QStringLiteral("SELECT Nombre FROM Cuentas"));
    while (names.step())
        chart.append(names.text(0));
    if (target.statements.size() == 1) {
        const QString bankAccount = target.statements.front().bankAccount;
        if (target.account.isEmpty()) {
            BankStatements one = target.statements;
            assignRememberedAccounts(one, chart);
            target.account = one.front().account;
        }
        if (!target.account.isEmpty() && !bankAccount.isEmpty())
            rememberStatementAccount(bankAccount, target.account);
        return QString();
    }
    const QStringList missing = assignRememberedAccounts(target.statements, chart);
    if (missing.isEmpty())
        return QString();
    return QStringLiteral("El archivo tiene %1 cuentas bancarias y no se sabe a qué cuenta van "
                          "las de %2: impórtelo una vez desde «Archivo» > «Importar "
                          "movimientos...» para elegirlas; no se guardó nada.")
        .arg(target.statements.size())
        .arg(missing.join(QStringLiteral(", ")));
}

} // namespace tesorin::exchange
