#pragma once

#include <QString>

// The names of the steps of the history, as "Deshacer" and "Rehacer" show
// them after their own word ("Deshacer borrar movimiento").
namespace tesorin::history::steps {

inline const QString kNewIncome = QStringLiteral("agregar ingreso");
inline const QString kNewPayment = QStringLiteral("agregar pago");
inline const QString kEditMovement = QStringLiteral("modificar movimiento");
inline const QString kDeleteMovement = QStringLiteral("borrar movimiento");
inline const QString kNewAccount = QStringLiteral("agregar cuenta");
inline const QString kEditAccount = QStringLiteral("modificar cuenta");
inline const QString kDeleteAccount = QStringLiteral("borrar cuenta");
inline const QString kNewSchedule = QStringLiteral("agregar movimiento programado");
inline const QString kEditSchedule = QStringLiteral("modificar movimiento programado");
inline const QString kDeleteSchedule = QStringLiteral("borrar movimiento programado");
inline const QString kEditProfile = QStringLiteral("modificar datos del titular");
inline const QString kRestore = QStringLiteral("restaurar copia de seguridad");

// "asentar 26 movimientos programados", "asentar 1 movimiento programado";
// counts in the regional form ("importar 100.000 movimientos").
QString posting(long long movements);
// "importar 120 movimientos", "importar 1 movimiento".
QString import(long long movements);

} // namespace tesorin::history::steps
