#include "history/ui/HistoryOperations.h"

#include "history/core/UndoHistory.h"
#include "movements/core/ViewPosition.h"
#include "store/StoreError.h"
#include "ui/common/ErrorMessage.h"
#include "ui/common/OperationContext.h"
#include "ui/common/WaitCursor.h"

#include <QApplication>

namespace tesorin::history {

HistoryOperations::HistoryOperations(ui::OperationContext& context, QObject* parent)
    : QObject(parent), m_context(context) {}

void HistoryOperations::deshacer() {
    apply(true);
}

void HistoryOperations::rehacer() {
    apply(false);
}

QString HistoryOperations::undoCaption() {
    store::Database* base = m_context.state().baseAbierta.get();
    try {
        return history::undoCaption(base ? stepToUndo(*base) : std::nullopt);
    } catch (const store::StoreError&) {
        return history::undoCaption(std::nullopt);
    }
}

QString HistoryOperations::redoCaption() {
    store::Database* base = m_context.state().baseAbierta.get();
    try {
        return history::redoCaption(base ? stepToRedo(*base) : std::nullopt);
    } catch (const store::StoreError&) {
        return history::redoCaption(std::nullopt);
    }
}

void HistoryOperations::apply(bool undo) {
    if (!ui::requireOpenWorkArea(m_context))
        return;
    store::Database& base = *m_context.state().baseAbierta;
    std::optional<HistoryStep> step;
    try {
        step = undo ? stepToUndo(base) : stepToRedo(base);
    } catch (const store::StoreError& failure) {
        ui::showStoreError(m_context.parentWindow(), failure);
        return;
    }
    if (!step) {
        QApplication::beep();
        return;
    }
    if (!step->copy.isEmpty()) {
        if (m_replace)
            m_replace(*step, undo);
        return;
    }
    const long position = m_context.data1().currentRow();
    std::optional<std::int64_t> movement;
    try {
        const ui::WaitCursor busy;
        movement = undo ? undoStep(base, *step) : redoStep(base, *step);
    } catch (const store::StoreError& failure) {
        ui::showStoreError(m_context.parentWindow(), failure);
        return;
    }
    m_context.refreshView();
    try {
        if (movement)
            movements::showMovement(m_context.data1(), QString::number(*movement), position);
        else
            movements::showRowAt(m_context.data1(), position);
    } catch (const store::StoreError& failure) {
        ui::showStoreError(m_context.parentWindow(), failure);
    }
}

} // namespace tesorin::history
