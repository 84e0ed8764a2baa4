#pragma once

#include <QObject>

#include <functional>

class QAbstractItemView;

namespace tesorin::movements {

// The movement grid's own events: a double-click anywhere on its rows
// (also where there is no row) and the Delete key. The key counts when it
// goes down only, so that one press asks its question once.
class MovementGridEvents : public QObject {
    Q_OBJECT
public:
    MovementGridEvents(QAbstractItemView& grid, std::function<void()> doubleClick,
                       std::function<void()> deleteKey);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAbstractItemView& m_grid;
    // Kept apart: the grid cannot be asked for it while it is destroyed.
    QWidget* m_viewport;
    std::function<void()> m_doubleClick;
    std::function<void()> m_deleteKey;
};

} // namespace tesorin::movements
