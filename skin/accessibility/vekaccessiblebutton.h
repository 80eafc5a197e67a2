#pragma once

#include <QAccessibleWidget>

class TvekCustomButton;

// A skinned push button or image button as a push button: named by its
// caption without the "&" mark (else its accessible name or hint), pressed
// through the same click as the mouse's.
class TvekAccessibleButton : public QAccessibleWidget
{
public:
    explicit TvekAccessibleButton(TvekCustomButton *button);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &actionName) const override;

private:
    TvekCustomButton *Button() const;
};
