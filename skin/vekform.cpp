#include "vekform.h"

#include "bitmapresource.h"
#include "dialogservices.h"
#include "vekaccessiblesupport.h"
#include "vekpaintbuffer.h"
#include "vekpublic.h"
#include "veksetter.h"
#include "vekskintexts.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include <algorithm>

namespace {

// How deep the resize zones reach into the host, whatever the border width.
constexpr int vekSizeZone = 5;

// The name of the application-wide short-cut test among the application's
// children: one frame at a time owns it.
const QString keyHookName = QStringLiteral("vekFormKeyHook");

Qt::Edges ZoneEdges(int zone)
{
    switch (zone) {
    case vekHTLeft:
        return Qt::LeftEdge;
    case vekHTRight:
        return Qt::RightEdge;
    case vekHTTop:
        return Qt::TopEdge;
    case vekHTBottom:
        return Qt::BottomEdge;
    case vekHTTopLeft:
        return Qt::TopEdge | Qt::LeftEdge;
    case vekHTTopRight:
        return Qt::TopEdge | Qt::RightEdge;
    case vekHTBottomLeft:
        return Qt::BottomEdge | Qt::LeftEdge;
    case vekHTBottomRight:
        return Qt::BottomEdge | Qt::RightEdge;
    default:
        return {};
    }
}

Qt::CursorShape ZoneCursor(int zone)
{
    switch (zone) {
    case vekHTLeft:
    case vekHTRight:
        return Qt::SizeHorCursor;
    case vekHTTop:
    case vekHTBottom:
        return Qt::SizeVerCursor;
    case vekHTTopLeft:
    case vekHTBottomRight:
        return Qt::SizeFDiagCursor;
    case vekHTTopRight:
    case vekHTBottomLeft:
        return Qt::SizeBDiagCursor;
    default:
        return Qt::ArrowCursor;
    }
}

QAction *FindShortCut(const QList<QAction *> &actions, const QKeySequence &key)
{
    for (QAction *action : actions) {
        if (!action->isEnabled())
            continue;
        if (action->shortcuts().contains(key))
            return action;
        if (action->menu())
            if (QAction *found = FindShortCut(action->menu()->actions(), key))
                return found;
    }
    return nullptr;
}

// Left, bottom and right strips, and a line along the top that the title
// bar covers while it is visible.
void DrawBorder(QWidget *host, TColor color, int bw)
{
    if (bw <= 0)
        return;
    const int cw = host->width(), ch = host->height();
    const QColor c = ToQColor(color);
    QPainter canvas(host);
    canvas.fillRect(0, 0, bw, ch, c);
    canvas.fillRect(0, ch - bw, cw, bw, c);
    canvas.fillRect(cw - bw, 0, bw, ch, c);
    canvas.setPen(QPen(c, bw));
    canvas.drawLine(0, 0, cw, 0);
}

} // namespace

// ---------------------------------------------------------------------------
// The application-wide short-cut test: a key of the frame's menu is consumed
// wherever in the program it is pressed. It lives among the application's
// children, where the next frame finds it, and its frame deletes it.

class TvekFormKeyHook : public QObject
{
public:
    explicit TvekFormKeyHook(TvekForm *form) : QObject(qApp), FForm(form)
    {
        setObjectName(keyHookName);
        qApp->installEventFilter(this);
    }

    static bool Installed()
    {
        return qApp->findChild<QObject *>(keyHookName, Qt::FindDirectChildrenOnly);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        return event->type() == QEvent::KeyPress &&
               FForm->IsShortCut(static_cast<QKeyEvent *>(event));
    }

private:
    TvekForm *FForm;
};

// ---------------------------------------------------------------------------
// The flat menu bar under the title bar: one button per top-level item of the
// frame's menu, each dropping its item's sub-menu.

class TvekFormMenuBar : public QWidget
{
public:
    explicit TvekFormMenuBar(TvekForm *form) : QWidget(form), FForm(form)
    {
        setMouseTracking(true);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

    void Rebuild()
    {
        FItems.clear();
        if (QMenuBar *menu = FForm->Menu())
            for (QAction *action : menu->actions())
                if (action->isVisible() && !action->isSeparator())
                    FItems.push_back(action);
        FHot = FPressed = -1;
        update();
    }

    QRect ItemRect(int index) const
    {
        const QFontMetrics metrics(font());
        int x = 0;
        for (int i = 0; i < int(FItems.size()); ++i) {
            const QString text =
                FItems[i] ? QString(FItems[i]->text()).remove(QLatin1Char('&')) : QString();
            const int w = metrics.horizontalAdvance(text) + 14;
            if (i == index)
                return QRect(x, 0, w, height());
            x += w;
        }
        return {};
    }

    int ItemAt(const QPoint &pos) const
    {
        for (int i = 0; i < int(FItems.size()); ++i)
            if (ItemRect(i).contains(pos))
                return i;
        return -1;
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        const TvekUIStyle style = FForm->UIStyle();
        TvekPaintBuffer buffer(this);
        QPainter &canvas = buffer.Canvas();
        if (style == TvekUIStyle::MacOS && HasBitmapResource(QStringLiteral("MACOS_MENU_BAR")))
            canvas.drawImage(rect(), LoadBitmapResource(QStringLiteral("MACOS_MENU_BAR")));
        else
            canvas.fillRect(rect(), ToQColor(FForm->MenuBarColor()));
        canvas.setFont(font());
        for (int i = 0; i < int(FItems.size()); ++i)
            PaintItem(canvas, i, style);
    }

    void mouseMoveEvent(QMouseEvent *event) override
    {
        const int hot = ItemAt(event->position().toPoint());
        if (hot != FHot) {
            FHot = hot;
            update();
        }
    }

    void leaveEvent(QEvent *) override
    {
        FHot = -1;
        update();
    }

    void mousePressEvent(QMouseEvent *event) override
    {
        if (event->button() != Qt::LeftButton)
            return;
        const int index = ItemAt(event->position().toPoint());
        if (index < 0)
            return;
        FPressed = index;
        repaint();
        const QPointer<TvekFormMenuBar> self(this);
        QAction *action = FItems[index];
        if (!action)
            return;
        if (action->menu())
            action->menu()->exec(mapToGlobal(ItemRect(index).bottomLeft() + QPoint(0, 1)));
        else
            action->trigger();
        if (!self)
            return;
        FPressed = -1;
        update();
    }

private:
    // A hot or pressed item is filled and framed in the style's menu colours
    // (MacOS: its selection picture); the others show only their caption.
    void PaintItem(QPainter &canvas, int index, TvekUIStyle style) const
    {
        QRect r = ItemRect(index);
        const bool pressed = index == FPressed, hot = index == FHot;
        const QString text = FItems[index] ? FItems[index]->text() : QString();
        const int flags = Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic;
        if (!hot && !pressed) {
            canvas.setPen(palette().color(QPalette::ButtonText));
            canvas.drawText(r, flags, text);
            return;
        }
        canvas.setPen(ToQColor(GetThemeColor(style, TvekThemeElement::MenuHotFontColor)));
        if (style == TvekUIStyle::MacOS) {
            if (HasBitmapResource(QStringLiteral("MACOS_MENU_SELECT")))
                canvas.drawImage(r, LoadBitmapResource(QStringLiteral("MACOS_MENU_SELECT")));
            canvas.drawText(r, flags, text);
            return;
        }
        if (pressed)
            r.setWidth(r.width() - 2);
        canvas.fillRect(r, ToQColor(GetThemeColor(style, TvekThemeElement::MenuHotColor)));
        canvas.setPen(ToQColor(GetThemeColor(style, TvekThemeElement::MenuHotBorderColor)));
        canvas.drawRect(r.adjusted(0, 0, -1, -1));
        r.translate(pressed ? 2 : 0, 2);
        canvas.setPen(ToQColor(GetThemeColor(style, TvekThemeElement::MenuHotFontColor)));
        canvas.drawText(r, flags, text);
    }

    TvekForm *FForm;
    std::vector<QPointer<QAction>> FItems;
    int FHot = -1;
    int FPressed = -1;
};

// ---------------------------------------------------------------------------
// TvekForm

TvekForm::TvekForm(QWidget *owner) : QWidget(owner)
{
    QWidget *host = owner && owner->isWindow() ? owner : nullptr;
    // Refused before anything changes, so the host keeps its first frame's
    // settings untouched.
    if (host) {
        for (QObject *child : host->children())
            if (child != this && qobject_cast<TvekForm *>(child))
                throw EvekFormError(vekText::OneFramePerWindow);
    }
    FHost = host;
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (host) {
        host->setMinimumSize(125, 50);
        FCreatedMaximised = host->isMaximized();
        FRestoreRect = FCreatedMaximised ? host->normalGeometry() : host->geometry();
        if (auto *form = qobject_cast<TForm *>(host))
            FCreationBorderStyle = form->BorderStyle();
    }
    FTitleBar = new TvekTitleBar(this);
    FTitleBar->installEventFilter(this);
    FTitleBar->OnCustomBtnsClick = [this](TvekTitleBar *sender, int index) {
        if (OnTitleBarCustomBtnsClick)
            OnTitleBarCustomBtnsClick(sender, index);
    };
    FTitleBar->OnHelpBtnClick = [this](TvekTitleBar *sender, int index) {
        if (OnTitleBarHelpBtnClick)
            OnTitleBarHelpBtnClick(sender, index);
    };
    FMenuBarColor = FColor;
    SetUIStyle(TvekUIStyle::DeepBlue);
    if (!host) {
        FLoading = false;
        return;
    }
    FTitleBar->SetCaption(host->windowTitle());
    const QRect workArea = GetWorkAreaRect();
    if (workArea.isValid())
        host->setMaximumSize(workArea.size());
    const bool visible = host->isVisible();
    host->setWindowFlags(host->windowFlags() | Qt::FramelessWindowHint);
    if (auto *form = qobject_cast<TForm *>(host))
        form->SetBorderStyle(TFormBorderStyle::bsNone);
    host->setMouseTracking(true);
    host->installEventFilter(this);
    if (!TvekFormKeyHook::Installed())
        FKeyHook = new TvekFormKeyHook(this);
    Align();
    if (visible)
        host->show();
    FLoading = false;
}

TvekForm::~TvekForm()
{
    delete FKeyHook; // its filter goes with it
    if (FHost) {
        FHost->removeEventFilter(this);
        FHost->update();
    }
}

// In DeepBlue: black 1-pixel border, colour 0x00E8E8E8, a 32-pixel title bar.
void TvekForm::SetUIStyle(TvekUIStyle value)
{
    FUIStyle = value;
    if (value == TvekUIStyle::Custom)
        return;
    FBorderColor = GetThemeColor(value, TvekThemeElement::FormBorderColor);
    FBorderWidth = GetThemeInt(value, TvekThemeElement::FormBorderWidth);
    FColor = GetThemeColor(value, TvekThemeElement::FormColor);
    FMenuBarColor = FColor;
    FTitleBar->SetUIStyle(value);
    if (FUIStyleAutoUpdateSub) {
        SubContainerApplyUIStyle(this, value);
        ContainerApplyUIStyle(this, value);
    }
    Align();
    update();
    PaintBorder();
    if (!FLoading) {
        SetWidth(Width());
        SetHeight(Height());
    }
}

void TvekForm::SetBorderColor(TColor value)
{
    if (!vekAssign(FBorderColor, value))
        return;
    Align();
    PaintBorder();
}

void TvekForm::SetBorderWidth(int value)
{
    if (!vekAssign(FBorderWidth, value))
        return;
    SetWidth(Width());
    SetHeight(Height());
    Align();
    PaintBorder();
}

void TvekForm::SetTitleBarVisible(bool value)
{
    if (!vekAssign(FTitleBarVisible, value))
        return;
    FTitleBar->setVisible(value);
    FTitleBar->move(0, 0);
    Align();
    PaintBorder();
}

void TvekForm::SetColor(TColor value)
{
    if (!vekAssign(FColor, value))
        return;
    update();
}

QString TvekForm::Caption() const
{
    return FTitleBar->Caption();
}

// The host's own caption follows, so the desktop's task list shows it.
void TvekForm::SetCaption(const QString &value)
{
    if (value == Caption())
        return;
    FTitleBar->SetCaption(value);
    if (FHost && FHost->windowTitle() != value) {
        FHost->setWindowTitle(value);
        VekNotifyNameChanged(FHost);
    }
}

void TvekForm::SetFormPanel(QWidget *value)
{
    if (value == this) {
        ShowRuleMessage(vekText::FormPanelIsTheFrame);
        return;
    }
    if (!vekAssign(FFormPanel, value) || !value)
        return;
    if (value->parentWidget() != this) {
        value->setParent(this);
        value->show();
    }
    if (auto *frame = qobject_cast<QFrame *>(value))
        frame->setFrameShape(QFrame::NoFrame);
    LayoutChildren();
}

// Also called when the menu is destroyed, with FMenu already cleared: the
// menu bar goes in any case.
void TvekForm::SetMenu(QMenuBar *value)
{
    if (FMenu) {
        disconnect(FMenu, nullptr, this, nullptr);
        FMenu->removeEventFilter(this);
    }
    FMenu = value;
    if (!value) {
        delete FMenuBar;
        FMenuBar = nullptr;
        LayoutChildren();
        return;
    }
    connect(value, &QObject::destroyed, this, [this] { SetMenu(nullptr); });
    value->installEventFilter(this); // items added, removed or renamed
    DetachHostMenu();
    if (!FMenuBar) {
        FMenuBar = new TvekFormMenuBar(this);
        FMenuBar->show();
        FTitleBar->move(0, 0);
    }
    RebuildMenuBar();
}

QWidget *TvekForm::MenuBarWidget() const
{
    return FMenuBar;
}

void TvekForm::RebuildMenuBar()
{
    if (!FMenuBar)
        return;
    FMenuBar->Rebuild();
    LayoutChildren();
}

// The host never shows a menu bar of its own: the frame shows the menu.
void TvekForm::DetachHostMenu()
{
    if (FMenu && FHost && FMenu->window() == FHost)
        FMenu->hide();
}

void TvekForm::SetMenuBarColor(TColor value)
{
    if (!vekAssign(FMenuBarColor, value))
        return;
    if (FMenuBar)
        FMenuBar->update();
}

void TvekForm::SetMenuBarHeight(int value)
{
    if (!vekAssign(FMenuBarHeight, value))
        return;
    LayoutChildren();
}

// A 1-pixel border adds 2 to the width and 1 to the height; 3 pixels add 6
// and 4.
void TvekForm::SetWidth(int value)
{
    if (!FHost) {
        resize(value, height());
        return;
    }
    FHost->resize(value + 2 * FBorderWidth, FHost->height());
    Align();
}

void TvekForm::SetHeight(int value)
{
    if (!FHost) {
        resize(width(), value);
        return;
    }
    FHost->resize(FHost->width(), value + FBorderWidth + FBorderWidth / 2);
    Align();
}

void TvekForm::Align()
{
    if (!FHost)
        return;
    const int bw = FBorderWidth;
    const int top = FTitleBarVisible ? 0 : bw;
    setGeometry(bw, top, FHost->width() - 2 * bw, FHost->height() - bw - top);
    // A hidden panel gets its resize event only when shown.
    LayoutChildren();
}

// The title bar tops the panel, the menu bar follows, and the form panel
// fills what remains.
void TvekForm::LayoutChildren()
{
    int y = 0;
    if (FTitleBarVisible) {
        FTitleBar->setGeometry(0, 0, width(), FTitleBar->height());
        y = FTitleBar->height();
    }
    if (FMenuBar) {
        FMenuBar->setGeometry(0, y, width(), FMenuBarHeight);
        y += FMenuBarHeight;
    }
    if (FFormPanel)
        FFormPanel->setGeometry(0, y, width(), std::max(0, height() - y));
}

void TvekForm::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    LayoutChildren();
}

// The host gets no leave when the pointer passes from its border onto the
// panel, and the panel would inherit the host's resize cursor.
void TvekForm::enterEvent(QEnterEvent *event)
{
    QWidget::enterEvent(event);
    if (FHost && !FResizeEdges)
        FHost->unsetCursor();
}

// MacOS and Protein tile their background pattern; the other styles fill
// with Color.
void TvekForm::paintEvent(QPaintEvent *)
{
    TvekPaintBuffer buffer(this);
    QPainter &canvas = buffer.Canvas();
    QString pattern;
    if (FUIStyle == TvekUIStyle::MacOS)
        pattern = QStringLiteral("MACOS_FORM_BACKGROUND");
    else if (FUIStyle == TvekUIStyle::Protein)
        pattern = QStringLiteral("PROTEIN_FORM_BACKGROUND");
    if (!pattern.isEmpty() && HasBitmapResource(pattern))
        TileDraw(canvas, LoadBitmapResource(pattern), rect());
    else
        canvas.fillRect(rect(), ToQColor(FColor));
}

void TvekForm::PaintBorder()
{
    if (FHost)
        FHost->update();
}

void TvekForm::HostResized()
{
    EmulateMaximise();
    Align();
    PaintBorder();
    FTitleBar->OnFormReSize();
}

// A host created maximised stays maximised over the work area through the
// first size changes, and returns to its recorded rectangle once restored.
void TvekForm::EmulateMaximise()
{
    if (!FCreatedMaximised)
        return;
    if (FHost->isMaximized()) {
        if (FSizeMessageCount == 2) {
            // Moving clears the maximised state, so the state goes last.
            FHost->move(GetWorkAreaRect().topLeft());
            FHost->setWindowState(FHost->windowState() | Qt::WindowMaximized);
        } else {
            ++FSizeMessageCount;
        }
    } else {
        FCreatedMaximised = false;
        FHost->setGeometry(FRestoreRect);
    }
}

// The zones reach 5 pixels in whatever the border width; the host only sees
// the pointer on its uncovered border, so in practice the border and the
// 5 pixels nearest each corner resize.
int TvekForm::HitTest(const QPoint &pos, int defaultResult) const
{
    if (!FHost || FHost->isMaximized() || FCreationBorderStyle != TFormBorderStyle::bsSizeable)
        return defaultResult;
    const int x = pos.x(), y = pos.y();
    const int cw = FHost->width(), ch = FHost->height();
    const bool left = x < vekSizeZone, top = y < vekSizeZone;
    const bool right = x > cw - vekSizeZone, bottom = y > ch - vekSizeZone;
    if (left && top)
        return vekHTTopLeft;
    if (right && top)
        return vekHTTopRight;
    if (right && bottom)
        return vekHTBottomRight;
    if (left && bottom)
        return vekHTBottomLeft;
    if (left)
        return vekHTLeft;
    if (top)
        return vekHTTop;
    if (right)
        return vekHTRight;
    if (bottom)
        return vekHTBottom;
    return defaultResult;
}

bool TvekForm::IsShortCut(const QKeyEvent *event)
{
    if (!FMenu || event->key() == Qt::Key_unknown)
        return false;
    const QKeySequence key(event->keyCombination());
    QAction *action = FindShortCut(FMenu->actions(), key);
    if (!action)
        return false;
    action->trigger();
    return true;
}

bool TvekForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == FTitleBar) {
        if (event->type() == QEvent::Resize)
            LayoutChildren();
        return false;
    }
    if (watched == FMenu) {
        const QEvent::Type type = event->type();
        if (type == QEvent::ActionAdded || type == QEvent::ActionRemoved ||
            type == QEvent::ActionChanged)
            RebuildMenuBar();
        return false;
    }
    if (watched != FHost)
        return false;
    switch (event->type()) {
    case QEvent::Paint:
        DrawBorder(FHost, FBorderColor, FBorderWidth);
        return false;
    case QEvent::Resize:
        HostResized();
        return false;
    case QEvent::WindowActivate:
        FTitleBar->SetActive(true);
        return false;
    case QEvent::WindowDeactivate:
        FTitleBar->SetActive(false);
        return false;
    case QEvent::Show:
        DetachHostMenu();
        return false;
    case QEvent::WindowTitleChange:
        if (FHost->windowTitle() != FTitleBar->Caption())
            FTitleBar->SetCaption(FHost->windowTitle());
        return false;
    case QEvent::KeyPress:
        return IsShortCut(static_cast<QKeyEvent *>(event));
    case QEvent::Leave:
        if (!FResizeEdges)
            FHost->unsetCursor();
        return false;
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
        return HostMouseEvent(event);
    default:
        return false;
    }
}

// The host receives the pointer only on its uncovered border: there it
// shows the resize cursors and starts the sizing.
bool TvekForm::HostMouseEvent(QEvent *event)
{
    auto *mouse = static_cast<QMouseEvent *>(event);
    const QPoint pos = mouse->position().toPoint();
    const QPoint global = mouse->globalPosition().toPoint();
    switch (event->type()) {
    case QEvent::MouseMove:
        if (FResizeEdges) {
            FollowResize(global);
            return true;
        }
        UpdateCursor(pos);
        return false;
    case QEvent::MouseButtonPress:
        if (mouse->button() != Qt::LeftButton)
            return false;
        return BeginResize(HitTest(pos), global);
    case QEvent::MouseButtonRelease:
        if (!FResizeEdges || mouse->button() != Qt::LeftButton)
            return false;
        FResizeEdges = {};
        UpdateCursor(pos);
        return true;
    default:
        return false;
    }
}

void TvekForm::UpdateCursor(const QPoint &pos)
{
    const int zone = HitTest(pos);
    if (ZoneEdges(zone))
        FHost->setCursor(ZoneCursor(zone));
    else
        FHost->unsetCursor();
}

// The platform's own sizing first; where it refuses (no window manager) the
// frame follows the pointer itself until the button is released.
bool TvekForm::BeginResize(int zone, const QPoint &globalPos)
{
    const Qt::Edges edges = ZoneEdges(zone);
    if (!edges)
        return false;
    QWindow *handle = FHost->windowHandle();
    if (handle && handle->startSystemResize(edges))
        return true;
    FResizeEdges = edges;
    FResizeStartGlobal = globalPos;
    FResizeStartGeometry = FHost->geometry();
    return true;
}

// The edge opposite the dragged one stays put, within the host's minimum
// and maximum sizes.
void TvekForm::FollowResize(const QPoint &globalPos)
{
    const QPoint delta = globalPos - FResizeStartGlobal;
    const QRect start = FResizeStartGeometry;
    const QSize minSize = FHost->minimumSize(), maxSize = FHost->maximumSize();
    QRect r = start;
    if (FResizeEdges & (Qt::LeftEdge | Qt::RightEdge)) {
        const int grow = FResizeEdges & Qt::LeftEdge ? -delta.x() : delta.x();
        const int w = std::clamp(start.width() + grow, minSize.width(), maxSize.width());
        r.setWidth(w);
        if (FResizeEdges & Qt::LeftEdge)
            r.moveLeft(start.x() + start.width() - w);
    }
    if (FResizeEdges & (Qt::TopEdge | Qt::BottomEdge)) {
        const int grow = FResizeEdges & Qt::TopEdge ? -delta.y() : delta.y();
        const int h = std::clamp(start.height() + grow, minSize.height(), maxSize.height());
        r.setHeight(h);
        if (FResizeEdges & Qt::TopEdge)
            r.moveTop(start.y() + start.height() - h);
    }
    FHost->setGeometry(r);
}
