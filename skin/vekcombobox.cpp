#include "vekcombobox.h"

#include "bitmapresource.h"
#include "vekpublic.h"
#include "veksetter.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionComboBox>

namespace {

/*
    A triangle pointing down, seven pixels wide on its top row and four rows
    high. Drawn row by row so that its pixels do not depend on how the paint
    engine rasterises a polygon's outline.
*/
void FillArrow(QPainter &canvas, int x, int y, const QColor &color)
{
    for (int row = 0; row < 4; ++row)
        canvas.fillRect(x + row, y + row, 7 - 2 * row, 1, color);
}

} // namespace

/*
    Takes the style of the owner window's skinned frame, so a combo box placed
    on a skinned window starts in that window's look.
*/
TvekCustomComboBox::TvekCustomComboBox(QWidget *owner) : QComboBox(owner)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    StyleChanged();
    SetUIStyle(GetVEKFormStyle(OwnerWindow(owner)));
}

void TvekCustomComboBox::SetUIStyle(TvekUIStyle value)
{
    FUIStyle = value;
    // Custom yields black for all three: nothing of a style is left.
    FButtonColor = GetThemeColor(value, TvekThemeElement::ComboButtonColor);
    FArrowColor = GetThemeColor(value, TvekThemeElement::ControlBorderColor);
    FBorderColor = GetThemeColor(value, TvekThemeElement::ControlBorderColor);
    update();
}

void TvekCustomComboBox::SetBorderColor(TColor value)
{
    if (!vekAssign(FBorderColor, value))
        return;
    update();
}

void TvekCustomComboBox::SetArrowColor(TColor value)
{
    if (!vekAssign(FArrowColor, value))
        return;
    update();
}

void TvekCustomComboBox::SetButtonColor(TColor value)
{
    if (!vekAssign(FButtonColor, value))
        return;
    update();
}

void TvekCustomComboBox::SetColor(TColor value)
{
    if (!vekAssign(FColor, value))
        return;
    SetBaseColor(this, value);
    update();
}

void TvekCustomComboBox::SetStyle(TComboBoxStyle value)
{
    if (!vekAssign(FStyle, value))
        return;
    StyleChanged();
}

// Only the drop-down list leaves the text read-only.
void TvekCustomComboBox::StyleChanged()
{
    setEditable(FStyle != TComboBoxStyle::csDropDownList);
    update();
}

void TvekCustomComboBox::hidePopup()
{
    QComboBox::hidePopup();
    CloseUp();
}

/*
    The arrow starts four pixels left of the button's centre; its top is half
    the button's height, measured from the control's top, not the button's.
*/
QPoint TvekCustomComboBox::ArrowOrigin(const QRect &button)
{
    const int left = button.x();
    const int right = button.x() + button.width();
    const int top = button.y();
    const int bottom = button.y() + button.height();
    return QPoint(left + (right - left) / 2 - 4, (bottom - top) / 2);
}

QRect TvekCustomComboBox::DropDownButtonRect() const
{
    QStyleOptionComboBox option;
    initStyleOption(&option);
    return style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, this);
}

// The platform paints first; the skin paints its button and border over it.
void TvekCustomComboBox::paintEvent(QPaintEvent *event)
{
    QComboBox::paintEvent(event);
    {
        QPainter canvas(this);
        DrawButton(canvas);
    }
    DrawControlBorder(this, FBorderColor, FColor);
}

// The arrow switches between its enabled and disabled drawing.
void TvekCustomComboBox::changeEvent(QEvent *event)
{
    QComboBox::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        update();
}

void TvekCustomComboBox::DrawButton(QPainter &canvas)
{
    const QRect button = DropDownButtonRect();
    if (FUIStyle == TvekUIStyle::MacOS)
        canvas.drawImage(button, LoadBitmapResource(QStringLiteral("MACOS_COMBOBOX_BUTTON")));
    else
        canvas.fillRect(button, ToQColor(FButtonColor));
    const QPoint origin = ArrowOrigin(button);
    DrawArrow(canvas, origin.x(), origin.y());
}

// Disabled: grey over a white shadow one pixel to the lower right.
void TvekCustomComboBox::DrawArrow(QPainter &canvas, int x, int y)
{
    if (isEnabled()) {
        FillArrow(canvas, x, y, ToQColor(FArrowColor));
        return;
    }
    FillArrow(canvas, x + 1, y + 1, ToQColor(clWhite));
    FillArrow(canvas, x, y, ToQColor(clGray));
}
