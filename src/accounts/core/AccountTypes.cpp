#include "accounts/core/AccountTypes.h"

namespace tesorin::accounts {

QString codeForOption(int option) {
    switch (option) {
    case kIncomeOption:
        return kIncomeCode;
    case kExpenseOption:
        return kExpenseCode;
    default:
        return kBothCode;
    }
}

int optionForCode(const QString& code) {
    if (code == kIncomeCode)
        return kIncomeOption;
    if (code == kExpenseCode)
        return kExpenseOption;
    if (code == kBothCode)
        return kBothOption;
    return kNoOption;
}

} // namespace tesorin::accounts
