#pragma once

#include <QString>

// The per-user setting the entry dialog writes when the user accepts: the
// last account used for an income or for a payment. Nothing in the program
// reads it back.
namespace tesorin::movements {

inline const QString kSettingsApplication = QStringLiteral("Tesorin");
inline const QString kSettingsSection = QStringLiteral("Memorizar");
inline const QString kLastIncomeAccountKey = QStringLiteral("Ultima Cuenta de Ingreso");
inline const QString kLastPaymentAccountKey = QStringLiteral("Ultima Cuenta de Egreso");

// The key for the dialog's direction: the income key for "Nuevo Ingreso",
// the payment key for anything else.
QString lastAccountKey(const QString& direction);

// Writes the account under the direction's key, in the per-user settings of
// the application Tesorin, section "Memorizar". False when the settings
// could not be written.
bool rememberLastAccount(const QString& direction, const QString& account);

} // namespace tesorin::movements
