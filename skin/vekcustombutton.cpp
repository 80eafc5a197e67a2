#include "vekcustombutton.h"

#include "bitmapresource.h"
#include "tform.h"
#include "vekaccessiblesupport.h"
#include "vekbuttondraw.h"
#include "vekpaintbuffer.h"
#include "vekpublic.h"
#include "veksetter.h"

#include <QAction>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <QTimer>

#include <algorithm>

namespace {

// The size of the blank picture that stands in for one that cannot be loaded.
constexpr int BlankWidth = 74;
constexpr int BlankHeight = 21;

bool IsEnterKey(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

bool IsActivationKey(int key)
{
    return key == Qt::Key_Space || IsEnterKey(key);
}

// The character marked with "&" in a caption ("&&" is a plain ampersand), or null.
QChar AccelChar(const QString &caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&'))
            continue;
        if (caption[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return caption[i + 1];
    }
    return QChar();
}

bool IsAccel(QChar ch, const QString &caption)
{
    const QChar accel = AccelChar(caption);
    return !accel.isNull() && accel.toUpper() == ch.toUpper();
}

} // namespace

TvekCustomButton::TvekCustomButton(QWidget *owner) : QWidget(owner)
{
    // The whole area is painted from the off-screen image: nothing is erased.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
}

TvekCustomButton::~TvekCustomButton()
{
    if (FKeyWindow)
        FKeyWindow->removeEventFilter(this);
    delete FTimer;
}

void TvekCustomButton::SetPicNormal(const QString &value)
{
    if (FPicNormalResName == value)
        return;
    FPicNormalResName = value;
    AutoSizeChanged();
    Invalidate();
}

void TvekCustomButton::SetPicMouseOn(const QString &value)
{
    if (FPicMouseOnResName == value)
        return;
    FPicMouseOnResName = value;
    Invalidate();
}

void TvekCustomButton::SetPicMouseDown(const QString &value)
{
    if (FPicMouseDownResName == value)
        return;
    FPicMouseDownResName = value;
    Invalidate();
}

void TvekCustomButton::SetAutoSize(bool value)
{
    if (FAutoSize == value)
        return;
    FAutoSize = value;
    AutoSizeChanged();
    Invalidate();
}

void TvekCustomButton::SetCaption(const QString &value)
{
    if (FCaption == value)
        return;
    FCaption = value;
    UpdateAccelerator();
    CaptionChanged();
    VekNotifyNameChanged(this);
    Invalidate();
}

void TvekCustomButton::SetTabStop(bool value)
{
    if (!vekAssign(FTabStop, value))
        return;
    // A mouse click never focuses a button by itself; Tab does when set.
    setFocusPolicy(value ? Qt::TabFocus : Qt::NoFocus);
}

void TvekCustomButton::SetCancel(bool value)
{
    if (!vekAssign(FCancel, value))
        return;
    UpdateDialogKeyFilter();
}

void TvekCustomButton::SetDefault(bool value)
{
    if (FDefault == value)
        return;
    FDefault = value;
    UpdateDialogKeyFilter();
    if (GetParentForm(this))
        Invalidate();
}

void TvekCustomButton::SetTransparent(bool value)
{
    if (FTransparent == value)
        return;
    FTransparent = value;
    TransparentChanged();
    Invalidate();
}

void TvekCustomButton::SetUIStyle(TvekUIStyle value)
{
    ApplyUIStyle(value);
}

void TvekCustomButton::ApplyContainerStyle(TvekUIStyle style)
{
    if (FUIStyle != TvekUIStyle::Custom)
        SetUIStyle(style);
}

void TvekCustomButton::ApplyUIStyle(TvekUIStyle value)
{
    FUIStyle = value;
    SetButtonPic(FUIStyle);
    UIStyleChanged();
    Invalidate();
}

void TvekCustomButton::SetPicTransparent(bool value)
{
    if (FPicTransparent == value)
        return;
    FPicTransparent = value;
    Invalidate();
}

// 0 names the program's own module, which then reads back as 0.
void TvekCustomButton::SetResHandle(std::uint32_t value)
{
    vekAssign(FResHandle, value == 0 ? vekMainInstance : value);
}

std::uint32_t TvekCustomButton::GetResHandle() const
{
    return FResHandle == vekMainInstance ? 0 : FResHandle;
}

TColor TvekCustomButton::FontColor() const
{
    return FromQColor(palette().color(QPalette::WindowText));
}

void TvekCustomButton::SetFontColor(TColor value)
{
    if (FontColor() == value)
        return;
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, ToQColor(value));
    setPalette(pal);
}

// With ParentColor the colour is the parent's own Color, or the background
// it paints when it has none.
TColor TvekCustomButton::Color() const
{
    const QWidget *parent = parentWidget();
    if (!FParentColor || !parent)
        return FColor;
    return ParentBackgroundColor(parent);
}

void TvekCustomButton::SetColor(TColor value)
{
    if (FColor == value && !FParentColor)
        return;
    FColor = value;
    FParentColor = false;
    Invalidate();
}

void TvekCustomButton::SetParentColor(bool value)
{
    if (FParentColor == value)
        return;
    FParentColor = value;
    Invalidate();
}

void TvekCustomButton::SetAction(QAction *value)
{
    if (FAction == value)
        return;
    if (FAction)
        disconnect(FAction, nullptr, this, nullptr);
    FAction = value;
    if (FAction) {
        connect(FAction, &QAction::changed, this, [this] { ActionChange(); });
        ActionChange();
    }
}

void TvekCustomButton::SetBounds(int left, int top, int width, int height)
{
    if (!CanResize(width, height))
        return;
    FAcceptedSize = QSize(width, height);
    setGeometry(left, top, width, height);
}

bool TvekCustomButton::CanResize(int &, int &)
{
    return true;
}

// The form's modal result is written on every click, 0 included, before the
// action or OnClick runs.
void TvekCustomButton::Click()
{
    if (parentWidget())
        if (TForm *form = GetParentForm(this))
            form->SetModalResult(FModalResult);
    if (OnClick)
        OnClick(this);
    else if (FAction)
        FAction->trigger();
}

bool TvekCustomButton::CanFocus() const
{
    for (const QWidget *w = this; w; w = w->parentWidget()) {
        if (!w->isEnabled() || w->isHidden())
            return false;
        if (w->isWindow())
            break;
    }
    return true;
}

bool TvekCustomButton::DispatchDialogKey(QWidget *window, int key, Qt::KeyboardModifiers shift)
{
    if (!window)
        return false;
    for (TvekCustomButton *button : window->findChildren<TvekCustomButton *>())
        if (button->DialogKey(key, shift))
            return true;
    return false;
}

bool TvekCustomButton::DispatchDialogChar(QWidget *window, QChar ch)
{
    if (!window)
        return false;
    for (TvekCustomButton *button : window->findChildren<TvekCustomButton *>())
        if (button->DialogChar(ch))
            return true;
    return false;
}

void TvekCustomButton::AutoSizeChanged()
{
    if (!FAutoSize || FPicNormalResName.isEmpty())
        return;
    QImage picture;
    try {
        picture = LoadResPicture(FPicNormalResName);
    } catch (...) {
        picture = BlankPicture();
    }
    SetBounds(x(), y(), picture.width(), picture.height());
}

void TvekCustomButton::FontChanged()
{
    Invalidate();
}

void TvekCustomButton::TransparentChanged()
{
    SetPicTransparent(FTransparent);
}

// A button with pictures of its own sizes itself to them.
void TvekCustomButton::UIStyleChanged()
{
    if (FUIStyle == TvekUIStyle::Custom)
        SetAutoSize(true);
}

void TvekCustomButton::PaintPic(QPainter &canvas, const QImage &picture)
{
    DrawImageList(canvas, QPoint(0, 0), picture, FPicTransparent, isEnabled());
}

// The caption centred on one line; it moves one pixel while pressed, and is
// embossed white on grey while disabled, in every style.
void TvekCustomButton::PaintText(QPainter &canvas, const QString &text)
{
    canvas.setBrush(Qt::NoBrush);
    canvas.setFont(font());
    QRect r = rect();
    if (!isEnabled()) {
        canvas.setPen(vekDisabledShadow);
        canvas.drawText(r.translated(1, 1), vekCentredText, text);
        canvas.setPen(vekDisabledText);
    } else {
        if (FMouseDown)
            r.translate(1, 1);
        canvas.setPen(ToQColor(FontColor()));
    }
    canvas.drawText(r, vekCentredText, text);
}

void TvekCustomButton::PaintFocus(QPainter &canvas)
{
    DrawFocusRect(canvas, EdgesRect(2, 2, width() - 2, height() - 2));
}

QImage TvekCustomButton::PaintButtonNormal()
{
    return LoadResPicture(FPicNormalResName);
}

QImage TvekCustomButton::PaintButtonMouseOn()
{
    return LoadResPicture(FPicMouseOnResName);
}

QImage TvekCustomButton::PaintButtonMouseDown()
{
    return LoadResPicture(FPicMouseDownResName);
}

QImage TvekCustomButton::PaintButtonDisabled()
{
    return LoadResPicture(FPicNormalResName);
}

void TvekCustomButton::ActionChange()
{
    if (!FAction)
        return;
    setEnabled(FAction->isEnabled());
    SetCaption(FAction->text());
}

// Enter clicks the Default button and Escape the Cancel button, when no
// Shift, Ctrl or Alt is held and the button could take the focus.
bool TvekCustomButton::DialogKey(int key, Qt::KeyboardModifiers shift)
{
    const bool wanted = (IsEnterKey(key) && FDefault) || (key == Qt::Key_Escape && FCancel);
    if (!wanted || (shift & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)))
        return false;
    if (!CanFocus())
        return false;
    Click();
    return true;
}

bool TvekCustomButton::DialogChar(QChar ch)
{
    if (!isEnabled() || !IsAccel(ch, FCaption))
        return false;
    setFocus(Qt::ShortcutFocusReason);
    Click();
    return true;
}

QSize TvekCustomButton::TextExtent(const QString &text) const
{
    const QFontMetrics metrics(font());
    return QSize(metrics.horizontalAdvance(text), metrics.height());
}

// Only the program's own module carries pictures.
QImage TvekCustomButton::LoadResPicture(const QString &name) const
{
    if (FResHandle != vekMainInstance)
        throw EResNotFound(name);
    return LoadBitmapResource(name);
}

QImage TvekCustomButton::BlankPicture()
{
    QImage blank(BlankWidth, BlankHeight, QImage::Format_RGB32);
    blank.fill(Qt::white);
    return blank;
}

void TvekCustomButton::Invalidate()
{
    if (isVisible())
        repaint();
}

// The state picture by Enabled, FMouseDown and FMouseOn; background, picture,
// focus mark and caption go into an off-screen image copied in one step.
void TvekCustomButton::paintEvent(QPaintEvent *)
{
    QImage picture;
    try {
        if (!isEnabled())
            picture = PaintButtonDisabled();
        else if (FMouseDown)
            picture = PaintButtonMouseDown();
        else if (FMouseOn)
            picture = PaintButtonMouseOn();
        else
            picture = PaintButtonNormal();
    } catch (...) {
        picture = BlankPicture();
    }

    TvekPaintBuffer buffer(this);
    QPainter &canvas = buffer.Canvas();
    canvas.fillRect(rect(), ToQColor(Color()));
    if (FTransparent)
        DoTrans(canvas, this);
    PaintPic(canvas, picture);
    if (hasFocus() && FTabStop)
        PaintFocus(canvas);
    canvas.setFont(font());
    if (!FCaption.trimmed().isEmpty())
        PaintText(canvas, FCaption);
}

void TvekCustomButton::mousePressEvent(QMouseEvent *event)
{
    const QPoint p = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        FMouseDown = true;
        FClicked = true;
        StartTimer();
        Invalidate();
    }
    if (OnMouseDown)
        OnMouseDown(this, event->button(), event->modifiers(), p.x(), p.y());
}

// The click comes first, while the button is still drawn pressed; then the
// release clears the pressed look and frees the repeat timer. The timer stops
// ticking before the click: the button is no longer held, so a modal loop
// that OnClick runs must not see repeat events.
void TvekCustomButton::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint p = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        const bool click = FClicked && rect().contains(p);
        FClicked = false;
        if (FTimer)
            FTimer->stop();
        const QPointer<TvekCustomButton> self(this);
        if (click)
            Click();
        if (!self)
            return;
        FreeTimer();
        FMouseDown = false;
        Invalidate();
    }
    if (OnMouseUp)
        OnMouseUp(this, event->button(), event->modifiers(), p.x(), p.y());
}

// Dragging off the button shows the normal look at once; the timer keeps
// running until the leave notification.
void TvekCustomButton::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint p = event->position().toPoint();
    if (OnMouseMove)
        OnMouseMove(this, Qt::NoButton, event->modifiers(), p.x(), p.y());
    if (p.x() < 0 || p.y() < 0 || p.x() > width() || p.y() > height()) {
        FMouseOn = false;
        FMouseDown = false;
        Invalidate();
    }
    // While a button is held the platform reports no crossing: the captured
    // button still hears that the pointer left and came back.
    if (event->buttons() != Qt::NoButton) {
        const bool inside = rect().contains(p);
        if (!inside && FPointerInside) {
            MouseLeft();
            FHeldOutside = true;
        } else if (inside && !FPointerInside) {
            FHeldOutside = false;
            MouseEntered();
        }
    }
}

void TvekCustomButton::enterEvent(QEnterEvent *)
{
    FHeldOutside = false;
    if (!FPointerInside)
        MouseEntered();
}

// The leave that follows a release outside was already reported while held.
void TvekCustomButton::leaveEvent(QEvent *)
{
    if (FHeldOutside) {
        FHeldOutside = false;
        return;
    }
    MouseLeft();
}

// Only the flags change: the look shows at the next paint, as when the
// flags were set directly.
void TvekCustomButton::SetMouseState(bool mouseOn, bool mouseDown)
{
    FMouseOn = mouseOn;
    FMouseDown = mouseDown;
}

void TvekCustomButton::MouseEntered()
{
    FPointerInside = true;
    FMouseOn = true;
    Invalidate();
    if (OnMouseEnter)
        OnMouseEnter(this);
}

void TvekCustomButton::MouseLeft()
{
    FPointerInside = false;
    FMouseOn = false;
    FMouseDown = false;
    FreeTimer();
    Invalidate();
    if (OnMouseExit)
        OnMouseExit(this);
}

void TvekCustomButton::keyPressEvent(QKeyEvent *event)
{
    int key = event->key();
    // Enter and Escape go to the window's Default and Cancel buttons first.
    if ((IsEnterKey(key) || key == Qt::Key_Escape) &&
        DispatchDialogKey(window(), key, event->modifiers()))
        return;
    if (OnKeyDown)
        OnKeyDown(this, key, event->modifiers());
    bool handled = false;
    if (IsActivationKey(key) && hasFocus() && isEnabled()) {
        FMouseDown = true;
        Invalidate();
        handled = true;
    }
    // A character this control does not use may be an accelerator on the window.
    const QString text = event->text();
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (text.size() == 1 && text[0].isPrint() && plain) {
        if (DispatchDialogChar(window(), text[0]))
            return;
        if (OnKeyPress) {
            QChar ch = text[0];
            OnKeyPress(this, ch);
        }
    }
    if (!handled)
        event->ignore();
}

void TvekCustomButton::keyReleaseEvent(QKeyEvent *event)
{
    // The platform repeats a held key as release and press pairs; the
    // framework saw only repeated presses.
    if (event->isAutoRepeat())
        return;
    int key = event->key();
    if (OnKeyUp)
        OnKeyUp(this, key, event->modifiers());
    if (IsActivationKey(key) && hasFocus() && FMouseDown && isEnabled()) {
        FMouseDown = false;
        Invalidate();
        Click();
        return;
    }
    event->ignore();
}

void TvekCustomButton::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    if (OnEnter)
        OnEnter(this);
    Invalidate();
}

void TvekCustomButton::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    if (OnExit)
        OnExit(this);
    Invalidate();
}

void TvekCustomButton::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    switch (event->type()) {
    case QEvent::EnabledChange:
        EnableChanged();
        Invalidate();
        break;
    case QEvent::FontChange:
        FontChanged();
        break;
    case QEvent::PaletteChange:
        Invalidate();
        break;
    default:
        break;
    }
}

// A resize made past SetBounds (a layout, a plain resize) is undone when
// the button refuses it.
void TvekCustomButton::resizeEvent(QResizeEvent *event)
{
    int w = width(), h = height();
    if (!CanResize(w, h)) {
        if (FAcceptedSize.isValid() && FAcceptedSize != size()) {
            resize(FAcceptedSize);
            return;
        }
    } else {
        FAcceptedSize = size();
    }
    QWidget::resizeEvent(event);
}

bool TvekCustomButton::event(QEvent *event)
{
    if (event->type() == QEvent::ParentChange || event->type() == QEvent::Show)
        UpdateDialogKeyFilter();
    return QWidget::event(event);
}

// Enter and Escape that the focused control leaves unused reach the window.
bool TvekCustomButton::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == FKeyWindow && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if ((IsEnterKey(key->key()) || key->key() == Qt::Key_Escape) &&
            DispatchDialogKey(FKeyWindow, key->key(), key->modifiers())) {
            key->accept();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TvekCustomButton::StartTimer()
{
    if (FTimer)
        return;
    FTimer = new QTimer(this);
    FTimer->setInterval(std::max(FMouseContinuouslyDownInterval, 0));
    connect(FTimer, &QTimer::timeout, this, &TvekCustomButton::OnTimer);
    // Like the framework's timer, a zero interval never ticks.
    if (FMouseContinuouslyDownInterval > 0)
        FTimer->start();
}

void TvekCustomButton::FreeTimer()
{
    if (!FTimer)
        return;
    FTimer->stop();
    FTimer->deleteLater();
    FTimer = nullptr;
}

void TvekCustomButton::OnTimer()
{
    if (OnMouseContinuouslyDown)
        OnMouseContinuouslyDown(this);
}

void TvekCustomButton::UpdateAccelerator()
{
    const QKeySequence sequence = QKeySequence::mnemonic(FCaption);
    if (sequence.isEmpty()) {
        delete FAccelerator;
        FAccelerator = nullptr;
        return;
    }
    if (!FAccelerator) {
        FAccelerator = new QShortcut(this);
        FAccelerator->setContext(Qt::WindowShortcut);
        const auto activate = [this] { DialogChar(AccelChar(FCaption)); };
        connect(FAccelerator, &QShortcut::activated, this, activate);
        connect(FAccelerator, &QShortcut::activatedAmbiguously, this, activate);
    }
    FAccelerator->setKey(sequence);
}

void TvekCustomButton::UpdateDialogKeyFilter()
{
    QWidget *target = (FDefault || FCancel) && window() != this ? window() : nullptr;
    if (target == FKeyWindow)
        return;
    if (FKeyWindow)
        FKeyWindow->removeEventFilter(this);
    FKeyWindow = target;
    if (FKeyWindow)
        FKeyWindow->installEventFilter(this);
}
