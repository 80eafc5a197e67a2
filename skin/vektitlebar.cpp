#include "vektitlebar.h"

#include "bitmapresource.h"
#include "dialogservices.h"
#include "tform.h"
#include "vekaccessiblesupport.h"
#include "vekpublic.h"

#include <QFontMetrics>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace {

const QString vekErrorCaption = QStringLiteral("Error");

// Theme elements the title bar reads.
enum : int {
    elMinWidth = 6,
    elRoundCorner = 7,
    elTitleLeft = 45,
    elTitleClient = 46,
    elTitleRight = 47,
    elCloseNormal = 48,
    elMaxNormal = 51,
    elMinNormal = 54,
    elHelpNormal = 57,
    elCtlBoxNormal = 60,
    elRestoreNormal = 63,
    elBtnTransparent = 66,
    elLeftBtnOffset = 67,
    elRightBtnOffset = 68,
    elBtnTop = 69,
};

void ShowRuleMessage(const QString &text)
{
    DialogServices().MessageBox(text, vekErrorCaption, TMessageBoxKind::ErrorOk);
}

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

// ---------------------------------------------------------------------------
// TvekTitleBarButton

TvekTitleBarButton::TvekTitleBarButton(TvekTitleBarButtons *collection) : FCollection(collection) {}

int TvekTitleBarButton::Index() const
{
    return FCollection ? FCollection->IndexOf(this) : -1;
}

TvekTitleBar *TvekTitleBarButton::TitleBar() const
{
    return FCollection ? FCollection->TitleBar() : nullptr;
}

void TvekTitleBarButton::Changed()
{
    if (FCollection)
        FCollection->Changed();
}

// Only one button may be the control box; the refused type stays as it was.
void TvekTitleBarButton::SetButtonType(TvekTitleBarBtnType value)
{
    if (value == TvekTitleBarBtnType::vekControlBox && FCollection) {
        for (int i = 0; i < FCollection->Count(); ++i) {
            if (FCollection->Items(i)->ButtonType() == TvekTitleBarBtnType::vekControlBox) {
                ShowRuleMessage(QStringLiteral(
                    "Sorry, only one button's ButtonType property can be \"vekControlBox\""));
                return;
            }
        }
    }
    FButtonType = value;
    LoadPictures();
    Changed();
}

void TvekTitleBarButton::SetTransparent(bool value)
{
    FTransparent = value;
    Changed();
}

void TvekTitleBarButton::SetTop(int value)
{
    FTop = value;
    Changed();
}

void TvekTitleBarButton::SetUIStyle(TvekUIStyle value)
{
    FUIStyle = value;
    LoadPictures();
    Changed();
}

void TvekTitleBarButton::SetControlBoxMenu(QMenu *value)
{
    FControlBoxMenu = value;
    Changed();
}

void TvekTitleBarButton::SetPicNormal(const QImage &value)
{
    FPicNormal = value;
    Changed();
}

void TvekTitleBarButton::SetPicMouseOn(const QImage &value)
{
    FPicMouseOn = value;
    Changed();
}

void TvekTitleBarButton::SetPicMouseDown(const QImage &value)
{
    FPicMouseDown = value;
    Changed();
}

// A style resets the button's transparency and top to the style's, and a
// maximise button of a maximised window takes the restore pictures.
void TvekTitleBarButton::LoadPictures()
{
    if (FUIStyle == TvekUIStyle::Custom)
        return;
    FTransparent = GetThemeBool(FUIStyle, elBtnTransparent);
    int first = 0;
    switch (FButtonType) {
    case TvekTitleBarBtnType::vekMax:
        first = elMaxNormal;
        break;
    case TvekTitleBarBtnType::vekMin:
        first = elMinNormal;
        break;
    case TvekTitleBarBtnType::vekClose:
        first = elCloseNormal;
        break;
    case TvekTitleBarBtnType::vekHelp:
        first = elHelpNormal;
        break;
    case TvekTitleBarBtnType::vekControlBox:
        first = elCtlBoxNormal;
        break;
    case TvekTitleBarBtnType::vekCustom:
        return;
    }
    FTop = GetThemeInt(FUIStyle, elBtnTop);
    if (FButtonType == TvekTitleBarBtnType::vekMax) {
        const TvekTitleBar *bar = TitleBar();
        const QWidget *window = bar ? bar->HostWindow() : nullptr;
        if (window && window->isMaximized())
            first = elRestoreNormal;
    }
    FPicNormal = LoadThemeBitmap(FUIStyle, first);
    FPicMouseOn = LoadThemeBitmap(FUIStyle, first + 1);
    FPicMouseDown = LoadThemeBitmap(FUIStyle, first + 2);
}

void TvekTitleBarButton::Assign(const TvekTitleBarButton &source)
{
    SetButtonType(source.FButtonType);
    SetTransparent(source.FTransparent);
    SetTop(source.FTop);
    SetUIStyle(source.FUIStyle);
    SetPicNormal(source.FPicNormal);
    SetPicMouseOn(source.FPicMouseOn);
    SetPicMouseDown(source.FPicMouseDown);
    SetControlBoxMenu(source.FControlBoxMenu);
}

// A maximised frameless window must not cover the desktop's panels, so the
// window is limited to the work area before any action.
void TvekTitleBarButton::DoClick()
{
    TvekTitleBar *bar = TitleBar();
    QWidget *window = bar ? bar->HostWindow() : nullptr;
    if (!window)
        return;
    const QRect workArea = GetWorkAreaRect();
    if (workArea.isValid())
        window->setMaximumSize(workArea.size());
    switch (FButtonType) {
    case TvekTitleBarBtnType::vekMax:
        if (window->isMaximized()) {
            window->showNormal();
            if (bar->FNormalGeometry.isValid())
                window->setGeometry(bar->FNormalGeometry);
        } else {
            bar->FNormalGeometry = window->geometry();
            // Without a window manager nothing else fills the work area. The
            // geometry goes first: setting it clears the maximised state.
            if (bar->InSkinnedForm() && workArea.isValid())
                window->setGeometry(workArea);
            window->showMaximized();
        }
        if (FUIStyle == TvekUIStyle::WinXP)
            LoadPictures();
        bar->OnFormReSize();
        Changed();
        break;
    case TvekTitleBarBtnType::vekMin:
        window->showMinimized();
        break;
    case TvekTitleBarBtnType::vekClose:
        if (auto *form = qobject_cast<TForm *>(window))
            form->Close();
        else
            window->close();
        break;
    case TvekTitleBarBtnType::vekControlBox:
        if (FControlBoxMenu)
            FControlBoxMenu->popup(bar->mapToGlobal(QPoint(0, bar->height())));
        break;
    case TvekTitleBarBtnType::vekHelp:
    case TvekTitleBarBtnType::vekCustom:
        break;
    }
}

// ---------------------------------------------------------------------------
// TvekTitleBarSection

TvekTitleBarSection::TvekTitleBarSection(TvekTitleBarSections *collection) : FCollection(collection)
{}

int TvekTitleBarSection::Index() const
{
    return FCollection ? FCollection->IndexOf(this) : -1;
}

void TvekTitleBarSection::Changed()
{
    if (FCollection)
        FCollection->Changed();
}

void TvekTitleBarSection::SetAutoSize(bool value)
{
    FAutoSize = value;
    if (!FPicture.isNull())
        FWidth = FPicture.width();
    Changed();
}

void TvekTitleBarSection::SetWidth(int value)
{
    FWidth = value;
    Changed();
}

// Only one section may fill the space between the others; it always stretches.
void TvekTitleBarSection::SetAlign(TvekTitleBarAlign value)
{
    if (value == TvekTitleBarAlign::vekClient && FCollection) {
        for (int i = 0; i < FCollection->Count(); ++i) {
            if (FCollection->Items(i)->Align() == TvekTitleBarAlign::vekClient) {
                ShowRuleMessage(QStringLiteral(
                    "Sorry, only one section's Align property can be \"vekClient\""));
                return;
            }
        }
    }
    FAlign = value;
    if (value == TvekTitleBarAlign::vekClient)
        FStretch = true;
    Changed();
}

void TvekTitleBarSection::SetPicture(const QImage &value)
{
    FPicture = value;
    if (FAutoSize)
        FWidth = FPicture.width();
    Changed();
}

void TvekTitleBarSection::SetStretch(bool value)
{
    FStretch = value || FAlign == TvekTitleBarAlign::vekClient;
    Changed();
}

void TvekTitleBarSection::Assign(const TvekTitleBarSection &source)
{
    SetWidth(source.FWidth);
    SetAlign(source.FAlign);
    SetPicture(source.FPicture);
    SetStretch(source.FStretch);
    SetAutoSize(source.FAutoSize);
}

// ---------------------------------------------------------------------------
// TvekTitleBar

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
    return parentWidget() && parentWidget()->inherits("TvekForm");
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
    left->SetPicture(LoadThemeBitmap(value, elTitleLeft));
    TvekTitleBarSection *right = FSections->Add();
    right->SetAutoSize(true);
    right->SetPicture(LoadThemeBitmap(value, elTitleRight));
    right->SetAlign(TvekTitleBarAlign::vekRight);
    TvekTitleBarSection *client = FSections->Add();
    client->SetPicture(LoadThemeBitmap(value, elTitleClient));
    client->SetAlign(TvekTitleBarAlign::vekClient);
    FLeftBtnXOffset = GetThemeInt(value, elLeftBtnOffset);
    FRightBtnXOffset = GetThemeInt(value, elRightBtnOffset);
    if (QWidget *window = HostWindow())
        window->setMinimumWidth(GetThemeInt(value, elMinWidth));
    FRoundCornerSize = GetThemeInt(value, elRoundCorner);
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
    FButtonInterval = value;
    update();
}

void TvekTitleBar::SetCaption(const QString &value)
{
    if (FCaption == value)
        return;
    FCaption = value;
    VekNotifyNameChanged(this);
    update();
}

void TvekTitleBar::SetFont(const QFont &value)
{
    FFont = value;
    update();
}

void TvekTitleBar::SetFontColor(TColor value)
{
    FFontColor = value;
    update();
}

void TvekTitleBar::SetActive(bool value)
{
    FFormActive = value;
    update();
}

void TvekTitleBar::SetLeftBtnXOffset(int value)
{
    FLeftBtnXOffset = value;
    update();
}

void TvekTitleBar::SetRightBtnXOffset(int value)
{
    FRightBtnXOffset = value;
    update();
}

void TvekTitleBar::SetDrawAppIcon(bool value)
{
    FDrawAppIcon = value;
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
    QImage bitmap(size(), QImage::Format_RGB32);
    bitmap.fill(Qt::black);
    QPainter canvas(&bitmap);
    PaintSections(canvas, bitmap);
    PaintButtons(canvas);
    PaintCaption(canvas);
    canvas.end();
    QPainter(this).drawImage(0, 0, bitmap);
}

// Left sections pack from the left, right ones from the right while they
// fit, and the client section stretches over what lies between.
void TvekTitleBar::PaintSections(QPainter &canvas, const QImage &bitmap) const
{
    const int h = bitmap.height();
    int left = -1, right = bitmap.width() + 1;
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
            if (bitmap.width() - left >= w) {
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

void TvekTitleBar::PaintButtons(QPainter &canvas)
{
    FHotButton = FCursor ? ButtonAt(*FCursor) : -1;
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
        if (i == FHotButton)
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
    FHotButton = ButtonAt(pos);
    update();
    QWidget *host = HostWindow();
    if (FHotButton < 0 && host && !host->isMaximized())
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
    FCursor = event->position().toPoint();
    if ((FMovePending || FOwnMove) && (event->buttons() & Qt::LeftButton))
        FollowMove(event->globalPosition().toPoint());
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
    FHotButton = ButtonAt(pos);
    const QPointer<TvekTitleBar> self(this);
    if (FHotButton >= 0) {
        ClickButton(FHotButton);
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
    const QPoint pos = event->position().toPoint();
    FCursor = pos;
    FPressed = true;
    FHotButton = ButtonAt(pos);
    update();
    if (FHotButton >= 0)
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
    FCursor.reset();
    update();
}
