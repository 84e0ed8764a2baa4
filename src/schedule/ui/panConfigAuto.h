#pragma once

#include "schedule/core/ScheduleRecord.h"

#include <QDialog>
#include <QString>

#include <array>

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedLayout;

namespace tesorin::ui {
class BoxLeaveChecks;
}

namespace tesorin::store {
class Database;
}

namespace tesorin::schedule {

class panPerMov;

// "Automatización de un movimiento de la cuenta": the schedule editor. It
// stores nothing: the caller fills it (mostrarProgramacion), shows it, and
// on Tag "SI" reads it (programacion). The details dialog it opens lives as
// long as the editor.
class panConfigAuto : public QDialog {
    Q_OBJECT
public:
    explicit panConfigAuto(store::Database& baseAbierta, QWidget* parent = nullptr);

    QString Tag;

    QLabel* Image1;
    QLabel* Label1;
    QLabel* Label2;
    QComboBox* Combo2;
    QLabel* Label3;
    QComboBox* Combo1;
    QGroupBox* Frame1;
    std::array<QFrame*, 4> SSPanel1{};
    QLineEdit* Text1;
    QCheckBox* Check1;
    QComboBox* Combo3;
    QLineEdit* Text2;
    QLineEdit* Text3;
    QLineEdit* Text5;
    QLineEdit* Text4;
    QLineEdit* Text6;
    QLineEdit* Text7;
    QPushButton* Command3;
    QPushButton* Command1;
    QPushButton* Command2;

    // The details dialog, once "Personalizar el movimiento..." has made it.
    panPerMov* detailsDialog() const { return m_details; }
    // The panel in front: 0 Diaria, 1 Semanal, 2 Quincenal, 3 Mensual.
    int panelInFront() const;

    // Fills the controls from a stored schedule. An account, frequency or
    // weekday that the lists do not hold is shown greyed in its list, with
    // nothing picked, so the user sees it and picks another.
    void mostrarProgramacion(const ScheduleEntry& stored);
    // The schedule as the controls hold it.
    ScheduleEntry programacion() const;

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QFrame* makePanel(int index, const QString& title);
    void Combo1_Click();
    void Command1_Click();
    void Command3_Click();

    store::Database& m_base;
    QStackedLayout* m_panels = nullptr;
    ui::BoxLeaveChecks* m_checks = nullptr;
    panPerMov* m_details = nullptr;
    bool m_centred = false;
};

} // namespace tesorin::schedule
