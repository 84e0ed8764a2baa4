#include "schedule/ui/panProgPendientes.h"

#include "ui/common/DefaultButton.h"
#include "ui/common/centraFormulario.h"

#include "ui/common/MessageBoxes.h"
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>

#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>

namespace tesorin::schedule {

namespace {

constexpr int kAmountColumn = 3;

QTableWidget* movementTable(const std::vector<DueMovement>& movements, bool tickable,
                            const QString& objectName, const QString& accessibleName,
                            QWidget* parent) {
    const QStringList captions = dueMovementCaptions();
    auto* table = new QTableWidget(int(movements.size()), int(captions.size()), parent);
    table->setObjectName(objectName);
    table->setAccessibleName(accessibleName);
    table->setHorizontalHeaderLabels(captions);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setTabKeyNavigation(false);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 8);
    for (int row = 0; row < int(movements.size()); ++row) {
        const QStringList texts = dueMovementTexts(movements[size_t(row)]);
        for (int column = 0; column < texts.size(); ++column) {
            auto* cell = new QTableWidgetItem(texts[column]);
            cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            if (column == kAmountColumn)
                cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (column == 0) {
                // Space or a click on the tick changes it.
                if (tickable)
                    cell->setFlags(cell->flags() | Qt::ItemIsUserCheckable);
                cell->setCheckState(tickable ? Qt::Checked : Qt::Unchecked);
            }
            table->setItem(row, column, cell);
        }
    }
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

} // namespace

panProgPendientes::panProgPendientes(const DuePosting& due, QWidget* parent)
    : QDialog(parent), m_due(due) {
    setObjectName(QStringLiteral("panProgPendientes"));
    setWindowTitle(QStringLiteral("Movimientos programados"));

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(32, 32));
    Label1 = new QLabel(QStringLiteral("Estos movimientos programados vencieron y todavía no se "
                                       "registraron en la caja (se registran los marcados):"),
                        this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    List1 = movementTable(due.movements, true, QStringLiteral("List1"),
                          QStringLiteral("Movimientos programados pendientes"), this);
    Label1->setBuddy(List1);

    Label3 = new QLabel(QStringLiteral("Estas programaciones se guardaron sin importe (falta "
                                       "«Personalizar el movimiento...»): no se registran hasta "
                                       "completarlas."),
                        this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setWordWrap(true);
    List2 = movementTable(due.withoutAmount, false, QStringLiteral("List2"),
                          QStringLiteral("Programaciones sin importe"), this);
    Label3->setBuddy(List2);
    Label3->setVisible(!due.withoutAmount.empty());
    List2->setVisible(!due.withoutAmount.empty());

    Label2 = new QLabel(QStringLiteral("¿Registrar los movimientos programados pendientes?"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Command1 = new QPushButton(QStringLiteral("&Sí"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2 = new QPushButton(QStringLiteral("&No"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    ui::makeOnlyDefault(*this, Command1);

    auto* layout = new QGridLayout(this);
    layout->addWidget(Image1, 0, 0, Qt::AlignTop);
    layout->addWidget(Label1, 0, 1);
    layout->addWidget(List1, 1, 0, 1, 2);
    layout->addWidget(Label3, 2, 0, 1, 2);
    layout->addWidget(List2, 3, 0, 1, 2);
    layout->addWidget(Label2, 4, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    layout->addLayout(buttons, 5, 0, 1, 2);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(1, 3);
    layout->setRowStretch(3, 1);
    resize(640, due.withoutAmount.empty() ? 360 : 480);

    connect(Command1, &QPushButton::clicked, this, &panProgPendientes::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &panProgPendientes::reject);
    Command1->setFocus();
}

std::vector<bool> panProgPendientes::ticked() const {
    std::vector<bool> flags;
    for (int row = 0; row < List1->rowCount(); ++row)
        flags.push_back(List1->item(row, 0)->checkState() == Qt::Checked);
    return flags;
}

void panProgPendientes::Command1_Click() {
    QStringList skipped;
    const std::vector<bool> flags = ticked();
    for (size_t i = 0; i < flags.size(); ++i) {
        if (!flags[i])
            skipped << dueMovementTexts(m_due.movements[i]).join(QStringLiteral("  "));
    }
    if (!skipped.isEmpty()) {
        const auto answer = ui::MessageBoxes::ask(
            this, QStringLiteral("Pregunta"),
            QStringLiteral("Los movimientos sin marcar no se registrarán nunca:\n\n%1\n\n"
                           "¿Omitirlos para siempre?")
                .arg(skipped.join(u'\n')),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        if (answer != QMessageBox::Yes)
            return;
    }
    Tag = QStringLiteral("SI");
    accept();
}

void panProgPendientes::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_centred) {
        m_centred = true;
        ui::centraFormulario(*this);
    }
}

void panProgPendientes::reject() {
    Tag = QStringLiteral("NO");
    QDialog::reject();
}

} // namespace tesorin::schedule
