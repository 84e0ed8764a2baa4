#pragma once

#include <QDate>
#include <QString>

namespace tesorin::store {
class DataControl;
}

// The search of a movement among the rows the main grid lists: a criteria
// text in the program's dialect and the find that moves Data1's current row.
namespace tesorin::movements {

enum class SearchStart { Beginning, End, AfterCurrent };

// What the user chose in the search dialog. A criterion whose "any" box is
// ticked is left open.
struct SearchChoice {
    bool anyDate = false;
    QDate date;
    bool anyAccount = false;
    QString account;
    bool anyDetail = false;
    QString detail; // found anywhere in the movement's detail
    bool anyAmount = false;
    QString amount; // as typed: an income or a payment of that amount
    SearchStart start = SearchStart::Beginning;
};

// "Fecha = cdate('<date>') and Cuenta = '<account>' and Detalle LIKE
// '*<detail>*' and ( Ingreso = <amount> or Egreso = <amount>)", with
// "True " or " and true " standing for an open criterion. The account and
// the detail have their apostrophes doubled; the amount is read by the
// regional number reading ("1.500,50", "$ 250") and written as a plain SQL
// number, 0 when the text is no number.
QString searchCriteria(const SearchChoice& choice);

// Looks for the first, the last or the next row after the current one that
// meets criteria, among the rows of the data control in their order. A match
// becomes the current row (the control announces Reposition); without one
// the current row stays where it was and the result is false. Throws
// store::StoreError when the store refuses the criteria.
bool findMovement(store::DataControl& data, const QString& criteria, SearchStart start);

} // namespace tesorin::movements
