// The owner's profile kept in "Registro Usuario".
#include "profile/core/OwnerProfile.h"
#include "store/Database.h"
#include "support/TestWorkArea.h"
#include "workareas/core/WorkAreaCopy.h"

#include <QTest>

using namespace tesorin;
using namespace tesorin::profile;

namespace {

QStringList sample() {
    return {"Pérez, Ana", "h.",   "Contadora", "T 12 F 3", "Consultorio D'Alessio",
            "Calle 1",    "1900", "La Plata",  "221 555"};
}

} // namespace

class OwnerProfileTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aNewWorkAreaHasAnEmptyProfile() {
        test::TestWorkArea area;
        auto db = area.open();
        QCOMPARE(readOwnerProfile(*db), QStringList(kProfileFields, QString()));
    }

    // Saved whole and read back, with or without a row to begin with, each
    // text cut to what the field keeps.
    void savingKeepsEveryField_data() {
        QTest::addColumn<bool>("withoutRow");
        QTest::newRow("the row of a new work area") << false;
        QTest::newRow("a work area without the row") << true;
    }
    void savingKeepsEveryField() {
        QFETCH(bool, withoutRow);
        test::TestWorkArea area;
        auto db = area.open();
        if (withoutRow)
            db->exec(QStringLiteral("DELETE FROM \"Registro Usuario\""));
        QStringList values = sample();
        values[5] = QString(300, QLatin1Char('d'));
        saveOwnerProfile(*db, values);
        QStringList expected = sample();
        expected[5] = QString(kProfileFieldLength, QLatin1Char('d'));
        QCOMPARE(readOwnerProfile(*db), expected);
        store::Statement rows =
            db->prepare(QStringLiteral("SELECT count(*) FROM \"Registro Usuario\""));
        rows.step();
        QCOMPARE(rows.int64(0), std::int64_t(1));
    }

    void aNewWorkAreaInheritsTheProfileOfBase() {
        test::TestWorkArea area;
        {
            auto db = area.open();
            saveOwnerProfile(*db, sample());
        }
        workareas::createWorkAreaCopy(QStringLiteral("BASE.MDB"), QStringLiteral("CASA.MDB"));
        auto copy = area.open(QStringLiteral("CASA.MDB"));
        QCOMPARE(readOwnerProfile(*copy), sample());
    }
};

TESORIN_TEST_MAIN(OwnerProfileTest)
#include "tst_owner_profile.moc"
