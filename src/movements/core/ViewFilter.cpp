#include "movements/core/ViewFilter.h"

#include "base/Regional.h"
#include "store/DataControl.h"
#include "store/Database.h"
#include "store/Quote.h"
#include "store/Recordset.h"
#include "store/StoreError.h"

namespace tesorin::movements {

namespace {

// " and (  Cuenta = 'A' or  Cuenta = 'B')", or " and True" when nothing is
// selected.
QString accountClause(const QStringList& selected) {
    if (selected.isEmpty())
        return QStringLiteral(" and True");
    QString clause = QStringLiteral(" and ( ");
    for (const QString& name : selected)
        clause += QStringLiteral(" Cuenta = '") + store::doubledApostrophes(name) +
                  QStringLiteral("' or ");
    clause.chop(4);
    return clause + QLatin1Char(')');
}

QString dateClause(const ViewChoice& choice) {
    if (choice.allDates)
        return QStringLiteral("true ");
    return QStringLiteral("Fecha >= cdate('") + regional::shortDate(choice.from) +
           QStringLiteral("') and fecha <= cdate('") + regional::shortDate(choice.to) +
           QStringLiteral("')");
}

} // namespace

QString allAccountsEntry() {
    return QStringLiteral("<MOSTRAR TODAS LAS CUENTAS>");
}

QStringList viewAccountEntries(store::Database& db) {
    QStringList entries;
    auto accounts = db.OpenRecordset(QStringLiteral("Cuentas"));
    for (; !accounts->atEOF(); accounts->MoveNext())
        entries << accounts->text(QStringLiteral("Nombre"));
    accounts->Close();
    if (!entries.isEmpty())
        entries.prepend(allAccountsEntry());
    return entries;
}

QString viewRowSource(const ViewChoice& choice) {
    const QString accounts = choice.currentEntry == allAccountsEntry()
                                 ? QStringLiteral(" and True")
                                 : accountClause(choice.selectedEntries);
    const QString order = choice.byAccountThenDate ? QStringLiteral(" order by cuenta, fecha")
                                                   : QStringLiteral(" order by fecha, cuenta");
    return QStringLiteral("select * from movimientos where ") + dateClause(choice) + accounts +
           order;
}

QString viewCaption(const ViewChoice& choice) {
    const QString dates = choice.allDates
                              ? QStringLiteral(" de todas las fechas registradas.")
                              : QStringLiteral(" desde el ") + regional::shortDate(choice.from) +
                                    QStringLiteral(" al ") + regional::shortDate(choice.to);
    return QStringLiteral("Cta : ") + choice.currentEntry + dates;
}

void showView(store::DataControl& data, const QString& rowSource) {
    const QString previous = data.RecordSource();
    data.setRecordSource(rowSource);
    try {
        data.Refresh();
    } catch (const store::StoreError&) {
        data.setRecordSource(previous);
        try {
            data.Refresh();
        } catch (const store::StoreError&) {
            // The former view fails as well (the file itself is at fault):
            // the first failure is the one the user is told about.
        }
        throw;
    }
}

} // namespace tesorin::movements
