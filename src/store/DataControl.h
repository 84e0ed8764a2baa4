#pragma once

#include "base/MoneySum.h"

#include <QObject>
#include <QString>

#include <memory>

namespace tesorin::store {

class Database;
class Recordset;

// The row source of a bound grid: a work-area file, a row source text and the
// rows it gives with a current row. Refresh runs the text once and keeps only
// the ordered row identifiers; the view's totals are computed once per
// refresh and reused while only the current row moves.
class DataControl : public QObject {
    Q_OBJECT
public:
    explicit DataControl(QObject* parent = nullptr);
    ~DataControl() override;

    QString DatabaseName() const { return m_databaseName; }
    // Changing the file closes the control's own connection; the next
    // Refresh opens the new one. An empty name leaves the control without rows.
    void setDatabaseName(const QString& bareName);
    QString RecordSource() const { return m_recordSource; }
    void setRecordSource(const QString& source) { m_recordSource = source; }

    // Runs the row source again, makes the first row current, announces
    // rowsReset and then Reposition. Throws StoreError; the control is then
    // left without rows.
    void Refresh();
    // Closes the control's own connection and forgets the rows.
    void closeConnection();

    Database* database() const { return m_db.get(); }
    Recordset* recordset() const { return m_rs.get(); }

    long rowCount() const;
    long currentRow() const; // -1 when there is no current row
    bool hasCurrentRow() const { return currentRow() >= 0; }
    void setCurrentRow(long row); // announces Reposition

    struct Totals {
        MoneySum income;
        MoneySum expense;
    };
    // Sum of Ingreso and Egreso over every row of the view, exact even beyond
    // what one amount holds, cached until the next Refresh.
    Totals viewTotals();

Q_SIGNALS:
    void rowsReset();
    void Reposition();

private:
    QString m_databaseName;
    QString m_recordSource;
    std::unique_ptr<Database> m_db;
    std::unique_ptr<Recordset> m_rs;
    bool m_totalsKnown = false;
    Totals m_totals;
};

} // namespace tesorin::store
