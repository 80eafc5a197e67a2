#include "vekaccessibletitlebarbutton.h"

#include "vekaccessiblesupport.h"
#include "vektitlebar.h"

#include <QWidget>

TvekAccessibleTitleBarButton::TvekAccessibleTitleBarButton(TvekTitleBar *bar, int index)
    : FBar(bar), FIndex(index)
{}

bool TvekAccessibleTitleBarButton::isValid() const
{
    return FBar && FIndex < FBar->Buttons()->Count();
}

QWindow *TvekAccessibleTitleBarButton::window() const
{
    return FBar ? FBar->window()->windowHandle() : nullptr;
}

QAccessibleInterface *TvekAccessibleTitleBarButton::parent() const
{
    return QAccessible::queryAccessibleInterface(FBar.data());
}

// Maximise turns into restore while the window is maximised.
QString TvekAccessibleTitleBarButton::text(QAccessible::Text t) const
{
    if (t != QAccessible::Name || !isValid())
        return {};
    switch (FBar->Buttons()->Items(FIndex)->ButtonType()) {
    case TvekTitleBarBtnType::vekClose:
        return QStringLiteral("关闭");
    case TvekTitleBarBtnType::vekMin:
        return QStringLiteral("最小化");
    case TvekTitleBarBtnType::vekMax: {
        const QWidget *host = FBar->HostWindow();
        return host && host->isMaximized() ? QStringLiteral("还原") : QStringLiteral("最大化");
    }
    case TvekTitleBarBtnType::vekHelp:
        return QStringLiteral("帮助");
    case TvekTitleBarBtnType::vekControlBox:
        return QStringLiteral("控制菜单");
    case TvekTitleBarBtnType::vekCustom:
        break;
    }
    return QStringLiteral("按钮%1").arg(FIndex + 1);
}

QRect TvekAccessibleTitleBarButton::LocalRect() const
{
    if (!isValid())
        return {};
    return FBar->ButtonRects().at(FIndex);
}

QRect TvekAccessibleTitleBarButton::rect() const
{
    const QRect local = LocalRect();
    if (local.isEmpty())
        return {};
    return local.translated(FBar->mapToGlobal(QPoint(0, 0)));
}

QAccessible::State TvekAccessibleTitleBarButton::state() const
{
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    state.invisible = !FBar->isVisible() || LocalRect().isEmpty();
    state.disabled = !FBar->isEnabled();
    state.hotTracked = FBar->HotButton() == FIndex;
    state.pressed = state.hotTracked && FBar->Pressed();
    return state;
}

void *TvekAccessibleTitleBarButton::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ActionInterface)
        return static_cast<QAccessibleActionInterface *>(this);
    return nullptr;
}

QStringList TvekAccessibleTitleBarButton::actionNames() const
{
    if (!isValid() || !FBar->isEnabled())
        return {};
    return {pressAction()};
}

void TvekAccessibleTitleBarButton::doAction(const QString &actionName)
{
    if (actionName != pressAction() || !isValid() || !FBar->isEnabled())
        return;
    const int index = FIndex;
    VekDeferAction(FBar.data(), [index](TvekTitleBar *bar) { bar->ClickButton(index); });
}
