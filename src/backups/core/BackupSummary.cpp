#include "backups/core/BackupSummary.h"

#include "backups/core/CopyChecksum.h"

#include "store/Database.h"
#include "store/StoreError.h"

namespace tesorin::backups {

BackupSummary summarizeBackup(const BackupFile& file) {
    BackupSummary summary;
    summary.file = file;
    switch (verifyChecksum(file.path)) {
    case ChecksumCheck::Differs:
        summary.damaged = true;
        summary.problem = damagedCopyReason(file.fileName);
        return summary;
    case ChecksumCheck::Missing:
        summary.withoutChecksum = true;
        break;
    case ChecksumCheck::Matches:
        break;
    }
    try {
        const auto copy = store::Database::openFile(file.path, file.fileName);
        store::Statement totals = copy->prepare(
            QStringLiteral("SELECT count(*), msum(Ingreso), msum(Egreso) FROM Movimientos"));
        totals.step();
        summary.movements = totals.int64(0);
        summary.ingresos = Money::fromUnits(totals.int64(1));
        summary.egresos = Money::fromUnits(totals.int64(2));
        summary.saldo = summary.ingresos - summary.egresos;
        summary.readable = true;
    } catch (const store::StoreError& failure) {
        summary.problem = failure.message();
    } catch (const MoneyOutOfRange&) {
        summary.problem =
            QStringLiteral("Los totales de la copia «%1» exceden lo que la caja puede guardar.")
                .arg(file.fileName);
    }
    return summary;
}

QList<BackupSummary> summarizeBackups(const QString& workAreaName) {
    QList<BackupSummary> summaries;
    for (const BackupFile& file : listBackups(workAreaName))
        summaries << summarizeBackup(file);
    return summaries;
}

} // namespace tesorin::backups
