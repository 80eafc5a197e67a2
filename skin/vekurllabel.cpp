#include "vekurllabel.h"

#include "dialogservices.h"
#include "vekpublic.h"

#include <QMouseEvent>

TvekURLLabel::TvekURLLabel(QWidget *owner) : QLabel(owner)
{
    setTextFormat(Qt::PlainText);
    // Only the underline is the label's own; the rest follows the parent.
    QFont underlined;
    underlined.setUnderline(true);
    setFont(underlined);
    SetFontColor(FFontLinkColor);
    setCursor(ToCursorShape(FCursor));
    UpdateBackground();
    SetCaption(QStringLiteral("Hello!"));
    FURL = QStringLiteral("http://www.example.com/");
}

void TvekURLLabel::SetCaption(const QString &value)
{
    if (text() == value)
        return;
    setText(value);
    AdjustBounds();
}

void TvekURLLabel::SetAutoSize(bool value)
{
    if (FAutoSize == value)
        return;
    FAutoSize = value;
    AdjustBounds();
}

// With ParentColor the colour is the parent's own Color, or the background
// it paints when it has none.
TColor TvekURLLabel::Color() const
{
    const QWidget *parent = parentWidget();
    if (!FParentColor || !parent)
        return FColor;
    return ParentBackgroundColor(parent);
}

// A colour of its own ends following the parent.
void TvekURLLabel::SetColor(TColor value)
{
    if (FColor == value && !FParentColor)
        return;
    FColor = value;
    FParentColor = false;
    UpdateBackground();
}

void TvekURLLabel::SetParentColor(bool value)
{
    if (FParentColor == value)
        return;
    FParentColor = value;
    UpdateBackground();
}

void TvekURLLabel::SetTransparent(bool value)
{
    if (FTransparent == value)
        return;
    FTransparent = value;
    UpdateBackground();
}

void TvekURLLabel::SetWordWrap(bool value)
{
    if (wordWrap() == value)
        return;
    setWordWrap(value);
    AdjustBounds();
}

void TvekURLLabel::SetCursor(int value)
{
    FCursor = static_cast<TCursor>(value);
    setCursor(ToCursorShape(FCursor));
}

void TvekURLLabel::SetURL(const QString &value)
{
    if (FURL != value)
        FURL = value;
}

// The link look shows at once, even while the pointer is over the label.
void TvekURLLabel::SetLinkColor(TColor value)
{
    FFontLinkColor = value;
    SetFontColor(value);
}

void TvekURLLabel::SetFont(const QFont &value)
{
    setFont(value);
}

TColor TvekURLLabel::FontColor() const
{
    return FromQColor(palette().color(QPalette::WindowText));
}

void TvekURLLabel::SetFontColor(TColor value)
{
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, ToQColor(value));
    setPalette(pal);
}

// The address goes to the desktop untrimmed; a blank one opens nothing.
// A handler that fails is not reported.
void TvekURLLabel::Click()
{
    if (!FURL.trimmed().isEmpty())
        DialogServices().OpenWithDesktop(FURL);
    if (OnClick)
        OnClick(this);
}

void TvekURLLabel::enterEvent(QEnterEvent *)
{
    SetFontColor(FFontHoverColor);
}

void TvekURLLabel::leaveEvent(QEvent *)
{
    SetFontColor(FFontLinkColor);
}

void TvekURLLabel::mousePressEvent(QMouseEvent *event)
{
    const QPoint p = event->position().toPoint();
    if (event->button() == Qt::LeftButton)
        FClicked = true;
    if (OnMouseDown)
        OnMouseDown(this, event->button(), event->modifiers(), p.x(), p.y());
}

void TvekURLLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint p = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        const bool click = FClicked && rect().contains(p);
        FClicked = false;
        if (click)
            Click();
    }
    if (OnMouseUp)
        OnMouseUp(this, event->button(), event->modifiers(), p.x(), p.y());
}

void TvekURLLabel::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint p = event->position().toPoint();
    if (OnMouseMove)
        OnMouseMove(this, Qt::NoButton, event->modifiers(), p.x(), p.y());
}

// A new font (set here or inherited) resizes an auto-sized label.
void TvekURLLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        AdjustBounds();
}

// A label with a colour of its own fills its area with it; one that follows
// its parent, or a transparent one, shows the parent beneath.
void TvekURLLabel::UpdateBackground()
{
    setAutoFillBackground(!FTransparent && !FParentColor);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, ToQColor(FColor));
    setPalette(pal);
}

void TvekURLLabel::AdjustBounds()
{
    if (FAutoSize)
        adjustSize();
}
