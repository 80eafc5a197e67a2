#pragma once

#include <QAccessibleWidget>

class TvekCustomButtonEx;

// A skinned check box or radio button: its checked state, named by its
// caption, toggled or pressed through the same click as the mouse's.
class TvekAccessibleCheckBox : public QAccessibleWidget
{
public:
    explicit TvekAccessibleCheckBox(TvekCustomButtonEx *button);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &actionName) const override;

private:
    TvekCustomButtonEx *Button() const;
};
