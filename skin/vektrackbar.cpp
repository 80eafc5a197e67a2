#include "vektrackbar.h"

#include "desktop.h"
#include "vekaccessiblesupport.h"
#include "vekimagepanel.h"
#include "vekpaintbuffer.h"
#include "vekpublic.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include <algorithm>
#include <cstdint>

namespace {

// How often a held click beside the slider pages again.
constexpr int pagingInterval = 500;

// a * b / c on 64 bits, truncated toward zero, so large ranges cannot overflow.
int MulDiv(std::int64_t a, std::int64_t b, std::int64_t c)
{
    return static_cast<int>(a * b / c);
}

} // namespace

TvekTrackBar::TvekTrackBar(QWidget *owner)
    : TvekTrackBar(owner, GetVEKFormStyle(OwnerWindow(owner)))
{}

TvekTrackBar::TvekTrackBar(QWidget *owner, TvekUIStyle style)
    : QWidget(owner), CursorPos(&GetCursorPos)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    FSlider = new TvekImagePanel(this);
    // The track decides what a press means, by the slider's place.
    FSlider->setAttribute(Qt::WA_TransparentForMouseEvents);
    SetUIStyle(style);
}

TvekTrackBar::~TvekTrackBar() = default;

void TvekTrackBar::SetMin(int value)
{
    FMin = value;
    UpdateSlider();
}

void TvekTrackBar::SetMax(int value)
{
    FMax = value;
    UpdateSlider();
}

void TvekTrackBar::SetPosition(int value)
{
    if (value < FMin)
        value = FMin;
    else if (value > FMax)
        value = FMax;
    FPosition = value;
    UpdateSlider();
}

void TvekTrackBar::SetOrientation(TvekProgressBarOrientation value)
{
    if (FOrientation == value)
        return;
    FOrientation = value;
    LoadPictures();
    update();
}

void TvekTrackBar::SetUIStyle(TvekUIStyle value)
{
    FUIStyle = value;
    LoadPictures();
    update();
}

void TvekTrackBar::SetPageSize(int value)
{
    if (value < 0 || value > 100)
        return;
    FPageSize = value;
}

void TvekTrackBar::SetColor(TColor value)
{
    FColor = value;
    update();
}

void TvekTrackBar::SetBarImage(const QImage &value)
{
    FBarImage = value;
    update();
}

// A free-standing track bar wears its style's bar and slider; Custom keeps them.
void TvekTrackBar::LoadPictures()
{
    if (FUIStyle == TvekUIStyle::Custom)
        return;
    const bool vertical = FOrientation == vekVertical;
    using enum TvekThemeElement;
    FBarImage = LoadThemeBitmap(FUIStyle, vertical ? TrackBarVerticalBarPic : TrackBarBarPic);
    FSlider->SetPicture(
        LoadThemeBitmap(FUIStyle, vertical ? TrackBarVerticalSliderPic : TrackBarSliderPic));
    FColor = GetThemeColor(FUIStyle, TrackBarColor);
    AdjustCrossSize();
}

int TvekTrackBar::TrackLength() const
{
    return FOrientation == vekVertical ? height() : width();
}

int TvekTrackBar::SliderLength() const
{
    return FOrientation == vekVertical ? FSlider->height() : FSlider->width();
}

int TvekTrackBar::Along(const QPoint &p) const
{
    return FOrientation == vekVertical ? p.y() : p.x();
}

int TvekTrackBar::ValueFromPoint(int p) const
{
    const int room = TrackLength() - SliderLength();
    if (room == 0)
        return 0;
    return MulDiv(p - SliderLength() / 2, std::int64_t(FMax) - FMin, room) + FMin;
}

void TvekTrackBar::AdjustCrossSize()
{
    const bool vertical = FOrientation == vekVertical;
    const int cross = std::max(FBarImage.height(), vertical ? FSlider->width() : FSlider->height());
    if (vertical)
        resize(cross, height());
    else
        resize(width(), cross);
}

/*
    The slider follows the position only when the position itself changes:
    a new range or a new size alone leaves it where it is. The callback may
    move the position again; what it leaves counts as placed.
*/
void TvekTrackBar::UpdateSlider()
{
    if (FPosition == FLastPos)
        return;
    FLastPos = FPosition;
    PlaceSlider();
    VekNotifyValueChanged(this, FPosition);
    update();
    if (OnChange)
        OnChange(this);
    FLastPos = FPosition;
}

void TvekTrackBar::PlaceSlider()
{
    const int along = FMax == FMin
                          ? 0
                          : MulDiv(std::int64_t(FPosition) - FMin, TrackLength() - SliderLength(),
                                   std::int64_t(FMax) - FMin);
    const bool vertical = FOrientation == vekVertical;
    const int cross = vertical ? width() - FSlider->width() : height() - FSlider->height();
    const int across = std::max(0, cross / 2);
    FSlider->move(vertical ? QPoint(across, along) : QPoint(along, across));
}

// One page towards p, never past the value whose slider centre lies at p.
void TvekTrackBar::PageTowards(int p)
{
    const int edge = Along(FSlider->pos());
    if (edge < p)
        SetPosition(std::min(FPosition + FPageSize, ValueFromPoint(p)));
    else if (edge > p)
        SetPosition(std::max(FPosition - FPageSize, ValueFromPoint(p)));
}

void TvekTrackBar::PageTick()
{
    PageTowards(Along(mapFromGlobal(CursorPos())));
}

/*
    The slider is dragged with any button, at the place it was grabbed. A
    left click beside it pages, and keeps paging while held.
*/
void TvekTrackBar::mousePressEvent(QMouseEvent *event)
{
    const QPoint p = event->position().toPoint();
    if (!FSlider->isHidden() && FSlider->geometry().contains(p)) {
        FGrabOffset = Along(p - FSlider->pos());
        FDragging = true;
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    PageTowards(Along(p));
    if (!FTimer) {
        FTimer = new QTimer(this);
        FTimer->setInterval(pagingInterval);
        connect(FTimer, &QTimer::timeout, this, &TvekTrackBar::PageTick);
        FTimer->start();
    }
}

void TvekTrackBar::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint p = event->position().toPoint();
    if (FDragging) {
        DragTo(Along(p));
        return;
    }
    if (FTimer && (p.x() < 0 || p.x() > width() || p.y() < 0 || p.y() > height()))
        StopTimer();
}

void TvekTrackBar::mouseReleaseEvent(QMouseEvent *)
{
    FDragging = false;
    StopTimer();
}

/*
    The slider follows the pointer at once; the value follows one move later:
    the callback reports the value that the previous move computed.
*/
void TvekTrackBar::DragTo(int p)
{
    const int lead = std::clamp(p - FGrabOffset, 0, std::max(0, TrackLength() - SliderLength()));
    if (FOrientation == vekVertical)
        FSlider->move(FSlider->x(), lead);
    else
        FSlider->move(lead, FSlider->y());
    if (FPosition != FLastPos) {
        if (OnChange)
            OnChange(this);
        FLastPos = FPosition;
    }
    int value = ValueFromPoint(p);
    if (value < FMin)
        value = FMin;
    else if (value > FMax)
        value = FMax;
    if (value != FPosition)
        VekNotifyValueChanged(this, value);
    FPosition = value;
}

void TvekTrackBar::StopTimer()
{
    delete FTimer;
    FTimer = nullptr;
}

void TvekTrackBar::paintEvent(QPaintEvent *)
{
    TvekPaintBuffer buffer(this);
    QPainter &canvas = buffer.Canvas();
    canvas.fillRect(rect(), ToQColor(FColor));
    if (FBarImage.isNull())
        return;
    if (FOrientation == vekHorizontal) {
        const int top = (height() - FBarImage.height()) / 2;
        SpitDrawHorizontal(FBarImage, canvas, QRect(0, top, width(), FBarImage.height()), true);
        return;
    }
    // The vertical bar is the horizontal one drawn to length and turned.
    QImage strip(height(), FBarImage.height(), QImage::Format_ARGB32);
    strip.fill(Qt::transparent);
    QPainter stripCanvas(&strip);
    SpitDrawHorizontal(FBarImage, stripCanvas, strip.rect(), true);
    stripCanvas.end();
    RoundPicture(strip);
    canvas.drawImage((width() - strip.width()) / 2, 0, strip);
}

TvekScrollTrackBar::TvekScrollTrackBar(QWidget *owner) : TvekTrackBar(owner, TvekUIStyle::Custom) {}

bool TvekScrollTrackBar::SliderVisible() const
{
    return !Slider()->isHidden();
}

void TvekScrollTrackBar::SetSliderVisible(bool value)
{
    Slider()->setVisible(value);
}

void TvekScrollTrackBar::AdjustSliderSize()
{
    Slider()->AdjustSize();
}
