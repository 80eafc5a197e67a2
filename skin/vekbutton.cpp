#include "vekbutton.h"

#include "bitmapresource.h"
#include "tform.h"
#include "vekaccessiblesupport.h"
#include "vekpublic.h"

#include <QAction>
#include <QFontInfo>
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

// Caption drawing: the system's single-line drawing, "&" marking the accelerator.
constexpr int CentredText =
    Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextShowMnemonic;
constexpr int LeftTopText =
    Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextShowMnemonic;

const QColor DisabledShadow(0xFF, 0xFF, 0xFF);
const QColor DisabledText(0x80, 0x80, 0x80);

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

TColor TopLeftColor(const QImage &picture)
{
    return FromQColor(QColor::fromRgb(picture.pixel(0, 0)));
}

// The picture's ink (every pixel that is neither left out nor white) in one colour.
QImage InkImage(const QImage &image, const QColor &color)
{
    QImage ink(image.size(), QImage::Format_ARGB32);
    ink.fill(Qt::transparent);
    const QRgb paint = color.rgb();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAlpha(p) != 0 && (p & RGB_MASK) != 0xFFFFFF)
                ink.setPixel(x, y, paint);
        }
    return ink;
}

// Draws a picture as an image list of its own size does: masked with its
// top-left pixel's colour or opaque, and embossed in the button highlight and
// shadow colours when drawn disabled.
void DrawImageList(QPainter &canvas, const QPoint &at, const QImage &picture, bool masked,
                   bool enabled)
{
    if (picture.width() <= 0 || picture.height() <= 0)
        return;
    const QImage image = masked ? MaskedImage(picture, TopLeftColor(picture)) : picture;
    if (enabled) {
        canvas.drawImage(at, image);
        return;
    }
    canvas.drawImage(at + QPoint(1, 1), InkImage(image, ToQColor(clBtnHighlight)));
    canvas.drawImage(at, InkImage(image, ToQColor(clBtnShadow)));
}

// The system's dotted focus rectangle: every other pixel of the frame
// inverted, so drawing it twice removes it.
void DrawFocusRect(QPainter &canvas, const QRect &r)
{
    if (r.width() <= 0 || r.height() <= 0)
        return;
    canvas.save();
    canvas.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    canvas.setPen(QPen(Qt::white, 1));
    const auto dot = [&](int x, int y) {
        if ((x - r.left() + y - r.top()) % 2 == 0)
            canvas.drawPoint(x, y);
    };
    for (int x = r.left(); x <= r.right(); ++x) {
        dot(x, r.top());
        if (r.bottom() != r.top())
            dot(x, r.bottom());
    }
    for (int y = r.top() + 1; y < r.bottom(); ++y) {
        dot(r.left(), y);
        if (r.right() != r.left())
            dot(r.right(), y);
    }
    canvas.restore();
}

QRect EdgesRect(int left, int top, int right, int bottom)
{
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

} // namespace

// ---------------------------------------------------------------------------
// TvekCustomButton

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
    FTabStop = value;
    // A mouse click never focuses a button by itself; Tab does when set.
    setFocusPolicy(value ? Qt::TabFocus : Qt::NoFocus);
}

void TvekCustomButton::SetCancel(bool value)
{
    FCancel = value;
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
    if (FUIStyle == value)
        return;
    ApplyUIStyle(value);
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
    FResHandle = value == 0 ? vekMainInstance : value;
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
    bool ok = false;
    const TColor color = parent->property("Color").toInt(&ok);
    if (ok)
        return color;
    return FromQColor(parent->palette().color(parent->backgroundRole()));
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
        canvas.setPen(DisabledShadow);
        canvas.drawText(r.translated(1, 1), CentredText, text);
        canvas.setPen(DisabledText);
    } else {
        if (FMouseDown)
            r.translate(1, 1);
        canvas.setPen(ToQColor(FontColor()));
    }
    canvas.drawText(r, CentredText, text);
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

    const qreal ratio = devicePixelRatioF();
    QImage buffer(size() * ratio, QImage::Format_RGB32);
    buffer.setDevicePixelRatio(ratio);
    {
        QPainter canvas(&buffer);
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
    QPainter(this).drawImage(0, 0, buffer);
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

// ---------------------------------------------------------------------------
// TvekButton

TvekButton::TvekButton(QWidget *owner) : TvekCustomButton(owner)
{
    SetBounds(x(), y(), 80, 27);
    SetTabStop(true);
    ApplyUIStyle(GetVEKFormStyle(owner ? owner->window() : nullptr));
}

TvekButton::~TvekButton() = default;

void TvekButton::SetGlyph(const QImage &value)
{
    FGlyph = value;
    Invalidate();
}

void TvekButton::SetLayout(TButtonLayout value)
{
    if (FLayout == value)
        return;
    FLayout = value;
    Invalidate();
}

void TvekButton::SetSpacing(int value)
{
    if (FSpacing == value)
        return;
    FSpacing = value;
    Invalidate();
}

// Naming a picture makes the pictures the user's own.
void TvekButton::SetPicNormal(const QString &value)
{
    SetUIStyle(TvekUIStyle::Custom);
    TvekCustomButton::SetPicNormal(value);
}

void TvekButton::SetPicMouseOn(const QString &value)
{
    SetUIStyle(TvekUIStyle::Custom);
    TvekCustomButton::SetPicMouseOn(value);
}

void TvekButton::SetPicMouseDown(const QString &value)
{
    SetUIStyle(TvekUIStyle::Custom);
    TvekCustomButton::SetPicMouseDown(value);
}

QString TvekButton::GetPicNormal() const
{
    return FUIStyle == TvekUIStyle::Custom ? FPicNormalResName : QString();
}

QString TvekButton::GetPicMouseOn() const
{
    return FUIStyle == TvekUIStyle::Custom ? FPicMouseOnResName : QString();
}

QString TvekButton::GetPicMouseDown() const
{
    return FUIStyle == TvekUIStyle::Custom ? FPicMouseDownResName : QString();
}

// The MacOS pictures fit one height only.
bool TvekButton::CanResize(int &, int &newHeight)
{
    return newHeight == 23 || FUIStyle != TvekUIStyle::MacOS;
}

void TvekButton::UIStyleChanged()
{
    if (FUIStyle == TvekUIStyle::MacOS)
        SetHeight(23);
    SetTransparent(FUIStyle == TvekUIStyle::BlueGlass);
}

void TvekButton::PaintPic(QPainter &canvas, const QImage &picture)
{
    canvas.setFont(font());
    if (FUIStyle != TvekUIStyle::Custom)
        SpitDraw(picture, canvas, rect(), PicTransparent());
    else
        TvekCustomButton::PaintPic(canvas, picture);
    if (!FGlyph.isNull())
        PaintGlyph(canvas);
}

// The glyph and the caption laid out together; a glyph twice as wide as high
// holds an enabled and a disabled frame.
void TvekButton::PaintGlyph(QPainter &canvas)
{
    const QSize text = TextExtent(Caption());
    const int tw = text.width(), th = text.height();
    int gw = FGlyph.width();
    const int gh = FGlyph.height();
    const bool twoFrames = gw == 2 * gh;
    if (twoFrames)
        gw = gh;
    const int W = width(), H = height(), S = FSpacing;
    int gx = 0, gy = 0, tx = 0, ty = 0;
    switch (FLayout) {
    case blGlyphLeft:
        gx = (W - tw - gw - S) / 2;
        gy = (H - gh) / 2;
        tx = gx + gw + S;
        ty = (H - th) / 2;
        break;
    case blGlyphRight:
        gx = (W + tw + S - gw) / 2;
        gy = (H - gh) / 2;
        tx = gx - tw - S;
        ty = (H - th) / 2;
        break;
    case blGlyphTop:
        gx = (W - gw) / 2;
        gy = (H - th - gh - S) / 2;
        tx = (W - tw) / 2;
        ty = gy + gh + S;
        break;
    case blGlyphBottom:
        gx = (W - gw) / 2;
        gy = (H + th + S - gh) / 2;
        tx = (W - tw) / 2;
        ty = gy - th - S;
        break;
    }
    FTextPos = QPoint(tx, ty);
    if (FMouseDown) {
        ++gx;
        ++gy;
    }
    const QColor mask = QColor::fromRgb(FGlyph.pixel(0, 0));
    const int frame = twoFrames && !isEnabled() ? 1 : 0;
    QImage image = FGlyph.copy(frame * gw, 0, gw, gh);
    image = MaskedImage(image, FromQColor(mask));
    DrawImageList(canvas, QPoint(gx, gy), image, false, twoFrames || isEnabled());
}

void TvekButton::PaintText(QPainter &canvas, const QString &text)
{
    if (FGlyph.isNull()) {
        TvekCustomButton::PaintText(canvas, text);
        return;
    }
    canvas.setBrush(Qt::NoBrush);
    canvas.setFont(font());
    const QPoint end(width() - 1, height() - 1);
    if (!isEnabled()) {
        canvas.setPen(DisabledShadow);
        canvas.drawText(QRect(FTextPos + QPoint(1, 1), end), LeftTopText, text);
        canvas.setPen(DisabledText);
    } else {
        if (FMouseDown)
            FTextPos += QPoint(1, 1);
        canvas.setPen(ToQColor(FontColor()));
    }
    canvas.drawText(QRect(FTextPos, end), LeftTopText, text);
}

// MacOS and BlueGlass mark the focus with a blue line near the bottom.
void TvekButton::PaintFocus(QPainter &canvas)
{
    if (FUIStyle != TvekUIStyle::MacOS && FUIStyle != TvekUIStyle::BlueGlass) {
        TvekCustomButton::PaintFocus(canvas);
        return;
    }
    const int W = width(), H = height();
    if (W - 10 <= 10)
        return;
    canvas.save();
    canvas.setPen(QPen(ToQColor(clBlue), 1));
    canvas.drawLine(10, H - 5, W - 11, H - 5);
    canvas.restore();
}

void TvekButton::SetButtonPic(TvekUIStyle style)
{
    if (style == TvekUIStyle::Custom)
        return;
    SetResHandle(0);
    FPicNormalResName = GetThemeString(style, 24);
    FPicMouseOnResName = GetThemeString(style, 25);
    FPicMouseDownResName = GetThemeString(style, 26);
}

void TvekButton::ActionChange()
{
    TvekCustomButton::ActionChange();
    if (Action() && FGlyph.isNull() && !Action()->icon().isNull())
        SetGlyph(Action()->icon().pixmap(16, 16).toImage());
}

// ---------------------------------------------------------------------------
// TvekCustomButtonEx

TvekCustomButtonEx::TvekCustomButtonEx(QWidget *owner) : TvekCustomButton(owner)
{
    SetParentColor(true);
    SetTabStop(true);
    SetBounds(x(), y(), 93, height());
}

void TvekCustomButtonEx::SetChecked(bool value)
{
    if (FChecked == value)
        return;
    FChecked = value;
    CheckStateChanged();
    VekNotifyCheckedChanged(this);
    Invalidate();
}

// The control takes the focus and changes its state before the form's
// modal result and OnClick, so OnClick sees the new state.
void TvekCustomButtonEx::Click()
{
    if (CanFocus())
        setFocus(Qt::MouseFocusReason);
    const QPointer<TvekCustomButtonEx> self(this);
    DoClick();
    if (self)
        TvekCustomButton::Click();
}

void TvekCustomButtonEx::AutoSizeChanged()
{
    ReplaceControl();
}

void TvekCustomButtonEx::CaptionChanged()
{
    TvekCustomButton::CaptionChanged();
    ReplaceControl();
    Invalidate();
}

void TvekCustomButtonEx::FontChanged()
{
    TvekCustomButton::FontChanged();
    ReplaceControl();
    Invalidate();
}

void TvekCustomButtonEx::UIStyleChanged()
{
    SetButtonPic(FUIStyle);
}

// The state picture at (1, y), centred by the style's box height.
void TvekCustomButtonEx::PaintPic(QPainter &canvas, const QImage &picture)
{
    const int y = (height() - GetPicHeight()) / 2;
    DrawImageList(canvas, QPoint(1, y), picture, PicTransparent(), true);
}

// The caption from pw + 4, not moved while pressed, plain grey when disabled.
void TvekCustomButtonEx::PaintText(QPainter &canvas, const QString &text)
{
    const int yt = (height() - (FontHeight() + 2)) / 2;
    canvas.setBrush(Qt::NoBrush);
    canvas.setFont(font());
    canvas.setPen(isEnabled() ? ToQColor(FontColor()) : DisabledText);
    FTextRect = EdgesRect(GetPicWidth() + 4, yt, width(), height());
    canvas.drawText(FTextRect, LeftTopText, text);
}

void TvekCustomButtonEx::PaintFocus(QPainter &canvas)
{
    const int yt = (height() - (FontHeight() + 2)) / 2;
    DrawFocusRect(canvas, EdgesRect(GetPicWidth() + 3, yt, width(), height()));
}

void TvekCustomButtonEx::resizeEvent(QResizeEvent *event)
{
    TvekCustomButton::resizeEvent(event);
    ReplaceControl();
}

int TvekCustomButtonEx::FontHeight() const
{
    const QFont f = font();
    return f.pixelSize() > 0 ? f.pixelSize() : QFontInfo(f).pixelSize();
}

void TvekCustomButtonEx::ReplaceControl()
{
    if (!AutoSize())
        return;
    const int h = std::max(FontHeight() + 2, GetPicHeight()) + 4;
    const int w = GetPicWidth() + TextExtent(Caption()).width() + 8;
    if (size() != QSize(w, h))
        SetBounds(x(), y(), w, h);
}

// ---------------------------------------------------------------------------
// TvekCheckBox

TvekCheckBox::TvekCheckBox(QWidget *owner) : TvekCustomButtonEx(owner)
{
    Setup(QStringLiteral("vekCheckBox"), false);
}

TvekCheckBox::TvekCheckBox(QWidget *owner, TSubclassTag) : TvekCustomButtonEx(owner) {}

// Runs in the most derived constructor, so that the style chooses that
// class's pictures and transparency.
void TvekCheckBox::Setup(const QString &caption, bool picTransparent)
{
    QWidget *owner = parentWidget();
    ApplyUIStyle(GetVEKFormStyle(owner ? owner->window() : nullptr));
    SetPicTransparent(picTransparent);
    SetCaption(caption);
    SetHeight(17);
}

TCheckBoxState TvekCheckBox::GetState() const
{
    return FChecked ? cbChecked : cbUnchecked;
}

// The grayed value unchecks.
void TvekCheckBox::SetState(TCheckBoxState value)
{
    SetChecked(value == cbChecked);
}

void TvekCheckBox::UpdateCheckState()
{
    SetButtonPic(FUIStyle);
}

// The size of the style's unchecked check-box picture lays out both check
// boxes and radio buttons.
int TvekCheckBox::GetPicWidth() const
{
    return StylePictureSize().width();
}

int TvekCheckBox::GetPicHeight() const
{
    return StylePictureSize().height();
}

QSize TvekCheckBox::StylePictureSize() const
{
    const QString name = GetThemeString(FUIStyle, 30);
    if (name.isEmpty())
        return QSize(0, 0);
    try {
        return LoadBitmapResource(name).size();
    } catch (...) {
        return QSize(0, 0);
    }
}

void TvekCheckBox::TransparentChanged()
{
    SetPicTransparent(false);
}

void TvekCheckBox::EnableChanged()
{
    UpdateCheckState();
}

void TvekCheckBox::UIStyleChanged()
{
    TvekCustomButtonEx::UIStyleChanged();
    switch (FUIStyle) {
    case TvekUIStyle::MacOS:
    case TvekUIStyle::Protein:
        SetTransparent(true);
        break;
    case TvekUIStyle::WinXP:
    case TvekUIStyle::DeepBlue:
    case TvekUIStyle::BlueGlass:
        SetTransparent(false);
        break;
    case TvekUIStyle::Custom:
        break;
    }
}

// The pictures of the state: normal (enabled or disabled), mouse-on, mouse-down.
void TvekCheckBox::SetButtonPic(TvekUIStyle style)
{
    SetResHandle(0);
    const int offset = ElementOffset();
    const int normal = FChecked ? (isEnabled() ? 29 : 27) : (isEnabled() ? 30 : 28);
    SetPicNormal(GetThemeString(style, normal + offset));
    SetPicMouseOn(GetThemeString(style, (FChecked ? 31 : 32) + offset));
    SetPicMouseDown(GetThemeString(style, (FChecked ? 33 : 34) + offset));
}

void TvekCheckBox::DoClick()
{
    SetChecked(!FChecked);
    Toggle();
}

void TvekCheckBox::CheckStateChanged()
{
    UpdateCheckState();
}

// ---------------------------------------------------------------------------
// TvekRadioButton

TvekRadioButton::TvekRadioButton(QWidget *owner) : TvekCheckBox(owner, TSubclassTag{})
{
    Setup(QStringLiteral("vekRadioButton"), true);
}

// The other radio buttons of the group on the same parent are cleared.
void TvekRadioButton::UnCheckGroup()
{
    QWidget *parent = parentWidget();
    if (!parent)
        return;
    for (QObject *child : parent->children()) {
        auto *radio = qobject_cast<TvekRadioButton *>(child);
        if (radio && radio != this && radio->FGroupIndex == FGroupIndex)
            radio->SetChecked(false);
    }
}

void TvekRadioButton::TransparentChanged()
{
    SetPicTransparent(true);
}

void TvekRadioButton::SetButtonPic(TvekUIStyle style)
{
    TvekCheckBox::SetButtonPic(style);
    Invalidate();
}

// Clicking a checked radio button leaves it checked.
void TvekRadioButton::DoClick()
{
    if (!FChecked)
        SetChecked(true);
}

void TvekRadioButton::CheckStateChanged()
{
    if (FChecked)
        UnCheckGroup();
    TvekCheckBox::CheckStateChanged();
}

// ---------------------------------------------------------------------------
// TvekImageButton

TvekImageButton::TvekImageButton(QWidget *owner) : TvekCustomButton(owner) {}

TvekImageButton::~TvekImageButton() = default;

void TvekImageButton::SetPicNormalF(const QImage &value)
{
    FPicNormal = value;
    AutoSizeChanged();
    Invalidate();
}

void TvekImageButton::SetPicMouseOnF(const QImage &value)
{
    FPicMouseOn = value;
    AutoSizeChanged();
    Invalidate();
}

void TvekImageButton::SetPicMouseDownF(const QImage &value)
{
    FPicMouseDown = value;
    AutoSizeChanged();
    Invalidate();
}

void TvekImageButton::SetPicDisabledF(const QImage &value)
{
    FPicDisabled = value;
    AutoSizeChanged();
    Invalidate();
}

void TvekImageButton::SetStretch(bool value)
{
    if (FStretch == value)
        return;
    FStretch = value;
    Invalidate();
}

// The button follows the normal picture's size, whichever picture was set.
void TvekImageButton::AutoSizeChanged()
{
    if (parentWidget() && AutoSize() && !FPicNormal.isNull())
        SetBounds(x(), y(), FPicNormal.width(), FPicNormal.height());
}

void TvekImageButton::PaintPic(QPainter &canvas, const QImage &picture)
{
    if (picture.width() <= 0 || picture.height() <= 0)
        return;
    const TColor mask = TopLeftColor(picture);
    QImage image =
        FStretch ? picture.scaled(size(), Qt::IgnoreAspectRatio, Qt::FastTransformation) : picture;
    if (PicTransparent())
        image = MaskedImage(image, mask);
    canvas.drawImage(0, 0, image);
}

QImage TvekImageButton::PaintButtonNormal()
{
    return FPicNormal;
}

QImage TvekImageButton::PaintButtonMouseOn()
{
    return !FPicMouseOn.isNull() ? FPicMouseOn : FPicNormal;
}

QImage TvekImageButton::PaintButtonMouseDown()
{
    return !FPicMouseDown.isNull() ? FPicMouseDown : FPicNormal;
}

QImage TvekImageButton::PaintButtonDisabled()
{
    return !FPicDisabled.isNull() ? FPicDisabled : FPicNormal;
}
