#include "movements/core/LastAccountSetting.h"

#include "movements/core/EntryDirection.h"

#include <QSettings>

namespace tesorin::movements {

QString lastAccountKey(const QString& direction) {
    return direction == kIncomeTag ? kLastIncomeAccountKey : kLastPaymentAccountKey;
}

bool rememberLastAccount(const QString& direction, const QString& account) {
    QSettings settings(QSettings::UserScope, kSettingsApplication, kSettingsApplication);
    settings.beginGroup(kSettingsSection);
    settings.setValue(lastAccountKey(direction), account);
    settings.endGroup();
    settings.sync();
    return settings.status() == QSettings::NoError;
}

} // namespace tesorin::movements
