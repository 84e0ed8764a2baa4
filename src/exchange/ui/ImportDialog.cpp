#include "exchange/ui/ImportDialog.h"

#include "backups/ui/BackupQuestion.h"
#include "base/Regional.h"
#include "exchange/core/ExchangeError.h"
#include "exchange/core/ExchangeMessages.h"
#include "exchange/core/ImportTargetChoice.h"
#include "exchange/core/MappingMemory.h"
#include "exchange/core/StatementAccounts.h"
#include "exchange/ui/NewAccountsDialog.h"
#include "store/Database.h"
#include "store/StoreError.h"
#include "ui/common/ErrorMessage.h"
#include "ui/common/Named.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tesorin::exchange {

using ui::named;

namespace {

constexpr int kPreviewRows = 500;
constexpr int kWidestColumn = 220;
constexpr int kColumnNameLength = 18;
// The columns of the rows as they will be stored.
enum StoredColumn { kTick, kNote, kDate, kAccount, kDetail, kIncome, kExpense, kStoredColumns };
const QColor kUnreadable(255, 205, 205);
const QColor kDuplicate(255, 244, 200);

QLabel* buddyLabel(const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    buddy->setAccessibleName(QString(text).remove(u'&').remove(u':').trimmed());
    return label;
}

QString separatorText(QChar c) {
    if (c == u'\t')
        return QStringLiteral("Tabulación");
    return QString(c);
}

void selectData(QComboBox* box, const QVariant& value) {
    const int i = box->findData(value);
    box->setCurrentIndex(i >= 0 ? i : 0);
}

} // namespace

ImportDialog::ImportDialog(store::Database& db, const QString& path, QWidget* parent)
    : QDialog(parent), m_db(db), m_path(path) {
    setObjectName(QStringLiteral("panImportar"));
    setWindowTitle(QStringLiteral("Importar movimientos"));
    m_bytes = readStatementBytes(path);
    m_loaded = loadStatement(m_bytes);
    buildControls();
    showSettings();
    reread(optionsFromControls());
    if (const auto remembered = recallImport(m_loaded.shape);
        remembered && !remembered->medium.isEmpty())
        m_medium->setCurrentText(remembered->medium);
    fitToScreen();
}

void ImportDialog::fitToScreen() {
    QSize size(1240, 700);
    if (const QScreen* screen = parentWidget() ? parentWidget()->screen() : this->screen()) {
        // Room for the window's frame and the desktop's panels.
        const QSize room = screen->availableGeometry().size() - QSize(24, 48);
        size = size.boundedTo(room).expandedTo(minimumSizeHint());
    }
    resize(size);
}

void ImportDialog::buildControls() {
    auto* layout = new QVBoxLayout(this);
    m_file = named(new QLabel(QStringLiteral("Archivo: %1").arg(QFileInfo(m_path).fileName())),
                   "archivo");
    m_file->setAccessibleName(m_file->text());
    m_file->setToolTip(m_path);
    // A long file name may be cut; it never widens the dialog past the screen.
    m_file->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    layout->addWidget(m_file);

    auto* settings = new QHBoxLayout;
    auto* format = new QGroupBox(QStringLiteral("Formato del archivo"));
    auto* fg = new QGridLayout(format);
    m_separator = named(new QComboBox, "separador");
    for (const QChar c : csvSeparators())
        m_separator->addItem(separatorText(c), QVariant(QString(c)));
    m_encoding = named(new QComboBox, "codificacion");
    m_encoding->addItems(encodingNames());
    m_header =
        named(new QCheckBox(QStringLiteral("La primera fila es el &encabezado")), "encabezado");
    m_dateOrder = named(new QComboBox, "ordenFecha");
    m_dateOrder->addItem(QStringLiteral("día/mes/año"), int(DateOrder::DayMonthYear));
    m_dateOrder->addItem(QStringLiteral("mes/día/año"), int(DateOrder::MonthDayYear));
    m_dateOrder->addItem(QStringLiteral("año-mes-día"), int(DateOrder::YearMonthDay));
    m_decimal = named(new QComboBox, "decimal");
    m_decimal->addItem(QStringLiteral("1.234,56 (coma decimal)"), int(DecimalMark::Comma));
    m_decimal->addItem(QStringLiteral("1,234.56 (punto decimal)"), int(DecimalMark::Point));
    fg->addWidget(buddyLabel(QStringLiteral("&Separador:"), m_separator), 0, 0);
    fg->addWidget(m_separator, 0, 1);
    fg->addWidget(buddyLabel(QStringLiteral("Cod&ificación:"), m_encoding), 1, 0);
    fg->addWidget(m_encoding, 1, 1);
    fg->addWidget(m_header, 2, 0, 1, 2);
    fg->addWidget(buddyLabel(QStringLiteral("&Orden de la fecha:"), m_dateOrder), 3, 0);
    fg->addWidget(m_dateOrder, 3, 1);
    fg->addWidget(buddyLabel(QStringLiteral("&Números:"), m_decimal), 4, 0);
    fg->addWidget(m_decimal, 4, 1);
    settings->addWidget(format);

    auto* columns = new QGroupBox(QStringLiteral("Columnas"));
    auto* cg = new QGridLayout(columns);
    m_dateColumn = named(new QComboBox, "colFecha");
    m_detailColumns = named(new QListWidget, "colDetalle");
    m_detailColumns->setMaximumHeight(90);
    m_detailColumns->setMinimumWidth(m_detailColumns->fontMetrics().averageCharWidth() *
                                     kColumnNameLength);
    m_amountMode = named(new QComboBox, "modoImporte");
    m_amountMode->addItem(QStringLiteral("Un importe con signo"), int(AmountMode::Signed));
    m_amountMode->addItem(QStringLiteral("Ingresos y egresos en columnas separadas"),
                          int(AmountMode::IncomeExpense));
    m_amountMode->addItem(QStringLiteral("Importe y columna débito/crédito"),
                          int(AmountMode::AmountDebitCredit));
    m_amountMode->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_amountMode->setMinimumContentsLength(kColumnNameLength);
    m_amountColumn = named(new QComboBox, "colImporte");
    m_incomeColumn = named(new QComboBox, "colIngreso");
    m_expenseColumn = named(new QComboBox, "colEgreso");
    m_debitCreditColumn = named(new QComboBox, "colDebitoCredito");
    m_accountColumn = named(new QComboBox, "colCuenta");
    // A column's name comes from the file's header, whatever its length: the
    // boxes keep a sane width and show the whole name in their list.
    for (QComboBox* box : {m_dateColumn, m_amountColumn, m_incomeColumn, m_expenseColumn,
                           m_debitCreditColumn, m_accountColumn}) {
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        box->setMinimumContentsLength(kColumnNameLength);
    }
    cg->addWidget(buddyLabel(QStringLiteral("&Fecha:"), m_dateColumn), 0, 0);
    cg->addWidget(m_dateColumn, 0, 1);
    cg->addWidget(buddyLabel(QStringLiteral("&Detalle (una o varias):"), m_detailColumns), 1, 0);
    cg->addWidget(m_detailColumns, 1, 1, 3, 1);
    cg->addWidget(buddyLabel(QStringLiteral("&Importe:"), m_amountMode), 0, 2);
    cg->addWidget(m_amountMode, 0, 3);
    cg->addWidget(buddyLabel(QStringLiteral("Columna del i&mporte:"), m_amountColumn), 1, 2);
    cg->addWidget(m_amountColumn, 1, 3);
    cg->addWidget(buddyLabel(QStringLiteral("Columna de in&gresos:"), m_incomeColumn), 2, 2);
    cg->addWidget(m_incomeColumn, 2, 3);
    cg->addWidget(buddyLabel(QStringLiteral("Columna de eg&resos:"), m_expenseColumn), 3, 2);
    cg->addWidget(m_expenseColumn, 3, 3);
    cg->addWidget(buddyLabel(QStringLiteral("Columna déb&ito/crédito:"), m_debitCreditColumn), 4,
                  2);
    cg->addWidget(m_debitCreditColumn, 4, 3);
    settings->addWidget(columns, 1);

    auto* target = new QGroupBox(QStringLiteral("Destino"));
    auto* tg = new QGridLayout(target);
    m_oneAccount = named(new QRadioButton(QStringLiteral("Una &cuenta para todas:")), "cuentaUna");
    m_account = named(new QComboBox, "cuenta");
    m_account->setAccessibleName(QStringLiteral("Cuenta para todas las filas"));
    m_account->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_account->setMinimumContentsLength(kColumnNameLength);
    m_accountFromFile =
        named(new QRadioButton(QStringLiteral("Cuenta de la co&lumna:")), "cuentaColumna");
    m_accountColumn->setAccessibleName(QStringLiteral("Columna de la cuenta"));
    m_oneAccount->setChecked(true);
    m_medium = named(new QComboBox, "medio");
    m_medium->setEditable(true);
    m_medium->addItems({QStringLiteral("Efectivo"), QStringLiteral("Cheques"),
                        QStringLiteral("Tarjeta"), QStringLiteral("Otras...")});
    m_medium->setCurrentText(QStringLiteral("Importado"));
    // One row under the previews, beside nothing that scrolls: the account
    // stays in sight next to "Importar".
    tg->addWidget(m_oneAccount, 0, 0);
    tg->addWidget(m_account, 0, 1);
    tg->addWidget(m_accountFromFile, 0, 2);
    tg->addWidget(m_accountColumn, 0, 3);
    tg->addWidget(buddyLabel(QStringLiteral("&Tipo (medio):"), m_medium), 0, 4);
    tg->addWidget(m_medium, 0, 5);
    tg->setColumnStretch(1, 2);
    tg->setColumnStretch(3, 1);
    tg->setColumnStretch(5, 1);
    // On a small screen the settings scroll sideways rather than push the
    // buttons off it.
    auto* settingsArea = named(new QScrollArea, "ajustes");
    auto* settingsPanel = new QWidget;
    settingsPanel->setLayout(settings);
    settings->setContentsMargins(0, 0, 0, 0);
    settingsArea->setWidget(settingsPanel);
    settingsArea->setWidgetResizable(true);
    settingsArea->setFrameShape(QFrame::NoFrame);
    settingsArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    settingsArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    settingsArea->setMinimumHeight(settingsPanel->sizeHint().height() +
                                   settingsArea->horizontalScrollBar()->sizeHint().height());
    layout->addWidget(settingsArea);

    auto* splitter = new QSplitter(Qt::Horizontal);
    auto side = [&](const QString& title, QTableWidget* table) {
        auto* box = new QWidget;
        auto* v = new QVBoxLayout(box);
        v->setContentsMargins(0, 0, 0, 0);
        v->addWidget(buddyLabel(title, table));
        table->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table->setSelectionBehavior(QAbstractItemView::SelectRows);
        table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
        v->addWidget(table);
        splitter->addWidget(box);
    };
    m_asFile = named(new QTableWidget, "vistaArchivo");
    m_asStored = named(new QTableWidget, "vistaGuardar");
    side(QStringLiteral("El archivo &tal como está:"), m_asFile);
    side(QStringLiteral("Cómo se &guardará (las filas marcadas):"), m_asStored);
    splitter->setStretchFactor(0, 2);
    splitter->setStretchFactor(1, 3);
    layout->addWidget(splitter, 1);
    layout->addWidget(target);

    m_summary = named(new QLabel, "resumen");
    m_summary->setWordWrap(true);
    layout->addWidget(m_summary);
    auto* buttons = new QDialogButtonBox;
    m_import = named(buttons->addButton(QStringLiteral("&Importar"), QDialogButtonBox::AcceptRole),
                     "importar");
    m_import->setDefault(true);
    named(buttons->addButton(QStringLiteral("Cancelar"), QDialogButtonBox::RejectRole), "cancelar");
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &ImportDialog::importRows);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    for (QComboBox* box :
         {m_separator, m_encoding, m_dateOrder, m_decimal, m_dateColumn, m_amountMode,
          m_amountColumn, m_incomeColumn, m_expenseColumn, m_debitCreditColumn, m_accountColumn})
        connect(box, &QComboBox::currentIndexChanged, this, &ImportDialog::settingsChanged);
    connect(m_header, &QCheckBox::toggled, this, &ImportDialog::settingsChanged);
    connect(m_detailColumns, &QListWidget::itemChanged, this, &ImportDialog::settingsChanged);
    connect(m_accountFromFile, &QRadioButton::toggled, this, &ImportDialog::settingsChanged);
    connect(m_account, &QComboBox::currentIndexChanged, this, &ImportDialog::fillPreview);
    connect(m_asStored, &QTableWidget::cellChanged, this, &ImportDialog::rowTicked);
}

void ImportDialog::fillColumnChoices() {
    const CsvTable& t = m_loaded.table;
    auto columnName = [&](int c) {
        const QString name = t.hasHeader ? t.header.fields.value(c).trimmed() : QString();
        return name.isEmpty() ? QStringLiteral("Columna %1").arg(c + 1)
                              : QStringLiteral("%1: %2").arg(c + 1).arg(name);
    };
    for (QComboBox* box : {m_dateColumn, m_amountColumn, m_incomeColumn, m_expenseColumn,
                           m_debitCreditColumn, m_accountColumn}) {
        box->clear();
        box->addItem(QStringLiteral("(ninguna)"), -1);
        for (int c = 0; c < t.fieldCount; ++c)
            box->addItem(columnName(c), c);
    }
    m_detailColumns->clear();
    for (int c = 0; c < t.fieldCount; ++c) {
        auto* item = new QListWidgetItem(columnName(c), m_detailColumns);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setData(Qt::UserRole, c);
        item->setCheckState(Qt::Unchecked);
    }
}

// Puts the settings in force (detected, remembered or chosen) into the controls.
void ImportDialog::showSettings() {
    m_filling = true;
    const bool csv = m_loaded.format == StatementFormat::Csv;
    for (QWidget* w : std::initializer_list<QWidget*>{
             m_separator, m_encoding, m_header, m_dateColumn, m_detailColumns, m_amountMode,
             m_amountColumn, m_incomeColumn, m_expenseColumn, m_debitCreditColumn})
        w->setEnabled(csv);
    m_dateOrder->setEnabled(m_loaded.format != StatementFormat::Ofx);
    m_decimal->setEnabled(m_loaded.format != StatementFormat::Ofx);
    if (csv) {
        const CsvTable& t = m_loaded.table;
        const ColumnMapping& m = m_loaded.mapping;
        selectData(m_separator, QString(t.separator));
        m_encoding->setCurrentText(encodingName(t.encoding));
        m_header->setChecked(t.hasHeader);
        fillColumnChoices();
        selectData(m_dateColumn, m.date);
        for (int c : m.detail)
            if (QListWidgetItem* item = m_detailColumns->item(c))
                item->setCheckState(Qt::Checked);
        selectData(m_amountMode, int(m.mode));
        selectData(m_amountColumn, m.amount);
        selectData(m_incomeColumn, m.income);
        selectData(m_expenseColumn, m.expense);
        selectData(m_debitCreditColumn, m.debitCredit);
        selectData(m_accountColumn, m.account);
        selectData(m_dateOrder, int(m.dateOrder));
        selectData(m_decimal, int(m.decimal));
    } else {
        m_accountColumn->clear();
        m_accountColumn->addItem(m_loaded.format == StatementFormat::Qif
                                     ? QStringLiteral("Categoría (L)")
                                     : QStringLiteral("(ninguna)"),
                                 m_loaded.format == StatementFormat::Qif ? 0 : -1);
        selectData(m_dateOrder,
                   int(m_loaded.format == StatementFormat::Qif ? DateOrder::MonthDayYear
                                                               : DateOrder::YearMonthDay));
        selectData(m_decimal, int(DecimalMark::Point));
    }
    const bool accountColumn =
        m_accountColumn->currentData().toInt() >= 0 && m_loaded.format != StatementFormat::Ofx;
    m_accountFromFile->setEnabled(m_loaded.format != StatementFormat::Ofx);
    if (!accountColumn)
        m_oneAccount->setChecked(true);
    const auto mode = AmountMode(m_amountMode->currentData().toInt());
    m_amountColumn->setEnabled(csv && mode != AmountMode::IncomeExpense);
    m_incomeColumn->setEnabled(csv && mode == AmountMode::IncomeExpense);
    m_expenseColumn->setEnabled(csv && mode == AmountMode::IncomeExpense);
    m_debitCreditColumn->setEnabled(csv && mode == AmountMode::AmountDebitCredit);
    m_filling = false;
}

ColumnMapping ImportDialog::mappingFromControls() const {
    ColumnMapping m;
    m.date = m_dateColumn->currentData().toInt();
    for (int i = 0; i < m_detailColumns->count(); ++i)
        if (m_detailColumns->item(i)->checkState() == Qt::Checked)
            m.detail.append(m_detailColumns->item(i)->data(Qt::UserRole).toInt());
    m.mode = AmountMode(m_amountMode->currentData().toInt());
    m.amount = m_amountColumn->currentData().toInt();
    m.income = m_incomeColumn->currentData().toInt();
    m.expense = m_expenseColumn->currentData().toInt();
    m.debitCredit = m_debitCreditColumn->currentData().toInt();
    m.account = m_accountColumn->currentData().toInt();
    m.decimal = DecimalMark(m_decimal->currentData().toInt());
    m.dateOrder = DateOrder(m_dateOrder->currentData().toInt());
    return m;
}

StatementOptions ImportDialog::optionsFromControls() const {
    StatementOptions o;
    o.useRemembered = false;
    if (m_loaded.format == StatementFormat::Ofx)
        return o;
    o.decimal = DecimalMark(m_decimal->currentData().toInt());
    o.dateOrder = DateOrder(m_dateOrder->currentData().toInt());
    if (m_loaded.format == StatementFormat::Csv) {
        o.separator = m_separator->currentData().toString().front();
        o.encoding = encodingFromName(m_encoding->currentText());
        o.hasHeader = m_header->isChecked();
        o.mapping = mappingFromControls();
    }
    return o;
}

void ImportDialog::settingsChanged() {
    if (m_filling)
        return;
    StatementOptions options = optionsFromControls();
    // A new separator, encoding or header changes the columns: detect them again.
    const bool reshaped = m_loaded.format == StatementFormat::Csv &&
                          (*options.separator != m_loaded.table.separator ||
                           *options.encoding != m_loaded.table.encoding ||
                           *options.hasHeader != m_loaded.table.hasHeader);
    if (reshaped) {
        options.mapping.reset();
        options.decimal.reset();
        options.dateOrder.reset();
    }
    reread(options);
}

void ImportDialog::reread(const StatementOptions& options) {
    try {
        m_loaded = loadStatement(m_bytes, options);
        m_plan = planImport(m_db, m_loaded.result.rows);
    } catch (const ExchangeError& e) {
        ui::showError(this, e.message());
        return;
    } catch (const store::StoreError& e) {
        ui::showStoreError(this, e);
        return;
    }
    showSettings();
    fillAccounts();
    fillPreview();
}

void ImportDialog::fillAccounts() {
    const QString current = m_account->currentText();
    const bool was = m_filling;
    m_filling = true;
    m_account->clear();
    QString offered = current;
    try {
        const QStringList fitting = accountsFittingRows(m_db, m_plan);
        m_account->addItems(fitting);
        if (!fitting.contains(current))
            offered = proposedImportAccount(m_db, m_loaded.shape, fitting);
    } catch (const store::StoreError& e) {
        ui::showStoreError(this, e);
    }
    m_account->setCurrentIndex(m_account->findText(offered));
    m_filling = was;
}

void ImportDialog::fillPreview() {
    const bool was = m_filling;
    m_filling = true;
    const int rows = int(std::min<qsizetype>(m_plan.size(), kPreviewRows));
    int fields = 0;
    for (int r = 0; r < rows; ++r)
        fields = std::max(fields, int(m_plan.at(r).row.source.size()));
    m_asFile->clear();
    m_asFile->setRowCount(rows);
    m_asFile->setColumnCount(std::max(fields, 1));
    QStringList fileHeader;
    for (int c = 0; c < m_asFile->columnCount(); ++c)
        fileHeader.append(m_loaded.format == StatementFormat::Csv && m_loaded.table.hasHeader
                              ? m_loaded.table.header.fields.value(c)
                              : QStringLiteral("%1").arg(c + 1));
    m_asFile->setHorizontalHeaderLabels(fileHeader);
    m_asStored->clear();
    m_asStored->setRowCount(rows);
    m_asStored->setColumnCount(kStoredColumns);
    m_asStored->setHorizontalHeaderLabels({QStringLiteral("Importar"),
                                           QStringLiteral("Observación"), QStringLiteral("Fecha"),
                                           QStringLiteral("Cuenta"), QStringLiteral("Detalle"),
                                           QStringLiteral("Ingreso"), QStringLiteral("Egreso")});
    QStringList lineLabels;
    const bool fromFile = m_accountFromFile->isChecked();
    for (int r = 0; r < rows; ++r) {
        const PlannedRow& p = m_plan.at(r);
        lineLabels.append(QString::number(p.row.line));
        for (int c = 0; c < p.row.source.size(); ++c) {
            auto* item = new QTableWidgetItem(QString(p.row.source.at(c)).replace(u'\n', u' '));
            item->setToolTip(item->text());
            m_asFile->setItem(r, c, item);
        }
        auto* tick = new QTableWidgetItem;
        if (p.row.readable()) {
            tick->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
            tick->setCheckState(p.ticked ? Qt::Checked : Qt::Unchecked);
        } else {
            tick->setFlags(Qt::ItemIsEnabled);
        }
        m_asStored->setItem(r, kTick, tick);
        m_asStored->setItem(
            r, kNote, new QTableWidgetItem(p.row.readable() ? p.duplicateReason : p.row.reason));
        if (p.row.readable()) {
            const bool payment = p.row.amount < Money{};
            m_asStored->setItem(r, kDate, new QTableWidgetItem(regional::shortDate(p.row.date)));
            m_asStored->setItem(
                r, kAccount,
                new QTableWidgetItem(fromFile ? p.row.account : m_account->currentText()));
            m_asStored->setItem(r, kDetail, new QTableWidgetItem(p.row.detail));
            m_asStored->setItem(
                r, kIncome,
                new QTableWidgetItem(regional::currency(payment ? Money{} : p.row.amount)));
            m_asStored->setItem(
                r, kExpense,
                new QTableWidgetItem(regional::currency(payment ? -p.row.amount : Money{})));
            m_asStored->item(r, kIncome)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_asStored->item(r, kExpense)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
        for (int c = 0; c < kStoredColumns; ++c)
            if (QTableWidgetItem* item = m_asStored->item(r, c))
                item->setToolTip(item->text());
        const QColor colour =
            !p.row.readable() ? kUnreadable : (p.duplicate ? kDuplicate : QColor());
        if (colour.isValid()) {
            const QString why = p.row.readable() ? p.duplicateReason : p.row.reason;
            for (int c = 0; c < m_asStored->columnCount(); ++c)
                if (QTableWidgetItem* item = m_asStored->item(r, c)) {
                    item->setBackground(colour);
                    if (c != kDetail)
                        item->setToolTip(why);
                }
            for (int c = 0; c < m_asFile->columnCount(); ++c) {
                if (!m_asFile->item(r, c))
                    m_asFile->setItem(r, c, new QTableWidgetItem);
                m_asFile->item(r, c)->setBackground(colour);
            }
        }
    }
    m_asFile->setVerticalHeaderLabels(lineLabels);
    m_asStored->setVerticalHeaderLabels(lineLabels);
    // Long texts are cut so the reason at the right stays in sight; the
    // whole text is in the cell's tip.
    for (QTableWidget* table : {m_asFile, m_asStored}) {
        table->resizeColumnsToContents();
        for (int c = 0; c < table->columnCount(); ++c)
            table->setColumnWidth(c, std::min(table->columnWidth(c), kWidestColumn));
    }
    m_filling = was;
    updateSummary();
}

void ImportDialog::rowTicked(int row, int column) {
    if (m_filling || column != kTick || row >= m_plan.size())
        return;
    m_plan[row].ticked = m_asStored->item(row, kTick)->checkState() == Qt::Checked;
    updateSummary();
}

void ImportDialog::updateSummary() {
    if (!m_loaded.mappingProblem.isEmpty()) {
        m_summary->setText(m_loaded.mappingProblem);
        m_import->setEnabled(false);
        m_summary->setAccessibleName(m_summary->text());
        return;
    }
    int ticked = 0, duplicates = 0, unreadable = 0;
    for (const PlannedRow& p : m_plan) {
        ticked += p.ticked ? 1 : 0;
        duplicates += p.duplicate ? 1 : 0;
        unreadable += p.row.readable() ? 0 : 1;
    }
    QString text = importSummaryText(m_plan.size(), ticked, duplicates, unreadable);
    if (m_plan.size() > kPreviewRows)
        text += QStringLiteral(" Se muestran las primeras %1.")
                    .arg(regional::locale().toString(kPreviewRows));
    for (const QString& note : m_loaded.result.notes)
        text += u' ' + note;
    m_summary->setText(text);
    m_summary->setAccessibleName(text);
    m_import->setEnabled(ticked > 0);
}

void ImportDialog::importRows() {
    ImportTarget target;
    target.accountFromFile = m_accountFromFile->isChecked();
    target.account = m_account->currentText();
    target.medium = m_medium->currentText();
    target.statements = m_loaded.statements;
    target.fileName = QFileInfo(m_path).fileName();
    try {
        if (!target.accountFromFile && target.account.isEmpty()) {
            ui::showError(this, QStringLiteral("Debe seleccionar una cuenta"),
                          ui::kSpacedErrorTitle);
            return;
        }
        // The rows of several bank accounts never go into one account: only
        // accounts already chosen for each of them are used.
        if (!chooseStatementAccounts(m_db, target).isEmpty()) {
            ui::showError(this, QStringLiteral("El archivo trae los extractos de %1 cuentas "
                                               "bancarias y aún no se eligió a qué cuenta de la "
                                               "caja va cada una; no se guardó nada.")
                                    .arg(target.statements.size()));
            return;
        }
        if (target.accountFromFile) {
            const QStringList unknown = unknownAccounts(m_db, m_plan);
            if (!unknown.isEmpty()) {
                NewAccountsDialog ask(unknown, this);
                if (ask.exec() != QDialog::Accepted)
                    return;
                for (const QString& name : unknown)
                    target.accountsToCreate.insert(name, ask.typeCode());
            }
        }
        if (!backups::backupBeforeChange(this, m_db.name()))
            return;
        int total = 0;
        for (const PlannedRow& p : m_plan)
            total += p.ticked ? 1 : 0;
        QProgressDialog progress(QStringLiteral("Importando movimientos..."),
                                 QStringLiteral("Cancelar"), 0, total, this);
        progress.setObjectName(QStringLiteral("progresoImportar"));
        progress.setWindowTitle(QStringLiteral("Importar movimientos"));
        progress.setWindowModality(Qt::WindowModal);
        progress.setMinimumDuration(500);
        m_outcome = writeImport(m_db, m_plan, target, [&progress](int done, int) {
            progress.setValue(done);
            QCoreApplication::processEvents();
            return !progress.wasCanceled();
        });
    } catch (const ExchangeError& e) {
        ui::showError(this, e.message());
        return;
    } catch (const store::StoreError& e) {
        ui::showError(this, QStringLiteral("No se importó ningún movimiento. %1").arg(e.message()));
        return;
    }
    if (m_outcome.cancelled)
        return;
    RememberedImport remembered;
    remembered.mapping = m_loaded.mapping;
    remembered.encoding =
        m_loaded.format == StatementFormat::Csv ? encodingName(m_loaded.table.encoding) : QString();
    remembered.account = target.account;
    remembered.medium = target.medium;
    rememberImport(m_loaded.shape, remembered);
    accept();
}

} // namespace tesorin::exchange
