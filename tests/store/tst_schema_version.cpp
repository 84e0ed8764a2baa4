// Every work area says which version of the layout it holds; a file of a
// newer version than this program knows is opened for nothing and changed in
// nothing.
#include "backups/core/CopyChecksum.h"
#include "backups/core/WorkAreaBackup.h"
#include "backups/core/WorkAreaRestore.h"
#include "store/Database.h"
#include "store/SchemaVersion.h"
#include "store/StoreError.h"
#include "support/TestWorkArea.h"

#include <QFile>
#include <QTest>

#include <sqlite3.h>

using namespace tesorin;

namespace {

const QString kBase = QStringLiteral("BASE.MDB");

int versionOf(const QString& path) {
    const auto db = store::Database::openFile(path, kBase, true);
    return store::storedSchemaVersion(db->handle(), kBase);
}

void writeVersion(const QString& path, int version) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    sqlite3_exec(db, QByteArray("PRAGMA user_version = " + QByteArray::number(version)).constData(),
                 nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class SchemaVersionTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestWorkArea> area;

private Q_SLOTS:
    void init() { area = std::make_unique<test::TestWorkArea>(); }
    void cleanup() { area.reset(); }

    void aNewWorkAreaHoldsTheCurrentVersion() {
        QCOMPARE(versionOf(area->path(kBase)), store::kSchemaVersion);
    }

    void aFileFromBeforeVersionsIsBroughtToTheCurrentOne() {
        QString before;
        {
            const auto db = area->open();
            test::addMovement(*db, QDate(2024, 5, 2), QStringLiteral("Banco"),
                              QStringLiteral("D'Angelo"), test::money("10.5"), Money());
            before = test::storedRows(*db);
        }
        writeVersion(area->path(kBase), 0);
        QCOMPARE(versionOf(area->path(kBase)), 0);
        const auto db = area->open();
        QCOMPARE(store::storedSchemaVersion(db->handle(), kBase), store::kSchemaVersion);
        QCOMPARE(test::storedRows(*db), before);
    }

    void aNewerFileIsOpenedForNothing() {
        writeVersion(area->path(kBase), store::kSchemaVersion + 1);
        const QByteArray before = bytesOf(area->path(kBase));
        const QString refusal = QStringLiteral(
            "La caja «BASE.MDB» fue guardada por una versión más nueva de Tesorin; actualice el "
            "programa para abrirla.");
        try {
            area->open();
            QFAIL("opened");
        } catch (const store::StoreError& failure) {
            QCOMPARE(failure.message(), refusal);
        }
        QCOMPARE(bytesOf(area->path(kBase)), before);
    }

    void aRestoreRefusesANewerCopy() {
        const QString copy = backups::backupWorkArea(kBase);
        writeVersion(copy, store::kSchemaVersion + 1);
        // As a newer program would have summed it.
        QVERIFY(backups::recordChecksum(copy, backups::fileSha256(copy)));
        backups::RestoreHooks hooks;
        hooks.copyCurrentState = [] {
            return std::optional<QString>(backups::backupWorkArea(kBase));
        };
        hooks.closeConnections = [] {};
        hooks.openConnections = [] {};
        try {
            backups::restoreBackup(kBase, copy, hooks);
            QFAIL("restored");
        } catch (const store::StoreError& failure) {
            QVERIFY2(
                failure.message().contains(store::newerSchemaMessage(QFileInfo(copy).fileName())),
                qPrintable(failure.message()));
        }
        QCOMPARE(versionOf(area->path(kBase)), store::kSchemaVersion);
    }
};

TESORIN_TEST_MAIN(SchemaVersionTest)
#include "tst_schema_version.moc"
