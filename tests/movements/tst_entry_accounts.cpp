// What the entry dialog offers and remembers, without a window: the accounts
// by direction and the per-user setting of the last account used.
#include "movements/core/EntryAccounts.h"
#include "movements/core/LastAccountSetting.h"
#include "store/Database.h"
#include "support/TestWorkArea.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace tesorin;
using namespace tesorin::movements;

class EntryAccountsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestWorkArea> area;
    std::unique_ptr<store::Database> db;

    QTemporaryDir m_settingsFolder;

private Q_SLOTS:
    void init() {
        area = std::make_unique<test::TestWorkArea>();
        db = area->open();
    }
    void cleanup() {
        db.reset();
        area.reset();
    }
    void initTestCase() {
        QVERIFY(m_settingsFolder.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsFolder.path());
    }

    void theAccountsFitTheDirection_data() {
        QTest::addColumn<QString>("direction");
        QTest::addColumn<QStringList>("offered");
        QTest::newRow("income") << "Nuevo Ingreso"
                                << QStringList{"Sueldo", "Honorarios", "Banco", "Efectivo",
                                               "Ambas"};
        QTest::newRow("payment") << "Nuevo Pago"
                                 << QStringList{"Alquiler", "Supermercado", "Servicios",
                                                "Banco",    "Efectivo",     "Ambas"};
        QTest::newRow("any other tag: both only")
            << "Editar Pago" << QStringList{"Banco", "Efectivo", "Ambas"};
    }
    void theAccountsFitTheDirection() {
        QFETCH(QString, direction);
        QFETCH(QStringList, offered);
        // Only the three codes count, as stored: no empty, lower-case or other type.
        test::addAccount(*db, QStringLiteral("SinTipo"), QString());
        test::addAccount(*db, QStringLiteral("Minusculas"), QStringLiteral("in"));
        test::addAccount(*db, QStringLiteral("Rara"), QStringLiteral("XX"));
        test::addAccount(*db, QStringLiteral("Ambas"), QStringLiteral("VS"));
        QCOMPARE(accountsForEntry(*db, direction), offered);
    }

    void anEmptyChartOffersNothing() {
        db->exec(QStringLiteral("DELETE FROM Cuentas"));
        QVERIFY(accountsForEntry(*db, QStringLiteral("Nuevo Ingreso")).isEmpty());
    }

    void theLastAccountGoesUnderTheDirectionsKey_data() {
        QTest::addColumn<QString>("direction");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("otherKey");
        QTest::newRow("income") << "Nuevo Ingreso"
                                << "Ultima Cuenta de Ingreso"
                                << "Ultima Cuenta de Egreso";
        QTest::newRow("payment") << "Nuevo Pago"
                                 << "Ultima Cuenta de Egreso"
                                 << "Ultima Cuenta de Ingreso";
    }
    void theLastAccountGoesUnderTheDirectionsKey() {
        QFETCH(QString, direction);
        QFETCH(QString, key);
        QFETCH(QString, otherKey);
        {
            QSettings settings(QSettings::UserScope, QStringLiteral("Tesorin"),
                               QStringLiteral("Tesorin"));
            settings.clear();
        }
        QVERIFY(rememberLastAccount(direction, QStringLiteral("D'Angelo")));
        QSettings settings(QSettings::UserScope, QStringLiteral("Tesorin"),
                           QStringLiteral("Tesorin"));
        QVERIFY2(settings.fileName().startsWith(m_settingsFolder.path()),
                 qPrintable(settings.fileName()));
        QCOMPARE(settings.value(QStringLiteral("Memorizar/") + key).toString(),
                 QStringLiteral("D'Angelo"));
        QVERIFY(!settings.contains(QStringLiteral("Memorizar/") + otherKey));
    }
};

TESORIN_TEST_MAIN(EntryAccountsTest)
#include "tst_entry_accounts.moc"
