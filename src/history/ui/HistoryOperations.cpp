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

HistoryOperations::ItemStates HistoryOperations::itemStates() {
    std::optional<HistoryStep> undo, redo;
    if (store::Database* base = m_context.state().baseAbierta.get()) {
        // A history that cannot be read offers nothing; using an item says why.
        try {
            undo = stepToUndo(*base);
            redo = stepToRedo(*base);
        } catch (const store::StoreError&) {
            undo.reset();
            redo.reset();
        }
    }
    // Each item's mnemonic is its first letter.
    return {u'&' + history::undoCaption(undo), u'&' + history::redoCaption(redo), undo.has_value(),
            redo.has_value()};
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
