#include "exchange/core/StatementAccounts.h"

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

} // namespace tesorin::exchange
