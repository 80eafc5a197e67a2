#include "vekaccessiblecheckbox.h"

#include "vekaccessiblesupport.h"
#include "vekbutton.h"

namespace {

QAccessible::Role RoleOf(TvekCustomButtonEx *button)
{
    return qobject_cast<TvekRadioButton *>(button) ? QAccessible::RadioButton
                                                   : QAccessible::CheckBox;
}

} // namespace

TvekAccessibleCheckBox::TvekAccessibleCheckBox(TvekCustomButtonEx *button)
    : QAccessibleWidget(button, RoleOf(button))
{}

TvekCustomButtonEx *TvekAccessibleCheckBox::Button() const
{
    return static_cast<TvekCustomButtonEx *>(widget());
}

QString TvekAccessibleCheckBox::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name: {
        const QString name = widget()->accessibleName();
        return name.isEmpty() ? VekStripMnemonic(Button()->Caption()) : name;
    }
    case QAccessible::Accelerator:
        return VekMnemonicShortcut(Button()->Caption());
    default:
        return QAccessibleWidget::text(t);
    }
}

QAccessible::State TvekAccessibleCheckBox::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.checkable = true;
    state.checked = Button()->Checked();
    state.pressed = Button()->MouseDown();
    return state;
}

QStringList TvekAccessibleCheckBox::actionNames() const
{
    if (!widget()->isEnabled())
        return {};
    return {toggleAction(), pressAction()};
}

// Both actions are the click: a check box flips, a radio button sets itself.
void TvekAccessibleCheckBox::doAction(const QString &actionName)
{
    if ((actionName != toggleAction() && actionName != pressAction()) || !widget()->isEnabled())
        return;
    VekDeferAction(Button(), [](TvekCustomButtonEx *button) {
        if (button->isEnabled())
            button->Click();
    });
}

QStringList TvekAccessibleCheckBox::keyBindingsForAction(const QString &actionName) const
{
    const QString shortcut = text(QAccessible::Accelerator);
    if (!actionNames().contains(actionName) || shortcut.isEmpty())
        return {};
    return {shortcut};
}
