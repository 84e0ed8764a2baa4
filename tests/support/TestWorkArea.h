#pragma once

#include "base/Money.h"
#include "store/Database.h"

#include <QDate>
#include <QString>
#include <QTemporaryDir>

#include <memory>

namespace tesorin::test {

// A fresh work-area folder in a temporary directory, made the folder in use,
// holding a new BASE.MDB (the starter accounts, no movements).
class TestWorkArea {
public:
    TestWorkArea();
    QString folder() const { return m_dir.path(); }
    QString path(const QString& bareName) const;
    std::unique_ptr<store::Database>
    open(const QString& bareName = QStringLiteral("BASE.MDB")) const;

private:
    QTemporaryDir m_dir;
};

// Adds one movement through plain SQL and returns its identifier.
qint64 addMovement(store::Database& db, const QDate& date, const QString& account,
                   const QString& detail, Money income, Money expense,
                   const QString& medium = QStringLiteral("Efectivo"));
void addAccount(store::Database& db, const QString& name, const QString& type);
Money money(const char* plain); // "1500.5"
// Every row of the work area's own tables, by rowid, as one text: two states
// compare whole.
QString storedRows(store::Database& db);

// Pins the process to es_AR, as every test expects unless it says otherwise.
void pinLocale(const char* name = "es_AR");

} // namespace tesorin::test

// main() for a core test: no display, es_AR.
#define TESORIN_TEST_MAIN(TestClass)                                                               \
    int main(int argc, char** argv) {                                                              \
        QCoreApplication app(argc, argv);                                                          \
        tesorin::test::pinLocale();                                                                \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
