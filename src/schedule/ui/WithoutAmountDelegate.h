#pragma once

#include <QStyledItemDelegate>

namespace tesorin::schedule {

// Draws the rows of schedules stored without an amount in grey: they are
// never posted until their details are filled in.
class WithoutAmountDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

} // namespace tesorin::schedule
