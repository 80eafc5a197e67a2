#include "vekaccessibletitlebar.h"

#include "vekaccessibletitlebarbutton.h"
#include "vektitlebar.h"

TvekAccessibleTitleBar::TvekAccessibleTitleBar(TvekTitleBar *bar)
    : QAccessibleWidget(bar, QAccessible::TitleBar)
{}

TvekAccessibleTitleBar::~TvekAccessibleTitleBar()
{
    for (QAccessible::Id id : FButtons)
        QAccessible::deleteAccessibleInterface(id);
}

TvekTitleBar *TvekAccessibleTitleBar::Bar() const
{
    return static_cast<TvekTitleBar *>(widget());
}

QString TvekAccessibleTitleBar::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
        return Bar()->Caption();
    return QAccessibleWidget::text(t);
}

int TvekAccessibleTitleBar::childCount() const
{
    return Bar()->Buttons()->Count();
}

QAccessibleInterface *TvekAccessibleTitleBar::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    while (int(FButtons.size()) <= index) {
        auto *button = new TvekAccessibleTitleBarButton(Bar(), int(FButtons.size()));
        FButtons.push_back(QAccessible::registerAccessibleInterface(button));
    }
    return QAccessible::accessibleInterface(FButtons[index]);
}

int TvekAccessibleTitleBar::indexOfChild(const QAccessibleInterface *child) const
{
    for (int i = 0; i < int(FButtons.size()) && i < childCount(); ++i)
        if (QAccessible::accessibleInterface(FButtons[i]) == child)
            return i;
    return -1;
}
