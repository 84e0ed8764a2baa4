#pragma once

#include <QString>

// The account type codes kept in Cuentas.Tipo, and the options of the
// account dialog that stand for them, top to bottom.
namespace tesorin::accounts {

// Offered only when recording an income.
inline const QString kIncomeCode = QStringLiteral("IN");
// Offered only when recording a payment.
inline const QString kExpenseCode = QStringLiteral("OU");
// Offered for both.
inline const QString kBothCode = QStringLiteral("VS");

enum TypeOption { kNoOption = -1, kIncomeOption = 0, kExpenseOption = 1, kBothOption = 2 };

// The code stored for the chosen option: "IN", "OU", and "VS" for the third
// option or for none chosen.
QString codeForOption(int option);

// The option that shows a stored code; kNoOption for any other text.
int optionForCode(const QString& code);

} // namespace tesorin::accounts
