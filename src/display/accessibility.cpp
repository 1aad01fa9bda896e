// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/accessibility.h"

#include "display/card_slot.h"
#include "display/clickable_label.h"
#include "display/drop_down_list.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>

namespace display {
namespace {

class AccessibleClickableLabel final : public QAccessibleWidget {
public:
    explicit AccessibleClickableLabel(ClickableLabel* label) : QAccessibleWidget(label) {}

    QAccessible::Role role() const override { return label()->accessibleRole(); }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.linked = role() == QAccessible::Link;
        return state;
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name) {
            const QString name = label()->accessibleName();
            return name.isEmpty() ? label()->text() : name;
        }
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }

    void doAction(const QString& actionName) override
    {
        if (actionName == pressAction())
            label()->activate();
        else
            QAccessibleWidget::doAction(actionName);
    }

    QStringList keyBindingsForAction(const QString& actionName) const override
    {
        if (actionName == pressAction())
            return {QStringLiteral("Space"), QStringLiteral("Return")};
        return QAccessibleWidget::keyBindingsForAction(actionName);
    }

private:
    ClickableLabel* label() const { return static_cast<ClickableLabel*>(widget()); }
};

// Named by its accessible name, valued by its chosen entry; its one child is the list it drops down.
class AccessibleDropDownList final : public QAccessibleWidget {
public:
    explicit AccessibleDropDownList(DropDownList* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value || (kind == QAccessible::Name && list()->accessibleName().isEmpty()))
            return list()->currentText();
        return QAccessibleWidget::text(kind);
    }

    int childCount() const override { return list()->view() ? 1 : 0; }

    QAccessibleInterface* child(int index) const override
    {
        return index == 0 && list()->view() ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child && list()->view() && child->object() == list()->view() ? 0 : -1;
    }

    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QStringList actionNames() const override
    {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& actionName) override
    {
        if (actionName == showMenuAction() || actionName == pressAction())
            list()->showPopup();
        else
            QAccessibleWidget::doAction(actionName);
    }

private:
    DropDownList* list() const { return static_cast<DropDownList*>(widget()); }
};

// A picture named by its position and card. The position number drawn over it is part of that name,
// so it is not offered again as a child of its own.
class AccessibleCardSlot final : public QAccessibleWidget {
public:
    explicit AccessibleCardSlot(CardSlot* slot) : QAccessibleWidget(slot, QAccessible::Graphic) {}

    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
};

// A window built on a plain widget would be a mere pane to a screen reader, which then never says that
// a new window has come up.
bool isPlainWidgetWindow(const QString& className, QObject* object)
{
    const QMetaObject* meta = object->metaObject();
    return object->isWidgetType() && static_cast<QWidget*>(object)->isWindow() &&
           className == QLatin1String(meta->className()) && meta->superClass() == &QWidget::staticMetaObject;
}

QAccessibleInterface* displayInterfaces(const QString& className, QObject* object)
{
    if (className == QLatin1String(ClickableLabel::staticMetaObject.className()))
        return new AccessibleClickableLabel(static_cast<ClickableLabel*>(object));
    if (className == QLatin1String(DropDownList::staticMetaObject.className()))
        return new AccessibleDropDownList(static_cast<DropDownList*>(object));
    if (className == QLatin1String(CardSlot::staticMetaObject.className()))
        return new AccessibleCardSlot(static_cast<CardSlot*>(object));
    if (isPlainWidgetWindow(className, object))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}

} // namespace

void installAccessibleInterfaces()
{
    static const bool installed = [] {
        QAccessible::installFactory(&displayInterfaces);
        return true;
    }();
    (void)installed;
}

} // namespace display
