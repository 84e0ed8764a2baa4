#include "schedule/ui/panProgPendientes.h"

#include "ui/common/centraFormulario.h"
#include "ui/common/DefaultButton.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>

namespace tesorin::schedule {

namespace {
constexpr int kAmountColumn = 3;
}

panProgPendientes::panProgPendientes(const DuePosting& due, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("panProgPendientes"));
    setWindowTitle(QStringLiteral("Movimientos programados"));

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(32, 32));
    Label1 = new QLabel(QStringLiteral("Estos movimientos programados vencieron y todavía no se "
                                       "registraron en la caja:"),
                        this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);

    const QStringList captions = dueMovementCaptions();
    List1 = new QTableWidget(int(due.movements.size()), int(captions.size()), this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setAccessibleName(QStringLiteral("Movimientos programados pendientes"));
    List1->setHorizontalHeaderLabels(captions);
    List1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    List1->setSelectionBehavior(QAbstractItemView::SelectRows);
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    List1->setTabKeyNavigation(false);
    List1->verticalHeader()->hide();
    List1->verticalHeader()->setDefaultSectionSize(List1->fontMetrics().height() + 8);
    for (int row = 0; row < int(due.movements.size()); ++row) {
        const QStringList texts = dueMovementTexts(due.movements[size_t(row)]);
        for (int column = 0; column < texts.size(); ++column) {
            auto* cell = new QTableWidgetItem(texts[column]);
            if (column == kAmountColumn)
                cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            List1->setItem(row, column, cell);
        }
    }
    List1->resizeColumnsToContents();
    List1->horizontalHeader()->setStretchLastSection(true);
    Label1->setBuddy(List1);

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
    layout->addWidget(Label2, 2, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    layout->addLayout(buttons, 3, 0, 1, 2);
    layout->setColumnStretch(1, 1);
    resize(640, 360);

    connect(Command1, &QPushButton::clicked, this, [this] {
        Tag = QStringLiteral("SI");
        accept();
    });
    connect(Command2, &QPushButton::clicked, this, &panProgPendientes::reject);
    Command1->setFocus();
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
