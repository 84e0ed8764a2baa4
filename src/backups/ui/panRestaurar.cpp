#include "backups/ui/panRestaurar.h"

#include "base/Regional.h"
#include "ui/common/DefaultButton.h"
#include "ui/common/ErrorMessage.h"
#include "ui/common/Named.h"
#include "ui/common/centraFormulario.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tesorin::backups {

namespace {

enum Column { Fecha, Movimientos, Ingresos, Egresos, Saldo };

QTreeWidgetItem* rowFor(const BackupSummary& copy) {
    auto* item = new QTreeWidgetItem;
    item->setText(Fecha, backupMomentText(copy.file.taken));
    if (copy.readable) {
        item->setText(Movimientos, regional::locale().toString(copy.movements));
        item->setText(Ingresos, regional::currency(copy.ingresos));
        item->setText(Egresos, regional::currency(copy.egresos));
        item->setText(Saldo, regional::currency(copy.saldo));
    } else {
        item->setText(Movimientos, copy.damaged ? QStringLiteral("Dañada")
                                                : QStringLiteral("No se puede abrir"));
        item->setToolTip(Movimientos, copy.problem);
    }
    if (copy.withoutChecksum)
        item->setToolTip(Fecha, QStringLiteral("Copia sin suma de verificación: solo se comprueba "
                                               "su estructura."));
    for (int column = Movimientos; column <= Saldo; ++column)
        item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

} // namespace

QString backupMomentText(const QDateTime& taken) {
    return regional::shortDate(taken.date()) + u' ' +
           taken.time().toString(QStringLiteral("HH:mm:ss"));
}

panRestaurar::panRestaurar(const QString& workAreaName, const QList<BackupSummary>& copies,
                           QWidget* parent)
    : QDialog(parent), m_copies(copies) {
    setObjectName(QStringLiteral("panRestaurar"));
    setWindowTitle(QStringLiteral("Restaurar copia de seguridad"));

    auto* layout = new QVBoxLayout(this);
    Label1 = ui::named(
        new QLabel(
            copies.isEmpty()
                ? QStringLiteral("No hay copias de seguridad de la caja %1.").arg(workAreaName)
                : QStringLiteral("&Copias de seguridad de la caja %1:").arg(workAreaName),
            this),
        "Label1");
    lstCopias = ui::named(new QTreeWidget(this), "lstCopias");
    lstCopias->setAccessibleName(
        QStringLiteral("Copias de seguridad de la caja %1").arg(workAreaName));
    lstCopias->setRootIsDecorated(false);
    lstCopias->setUniformRowHeights(true);
    lstCopias->setAllColumnsShowFocus(true);
    lstCopias->setHeaderLabels({QStringLiteral("Fecha"), QStringLiteral("Movimientos"),
                                QStringLiteral("Ingresos"), QStringLiteral("Egresos"),
                                QStringLiteral("Saldo")});
    for (int column = Movimientos; column <= Saldo; ++column)
        lstCopias->headerItem()->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    for (const BackupSummary& copy : copies)
        lstCopias->addTopLevelItem(rowFor(copy));
    // The date and count take what they need; the three amounts share the
    // rest alike.
    lstCopias->header()->setStretchLastSection(false);
    for (int column = 0; column <= Saldo; ++column)
        lstCopias->header()->setSectionResizeMode(
            column, column < Ingresos ? QHeaderView::ResizeToContents : QHeaderView::Stretch);
    lstCopias->setMinimumSize(560, 240);
    Label1->setBuddy(lstCopias);
    layout->addWidget(Label1);
    layout->addWidget(lstCopias);

    Label2 = ui::named(new QLabel(QStringLiteral("Antes de restaurar se hace una copia del "
                                                 "estado actual de la caja."),
                                  this),
                       "Label2");
    Label2->setWordWrap(true);
    layout->addWidget(Label2);

    cmdRestaurar = ui::named(new QPushButton(QStringLiteral("&Restaurar"), this), "cmdRestaurar");
    cmdCancelar = ui::named(new QPushButton(QStringLiteral("&Cancelar"), this), "cmdCancelar");
    ui::makeOnlyDefault(*this, cmdRestaurar);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdRestaurar);
    buttons->addWidget(cmdCancelar);
    layout->addLayout(buttons);

    cmdRestaurar->setEnabled(!copies.isEmpty());
    if (!copies.isEmpty())
        lstCopias->setCurrentItem(lstCopias->topLevelItem(0));
    connect(cmdRestaurar, &QPushButton::clicked, this, &panRestaurar::choose);
    connect(lstCopias, &QTreeWidget::itemDoubleClicked, this, &panRestaurar::choose);
    connect(cmdCancelar, &QPushButton::clicked, this, &panRestaurar::reject);
    lstCopias->setFocus();
    adjustSize();
    ui::centraFormulario(*this);
}

int panRestaurar::chosenIndex() const {
    return Tag == QLatin1String("SI") ? lstCopias->indexOfTopLevelItem(lstCopias->currentItem())
                                      : -1;
}

void panRestaurar::choose() {
    const int row = lstCopias->indexOfTopLevelItem(lstCopias->currentItem());
    if (row < 0 || row >= m_copies.size())
        return;
    const BackupSummary& copy = m_copies[row];
    if (!copy.readable) {
        ui::showError(this, QStringLiteral("La copia del %1 no se puede restaurar. %2")
                                .arg(backupMomentText(copy.file.taken), copy.problem));
        return;
    }
    Tag = QStringLiteral("SI");
    accept();
}

void panRestaurar::reject() {
    Tag = QStringLiteral("NO");
    QDialog::reject();
}

} // namespace tesorin::backups
