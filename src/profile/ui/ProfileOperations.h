#pragma once

#include <QObject>

namespace tesorin::ui {
class OperationContext;
}

namespace tesorin::profile {

// "Archivo" > "Datos del titular...": shows the owner's profile of the open
// work area and saves what the user accepts.
class ProfileOperations : public QObject {
public:
    ProfileOperations(ui::OperationContext& context, QObject* parent);

    void datosDelTitular();

private:
    ui::OperationContext& m_context;
};

} // namespace tesorin::profile
