#pragma once

#include <QDialog>

#include <functional>
#include <memory>

class QListWidget;
class QPushButton;

namespace tesorin::store {
class Database;
class Recordset;
} // namespace tesorin::store

namespace tesorin::accounts {

// "Plan de Cuentas": the chart of accounts of the open work area, where the
// user creates, renames, retypes and deletes accounts. Lookups go through the
// program's shared account cursor.
class panCuentas : public QDialog {
    Q_OBJECT
public:
    panCuentas(store::Database& baseAbierta, std::unique_ptr<store::Recordset>& recCuentas,
               QWidget* parent = nullptr);

    // Reloads List1 from Cuentas, in alphabetical order.
    void refrescaCuentas();

    QListWidget* List1;
    QPushButton* Command6;
    QPushButton* Command1;
    QPushButton* Command3;
    QPushButton* Command2;

private:
    void Command6_Click();
    void Command3_Click();
    void Command1_Click();
    // The name of the selected entry; empty when none is selected.
    QString selectedName() const;
    // Runs a step that reads or writes the store; its failure is shown.
    void withStore(const std::function<void()>& step);

    store::Database& m_base;
    std::unique_ptr<store::Recordset>& m_recCuentas;
};

} // namespace tesorin::accounts
