#include "movements/core/MovementSearch.h"

#include "base/Money.h"
#include "base/Regional.h"
#include "store/DataControl.h"
#include "store/Quote.h"
#include "store/Recordset.h"

namespace tesorin::movements {

QString searchCriteria(const SearchChoice& choice) {
    QString criteria = choice.anyDate ? QStringLiteral("True ")
                                      : QStringLiteral("Fecha = cdate('") +
                                            regional::shortDate(choice.date) + QStringLiteral("')");
    criteria += choice.anyAccount
                    ? QStringLiteral(" and true ")
                    : QStringLiteral(" and Cuenta = '") +
                          store::doubledApostrophes(choice.account) + QStringLiteral("'");
    criteria += choice.anyDetail
                    ? QStringLiteral(" and true ")
                    : QStringLiteral(" and Detalle LIKE '*") +
                          store::doubledApostrophes(choice.detail) + QStringLiteral("*'");
    if (choice.anyAmount) {
        criteria += QStringLiteral(" and true ");
    } else {
        // The amount box turns a text that is no number into 0 when it loses
        // the focus; Enter may press "Buscar" before that, so the same rule
        // applies here.
        const QString amount = regional::readNumber(choice.amount).value_or(Money()).toPlainText();
        criteria += QStringLiteral(" and ( Ingreso = ") + amount + QStringLiteral(" or Egreso = ") +
                    amount + QStringLiteral(")");
    }
    return criteria;
}

bool findMovement(store::DataControl& data, const QString& criteria, SearchStart start) {
    store::Recordset* rows = data.recordset();
    if (!rows)
        return false;
    switch (start) {
    case SearchStart::Beginning:
        rows->FindFirst(criteria);
        break;
    case SearchStart::End:
        rows->FindLast(criteria);
        break;
    case SearchStart::AfterCurrent:
        rows->FindNext(criteria);
        break;
    }
    return !rows->NoMatch();
}

} // namespace tesorin::movements
