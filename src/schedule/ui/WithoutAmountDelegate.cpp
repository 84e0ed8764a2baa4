#include "schedule/ui/WithoutAmountDelegate.h"

#include "schedule/core/ScheduleListModel.h"

namespace tesorin::schedule {

void WithoutAmountDelegate::initStyleOption(QStyleOptionViewItem* option,
                                            const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    if (index.data(ScheduleListModel::kWithoutAmountRole).toBool())
        option->palette.setColor(QPalette::Text,
                                 option->palette.color(QPalette::Disabled, QPalette::Text));
}

} // namespace tesorin::schedule
