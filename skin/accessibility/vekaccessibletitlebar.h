#pragma once

#include <QAccessible>
#include <QAccessibleWidget>

#include <vector>

class TvekTitleBar;

// A skinned title bar: named by its caption, its drawn buttons as children.
class TvekAccessibleTitleBar : public QAccessibleWidget
{
public:
    explicit TvekAccessibleTitleBar(TvekTitleBar *bar);
    ~TvekAccessibleTitleBar() override;

    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;

private:
    TvekTitleBar *Bar() const;

    // The buttons' interfaces, made when first asked for and kept, so that a
    // button keeps its identity on the bus.
    mutable std::vector<QAccessible::Id> FButtons;
};
