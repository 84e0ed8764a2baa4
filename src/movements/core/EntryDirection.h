#pragma once

#include <QString>

// The texts by which the movement operations tell the entry dialog what it
// serves: its Tag on entry holds the direction, its caption the use.
namespace tesorin::movements {

inline const QString kIncomeTag = QStringLiteral("Nuevo Ingreso");
inline const QString kPaymentTag = QStringLiteral("Nuevo Pago");

inline const QString kNewIncomeCaption = QStringLiteral("Nuevo Ingreso");
inline const QString kNewPaymentCaption = QStringLiteral("Nuevo Pago");
inline const QString kEditIncomeCaption = QStringLiteral("Editar Ingreso");
inline const QString kEditPaymentCaption = QStringLiteral("Editar Pago");

// The dialog's outcome in its Tag once it hides.
inline const QString kAccepted = QStringLiteral("SI");
inline const QString kCancelled = QStringLiteral("NO");

} // namespace tesorin::movements
