#pragma once

#include <QAccessibleActionInterface>
#include <QAccessibleInterface>
#include <QPointer>

class TvekTitleBar;

// One button of a skinned title bar, which draws its buttons itself: a push
// button named in the program's language after what it does, pressed
// through the same code as a click on it.
class TvekAccessibleTitleBarButton : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    TvekAccessibleTitleBarButton(TvekTitleBar *bar, int index);

    bool isValid() const override;
    QObject *object() const override { return nullptr; }
    QWindow *window() const override;
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::PushButton; }
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QRect LocalRect() const;

    QPointer<TvekTitleBar> FBar;
    int FIndex;
};
