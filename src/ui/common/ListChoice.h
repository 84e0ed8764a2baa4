#pragma once

#include <QObject>

class QAbstractItemView;

namespace tesorin::ui {

// The entry of a list the user last chose, with a click on it or a key in
// the list. The row a list makes current by itself when it takes the focus
// (Tab, a label's shortcut) is no choice.
class ListChoice : public QObject {
public:
    explicit ListChoice(QAbstractItemView* list);
    // The row chosen last; -1 until the user chooses one.
    int row() const { return m_row; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void follow();

    QAbstractItemView* m_list;
    // Kept apart: the list cannot be asked for it while it is destroyed.
    QWidget* m_viewport;
    int m_row = -1;
    bool m_touched = false;
};

} // namespace tesorin::ui
