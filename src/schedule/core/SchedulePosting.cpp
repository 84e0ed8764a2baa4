#include "schedule/core/SchedulePosting.h"

#include "base/Regional.h"
#include "schedule/core/Frequency.h"
#include "schedule/core/Occurrences.h"
#include "store/Database.h"
#include "store/StoreError.h"

#include <algorithm>
#include <map>

namespace tesorin::schedule {

namespace {

QDate storedDate(const QString& text) {
    return QDate::fromString(text.trimmed(), Qt::ISODate);
}

int storedInt(const store::Statement& row, int column) {
    return row.isNull(column) ? 0 : int(std::clamp<std::int64_t>(row.int64(column), -1, 1000));
}

// The day each schedule of due covers as the file says now; a schedule
// deleted since is left out.
std::map<std::int64_t, QDate> coveredNow(store::Database& db, const DuePosting& due) {
    std::map<std::int64_t, QDate> covered;
    store::Statement read =
        db.prepare(QStringLiteral("SELECT UltimaFecha FROM Programa WHERE idPrograma = ?1"));
    const auto readOne = [&read, &covered](std::int64_t id) {
        if (covered.count(id))
            return;
        read.reset();
        read.bindInt64(1, id);
        if (read.step())
            covered[id] = storedDate(read.text(0));
    };
    for (const DueMovement& movement : due.movements)
        readOne(movement.scheduleId);
    for (std::int64_t id : due.coveredSchedules)
        readOne(id);
    return covered;
}

// Whether a day is still owed by a schedule that covers up to covered.
bool stillDue(const std::map<std::int64_t, QDate>& covered, std::int64_t id, const QDate& day) {
    const auto it = covered.find(id);
    return it != covered.end() && (!it->second.isValid() || day > it->second);
}

} // namespace

QString postedMedium() {
    return QStringLiteral("Programado");
}

int dateUndatedSchedules(store::Database& db, const QDate& today) {
    std::vector<std::int64_t> undated;
    store::Statement all =
        db.prepare(QStringLiteral("SELECT idPrograma, UltimaFecha FROM Programa"));
    while (all.step()) {
        if (!storedDate(all.text(1)).isValid())
            undated.push_back(all.int64(0));
    }
    if (undated.empty())
        return 0;
    store::Transaction transaction(db);
    store::Statement date =
        db.prepare(QStringLiteral("UPDATE Programa SET UltimaFecha = ?1 WHERE idPrograma = ?2"));
    for (std::int64_t id : undated) {
        date.reset();
        date.bind(1, today.addDays(-1)).bindInt64(2, id);
        date.run();
    }
    transaction.commit();
    return int(undated.size());
}

DuePosting duePosting(store::Database& db, const QDate& today) {
    DuePosting due;
    store::Statement all = db.prepare(QStringLiteral(
        "SELECT idPrograma, Cuenta, Programa, FinDeSemana, PrimerDiaQuincena, SegundoDiaQuincena, "
        "DiaDeLaSemana, DiaDelMes, Detalle, Importe, Tipo, UltimaFecha FROM Programa"));
    while (all.step()) {
        const QDate covered = storedDate(all.text(11));
        if (!covered.isValid() || covered >= today)
            continue;
        const auto frequency = frequencyFromName(all.text(2));
        if (!frequency) {
            due.coveredSchedules.push_back(all.int64(0));
            continue;
        }
        DueRule rule;
        rule.frequency = *frequency;
        rule.weekendsExcluded = !all.isNull(3) && all.int64(3) != 0;
        rule.firstFortnightDay = storedInt(all, 4);
        rule.secondFortnightDay = storedInt(all, 5);
        rule.weekday = storedInt(all, 6);
        rule.monthDay = storedInt(all, 7);
        DueMovement movement;
        movement.scheduleId = all.int64(0);
        movement.account = all.text(1);
        movement.detail = all.text(8);
        if (!all.isNull(9)) {
            const auto amount = Money::fromStored(all.real(9));
            if (!amount)
                throw store::StoreError(
                    QStringLiteral("El importe de la programación de la cuenta «%1» no es válido.")
                        .arg(movement.account));
            movement.amount = *amount;
        }
        movement.income = all.text(10).trimmed().compare(kIncome, Qt::CaseInsensitive) == 0;
        const std::vector<QDate> days = occurrences(rule, covered.addDays(1), today);
        if (movement.amount.isZero()) {
            if (!days.empty()) {
                movement.date = days.front();
                due.withoutAmount.push_back(movement);
            }
            continue;
        }
        due.coveredSchedules.push_back(movement.scheduleId);
        for (const QDate& day : days) {
            movement.date = day;
            due.movements.push_back(movement);
        }
    }
    std::stable_sort(due.withoutAmount.begin(), due.withoutAmount.end(),
                     [](const DueMovement& a, const DueMovement& b) {
                         return a.account.compare(b.account, Qt::CaseInsensitive) < 0;
                     });
    std::stable_sort(due.movements.begin(), due.movements.end(),
                     [](const DueMovement& a, const DueMovement& b) {
                         if (a.date != b.date)
                             return a.date < b.date;
                         return a.account.compare(b.account, Qt::CaseInsensitive) < 0;
                     });
    return due;
}

void recordDuePosting(store::Database& db, const DuePosting& due, const QDate& today,
                      const std::vector<bool>& ticked) {
    store::Transaction transaction(db);
    // Another writer may have posted since due was read: what the schedules
    // cover is read again inside this transaction, which holds the file for
    // writing, and only what is still owed after it is recorded.
    const std::map<std::int64_t, QDate> covered = coveredNow(db, due);
    store::Statement insert =
        db.prepare(QStringLiteral("INSERT INTO Movimientos (Fecha, Cuenta, Detalle, Tipo, Ingreso, "
                                  "Egreso) VALUES (?1, ?2, ?3, ?4, ?5, ?6)"));
    for (size_t i = 0; i < due.movements.size(); ++i) {
        const DueMovement& movement = due.movements[i];
        if ((!ticked.empty() && (i >= ticked.size() || !ticked[i])) || movement.amount.isZero() ||
            !stillDue(covered, movement.scheduleId, movement.date))
            continue;
        if (!movement.amount.isStorable())
            throw store::StoreError(
                QStringLiteral("El importe %1 es demasiado grande para guardarlo exacto.")
                    .arg(regional::currency(movement.amount)));
        const double amount = movement.amount.toStored();
        insert.reset();
        insert.bind(1, movement.date).bindText(2, movement.account).bindText(3, movement.detail);
        insert.bindText(4, postedMedium());
        insert.bindDouble(5, movement.income ? amount : 0.0)
            .bindDouble(6, movement.income ? 0.0 : amount);
        insert.run();
    }
    store::Statement cover =
        db.prepare(QStringLiteral("UPDATE Programa SET UltimaFecha = ?1 WHERE idPrograma = ?2"));
    for (std::int64_t id : due.coveredSchedules) {
        if (!stillDue(covered, id, today))
            continue;
        cover.reset();
        cover.bind(1, today).bindInt64(2, id);
        cover.run();
    }
    transaction.commit();
}

QStringList dueMovementTexts(const DueMovement& movement) {
    return {regional::shortDate(movement.date), movement.account, movement.detail,
            regional::currency(movement.amount),
            movement.income ? QStringLiteral("Ingreso") : QStringLiteral("Egreso")};
}

const QStringList& dueMovementCaptions() {
    static const QStringList captions{QStringLiteral("Fecha"), QStringLiteral("Cuenta"),
                                      QStringLiteral("Detalle"), QStringLiteral("Importe"),
                                      QStringLiteral("Movimiento")};
    return captions;
}

} // namespace tesorin::schedule
