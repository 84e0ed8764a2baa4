#pragma once

#include "exchange/core/ImportPlan.h"
#include "exchange/core/StatementImport.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace tesorin::store {
class Database;
}

namespace tesorin::exchange {

// "Importar movimientos": the file as it is and as it will be stored, side
// by side, with the settings that turn one into the other. Rows that do not
// read are red with their reason; probable duplicates are left unticked.
// "Importar" writes the ticked rows in one transaction.
class ImportDialog : public QDialog {
    Q_OBJECT
public:
    // Throws ExchangeError when the file cannot be read at all.
    ImportDialog(store::Database& db, const QString& path, QWidget* parent = nullptr);

    const ImportOutcome& outcome() const { return m_outcome; }

private:
    void buildControls();
    void fitToScreen();
    void showSettings();
    void settingsChanged();
    void reread(const StatementOptions& options);
    void fillPreview();
    void fillAccounts();
    void updateSummary();
    void rowTicked(int row, int column);
    void importRows();
    StatementOptions optionsFromControls() const;
    ColumnMapping mappingFromControls() const;
    void fillColumnChoices();

    store::Database& m_db;
    QString m_path;
    QByteArray m_bytes;
    LoadedStatement m_loaded;
    QVector<PlannedRow> m_plan;
    ImportOutcome m_outcome;
    bool m_filling = false;

    QLabel* m_file = nullptr;
    QComboBox* m_separator = nullptr;
    QComboBox* m_encoding = nullptr;
    QCheckBox* m_header = nullptr;
    QComboBox* m_dateOrder = nullptr;
    QComboBox* m_decimal = nullptr;
    QComboBox* m_dateColumn = nullptr;
    QListWidget* m_detailColumns = nullptr;
    QComboBox* m_amountMode = nullptr;
    QComboBox* m_amountColumn = nullptr;
    QComboBox* m_incomeColumn = nullptr;
    QComboBox* m_expenseColumn = nullptr;
    QComboBox* m_debitCreditColumn = nullptr;
    QRadioButton* m_oneAccount = nullptr;
    QComboBox* m_account = nullptr;
    QRadioButton* m_accountFromFile = nullptr;
    QComboBox* m_accountColumn = nullptr;
    QComboBox* m_medium = nullptr;
    QTableWidget* m_asFile = nullptr;
    QTableWidget* m_asStored = nullptr;
    QLabel* m_summary = nullptr;
    QPushButton* m_import = nullptr;
};

} // namespace tesorin::exchange
