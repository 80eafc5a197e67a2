#include "vekaccessiblelinklabel.h"

#include "vekaccessiblesupport.h"
#include "vekurllabel.h"

TvekAccessibleLinkLabel::TvekAccessibleLinkLabel(TvekURLLabel *label)
    : QAccessibleWidget(label, QAccessible::Link)
{}

TvekURLLabel *TvekAccessibleLinkLabel::Label() const
{
    return static_cast<TvekURLLabel *>(widget());
}

QString TvekAccessibleLinkLabel::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name: {
        const QString name = widget()->accessibleName();
        return name.isEmpty() ? Label()->Caption().trimmed() : name;
    }
    case QAccessible::Value:
        return Label()->URL();
    default:
        return QAccessibleWidget::text(t);
    }
}

QAccessible::State TvekAccessibleLinkLabel::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.linked = true;
    return state;
}

QStringList TvekAccessibleLinkLabel::actionNames() const
{
    if (!widget()->isEnabled())
        return {};
    return {pressAction()};
}

void TvekAccessibleLinkLabel::doAction(const QString &actionName)
{
    if (actionName != pressAction() || !widget()->isEnabled())
        return;
    VekDeferAction(Label(), [](TvekURLLabel *label) {
        if (label->isEnabled())
            label->Click();
    });
}
