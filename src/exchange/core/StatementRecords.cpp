#include "exchange/core/StatementRecords.h"

#include "base/Clock.h"
#include "store/Database.h"

#include <sqlite3.h>

namespace tesorin::exchange {

void prepareStatementTables(store::Database& db) {
    db.exec(QStringLiteral(
        "CREATE TABLE IF NOT EXISTS Extractos (idExtracto INTEGER PRIMARY KEY, Cuenta TEXT, "
        "Desde TEXT, Hasta TEXT, SaldoInicial REAL, SaldoFinal REAL, Archivo TEXT, Importado "
        "TEXT); CREATE TABLE IF NOT EXISTS ExtractoMovimientos (idExtracto INTEGER NOT NULL, "
        "idMovimiento INTEGER NOT NULL); CREATE INDEX IF NOT EXISTS \"ExtractoMovimientos "
        "extracto\" ON ExtractoMovimientos (idExtracto)"));
}

void writeStatements(store::Database& db, const BankStatements& statements,
                     const QVector<std::int64_t>& movementOfRow,
                     const QVector<QString>& accountOfRow, const QString& fallbackAccount,
                     const QString& fileName) {
    store::Statement statementInsert = db.prepare(
        QStringLiteral("INSERT INTO Extractos (Cuenta, Desde, Hasta, SaldoInicial, SaldoFinal, "
                       "Archivo, Importado) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7)"));
    store::Statement linkInsert = db.prepare(QStringLiteral(
        "INSERT INTO ExtractoMovimientos (idExtracto, idMovimiento) VALUES (?1, ?2)"));
    const QVariant importDay = clock::today().toString(Qt::ISODate);
    for (const BankStatement& statement : statements) {
        const int end =
            int(std::min<qsizetype>(statement.firstRow + statement.rowCount, movementOfRow.size()));
        QString account = statement.account;
        bool stored = false;
        for (int i = statement.firstRow; i < end; ++i) {
            if (movementOfRow.at(i) == 0)
                continue;
            stored = true;
            if (account.isEmpty())
                account = accountOfRow.value(i);
        }
        if (!stored && statement.rowCount > 0)
            continue;
        if (account.isEmpty())
            account = fallbackAccount;
        statementInsert.reset();
        statementInsert.bindText(1, account);
        statementInsert.bind(2, statement.from.isValid()
                                    ? QVariant(statement.from.toString(Qt::ISODate))
                                    : QVariant());
        statementInsert.bind(
            3, statement.to.isValid() ? QVariant(statement.to.toString(Qt::ISODate)) : QVariant());
        statementInsert.bind(4, statement.opening ? QVariant(statement.opening->toStored())
                                                  : QVariant());
        statementInsert.bind(5, statement.closing ? QVariant(statement.closing->toStored())
                                                  : QVariant());
        statementInsert.bindText(6, fileName);
        statementInsert.bind(7, importDay);
        statementInsert.run();
        const std::int64_t id = sqlite3_last_insert_rowid(db.handle());
        for (int i = statement.firstRow; i < end; ++i) {
            if (movementOfRow.at(i) == 0)
                continue;
            linkInsert.reset();
            linkInsert.bindInt64(1, id).bindInt64(2, movementOfRow.at(i));
            linkInsert.run();
        }
    }
}

} // namespace tesorin::exchange
