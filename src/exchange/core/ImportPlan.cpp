#include "exchange/core/ImportPlan.h"

#include "exchange/core/ExchangeError.h"
#include "exchange/core/ImportedIds.h"
#include "exchange/core/StatementRecords.h"
#include "history/core/StepNames.h"
#include "movements/core/EntryAccounts.h"
#include "store/ChangeLog.h"
#include "store/Database.h"

#include <QSet>

namespace tesorin::exchange {

namespace {

// What makes two movements probable duplicates: the same day, amount and
// detail (blanks collapsed).
struct DuplicateKey {
    qint64 day = 0;
    std::int64_t units = 0;
    QString detail;
    friend bool operator==(const DuplicateKey& a, const DuplicateKey& b) {
        return a.day == b.day && a.units == b.units && a.detail == b.detail;
    }
    friend size_t qHash(const DuplicateKey& k, size_t seed = 0) {
        return qHashMulti(seed, k.day, k.units, k.detail);
    }
};

DuplicateKey duplicateKey(const QDate& date, Money amount, const QString& detail) {
    return {date.toJulianDay(), amount.units(), detail.simplified()};
}

// Account names of the chart by their lower-case form.
QHash<QString, QString> chartNames(store::Database& db) {
    QHash<QString, QString> names;
    store::Statement query = db.prepare(QStringLiteral("SELECT Nombre FROM Cuentas"));
    while (query.step())
        names.insert(query.text(0).toLower(), query.text(0));
    return names;
}

} // namespace

QVector<PlannedRow> planImport(store::Database& db, const QVector<ImportRow>& rows) {
    QVector<PlannedRow> plan;
    plan.reserve(rows.size());
    QDate first, last;
    for (const ImportRow& r : rows)
        if (r.readable()) {
            if (!first.isValid() || r.date < first)
                first = r.date;
            if (!last.isValid() || r.date > last)
                last = r.date;
        }
    QSet<DuplicateKey> stored;
    if (first.isValid()) {
        store::Statement query =
            db.prepare(QStringLiteral("SELECT Fecha, Ingreso, Egreso, Detalle FROM Movimientos "
                                      "WHERE Fecha BETWEEN ?1 AND ?2"));
        query.bind(1, first).bind(2, last);
        while (query.step()) {
            const Money income = Money::fromStored(query.real(1)).value_or(Money{});
            const Money expense = Money::fromStored(query.real(2)).value_or(Money{});
            const Money amount = expense.isZero() ? income : -expense;
            stored.insert(
                duplicateKey(QDate::fromString(query.text(0), Qt::ISODate), amount, query.text(3)));
        }
    }
    const QSet<QString> knownIds = importedIds(db);
    QSet<DuplicateKey> earlier;
    earlier.reserve(rows.size());
    for (const ImportRow& r : rows) {
        PlannedRow p;
        p.row = r;
        if (r.readable()) {
            const DuplicateKey key = duplicateKey(r.date, r.amount, r.detail);
            if (!r.fitid.isEmpty() && knownIds.contains(r.fitid)) {
                p.duplicate = true;
                p.duplicateReason = QStringLiteral("Ya importado (mismo identificador del banco).");
            } else if (stored.contains(key)) {
                p.duplicate = true;
                p.duplicateReason =
                    QStringLiteral("Posible duplicado: ya hay un movimiento con la misma fecha, "
                                   "importe y detalle.");
            } else if (earlier.contains(key)) {
                p.duplicate = true;
                p.duplicateReason =
                    QStringLiteral("Posible duplicado: repite una fila anterior del archivo.");
            }
            earlier.insert(key);
            p.ticked = !p.duplicate;
            if (p.ticked && !r.leaveOut.isEmpty()) {
                p.ticked = false;
                p.duplicateReason = r.leaveOut;
            }
        }
        plan.append(p);
    }
    return plan;
}

QStringList accountsFittingRows(store::Database& db, const QVector<PlannedRow>& rows) {
    bool income = false;
    bool payment = false;
    for (const PlannedRow& p : rows)
        if (p.row.readable()) {
            if (p.row.amount < Money{})
                payment = true;
            else
                income = true;
        }
    if (income && !payment)
        return movements::accountsForEntry(db, QStringLiteral("Nuevo Ingreso"));
    if (payment && !income)
        return movements::accountsForEntry(db, QStringLiteral("Nuevo Pago"));
    return movements::accountsForEntry(db, QString());
}

QStringList unknownAccounts(store::Database& db, const QVector<PlannedRow>& rows) {
    const QHash<QString, QString> types = chartNames(db);
    QStringList unknown;
    QSet<QString> seen;
    for (const PlannedRow& p : rows) {
        const QString name = p.row.account.trimmed();
        if (!p.ticked || name.isEmpty() || types.contains(name.toLower()) ||
            seen.contains(name.toLower()))
            continue;
        seen.insert(name.toLower());
        unknown.append(name);
    }
    return unknown;
}

ImportOutcome writeImport(store::Database& db, const QVector<PlannedRow>& rows,
                          const ImportTarget& target, const ImportProgress& progress) {
    ImportOutcome outcome;
    QHash<QString, QString> names = chartNames(db);
    // A statement's own account takes its rows.
    QVector<QString> statementAccount(rows.size());
    for (const BankStatement& statement : target.statements)
        for (int i = statement.firstRow;
             i < statement.firstRow + statement.rowCount && i < rows.size(); ++i)
            statementAccount[i] = statement.account.trimmed();
    const auto accountOf = [&](qsizetype i) {
        if (!statementAccount.at(i).isEmpty())
            return statementAccount.at(i);
        return target.accountFromFile ? rows.at(i).row.account.trimmed() : target.account.trimmed();
    };
    int total = 0;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const PlannedRow& p = rows.at(i);
        if (!p.ticked) {
            ++outcome.skipped;
            continue;
        }
        if (!p.row.readable())
            throw ExchangeError(QStringLiteral("Línea %1: %2").arg(p.row.line).arg(p.row.reason));
        const QString account = accountOf(i);
        if (account.isEmpty())
            throw ExchangeError(
                target.accountFromFile
                    ? QStringLiteral("Línea %1: la fila no nombra ninguna cuenta.").arg(p.row.line)
                    : QStringLiteral("Elija la cuenta de los movimientos."));
        if (!names.contains(account.toLower()) && !target.accountsToCreate.contains(account))
            throw ExchangeError(
                QStringLiteral("Línea %1: la cuenta «%2» no está en el plan de cuentas.")
                    .arg(p.row.line)
                    .arg(account));
        ++total;
    }

    store::ChangeStep step(db, QString());
    if (!target.statements.isEmpty()) {
        // The tables must have their history before the step adds to them.
        prepareStatementTables(db);
        store::changelog::install(db);
        step.recordAddedRowsAtCommit(QLatin1String(kStatementsTable));
        step.recordAddedRowsAtCommit(QLatin1String(kStatementMovementsTable));
    }
    step.recordAddedRowsAtCommit(QStringLiteral("Movimientos"));
    store::Statement addAccount =
        db.prepare(QStringLiteral("INSERT INTO Cuentas (Nombre, Tipo) VALUES (?1, ?2)"));
    for (auto it = target.accountsToCreate.cbegin(); it != target.accountsToCreate.cend(); ++it) {
        if (names.contains(it.key().toLower()))
            continue;
        addAccount.reset();
        addAccount.bindText(1, it.key()).bindText(2, it.value());
        addAccount.run();
        names.insert(it.key().toLower(), it.key());
    }
    store::Statement insert =
        db.prepare(QStringLiteral("INSERT INTO Movimientos (Fecha, Cuenta, Detalle, Tipo, Ingreso, "
                                  "Egreso) VALUES (?1, ?2, ?3, ?4, ?5, ?6)"));
    const QString chosenAccount =
        names.value(target.account.trimmed().toLower(), target.account.trimmed());
    ImportedIdsWriter ids(db);
    const bool keepStatements = !target.statements.isEmpty();
    QVector<std::int64_t> movementOfRow(keepStatements ? rows.size() : 0, 0);
    QVector<QString> accountOfRow(keepStatements ? rows.size() : 0);
    int done = 0;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const PlannedRow& p = rows.at(i);
        if (!p.ticked)
            continue;
        const ImportRow& r = p.row;
        const bool payment = r.amount < Money{};
        insert.reset();
        const QString account = accountOf(i);
        const QString stored = account == target.account.trimmed()
                                   ? chosenAccount
                                   : names.value(account.toLower(), account);
        insert.bindText(2, stored);
        insert.bind(1, r.date)
            .bindText(3, r.detail)
            .bindText(4, r.medium.isEmpty() ? target.medium : r.medium);
        insert.bindDouble(5, payment ? 0.0 : r.amount.toStored());
        insert.bindDouble(6, payment ? (-r.amount).toStored() : 0.0);
        insert.run();
        if (!r.fitid.isEmpty())
            ids.add(r.fitid, sqlite3LastId(db));
        if (keepStatements) {
            movementOfRow[i] = sqlite3LastId(db);
            accountOfRow[i] = stored;
        }
        ++done;
        if (progress && (done % 500 == 0 || done == total) && !progress(done, total)) {
            outcome.cancelled = true;
            outcome.stored = 0;
            outcome.skipped = int(rows.size());
            return outcome; // the step rolls back
        }
    }
    if (keepStatements)
        writeStatements(db, target.statements, movementOfRow, accountOfRow, chosenAccount,
                        target.fileName);
    step.setName(history::steps::import(done));
    step.commit();
    outcome.stored = done;
    return outcome;
}

} // namespace tesorin::exchange
