#include "vekaccessiblebutton.h"

#include "vekaccessiblesupport.h"
#include "vekbutton.h"

#include <QKeySequence>

TvekAccessibleButton::TvekAccessibleButton(TvekCustomButton *button)
    : QAccessibleWidget(button, QAccessible::PushButton)
{}

TvekCustomButton *TvekAccessibleButton::Button() const
{
    return static_cast<TvekCustomButton *>(widget());
}

// An image button often has no caption: its hint names it then.
QString TvekAccessibleButton::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name: {
        QString name = widget()->accessibleName();
        if (name.isEmpty())
            name = VekStripMnemonic(Button()->Caption());
        if (name.isEmpty())
            name = widget()->toolTip();
        return name;
    }
    case QAccessible::Accelerator: {
        const QString shortcut = VekMnemonicShortcut(Button()->Caption());
        if (shortcut.isEmpty() && Button()->Default())
            return QKeySequence(Qt::Key_Enter).toString(QKeySequence::NativeText);
        return shortcut;
    }
    default:
        return QAccessibleWidget::text(t);
    }
}

QAccessible::State TvekAccessibleButton::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.defaultButton = Button()->Default();
    state.pressed = Button()->MouseDown();
    return state;
}

QStringList TvekAccessibleButton::actionNames() const
{
    if (!widget()->isEnabled())
        return {};
    return {pressAction()};
}

void TvekAccessibleButton::doAction(const QString &actionName)
{
    if (actionName != pressAction() || !widget()->isEnabled())
        return;
    VekDeferAction(Button(), [](TvekCustomButton *button) {
        if (button->isEnabled())
            button->Click();
    });
}

QStringList TvekAccessibleButton::keyBindingsForAction(const QString &actionName) const
{
    const QString shortcut = text(QAccessible::Accelerator);
    if (actionName != pressAction() || shortcut.isEmpty())
        return {};
    return {shortcut};
}
