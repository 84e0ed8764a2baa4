// Which copies the rotation keeps: the newest ten, and the newest of each of
// the last twelve months.
#include "backups/core/BackupRotation.h"

#include <QTest>

using namespace tesorin;

namespace {

QDateTime at(const char* text) {
    return QDateTime::fromString(QString::fromLatin1(text), QStringLiteral("yyyy-MM-dd HH:mm"));
}

// Newest first, as the folder lists them; "*" before a moment marks it kept.
struct Case {
    QList<QDateTime> taken;
    QList<bool> kept;
};

Case parse(const QStringList& marked) {
    Case c;
    for (const QString& entry : marked) {
        const bool kept = entry.startsWith(u'*');
        c.taken << at(entry.mid(kept ? 1 : 0).toLatin1().constData());
        c.kept << kept;
    }
    return c;
}

} // namespace

class tst_backup_rotation : public QObject {
    Q_OBJECT
private slots:
    void keepsTheNewestAndOnePerMonth_data() {
        QTest::addColumn<QStringList>("copies");
        QTest::newRow("fewer than ten: all kept")
            << QStringList{"*2026-12-10 21:45", "*2026-12-10 08:00", "*2020-01-01 10:00"};
        QTest::newRow("twelve in one month: the two oldest go") << QStringList{
            "*2026-12-10 10:00", "*2026-12-09 10:00", "*2026-12-08 10:00", "*2026-12-07 10:00",
            "*2026-12-06 10:00", "*2026-12-05 10:00", "*2026-12-04 10:00", "*2026-12-03 10:00",
            "*2026-12-02 10:00", "*2026-12-01 10:00", "2026-12-01 09:00",  "2026-12-01 08:00"};
        QTest::newRow("one a month for fifteen months: twelve months kept") << QStringList{
            "*2026-12-01 10:00", "*2026-11-01 10:00", "*2026-10-01 10:00", "*2026-09-01 10:00",
            "*2026-08-01 10:00", "*2026-07-01 10:00", "*2026-06-01 10:00", "*2026-05-01 10:00",
            "*2026-04-01 10:00", "*2026-03-01 10:00", "*2026-02-01 10:00", "*2026-01-01 10:00",
            "2025-12-31 23:59",  "2025-11-01 10:00",  "2025-10-01 10:00"};
        QTest::newRow("beyond the ten, the newest of each month") << QStringList{
            "*2026-12-10 10:00", "*2026-12-09 10:00", "*2026-12-08 10:00", "*2026-12-07 10:00",
            "*2026-12-06 10:00", "*2026-12-05 10:00", "*2026-12-04 10:00", "*2026-12-03 10:00",
            "*2026-12-02 10:00", "*2026-12-01 10:00", "*2026-11-30 23:00", "2026-11-30 08:00",
            "2026-11-01 10:00",  "*2026-01-15 10:00", "2026-01-02 10:00",  "2025-12-31 10:00"};
    }
    void keepsTheNewestAndOnePerMonth() {
        QFETCH(QStringList, copies);
        const Case c = parse(copies);
        QCOMPARE(backups::keptBackups(c.taken, QDate(2026, 12, 10)), c.kept);
    }
};

QTEST_APPLESS_MAIN(tst_backup_rotation)
#include "tst_backup_rotation.moc"
