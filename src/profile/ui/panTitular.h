#pragma once

#include "profile/core/OwnerProfile.h"

#include <QDialog>
#include <QString>
#include <QStringList>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tesorin::profile {

// "Datos del titular": the owner's profile of the open work area, one box
// per field of "Registro Usuario". "&Aceptar" sets Tag to "SI", "&Cancelar",
// Escape or the window frame to "NO"; the caller reads values() and saves.
class panTitular : public QDialog {
    Q_OBJECT
public:
    explicit panTitular(const QStringList& values, QWidget* parent = nullptr);

    QString Tag;

    QLabel* Label1[kProfileFields];
    QLineEdit* Text1[kProfileFields];
    QPushButton* Command1;
    QPushButton* Command2;

    // The boxes' texts in the order of profileFields().
    QStringList values() const;

    void reject() override;
};

} // namespace tesorin::profile
