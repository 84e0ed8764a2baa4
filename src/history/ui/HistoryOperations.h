#pragma once

#include <QObject>
#include <QString>

#include <functional>

namespace tesorin::ui {
class OperationContext;
}

namespace tesorin::history {

struct HistoryStep;

// "Edición" > "Deshacer" and "Rehacer": the newest step of the open work
// area's history undone, or the last undone one made again; then the view
// runs again and the changed movement becomes the current row.
class HistoryOperations : public QObject {
public:
    // A restore's step is undone by putting a copy in place of the whole
    // work area: the replacement does that with the step's copy (undo true
    // when undoing), runs the view again and reports its own failures.
    using WorkAreaReplacement = std::function<void(const HistoryStep& step, bool undo)>;

    HistoryOperations(ui::OperationContext& context, QObject* parent);

    void setWorkAreaReplacement(WorkAreaReplacement replace) { m_replace = std::move(replace); }

    void deshacer();
    void rehacer();

    // The two items as the history of the open work area stands.
    struct ItemStates {
        // "&Deshacer borrar movimiento", or "&Deshacer" with nothing to undo.
        QString undoCaption;
        QString redoCaption;
        bool canUndo = false;
        bool canRedo = false;
    };
    ItemStates itemStates();

private:
    ui::OperationContext& m_context;
    WorkAreaReplacement m_replace;

    void apply(bool undo);
};

} // namespace tesorin::history
