#include "ui/common/ValueLabel.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace tesorin::ui {

namespace {

class ValueLabelAccessible : public QAccessibleWidget {
public:
    explicit ValueLabelAccessible(ValueLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text which) const override {
        const auto* label = static_cast<const ValueLabel*>(widget());
        if (which == QAccessible::Name)
            return label->caption() + QStringLiteral(": ") + label->text();
        if (which == QAccessible::Value)
            return label->text();
        return QAccessibleWidget::text(which);
    }
};

QAccessibleInterface* valueLabelInterface(const QString& className, QObject* object) {
    if (className == QLatin1String(ValueLabel::staticMetaObject.className()))
        return new ValueLabelAccessible(static_cast<ValueLabel*>(object));
    return nullptr;
}

} // namespace

ValueLabel::ValueLabel(const QString& caption, const QString& text, QWidget* parent)
    : QLabel(text, parent), m_caption(caption) {
    static const bool installed = [] {
        QAccessible::installFactory(valueLabelInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace tesorin::ui
