#include "schedule/core/ScheduleGridCells.h"

#include "base/Money.h"
#include "base/Regional.h"
#include "schedule/core/Frequency.h"
#include "store/Recordset.h"
#include "store/StoreError.h"

#include <QDate>

namespace tesorin::schedule {

namespace {

std::optional<Money> storedMoney(const QVariant& stored) {
    bool isNumber = false;
    const double value = stored.toDouble(&isNumber);
    return isNumber ? Money::fromStored(value) : std::nullopt;
}

[[noreturn]] void refuse(const QString& typed, const QString& what, const QString& field,
                         const QString& hint) {
    throw store::StoreError(
        QStringLiteral("«%1» no es %2 válido para el campo %3: %4.").arg(typed, what, field, hint));
}

// A whole number within bounds, as the regional readings read it.
qlonglong dayNumber(const QString& typed, int low, int high, const QString& what,
                    const QString& field, const QString& hint) {
    const std::optional<Money> number = regional::readNumber(typed);
    if (!number || number->units() % Money::kScale != 0)
        refuse(typed, what, field, hint);
    const qlonglong day = number->units() / Money::kScale;
    if (day < low || day > high)
        refuse(typed, what, field, hint);
    return day;
}

// The value a typed text gives its column's field, checked where the store
// alone would take a value the program cannot use.
QVariant typedValue(int column, const QString& typed) {
    const QString& field = scheduleGridFields()[column];
    switch (column) {
    case kCuentaColumn:
        if (typed.trimmed().isEmpty())
            throw store::StoreError(QStringLiteral("El campo Cuenta no puede quedar vacío: escriba "
                                                   "el nombre de una cuenta."));
        return typed;
    case kProgramaColumn:
        if (const auto frequency = frequencyFromName(typed))
            return frequencyName(*frequency);
        refuse(typed, QStringLiteral("una frecuencia"), field,
               QStringLiteral("escriba Diaria, Semanal, Quincenal o Mensual"));
    case kUltimaFechaColumn: {
        if (typed.trimmed().isEmpty())
            return QVariant();
        if (const auto date = regional::readShortDate(typed))
            return *date;
        refuse(typed, QStringLiteral("una fecha"), field,
               QStringLiteral("escriba una fecha como %1")
                   .arg(regional::shortDate(QDate(2005, 1, 9))));
    }
    case kDiaDeLaSemanaColumn:
        return dayNumber(typed, 1, 7, QStringLiteral("un día de la semana"), field,
                         QStringLiteral("escriba un número del 1 (Domingo) al 7 (Sábado)"));
    case kDiaDelMesColumn:
        return dayNumber(typed, 1, 31, QStringLiteral("un día del mes"), field,
                         QStringLiteral("escriba un número del 1 al 31"));
    default:
        // Importe and FinDeSemana are read by the store itself.
        return typed;
    }
}

} // namespace

const QStringList& scheduleGridFields() {
    static const QStringList fields{QStringLiteral("Cuenta"),        QStringLiteral("Programa"),
                                    QStringLiteral("Detalle"),       QStringLiteral("Importe"),
                                    QStringLiteral("UltimaFecha"),   QStringLiteral("FinDeSemana"),
                                    QStringLiteral("DiaDeLaSemana"), QStringLiteral("DiaDelMes")};
    return fields;
}

const QStringList& scheduleGridCaptions() {
    static const QStringList captions = [] {
        QStringList list = scheduleGridFields();
        list[kFinDeSemanaColumn] = QStringLiteral("FindeSemana");
        return list;
    }();
    return captions;
}

QString shownCellText(int column, const QVariant& stored) {
    if (stored.isNull())
        return QString();
    switch (column) {
    case kImporteColumn: {
        const auto amount = storedMoney(stored);
        return amount ? regional::currency(*amount) : stored.toString();
    }
    case kUltimaFechaColumn: {
        const QDate date = QDate::fromString(stored.toString(), Qt::ISODate);
        return date.isValid() ? regional::shortDate(date) : stored.toString();
    }
    case kFinDeSemanaColumn:
        return stored.toLongLong() != 0 ? QStringLiteral("Sí") : QStringLiteral("No");
    default:
        return stored.toString();
    }
}

QString editedCellText(int column, const QVariant& stored) {
    if (column == kImporteColumn && !stored.isNull()) {
        if (const auto amount = storedMoney(stored))
            return regional::plainNumber(*amount);
    }
    return shownCellText(column, stored);
}

void writeTypedCells(store::Recordset& row, const QMap<int, QString>& typed) {
    row.Edit();
    try {
        for (auto cell = typed.begin(); cell != typed.end(); ++cell)
            row.setValue(scheduleGridFields()[cell.key()], typedValue(cell.key(), cell.value()));
        row.Update();
    } catch (...) {
        row.CancelUpdate();
        throw;
    }
}

} // namespace tesorin::schedule
