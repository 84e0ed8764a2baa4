#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

namespace tesorin::store {
class Database;
class DataControl;
} // namespace tesorin::store

// The view filter of the main grid: which accounts, which dates and in which
// order the grid lists the movements, as a row source for Data1 and a
// caption for the panel above the grid.
namespace tesorin::movements {

// The first entry of the view dialog's account list, standing for every
// account.
QString allAccountsEntry();

// The entries of the view dialog's account list: the "all accounts" entry,
// then the name of every account in the order the store keeps them; no entry
// at all when there is no account. Throws store::StoreError.
QStringList viewAccountEntries(store::Database& db);

// What the user chose in the view dialog.
struct ViewChoice {
    // The selected entries of the account list, in list order (the "all
    // accounts" entry may be among them, as a name like any other).
    QStringList selectedEntries;
    // The entry last clicked; it may or may not be selected. Whether the
    // view lists all accounts depends on it, not on the selection.
    QString currentEntry;
    bool allDates = false;
    QDate from;
    QDate to;
    // "Cuenta, Fecha" chosen instead of "Fecha, Cuenta".
    bool byAccountThenDate = false;
};

// "select * from movimientos where <dates> <accounts> order by ...", the
// pieces joined as the program has always joined them (so some places carry
// two blanks). Dates are written in the regional short date form inside
// cdate('...'); account names have their apostrophes doubled.
QString viewRowSource(const ViewChoice& choice);

// "Cta : <current entry> desde el <from> al <to>" or
// "Cta : <current entry> de todas las fechas registradas."
QString viewCaption(const ViewChoice& choice);

// Puts rowSource into the data control and runs it. When the store refuses
// it, the control goes back to the row source it had and runs that again,
// so the grid keeps listing the former view, and the StoreError is thrown
// for the caller to show.
void showView(store::DataControl& data, const QString& rowSource);

} // namespace tesorin::movements
