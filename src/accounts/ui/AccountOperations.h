#pragma once

#include <QObject>

namespace tesorin::ui {
class OperationContext;
}

namespace tesorin::accounts {

// The chart of accounts, opened from the main window's "Cuentas" button.
class AccountOperations : public QObject {
public:
    AccountOperations(ui::OperationContext& context, QObject* parent);

    void muestraCuentas();

private:
    ui::OperationContext& m_context;
};

} // namespace tesorin::accounts
