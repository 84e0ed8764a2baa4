#include "support/TestWorkArea.h"

#include "store/Schema.h"
#include "store/WorkAreaFolder.h"

#include <QDir>
#include <QLocale>
#include <QTest>

namespace tesorin::test {

TestWorkArea::TestWorkArea() {
    if (!m_dir.isValid())
        qFatal("no temporary folder");
    store::setWorkAreaFolder(m_dir.path());
    store::createWorkAreaFile(path(QStringLiteral("BASE.MDB")));
}

QString TestWorkArea::path(const QString& bareName) const {
    return QDir(m_dir.path()).filePath(bareName);
}

std::unique_ptr<store::Database> TestWorkArea::open(const QString& bareName) const {
    return store::Database::OpenDatabase(bareName);
}

qint64 addMovement(store::Database& db, const QDate& date, const QString& account,
                   const QString& detail, Money income, Money expense, const QString& medium) {
    store::Statement insert =
        db.prepare(QStringLiteral("INSERT INTO Movimientos (Fecha, Cuenta, Detalle, Tipo, Ingreso, "
                                  "Egreso) VALUES (?,?,?,?,?,?)"));
    insert.bind(1, date).bindText(2, account).bindText(3, detail).bindText(4, medium);
    insert.bindDouble(5, income.toStored()).bindDouble(6, expense.toStored());
    insert.run();
    store::Statement id = db.prepare(QStringLiteral("SELECT last_insert_rowid()"));
    id.step();
    return id.int64(0);
}

void addAccount(store::Database& db, const QString& name, const QString& type) {
    store::Statement insert =
        db.prepare(QStringLiteral("INSERT INTO Cuentas (Nombre, Tipo) VALUES (?, ?)"));
    insert.bindText(1, name).bindText(2, type);
    insert.run();
}

Money money(const char* plain) {
    const auto amount = Money::fromPlainText(QString::fromLatin1(plain));
    if (!amount)
        qFatal("bad amount in test: %s", plain);
    return *amount;
}

QString storedRows(store::Database& db) {
    QString text;
    for (const char* table : {"Movimientos", "Cuentas", "Programa", "\"Registro Usuario\""}) {
        store::Statement rows = db.prepare(
            QStringLiteral("SELECT rowid, * FROM %1 ORDER BY rowid").arg(QLatin1String(table)));
        text += QLatin1String(table) + QLatin1Char(':');
        while (rows.step()) {
            for (int c = 0; c < rows.columnCount(); ++c)
                text += rows.text(c) + QLatin1Char('|');
            text += QLatin1Char(';');
        }
    }
    return text;
}

void pinLocale(const char* name) {
    QLocale::setDefault(QLocale(QString::fromLatin1(name)));
}

} // namespace tesorin::test
