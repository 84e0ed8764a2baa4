#pragma once

#include <QDialog>
#include <QStringList>

class QComboBox;

namespace tesorin::exchange {

// Asks whether to add the accounts a statement names but the chart lacks,
// and with which type.
class NewAccountsDialog : public QDialog {
    Q_OBJECT
public:
    NewAccountsDialog(const QStringList& names, QWidget* parent = nullptr);
    QString typeCode() const; // "IN", "OU" or "VS"

private:
    QComboBox* m_type = nullptr;
};

} // namespace tesorin::exchange
