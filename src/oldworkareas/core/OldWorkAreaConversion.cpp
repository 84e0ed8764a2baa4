#include "oldworkareas/core/OldWorkAreaConversion.h"

#include "base/Money.h"
#include "oldworkareas/core/JetFile.h"
#include "oldworkareas/core/OldFile.h"
#include "oldworkareas/core/TableCopy.h"
#include "store/Durability.h"
#include "store/OwnerOnlyFiles.h"
#include "store/Schema.h"
#include "store/SqliteError.h"
#include "store/StoreError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace tesorin::oldworkareas {

namespace {

const QString kKeptFolder = QStringLiteral("anteriores");

// A plain decimal text of a sum that may exceed what Money holds.
QString plainUnits(WideUnits units) {
    const bool negative = units < 0;
    const auto magnitude = static_cast<UnsignedWideUnits>(negative ? -units : units);
    const UnsignedWideUnits whole = magnitude / Money::kScale;
    const int fraction = int(magnitude % Money::kScale);
    QString digits;
    UnsignedWideUnits rest = whole;
    do {
        digits.prepend(QChar(u'0' + int(rest % 10)));
        rest /= 10;
    } while (rest != 0);
    if (fraction != 0) {
        QString decimals = QString::number(fraction).rightJustified(4, u'0');
        while (decimals.endsWith(u'0'))
            decimals.chop(1);
        digits += u'.' + decimals;
    }
    return negative ? u'-' + digits : digits;
}

// The first free name for the original in "anteriores": the same name, then
// "NAME (2).MDB", "NAME (3).MDB"...
QString keptName(const QDir& kept, const QString& fileName) {
    const QFileInfo info(fileName);
    QString candidate = fileName;
    for (int n = 2; kept.exists(candidate); ++n)
        candidate =
            QStringLiteral("%1 (%2).%3").arg(info.completeBaseName()).arg(n).arg(info.suffix());
    return candidate;
}

void removeTemporary(const QString& temporary) {
    for (const QString& suffix : {QString(), QStringLiteral("-journal"), QStringLiteral(".nueva"),
                                  QStringLiteral(".nueva-journal")})
        QFile::remove(temporary + suffix);
}

struct Connection {
    sqlite3* db = nullptr;
    ~Connection() { close(); }
    void close() {
        sqlite3_close(db);
        db = nullptr;
    }
};

qint64 countRows(sqlite3* db, const QString& table, const QString& displayName) {
    sqlite3_stmt* stmt = nullptr;
    const QByteArray sql = "SELECT COUNT(*) FROM \"" + table.toUtf8() + '"';
    int rc = sqlite3_prepare_v2(db, sql.constData(), -1, &stmt, nullptr);
    qint64 count = -1;
    if (rc == SQLITE_OK && (rc = sqlite3_step(stmt)) == SQLITE_ROW)
        count = sqlite3_column_int64(stmt, 0);
    sqlite3_finalize(stmt);
    if (count < 0)
        store::throwSqlite(db, rc, displayName, store::StoreStep::Read);
    return count;
}

// Reads every amount back as the program will, and adds them exactly.
void sumMovements(sqlite3* db, const QString& displayName, WideUnits& income, WideUnits& expense) {
    sqlite3_stmt* stmt = nullptr;
    int rc = sqlite3_prepare_v2(db, "SELECT Ingreso, Egreso FROM Movimientos", -1, &stmt, nullptr);
    if (rc == SQLITE_OK) {
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
            const std::optional<Money> in = Money::fromStored(sqlite3_column_double(stmt, 0));
            const std::optional<Money> out = Money::fromStored(sqlite3_column_double(stmt, 1));
            income += in ? in->units() : 0;
            expense += out ? out->units() : 0;
        }
    }
    sqlite3_finalize(stmt);
    if (rc != SQLITE_DONE)
        store::throwSqlite(db, rc, displayName, store::StoreStep::Create);
}

void check(sqlite3* db, const CopyTotals& totals, const QString& displayName) {
    const auto mismatch = [&displayName](const QString& what) {
        return store::StoreError(
            QStringLiteral("La caja %1 no se convirtió: la copia no coincide con el original (%2). "
                           "El archivo original queda como estaba.")
                .arg(displayName, what));
    };
    for (const TableRows& table : totals.rows) {
        if (countRows(db, table.table, displayName) != table.rows)
            throw mismatch(QStringLiteral("filas de %1").arg(table.table));
    }
    WideUnits income = 0, expense = 0;
    sumMovements(db, displayName, income, expense);
    if (income != totals.incomeUnits)
        throw mismatch(QStringLiteral("suma de Ingreso"));
    if (expense != totals.expenseUnits)
        throw mismatch(QStringLiteral("suma de Egreso"));
}

// Gives the original its second name in "anteriores": a hard link, so the
// very same bytes, or a copy where the file system has no links.
void keepOriginal(const QString& path, const QString& keptPath, const QString& displayName) {
    if (::link(QFile::encodeName(path).constData(), QFile::encodeName(keptPath).constData()) == 0)
        return;
    if (!QFile::copy(path, keptPath))
        throw store::StoreError(
            QStringLiteral("La caja %1 no se convirtió: no se pudo guardar el original en la "
                           "carpeta «%2».")
                .arg(displayName, kKeptFolder));
}

// Makes the names just given in folder last through a power cut.
void syncFolder(const QString& folder) {
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

QString temporaryPathFor(const QString& path) {
    return path + QStringLiteral(".convirtiendo");
}

void checkOldWorkArea(const QString& path) {
    const QString displayName = QFileInfo(path).fileName();
    if (!isOldWorkArea(path))
        throw store::StoreError(
            QStringLiteral("El archivo %1 no es una caja del programa anterior: no se puede "
                           "convertir.")
                .arg(displayName));
    const QStringList oldTables = OldFile(path, displayName).tableNames();
    for (const QString& table : store::requiredTables()) {
        if (!oldTables.contains(table, Qt::CaseInsensitive))
            throw store::StoreError(
                QStringLiteral("El archivo %1 no es una caja del programa anterior: le falta la "
                               "tabla «%2». No se convirtió.")
                    .arg(displayName, table));
    }
}

ConversionReport convertOldWorkArea(const QString& path, const ConversionHooks& hooks) {
    const QFileInfo info(path);
    const QString displayName = info.fileName();
    const auto step = [&hooks](ConversionStep reached) {
        if (hooks.atStep)
            hooks.atStep(reached);
    };

    checkOldWorkArea(path);
    OldFile old(path, displayName);
    const QStringList oldTables = old.tableNames();

    const QString temporary = temporaryPathFor(path);
    QDir kept(info.dir().filePath(kKeptFolder));
    QString keptPath;
    // What a run killed before left behind is only ever the temporary file.
    removeTemporary(temporary);
    try {
        store::createWorkAreaFile(temporary);
        step(ConversionStep::Created);

        Connection connection;
        const int rc = sqlite3_open_v2(QFile::encodeName(temporary).constData(), &connection.db,
                                       SQLITE_OPEN_READWRITE, nullptr);
        if (rc != SQLITE_OK)
            store::throwSqlite(connection.db, rc, displayName, store::StoreStep::Create);
        store::makeCommitsDurable(connection.db, displayName);
        TableCopy copy(old, connection.db, displayName, hooks.progress);
        const CopyTotals totals = copy.copyAll(oldTables);
        step(ConversionStep::Written);
        check(connection.db, totals, displayName);
        connection.close();
        step(ConversionStep::Checked);

        if (!store::makeOwnerOnlyFolder(kept.path()))
            throw store::StoreError(
                QStringLiteral("La caja %1 no se convirtió: no se pudo crear la carpeta «%2».")
                    .arg(displayName, kKeptFolder));
        const QString keptFile = keptName(kept, displayName);
        keepOriginal(path, kept.filePath(keptFile), displayName);
        keptPath = kept.filePath(keptFile);
        syncFolder(kept.path());
        step(ConversionStep::OriginalKept);

        // One rename puts the new file in place of the old one: the name
        // always holds one whole file.
        if (std::rename(QFile::encodeName(temporary).constData(),
                        QFile::encodeName(path).constData()) != 0)
            throw store::StoreError(
                QStringLiteral("La caja %1 no se convirtió: no se pudo poner el archivo nuevo en "
                               "su lugar.")
                    .arg(displayName));
        syncFolder(info.dir().path());
        // The kept original is the user's old file: once it is only there, it
        // is readable by its owner alone, like every work area.
        store::restrictToOwner(keptPath);

        ConversionReport report;
        report.fileName = displayName;
        report.originalKeptAs = kKeptFolder + u'/' + keptFile;
        report.rows = totals.rows;
        report.incomeTotal = plainUnits(totals.incomeUnits);
        report.expenseTotal = plainUnits(totals.expenseUnits);
        report.notes = copy.notes();
        report.notesLeftOut = copy.notesLeftOut();
        return report;
    } catch (...) {
        removeTemporary(temporary);
        if (!keptPath.isEmpty())
            QFile::remove(keptPath);
        throw;
    }
}

} // namespace tesorin::oldworkareas
