#pragma once

#include <QAccessibleWidget>

class TvekURLLabel;

// A link label as a link: named by its caption without the padding, its
// address as the value, opened through the same click as the mouse's.
class TvekAccessibleLinkLabel : public QAccessibleWidget
{
public:
    explicit TvekAccessibleLinkLabel(TvekURLLabel *label);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

private:
    TvekURLLabel *Label() const;
};
