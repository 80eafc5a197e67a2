#include "vektitlebar.h"

#include "bitmapresource.h"
#include "dialogservices.h"
#include "tform.h"
#include "vekaccessiblesupport.h"
#include "vekform.h"
#include "vekpaintbuffer.h"
#include "vekpublic.h"
#include "veksetter.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace {

// The first characters of a caption that fill two bytes of a double-byte
// code page: two Latin characters or one Chinese character.
QString FirstTwoBytes(const QString &caption)
{
    QString result;
    int bytes = 0;
    for (const QChar c : caption) {
        const int size = c.unicode() < 0x80 ? 1 : 2;
        if (bytes + size > 2)
            break;
        result += c;
        bytes += size;
    }
    return result;
}

// A picture cut to the button's size, with the colour of its bottom-left
// pixel left out when the button is transparent.
QImage ButtonPiece(const QImage &picture, const QSize &size, bool transparent)
{
    QImage piece = picture.copy(QRect(QPoint(0, 0), size));
    if (!transparent || piece.isNull())
        return piece;
    return MaskedImage(piece, FromQColor(piece.pixelColor(0, piece.height() - 1)));
}

// The program's icon at 16 x 16. Read with its alpha channel: the bitmap
// loader flattens pictures to opaque colour.
QImage AppIcon()
{
    static const QImage icon = [] {
        QImage image(QStringLiteral(":/bitmaps/MAINICON.png"));
        if (image.isNull() && HasBitmapResource(QStringLiteral("MAINICON")))
            image = MaskedImage(LoadBitmapResource(QStringLiteral("MAINICON")));
        return image.isNull()
                   ? image
                   : image.scaled(16, 16, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }();
    return icon;
}

} // namespace

TvekTitleBar::TvekTitleBar(QWidget *owner)
    : QWidget(owner), FSections(std::make_unique<TvekTitleBarSections>(this)),
      FButtons(std::make_unique<TvekTitleBarButtons>(this))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    FFont = QFont(QStringLiteral("Tahoma"));
    FFont.setPixelSize(11);
    FFont.setBold(true);
    for (const auto type : {TvekTitleBarBtnType::vekControlBox, TvekTitleBarBtnType::vekClose,
                            TvekTitleBarBtnType::vekMax, TvekTitleBarBtnType::vekMin})
        FButtons->Add()->SetButtonType(type);
    SetUIStyle(GetVEKFormStyle(owner));
}

TvekTitleBar::~TvekTitleBar() = default;

QWidget *TvekTitleBar::HostWindow() const
{
    return parentWidget() ? window() : nullptr;
}

bool TvekTitleBar::InSkinnedForm() const
{
    return qobject_cast<const TvekForm *>(parentWidget()) != nullptr;
}

void TvekTitleBar::SetUIStyle(TvekUIStyle value)
{
    FUIStyle = value;
    FSections->Clear();
    if (value == TvekUIStyle::Custom) {
        update();
        return;
    }
    TvekTitleBarSection *left = FSections->Add();
    left->SetAutoSize(true);
    left->SetPicture(LoadThemeBitmap(value, TvekThemeElement::TitleLeftPic));
    TvekTitleBarSection *right = FSections->Add();
    right->SetAutoSize(true);
    right->SetPicture(LoadThemeBitmap(value, TvekThemeElement::TitleRightPic));
    right->SetAlign(TvekTitleBarAlign::vekRight);
    TvekTitleBarSection *client = FSections->Add();
    client->SetPicture(LoadThemeBitmap(value, TvekThemeElement::TitleClientPic));
    client->SetAlign(TvekTitleBarAlign::vekClient);
    FLeftBtnXOffset = GetThemeInt(value, TvekThemeElement::TitleLeftButtonOffset);
    FRightBtnXOffset = GetThemeInt(value, TvekThemeElement::TitleRightButtonOffset);
    if (QWidget *window = HostWindow())
        window->setMinimumWidth(GetThemeInt(value, TvekThemeElement::WindowMinWidth));
    FRoundCornerSize = GetThemeInt(value, TvekThemeElement::WindowRoundCorner);
    if (InSkinnedForm())
        ApplyRoundCorners();
    for (int i = 0; i < FButtons->Count(); ++i)
        FButtons->Items(i)->SetUIStyle(value);
    SetAutoSize(true);
    update();
}

// The bar's height follows its first section's picture.
void TvekTitleBar::SetAutoSize(bool value)
{
    FAutoSize = value;
    if (FSections->Count() > 0)
        resize(width(), FSections->Items(0)->Picture().height());
    else
        FAutoSize = false;
}

void TvekTitleBar::SetButtonInterval(int value)
{
    if (!vekAssign(FButtonInterval, value))
        return;
    update();
}

void TvekTitleBar::SetCaption(const QString &value)
{
    if (!vekAssign(FCaption, value))
        return;
    VekNotifyNameChanged(this);
    update();
}

void TvekTitleBar::SetFont(const QFont &value)
{
    if (!vekAssign(FFont, value))
        return;
    update();
}

void TvekTitleBar::SetFontColor(TColor value)
{
    if (!vekAssign(FFontColor, value))
        return;
    update();
}

void TvekTitleBar::SetActive(bool value)
{
    if (!vekAssign(FFormActive, value))
        return;
    update();
}

void TvekTitleBar::SetLeftBtnXOffset(int value)
{
    if (!vekAssign(FLeftBtnXOffset, value))
        return;
    update();
}

void TvekTitleBar::SetRightBtnXOffset(int value)
{
    if (!vekAssign(FRightBtnXOffset, value))
        return;
    update();
}

void TvekTitleBar::SetDrawAppIcon(bool value)
{
    if (!vekAssign(FDrawAppIcon, value))
        return;
    update();
}

void TvekTitleBar::OnFormReSize()
{
    if (InSkinnedForm())
        ApplyRoundCorners();
}

void TvekTitleBar::ApplyRoundCorners()
{
    QWidget *host = window();
    if (FRoundCornerSize > 0)
        host->setMask(RoundCornerRegion(host->size(), FRoundCornerSize));
    else
        host->clearMask();
}

// A rounded rectangle with s x s corner ellipses whose bottom corners are
// filled back by squares: only the top corners are cut, row by row.
QRegion TvekTitleBar::RoundCornerRegion(const QSize &size, int cornerSize)
{
    const int w = size.width(), h = size.height();
    if (cornerSize <= 0)
        return QRegion(0, 0, w, h);
    const double r = cornerSize / 2.0;
    QRegion region;
    int y = 0;
    for (; y < h; ++y) {
        const double dy = r - (y + 0.5);
        if (dy <= 0)
            break;
        const int inset = int(std::lround(r - std::sqrt(std::max(0.0, r * r - dy * dy))));
        if (inset <= 0)
            break;
        region += QRect(inset, y, w - 2 * inset, 1);
    }
    return region + QRect(0, y, w, h - y);
}

int TvekTitleBar::ControlBoxIndex() const
{
    for (int i = 0; i < FButtons->Count(); ++i)
        if (FButtons->Items(i)->ButtonType() == TvekTitleBarBtnType::vekControlBox)
            return i;
    return -1;
}

// The right-hand row runs leftward from the bar's right end, the first
// button rightmost; the control box sits at the left offset.
std::vector<QRect> TvekTitleBar::ButtonRects() const
{
    std::vector<QRect> rects(FButtons->Count());
    int x = width() + 1 + FRightBtnXOffset;
    for (int i = 0; i < FButtons->Count(); ++i) {
        const TvekTitleBarButton *button = FButtons->Items(i);
        const QSize size = button->PicNormal().size();
        if (button->ButtonType() == TvekTitleBarBtnType::vekControlBox) {
            rects[i] = QRect(QPoint(FLeftBtnXOffset, button->Top()), size);
        } else {
            x -= size.width() + 1 + FButtonInterval;
            rects[i] = QRect(QPoint(x, button->Top()), size);
        }
    }
    return rects;
}

int TvekTitleBar::RightRowLeft() const
{
    int x = width() + 1 + FRightBtnXOffset;
    for (int i = 0; i < FButtons->Count(); ++i) {
        const TvekTitleBarButton *button = FButtons->Items(i);
        if (button->ButtonType() != TvekTitleBarBtnType::vekControlBox)
            x -= button->PicNormal().width() + 1 + FButtonInterval;
    }
    return x;
}

// The right-hand row is tested first and the control box last, as they are
// drawn; a button's rectangle includes its right and bottom edges.
int TvekTitleBar::ButtonAt(const QPoint &pos) const
{
    const std::vector<QRect> rects = ButtonRects();
    const int box = ControlBoxIndex();
    int hot = -1;
    for (int i = 0; i < int(rects.size()); ++i)
        if (i != box && InRect(pos, rects[i]))
            hot = i;
    if (box >= 0 && InRect(pos, rects[box]))
        hot = box;
    return hot;
}

int TvekTitleBar::CaptionStart() const
{
    const int box = ControlBoxIndex();
    if (box >= 0) {
        if (FDrawAppIcon)
            return FLeftBtnXOffset + 21;
        return FLeftBtnXOffset + FButtons->Items(box)->PicNormal().width() + 5;
    }
    return FLeftBtnXOffset == 0 ? 6 : FLeftBtnXOffset;
}

int TvekTitleBar::CaptionSpace() const
{
    return RightRowLeft() - CaptionStart();
}

// A caption wider than its space is not shortened step by step: it shows
// its first two characters and "...".
QString TvekTitleBar::DrawnCaption() const
{
    if (QFontMetrics(FFont).horizontalAdvance(FCaption) > CaptionSpace())
        return FirstTwoBytes(FCaption) + QStringLiteral("...");
    return FCaption;
}

void TvekTitleBar::paintEvent(QPaintEvent *)
{
    TvekPaintBuffer buffer(this);
    PaintSections(buffer.Canvas());
    PaintButtons(buffer.Canvas());
    PaintCaption(buffer.Canvas());
}

// Left sections pack from the left, right ones from the right while they
// fit, and the client section stretches over what lies between.
void TvekTitleBar::PaintSections(QPainter &canvas) const
{
    const int h = height();
    int left = -1, right = width() + 1;
    const TvekTitleBarSection *client = nullptr;
    auto draw = [&](const TvekTitleBarSection *section, const QRect &r) {
        if (section->Stretch())
            canvas.drawImage(r, section->Picture());
        else
            canvas.drawImage(r.topLeft(), section->Picture(), QRect(QPoint(0, 0), r.size()));
    };
    for (int i = 0; i < FSections->Count(); ++i) {
        const TvekTitleBarSection *section = FSections->Items(i);
        const int w = section->Width();
        switch (section->Align()) {
        case TvekTitleBarAlign::vekLeft:
            draw(section, QRect(left + 1, 0, w, h));
            left += w;
            break;
        case TvekTitleBarAlign::vekRight:
            if (width() - left >= w) {
                draw(section, QRect(right - w - 1, 0, w, h));
                right -= w;
            }
            break;
        case TvekTitleBarAlign::vekClient:
            client = section;
            break;
        }
    }
    if (client)
        canvas.drawImage(QRect(left + 1, 0, right - 1 - (left + 1), h), client->Picture());
}

int TvekTitleBar::HotButton() const
{
    return FCursor ? ButtonAt(*FCursor) : -1;
}

void TvekTitleBar::SetCursor(std::optional<QPoint> cursor)
{
    const int hot = HotButton();
    FCursor = cursor;
    if (HotButton() != hot)
        update();
}

void TvekTitleBar::PaintButtons(QPainter &canvas) const
{
    const int hotButton = HotButton();
    const std::vector<QRect> rects = ButtonRects();
    const int box = ControlBoxIndex();
    for (int i = 0; i < FButtons->Count(); ++i) {
        const TvekTitleBarButton *button = FButtons->Items(i);
        if (i == box && FDrawAppIcon) {
            const QImage icon = AppIcon();
            if (!icon.isNull())
                canvas.drawImage(rects[i].x() + 3, button->Top(), icon);
            continue;
        }
        const QImage *picture = &button->PicNormal();
        if (i == hotButton)
            picture = FPressed ? &button->PicMouseDown() : &button->PicMouseOn();
        if (picture->isNull())
            picture = &button->PicNormal();
        const QImage piece = ButtonPiece(*picture, rects[i].size(), button->Transparent());
        if (!piece.isNull())
            canvas.drawImage(rects[i].topLeft(), piece);
    }
}

// The caption is black in MacOS, the inactive-caption colour in an inactive
// window, and otherwise the font's colour; DeepBlue draws it at y = 4.
void TvekTitleBar::PaintCaption(QPainter &canvas) const
{
    TColor color = FFontColor;
    if (!FFormActive)
        color = clInactiveCaption;
    else if (FUIStyle == TvekUIStyle::MacOS)
        color = clBlack;
    canvas.setFont(FFont);
    canvas.setPen(ToQColor(color));
    const QFontMetrics metrics = canvas.fontMetrics();
    const int y = FUIStyle == TvekUIStyle::DeepBlue ? 4 : (height() - metrics.height()) / 2;
    canvas.drawText(QPoint(CaptionStart(), y + metrics.ascent()), DrawnCaption());
}

// A press on a button only marks it pressed; a press on the caption prepares
// a drag of the window, which starts at the first move so that clicks and
// double clicks still arrive.
void TvekTitleBar::mousePressEvent(QMouseEvent *event)
{
    QWidget::mousePressEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint pos = event->position().toPoint();
    FCursor = pos;
    FPressed = true;
    update();
    QWidget *host = HostWindow();
    if (HotButton() < 0 && host && !host->isMaximized())
        BeginMove(event->globalPosition().toPoint());
}

void TvekTitleBar::BeginMove(const QPoint &globalPos)
{
    FMovePending = true;
    FOwnMove = false;
    FMoveStartGlobal = globalPos;
    FMoveStartWindow = HostWindow()->pos();
}

// The platform's own move gives the desktop's snapping and tiling; where it
// refuses (no window manager) the bar moves the window itself. After a
// system move no release may arrive, so the pressed state ends here.
void TvekTitleBar::FollowMove(const QPoint &globalPos)
{
    QWidget *host = HostWindow();
    if (!host)
        return;
    if (FMovePending) {
        FMovePending = false;
        QWindow *handle = host->windowHandle();
        if (handle && handle->startSystemMove()) {
            FPressed = false;
            return;
        }
        FOwnMove = true;
    }
    if (FOwnMove)
        host->move(FMoveStartWindow + (globalPos - FMoveStartGlobal));
}

void TvekTitleBar::mouseMoveEvent(QMouseEvent *event)
{
    QWidget::mouseMoveEvent(event);
    const bool pressed = FPressed;
    SetCursor(event->position().toPoint());
    if ((FMovePending || FOwnMove) && (event->buttons() & Qt::LeftButton))
        FollowMove(event->globalPosition().toPoint());
    // A system move ends the pressed look of a hot button.
    if (FPressed != pressed && HotButton() >= 0)
        update();
}

// A release over a button clicks it, wherever the press began.
void TvekTitleBar::mouseReleaseEvent(QMouseEvent *event)
{
    QWidget::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    FMovePending = false;
    FOwnMove = false;
    const QPoint pos = event->position().toPoint();
    FCursor = pos;
    const int index = HotButton();
    const QPointer<TvekTitleBar> self(this);
    if (index >= 0) {
        ClickButton(index);
        if (!self)
            return;
    }
    FPressed = false;
    update();
}

void TvekTitleBar::ClickButton(int index)
{
    if (index < 0 || index >= FButtons->Count())
        return;
    TvekTitleBarButton *button = FButtons->Items(index);
    const TvekTitleBarBtnType type = button->ButtonType();
    const QPointer<TvekTitleBar> self(this);
    button->DoClick();
    if (!self)
        return;
    if (OnCustomBtnsClick && type == TvekTitleBarBtnType::vekCustom)
        OnCustomBtnsClick(this, index);
    else if (OnHelpBtnClick && type == TvekTitleBarBtnType::vekHelp)
        OnHelpBtnClick(this, index);
}

// A double click on the caption toggles maximise, only where the bar has a
// maximise button.
void TvekTitleBar::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseDoubleClickEvent(event);
        return;
    }
    FCursor = event->position().toPoint();
    FPressed = true;
    update();
    if (HotButton() >= 0)
        return;
    for (int i = 0; i < FButtons->Count(); ++i) {
        if (FButtons->Items(i)->ButtonType() == TvekTitleBarBtnType::vekMax) {
            FButtons->Items(i)->DoClick();
            return;
        }
    }
}

void TvekTitleBar::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    SetCursor(std::nullopt);
}

// A window closed from its bar gets no leave event: the cursor kept from the
// click would show the button hot when the window opens again elsewhere.
void TvekTitleBar::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    FCursor.reset();
    FPressed = false;
    FMovePending = false;
    FOwnMove = false;
}
