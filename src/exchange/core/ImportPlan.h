#pragma once

#include "exchange/core/BankStatement.h"
#include "exchange/core/ImportRow.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

namespace tesorin::store {
class Database;
}

namespace tesorin::exchange {

// A row of the file as it will be stored, and whether it is to be stored.
struct PlannedRow {
    ImportRow row;
    bool duplicate = false;  // a probable duplicate: left unticked
    QString duplicateReason; // Spanish, shown beside the row
    bool ticked = false;
};

// Marks probable duplicates: a row whose bank transaction id was imported
// before (and whose movement is still stored), or whose date, amount and
// detail equal a stored movement or an earlier row of the file. Readable
// rows that are no duplicate are ticked, but for those the reader advises
// leaving out (a Norma 43 movement of amount 0): they are listed unticked
// with its reason. Throws store::StoreError.
QVector<PlannedRow> planImport(store::Database& db, const QVector<ImportRow>& rows);

// Accounts of the chart that may take every readable row, by direction as
// the entry dialog offers them: incomes need IN or VS, payments OU or VS.
QStringList accountsFittingRows(store::Database& db, const QVector<PlannedRow>& rows);

// Names that ticked rows give in their account column but the chart lacks,
// in the order they first appear.
QStringList unknownAccounts(store::Database& db, const QVector<PlannedRow>& rows);

// Where the rows go.
struct ImportTarget {
    bool accountFromFile = false;
    QString account; // for every row, when not from the file
    QString medium = QStringLiteral("Importado");
    QHash<QString, QString> accountsToCreate; // name -> type code ("IN", "OU", "VS")
    // The file's statements, kept in "Extractos" with the movements each
    // brought; a statement's own account, when it has one, takes its rows.
    BankStatements statements;
    QString fileName; // the statement file's name, for "Extractos"
};

struct ImportOutcome {
    int stored = 0;
    int skipped = 0;
    bool cancelled = false;
};

// Called as rows are written (done, total); returning false cancels.
using ImportProgress = std::function<bool(int done, int total)>;

// Writes the ticked rows in one transaction: all of them or none. Creates
// the agreed accounts first and keeps the rows' bank transaction ids. A
// cancel writes nothing. Throws ExchangeError for a ticked row that does not
// read or names no or an unknown account, and store::StoreError.
ImportOutcome writeImport(store::Database& db, const QVector<PlannedRow>& rows,
                          const ImportTarget& target, const ImportProgress& progress = {});

} // namespace tesorin::exchange
