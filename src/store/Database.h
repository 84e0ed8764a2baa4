#pragma once

#include "store/Statement.h"

#include <QString>

#include <memory>

struct sqlite3;

namespace tesorin::store {

class Recordset;

// An open work-area file (the program's "baseAbierta" and the data control's
// own connection). Every method that fails throws StoreError with a Spanish
// message that names the work area.
class Database {
public:
    // Opens a bare name ("BASE.MDB") in the work-area folder, case-insensitively;
    // read-only while workAreasReadOnly().
    static std::unique_ptr<Database> OpenDatabase(const QString& bareName);
    // Opens a file by path; displayName is the name used in messages. A
    // read-only connection refuses every write with the store's read-only
    // message.
    static std::unique_ptr<Database> openFile(const QString& path, const QString& displayName,
                                              bool readOnly = false);

    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    const QString& name() const { return m_name; }
    const QString& path() const { return m_path; }
    bool isOpen() const { return m_db != nullptr; }
    void Close();

    // A table name gives a table recordset (Index and Seek allowed); a
    // "select * from <table> ..." text in the program's dialect gives an
    // updatable result set over that table.
    std::unique_ptr<Recordset> OpenRecordset(const QString& source);

    // Runs an action query written in the program's dialect ("Delete * from
    // movimientos") in one transaction: all of it or nothing.
    void Execute(const QString& jetSql);

    // The core's own SQLite text, values bound as parameters.
    Statement prepare(const QString& sqliteSql);
    void exec(const QString& sqliteSql);

    sqlite3* handle() const { return m_db; }

private:
    Database(sqlite3* db, QString path, QString name);
    sqlite3* m_db = nullptr;
    QString m_path;
    QString m_name;
};

// One write operation: begun on construction, rolled back unless commit() ran.
class Transaction {
public:
    explicit Transaction(Database& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    Database& m_db;
    bool m_savepoint = false;
    bool m_done = false;
};

} // namespace tesorin::store
