#include "oldworkareas/core/TableCopy.h"

#include "base/Regional.h"
#include "oldworkareas/core/ConversionReport.h"
#include "oldworkareas/core/OldValues.h"
#include "store/Schema.h"
#include "store/SqliteError.h"

#include <sqlite3.h>

#include <optional>

namespace tesorin::oldworkareas {

namespace {

// Long lists of the same note (a time on every date of a large file) stop here.
constexpr int kNotesListed = 200;
constexpr qint64 kProgressEvery = 1024;

QString rowLabel(const QString& table, const QString& idField, const QString& id, qint64 row) {
    if (table == QLatin1String("Cuentas"))
        return QStringLiteral("cuenta «%1»").arg(id);
    if (!idField.isEmpty())
        return QStringLiteral("fila %1 %2").arg(idField, id);
    return QStringLiteral("fila %1").arg(row);
}

QString idFieldOf(const QString& table) {
    if (table == QLatin1String("Movimientos"))
        return QStringLiteral("idMovimiento");
    if (table == QLatin1String("Programa"))
        return QStringLiteral("idPrograma");
    if (table == QLatin1String("Cuentas"))
        return QStringLiteral("Nombre");
    return {};
}

bool isKnownAccountType(const QByteArray& type) {
    return type == "IN" || type == "OU" || type == "VS";
}

struct Statement {
    sqlite3_stmt* stmt = nullptr;
    ~Statement() { sqlite3_finalize(stmt); }
};

} // namespace

TableCopy::TableCopy(OldFile& old, sqlite3* db, const QString& displayName,
                     ProgressCallback progress)
    : m_old(old), m_db(db), m_displayName(displayName), m_progress(std::move(progress)) {}

void TableCopy::note(const QString& text) {
    if (m_notes.size() < kNotesListed)
        m_notes.append(text);
    else
        ++m_notesLeftOut;
}

void TableCopy::exec(const char* sql) {
    const int rc = sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        store::throwSqlite(m_db, rc, m_displayName, store::StoreStep::Create);
}

CopyTotals TableCopy::copyAll(const QStringList& oldTables) {
    QStringList sources;
    for (const QString& table : store::requiredTables()) {
        for (const QString& old : oldTables) {
            if (old.compare(table, Qt::CaseInsensitive) == 0)
                sources.append(old);
        }
    }
    for (const QString& old : oldTables) {
        if (!sources.contains(old))
            note(QStringLiteral("La tabla «%1» no se convirtió: Tesorin no la usa.").arg(old));
    }
    m_total = 0;
    for (const QString& old : sources)
        m_total += m_old.openTable(old)->rowCount();

    CopyTotals totals;
    exec("BEGIN");
    try {
        // The new file comes with a starter chart of accounts and an empty
        // profile; the old file's own take their place.
        exec("DELETE FROM Cuentas; DELETE FROM \"Registro Usuario\"");
        for (qsizetype i = 0; i < sources.size(); ++i)
            copyTable(store::requiredTables()[i], sources[i], totals);
        exec("COMMIT");
    } catch (...) {
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
    if (m_progress && !m_progress(m_done, m_total))
        throw ConversionCancelled();
    return totals;
}

void TableCopy::copyTable(const QString& newTable, const QString& oldTable, CopyTotals& totals) {
    const std::unique_ptr<OldTable> old = m_old.openTable(oldTable);

    QStringList newColumns;
    {
        Statement info;
        const QByteArray sql = "PRAGMA table_info(\"" + newTable.toUtf8() + "\")";
        int rc = sqlite3_prepare_v2(m_db, sql.constData(), -1, &info.stmt, nullptr);
        if (rc == SQLITE_OK) {
            while ((rc = sqlite3_step(info.stmt)) == SQLITE_ROW)
                newColumns.append(QString::fromUtf8(
                    reinterpret_cast<const char*>(sqlite3_column_text(info.stmt, 1))));
        }
        if (rc != SQLITE_DONE)
            store::throwSqlite(m_db, rc, m_displayName, store::StoreStep::Create);
    }

    // Where each new column comes from in the old table (-1: nowhere).
    std::vector<int> source;
    for (const QString& column : newColumns) {
        int found = -1;
        for (int k = 0; k < old->columns().size(); ++k) {
            if (old->columns()[k].compare(column, Qt::CaseInsensitive) == 0)
                found = k;
        }
        if (found < 0)
            note(QStringLiteral("El campo «%1.%2» no estaba en el archivo: queda vacío.")
                     .arg(newTable, column));
        source.push_back(found);
    }
    for (const QString& column : old->columns()) {
        if (!newColumns.contains(column, Qt::CaseInsensitive))
            note(QStringLiteral("El campo «%1.%2» no se convirtió: Tesorin no lo usa.")
                     .arg(oldTable, column));
    }

    QStringList names, places;
    for (qsizetype j = 0; j < newColumns.size(); ++j) {
        names << u'"' + newColumns[j] + u'"';
        places << QStringLiteral("?%1").arg(j + 1);
    }
    Statement insert;
    const QByteArray sql = QStringLiteral("INSERT INTO \"%1\" (%2) VALUES (%3)")
                               .arg(newTable, names.join(u','), places.join(u','))
                               .toUtf8();
    int rc = sqlite3_prepare_v2(m_db, sql.constData(), -1, &insert.stmt, nullptr);
    if (rc != SQLITE_OK)
        store::throwSqlite(m_db, rc, m_displayName, store::StoreStep::Create);

    const QString idField = idFieldOf(newTable);
    const int idColumn = idField.isEmpty() ? -1 : int(newColumns.indexOf(idField));
    const int idSource = idColumn < 0 ? -1 : source[std::size_t(idColumn)];
    const bool isMovements = newTable == QLatin1String("Movimientos");
    const bool isSchedules = newTable == QLatin1String("Programa");

    // How each new column is filled, decided once for the whole table.
    enum class Role { Plain, Income, Expense, AccountType };
    struct Plan {
        int source;
        store::FieldKind kind;
        Role role;
        OldType oldType;
    };
    std::vector<Plan> plans;
    for (qsizetype j = 0; j < newColumns.size(); ++j) {
        const QString& column = newColumns[j];
        const int k = source[std::size_t(j)];
        Plan plan{k, store::fieldKind(newTable, column), Role::Plain,
                  k >= 0 ? old->type(k) : OldType::Other};
        if (isSchedules && column == QLatin1String("UltimaFecha"))
            plan.kind = store::FieldKind::Date;
        if (isMovements && column == QLatin1String("Ingreso"))
            plan.role = Role::Income;
        else if (isMovements && column == QLatin1String("Egreso"))
            plan.role = Role::Expense;
        else if (newTable == QLatin1String("Cuentas") && column == QLatin1String("Tipo"))
            plan.role = Role::AccountType;
        plans.push_back(plan);
    }

    qint64 row = 0;
    while (old->next()) {
        ++row;
        // Names of the row for notes and messages, made only when one is written.
        const auto id = [&] {
            return idSource >= 0 && old->hasValue(idSource)
                       ? QString::fromUtf8(old->value(idSource))
                       : QString();
        };
        const auto label = [&] { return rowLabel(newTable, idField, id(), row); };
        const auto who = [&] {
            return isMovements   ? QStringLiteral("Movimiento %1").arg(id())
                   : isSchedules ? QStringLiteral("Programa %1").arg(id())
                                 : QStringLiteral("Tabla «%1», %2").arg(newTable, label());
        };

        for (std::size_t j = 0; j < plans.size(); ++j) {
            const Plan& plan = plans[j];
            const int place = int(j) + 1;
            const QString& column = newColumns[qsizetype(j)];
            const bool present = plan.source >= 0 && old->hasValue(plan.source);
            // A money column is read as its number; its text is made only for a message.
            const bool rawMoney = plan.oldType == OldType::Money;
            const QByteArray value = present && !rawMoney ? old->value(plan.source) : QByteArray();

            switch (plan.kind) {
            case store::FieldKind::Money: {
                const std::optional<Money> amount =
                    !present   ? std::optional<Money>(Money())
                    : rawMoney ? storableMoney(old->moneyUnits(plan.source))
                               : readOldMoney(plan.oldType, value);
                if (!amount)
                    throw store::StoreError(
                        QStringLiteral("La caja %1 no se convirtió: en la tabla «%2», %3, el "
                                       "importe %4 de %5 supera lo que Tesorin guarda (hasta "
                                       "±%6). No se escribió nada y el archivo original queda "
                                       "como estaba.")
                            .arg(m_displayName, newTable, label(),
                                 regionalDecimal(QString::fromUtf8(old->value(plan.source))),
                                 column,
                                 regional::locale().toString(
                                     qlonglong(Money::kLimitUnits / Money::kScale))));
                if (plan.role == Role::Income)
                    totals.incomeUnits += amount->units();
                else if (plan.role == Role::Expense)
                    totals.expenseUnits += amount->units();
                sqlite3_bind_double(insert.stmt, place, amount->toStored());
                break;
            }
            case store::FieldKind::Date: {
                if (!present) {
                    sqlite3_bind_null(insert.stmt, place);
                    if (isMovements)
                        note(QStringLiteral("%1: no tenía fecha; se conserva sin fecha.")
                                 .arg(who()));
                    break;
                }
                const OldDate date = readOldDate(plan.oldType, value);
                if (!date.day.isValid()) {
                    sqlite3_bind_null(insert.stmt, place);
                    note(QStringLiteral("%1: %2 «%3» no se lee como fecha; queda vacío.")
                             .arg(who(), column, QString::fromUtf8(value)));
                    break;
                }
                const QByteArray day = storedDay(date.day);
                sqlite3_bind_text(insert.stmt, place, day.constData(), int(day.size()),
                                  SQLITE_TRANSIENT);
                if (!date.droppedTime.isEmpty())
                    note(QStringLiteral("%1: %2 tenía la hora %3; se guardó solo el día.")
                             .arg(who(), column, date.droppedTime));
                else if (plan.oldType != OldType::Date)
                    note(QStringLiteral("%1: %2 «%3» se guardó como la fecha %4.")
                             .arg(who(), column, QString::fromUtf8(value),
                                  regional::shortDate(date.day)));
                break;
            }
            case store::FieldKind::YesNo:
                sqlite3_bind_int(insert.stmt, place, present && value != "0" ? 1 : 0);
                break;
            case store::FieldKind::Counter:
            case store::FieldKind::Integer:
                if (present)
                    sqlite3_bind_text(insert.stmt, place, value.constData(), int(value.size()),
                                      SQLITE_TRANSIENT);
                else
                    sqlite3_bind_null(insert.stmt, place);
                break;
            case store::FieldKind::Text:
            case store::FieldKind::Any:
                sqlite3_bind_text(insert.stmt, place, value.constData(), int(value.size()),
                                  SQLITE_TRANSIENT);
                if (plan.role == Role::AccountType && !isKnownAccountType(value))
                    note(QStringLiteral("La cuenta «%1» tiene el tipo desconocido «%2»; se "
                                        "conserva tal cual.")
                             .arg(id(), QString::fromUtf8(value)));
                break;
            }
        }
        rc = sqlite3_step(insert.stmt);
        if (rc != SQLITE_DONE)
            store::throwSqlite(m_db, rc, m_displayName, store::StoreStep::Create);
        sqlite3_reset(insert.stmt);
        ++m_done;
        if (m_progress && m_done % kProgressEvery == 0 && !m_progress(m_done, m_total))
            throw ConversionCancelled();
    }
    // The table's own count in the old file: a row the library skipped
    // would otherwise go unnoticed.
    if (row != old->rowCount())
        throw store::StoreError(
            QStringLiteral("La caja %1 no se convirtió: de la tabla «%2» se leyeron %3 filas y el "
                           "archivo dice tener %4. El archivo original queda como estaba.")
                .arg(m_displayName, newTable, regional::locale().toString(row),
                     regional::locale().toString(old->rowCount())));
    totals.rows.append({newTable, row});
}

} // namespace tesorin::oldworkareas
