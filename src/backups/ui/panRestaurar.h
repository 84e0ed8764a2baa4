#pragma once

#include "backups/core/BackupSummary.h"

#include <QDialog>
#include <QList>
#include <QString>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace tesorin::backups {

// "Restaurar copia de seguridad": the copies of the open work area, newest
// first, with their date, movements and totals. "&Restaurar" (or Enter, or a
// double-click on a row) sets Tag to "SI" when the current copy opens; a copy
// that does not open is refused with its reason and the dialog stays.
// "&Cancelar", Escape or the frame set Tag to "NO".
class panRestaurar : public QDialog {
    Q_OBJECT
public:
    panRestaurar(const QString& workAreaName, const QList<BackupSummary>& copies,
                 QWidget* parent = nullptr);

    QString Tag;

    QLabel* Label1;
    QTreeWidget* lstCopias;
    QLabel* Label2;
    QPushButton* cmdRestaurar;
    QPushButton* cmdCancelar;

    // The row of the chosen copy in the list given; -1 before a choice.
    int chosenIndex() const;

    void reject() override;

private:
    void choose();

    QList<BackupSummary> m_copies;
};

// "10/12/2026 21:45:00": a copy's moment as the list shows it.
QString backupMomentText(const QDateTime& taken);

} // namespace tesorin::backups
