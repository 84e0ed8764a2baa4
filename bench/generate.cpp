// Writes a work area with N movements for the benchmark:
//   tesorin_bench_generate <folder> <rows>
// Deterministic: the same N always gives the same file. About 200 accounts,
// ten years of dates, incomes and payments.
#include "store/Database.h"
#include "store/Schema.h"
#include "store/StoreError.h"
#include "store/WorkAreaFolder.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>

#include <cstdint>
#include <cstdio>
#include <random>

using namespace tesorin::store;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "uso: tesorin_bench_generate <carpeta> <movimientos>\n");
        return 2;
    }
    const QString folder = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    const long rows = QString::fromLocal8Bit(argv[2]).toLong();
    QDir().mkpath(folder);
    setWorkAreaFolder(folder);
    const QString path = QDir(folder).filePath(QStringLiteral("BASE.MDB"));
    try {
        createWorkAreaFile(path);
        auto db = Database::OpenDatabase(QStringLiteral("BASE.MDB"));
        Transaction transaction(*db);
        QStringList accounts;
        Statement account =
            db->prepare(QStringLiteral("INSERT INTO Cuentas (Nombre, Tipo) VALUES (?, ?)"));
        static const char* const types[] = {"IN", "OU", "VS"};
        for (int i = 1; i <= 200; ++i) {
            const QString name = QStringLiteral("Cuenta %1").arg(i, 3, 10, QLatin1Char('0'));
            accounts << name;
            account.bindText(1, name).bindText(2, QString::fromLatin1(types[i % 3]));
            account.run();
            account.reset();
        }
        static const char* const media[] = {"Efectivo", "Cheques", "Tarjeta", "Otras..."};
        static const char* const details[] = {
            "Pago de servicios", "Compra semanal", "Cobro de factura", "Transferencia", "Cuota",
            "Reintegro",         "Varios"};
        std::mt19937_64 random(20260101);
        const QDate first(2015, 1, 1);
        const int days = int(first.daysTo(QDate(2024, 12, 31)));
        Statement movement =
            db->prepare(QStringLiteral("INSERT INTO Movimientos (Fecha, Cuenta, Detalle, Tipo, "
                                       "Ingreso, Egreso) VALUES (?,?,?,?,?,?)"));
        for (long i = 0; i < rows; ++i) {
            const QDate date = first.addDays(long(random() % std::uint64_t(days + 1)));
            const bool income = random() % 3 == 0;
            const double amount = double(random() % 5000000) / 100.0;
            movement.bindText(1, date.toString(Qt::ISODate));
            movement.bindText(2, accounts[int(random() % std::uint64_t(accounts.size()))]);
            movement.bindText(3, QString::fromLatin1(details[random() % 7]) +
                                     QStringLiteral(" %1").arg(i));
            movement.bindText(4, QString::fromLatin1(media[random() % 4]));
            movement.bindDouble(5, income ? amount : 0.0);
            movement.bindDouble(6, income ? 0.0 : amount);
            movement.run();
            movement.reset();
        }
        transaction.commit();
    } catch (const StoreError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
