#pragma once

#include <QString>
#include <QVariant>

#include <cstdint>

struct sqlite3;
struct sqlite3_stmt;

namespace tesorin::store {

// One prepared SQLite statement, finalized when it goes out of scope. Values
// are always bound as parameters (?1, ?2, ...), never pasted into the text.
class Statement {
public:
    Statement(sqlite3* db, const QString& sql, const QString& displayName);
    ~Statement();
    Statement(Statement&& other) noexcept;
    Statement& operator=(Statement&& other) noexcept;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // Binds by position from 1. A null QVariant binds NULL; QDate binds the
    // stored text "YYYY-MM-DD"; bool binds 0/1.
    Statement& bind(int position, const QVariant& value);
    Statement& bindInt64(int position, std::int64_t value);
    Statement& bindDouble(int position, double value);
    Statement& bindText(int position, const QString& value);

    // Runs one step: true while a row is available. Throws StoreError.
    bool step();
    // Steps to the end (for statements that return no rows).
    void run();
    void reset();

    int columnCount() const;
    QString columnName(int column) const;
    bool isNull(int column) const;
    QVariant value(int column) const;
    QString text(int column) const;
    std::int64_t int64(int column) const;
    double real(int column) const;

    sqlite3_stmt* handle() const { return m_stmt; }

private:
    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_stmt = nullptr;
    QString m_displayName;
};

} // namespace tesorin::store
