#include "schedule/core/ScheduleRecord.h"

#include "base/Regional.h"
#include "history/core/StepNames.h"
#include "store/ChangeLog.h"
#include "store/Database.h"
#include "store/Recordset.h"
#include "store/StoreError.h"

#include <QCollator>

#include <algorithm>

namespace tesorin::schedule {

namespace {

QString numberText(const store::Recordset& row, const QString& field) {
    return row.isNull(field) ? QString() : QString::number(row.integer(field));
}

// The eleven fields the editor gives, in the order they are written.
void writeEntry(store::Recordset& row, const ScheduleEntry& entry) {
    row.setValue(QStringLiteral("Cuenta"), entry.account);
    row.setValue(QStringLiteral("Programa"), entry.frequency);
    row.setValue(QStringLiteral("FinDeSemana"), entry.weekendsExcluded);
    row.setValue(QStringLiteral("PrimerDiaQuincena"), entry.firstFortnightDay);
    row.setValue(QStringLiteral("SegundoDiaQuincena"), entry.secondFortnightDay);
    row.setValue(QStringLiteral("DiaDeLaSemana"), entry.weekday);
    row.setValue(QStringLiteral("DiaDelMes"), entry.monthDay);
    row.setValue(QStringLiteral("HoraDelDia"), entry.timeOfDay);
    row.setValue(QStringLiteral("Detalle"), entry.detail);
    row.setValue(QStringLiteral("Importe"), entry.amount);
    row.setValue(QStringLiteral("Tipo"), entry.direction);
}

std::unique_ptr<store::Recordset> scheduleRow(store::Database& db, std::int64_t id) {
    auto row = db.OpenRecordset(
        QStringLiteral("select * from Programa where idPrograma = %1").arg(qlonglong(id)));
    if (row->RecordCount() == 0)
        throw store::StoreError(
            QStringLiteral("La programación ya no está en la caja «%1»; la lista se vuelve a leer.")
                .arg(db.name()));
    row->MoveFirst();
    return row;
}

// Runs one write, undoing the pending row when a value is refused.
template <class Write> void guarded(store::Recordset& row, Write write) {
    try {
        write();
    } catch (...) {
        row.CancelUpdate();
        throw;
    }
}

} // namespace

ScheduleEntry readSchedule(store::Database& db, std::int64_t id) {
    const auto row = scheduleRow(db, id);
    ScheduleEntry entry;
    entry.account = row->text(QStringLiteral("Cuenta"));
    entry.frequency = row->text(QStringLiteral("Programa"));
    entry.weekendsExcluded = row->yesNo(QStringLiteral("FinDeSemana"));
    entry.firstFortnightDay = numberText(*row, QStringLiteral("PrimerDiaQuincena"));
    entry.secondFortnightDay = numberText(*row, QStringLiteral("SegundoDiaQuincena"));
    entry.weekday = int(row->integer(QStringLiteral("DiaDeLaSemana")));
    entry.monthDay = numberText(*row, QStringLiteral("DiaDelMes"));
    entry.timeOfDay = row->text(QStringLiteral("HoraDelDia"));
    entry.detail = row->text(QStringLiteral("Detalle"));
    entry.amount = row->isNull(QStringLiteral("Importe"))
                       ? QString()
                       : regional::plainNumber(row->money(QStringLiteral("Importe")));
    entry.direction = row->text(QStringLiteral("Tipo"));
    return entry;
}

std::int64_t addSchedule(store::Database& db, const ScheduleEntry& entry, const QDate& today) {
    store::ChangeStep step(db, history::steps::kNewSchedule);
    auto row = db.OpenRecordset(QStringLiteral("Programa"));
    row->AddNew();
    guarded(*row, [&] {
        writeEntry(*row, entry);
        row->setDate(QStringLiteral("UltimaFecha"), today.addDays(-1));
        row->Update();
    });
    const std::int64_t id = row->lastAddedId();
    row.reset();
    step.commit();
    return id;
}

void rewriteSchedule(store::Database& db, std::int64_t id, const ScheduleEntry& entry) {
    store::ChangeStep step(db, history::steps::kEditSchedule);
    auto row = scheduleRow(db, id);
    row->Edit();
    guarded(*row, [&] {
        writeEntry(*row, entry);
        row->Update();
    });
    row.reset();
    step.commit();
}

void deleteSchedule(store::Database& db, std::int64_t id) {
    store::ChangeStep step(db, history::steps::kDeleteSchedule);
    scheduleRow(db, id)->Delete();
    step.commit();
}

QStringList accountNames(store::Database& db) {
    QStringList names;
    store::Statement all = db.prepare(QStringLiteral("SELECT Nombre FROM Cuentas"));
    while (all.step())
        names << all.text(0);
    QCollator order(regional::locale());
    order.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(names.begin(), names.end(),
              [&](const QString& a, const QString& b) { return order.compare(a, b) < 0; });
    return names;
}

} // namespace tesorin::schedule
