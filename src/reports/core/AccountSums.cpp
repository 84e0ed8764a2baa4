#include "reports/core/AccountSums.h"

#include "base/Money.h"
#include "reports/core/DateRangeScan.h"
#include "store/Database.h"
#include "store/StoreError.h"

#include <QHash>
#include <QList>

namespace tesorin::reports {

namespace {

struct Sums {
    Money income;
    Money expense;
};

// One grouped pass over the movements of the range. Grouping on the exact
// text keeps "banco" apart from "Banco": only the exact name counts.
QHash<QString, Sums> sumsByExactName(store::Database& db, const QDate& first, const QDate& last) {
    const QString from = first.toString(Qt::ISODate);
    const QString to = last.toString(Qt::ISODate);
    store::Statement sums = db.prepare(
        QStringLiteral("SELECT Cuenta, msum(Ingreso), msum(Egreso) FROM Movimientos WHERE %1 "
                       "GROUP BY Cuenta COLLATE BINARY")
            .arg(fechaBetween(db, from, to, 1, 2)));
    sums.bindText(1, from).bindText(2, to);
    QHash<QString, Sums> byName;
    while (sums.step()) {
        if (!sums.isNull(0))
            byName.insert(sums.text(0),
                          {Money::fromUnits(sums.int64(1)), Money::fromUnits(sums.int64(2))});
    }
    return byName;
}

struct Account {
    qint64 rowid;
    QString name;
};

QList<Account> accounts(store::Database& db) {
    store::Statement rows = db.prepare(QStringLiteral("SELECT rowid, Nombre FROM Cuentas"));
    QList<Account> list;
    while (rows.step())
        list.append({rows.int64(0), rows.text(1)});
    return list;
}

QString tooLarge(const QString& account) {
    return QStringLiteral("Los totales de la cuenta «%1» superan el importe máximo que se puede "
                          "guardar; no se cambió ningún total.")
        .arg(account);
}

} // namespace

void storeAccountSums(store::Database& db, const QDate& first, const QDate& last) {
    const QHash<QString, Sums> byName = sumsByExactName(db, first, last);
    store::Transaction transaction(db);
    store::Statement write = db.prepare(QStringLiteral(
        "UPDATE Cuentas SET TotEntrada = ?1, TotSalida = ?2, Saldo = ?3 WHERE rowid = ?4"));
    for (const Account& account : accounts(db)) {
        const Sums sums = byName.value(account.name);
        Money balance;
        try {
            balance = sums.income - sums.expense;
        } catch (const MoneyOutOfRange&) {
            throw store::StoreError(tooLarge(account.name));
        }
        if (!sums.income.isStorable() || !sums.expense.isStorable() || !balance.isStorable())
            throw store::StoreError(tooLarge(account.name));
        write.bindDouble(1, sums.income.toStored())
            .bindDouble(2, sums.expense.toStored())
            .bindDouble(3, balance.toStored())
            .bindInt64(4, account.rowid);
        write.run();
        write.reset();
    }
    transaction.commit();
}

} // namespace tesorin::reports
