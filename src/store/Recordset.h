#pragma once

#include "base/Money.h"
#include "base/MoneySum.h"
#include "store/Schema.h"
#include "store/Statement.h"

#include <QDate>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace tesorin::store {

class Database;

// The rows of one table, or of a "select * from <table> where ... order by
// ..." text, in order, with a current row. Only the row identifiers are kept
// (8 bytes a row); field values are fetched when read, a page at a time.
// Identifiers are streamed from the store as the scan advances, so opening a
// large table to add a row or seeking into an index costs nothing up front.
class Recordset {
public:
    Recordset(Database& db, const QString& source);
    ~Recordset();
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    const QString& tableName() const { return m_table; }
    const QString& source() const { return m_source; }
    const QStringList& fieldNames() const { return m_fields; }
    int fieldIndex(const QString& name) const; // -1 when none, any letter case

    // Scan. MoveFirst and MoveLast on an empty set throw StoreError ("no
    // hay registro actual"), as the program's scans expect.
    void MoveFirst();
    void MoveLast();
    void MoveNext();
    void MovePrevious();
    bool atEOF() const;
    bool atBOF() const;
    bool hasCurrentRow() const;
    // Position of the current row from 0; -1 when there is none.
    long AbsolutePosition() const;
    void setAbsolutePosition(long position);
    long RecordCount();

    // Keyed lookup on a table recordset: "primarykey" or the name of an index
    // of the table. After Seek("=", key) a match is the current row and
    // MoveNext walks on in index order.
    void setIndex(const QString& indexName);
    void Seek(const QString& comparison, const QVariant& key);
    bool NoMatch() const { return m_noMatch; }

    // Searches over the rows in their order with a criteria text in the
    // program's dialect. A match becomes the current row; without one the
    // current row stays where it was and NoMatch() is true.
    void FindFirst(const QString& criteria);
    void FindLast(const QString& criteria);
    void FindNext(const QString& criteria);
    void FindPrevious(const QString& criteria);

    // Fields of the current row, by name in any letter case.
    QVariant value(const QString& field) const;
    QString text(const QString& field) const;         // empty for NULL
    Money money(const QString& field) const;          // 0 for NULL
    QDate date(const QString& field) const;           // invalid for NULL
    std::int64_t integer(const QString& field) const; // 0 for NULL
    bool yesNo(const QString& field) const;
    bool isNull(const QString& field) const;
    std::int64_t currentId() const; // the row's identifier (rowid)

    // Writing. A QString written into a number, money or date field is read
    // by the regional readings; a text that is not a value of the field's
    // type throws StoreError and the row is left as it was.
    void AddNew();
    void Edit();
    void setValue(const QString& field, const QVariant& value);
    void setMoney(const QString& field, Money value);
    void setDate(const QString& field, const QDate& value);
    // Writes the pending row in one statement. After AddNew the current row
    // stays where it was; lastAddedId() gives the new row's identifier.
    void Update();
    void CancelUpdate();
    std::int64_t lastAddedId() const { return m_lastAddedId; }
    // Removes the current row; there is then no current row until a move.
    void Delete();
    void Close();

    // Values of the row at a position (the grid reads pages through this).
    QVariantList rowAt(long position);

    // Exact totals of money fields over every row of the set; a total may go
    // beyond what one amount holds.
    std::vector<MoneySum> sums(const QStringList& moneyFields);

    // Called after every change of the current row (the data control turns
    // it into its reposition notification).
    void setMoveListener(std::function<void()> listener) { m_onMove = std::move(listener); }

private:
    bool fetchMoreIds(long wanted);
    void fetchAllIds();
    void moveTo(long position);
    const QVariantList& currentValues() const;
    QVariant fieldValue(const QString& field) const;
    QVariant converted(int column, const QVariant& value) const;
    std::optional<long> find(const QString& criteria, long from, int step);
    void loadPage(long position) const;
    void restartIds(const QString& idSql, const QVariantList& binds);

    Database& m_db;
    QString m_source;
    QString m_table;
    QString m_where;   // SQLite condition text, empty for all rows
    QString m_orderBy; // SQLite order text, empty for rowid order
    QStringList m_fields;
    QVector<FieldKind> m_kinds;
    QHash<QString, int> m_fieldIndex; // lower-case name -> column

    std::vector<std::int64_t> m_ids;
    std::unique_ptr<Statement> m_idStream; // null once every id is known
    long m_position = -1;                  // -1 before the first row; the id count past the last
    bool m_afterDelete = false; // the current row was deleted; the next one stands in its place

    QString m_index;
    QStringList m_indexColumns;
    bool m_noMatch = false;

    enum class EditMode { None, Adding, Editing };
    EditMode m_editMode = EditMode::None;
    QVariantList m_pending;
    QVector<bool> m_pendingSet;
    std::int64_t m_lastAddedId = 0;

    mutable long m_pageStart = -1;
    mutable std::vector<QVariantList> m_page;
    std::function<void()> m_onMove;
};

} // namespace tesorin::store
