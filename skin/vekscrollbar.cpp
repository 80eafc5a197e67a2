#include "vekscrollbar.h"

#include "vekbutton.h"
#include "vekimagepanel.h"
#include "vekpaintbuffer.h"
#include "vekpublic.h"

#include <QPainter>

#include <algorithm>

namespace {

// The arrows step every 100 ms while held.
constexpr int arrowRepeatInterval = 100;
// A fixed slider is never shorter than this.
constexpr int minLineButton = 18;
// A proportional slider takes this many percent when the page size is out of 10..100.
constexpr int minSliderPercent = 10;

TvekImageButton *NewArrowButton(QWidget *owner, std::function<void()> step)
{
    auto *button = new TvekImageButton(owner);
    button->SetAutoSize(true);
    button->SetMouseContinuouslyDownInterval(arrowRepeatInterval);
    button->OnMouseContinuouslyDown = [step](QObject *) { step(); };
    return button;
}

void LoadButtonPictures(TvekImageButton *button, TvekUIStyle style, TvekThemeElement normal,
                        bool turn)
{
    QImage pictures[3];
    for (int i = 0; i < 3; ++i) {
        pictures[i] = LoadThemeBitmap(style, StatePicture(normal, TvekPictureState(i)));
        if (turn)
            RoundPicture(pictures[i]);
    }
    button->SetPicNormalF(pictures[0]);
    button->SetPicMouseOnF(pictures[1]);
    button->SetPicMouseDownF(pictures[2]);
}

} // namespace

/*
    The track is Custom so that it never loads track-bar pictures of its
    own: the scroll bar gives it the slider. The arrows step only from their
    auto-repeat, so a press shorter than one interval steps nothing.
*/
TvekScrollBar::TvekScrollBar(QWidget *owner)
    : QWidget(owner), FTrack(new TvekScrollTrackBar(this)),
      FBtmButton(NewArrowButton(this, [this] { SetPosition(Position() + FSmallChange); })),
      FTopButton(NewArrowButton(this, [this] { SetPosition(Position() - FSmallChange); })),
      OnChange(FTrack->OnChange)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(width(), 185);
    SetUIStyle(GetVEKFormStyle(OwnerWindow(owner)));
    Layout();
}

TvekScrollBar::~TvekScrollBar() = default;

void TvekScrollBar::SetLineButton(int value)
{
    if (FLineButton == value)
        return;
    FLineButton = value;
    BuildSliderPicture();
}

void TvekScrollBar::SetOrientation(TvekProgressBarOrientation value)
{
    if (FOrientation == value)
        return;
    FOrientation = value;
    LoadPictures();
    Layout();
}

void TvekScrollBar::SetUIStyle(TvekUIStyle value)
{
    FUIStyle = value;
    if (value == TvekUIStyle::Custom)
        return;
    SetColor(GetThemeColor(value, TvekThemeElement::ScrollBarColor));
    LoadPictures();
    Layout();
}

void TvekScrollBar::SetSmallChange(int value)
{
    FSmallChange = std::clamp(value, 1, 32767);
}

void TvekScrollBar::SetMax(int value)
{
    EnsureLayout();
    FTrack->SetMax(value);
}

void TvekScrollBar::SetMin(int value)
{
    EnsureLayout();
    FTrack->SetMin(value);
}

void TvekScrollBar::SetPosition(int value)
{
    EnsureLayout();
    FTrack->SetPosition(value);
}

void TvekScrollBar::SetPageSize(int value)
{
    FTrack->SetPageSize(value);
    BuildSliderPicture();
}

void TvekScrollBar::SetColor(TColor value)
{
    FColor = value;
    FTrack->SetColor(value);
    update();
}

/*
    The slider is cut from the track bitmap turned a quarter left: three
    equal pieces, start cap, middle and end cap. A vertical bar turns each
    piece back, which gives the upper, middle and lower thirds as stored.
*/
void TvekScrollBar::LoadPictures()
{
    if (FUIStyle == TvekUIStyle::Custom)
        return;
    const bool vertical = FOrientation == vekVertical;
    FTrack->SetBarImage(QImage());
    QImage track = LoadThemeBitmap(FUIStyle, TvekThemeElement::ScrollTrackPic);
    RoundPicture(track);
    const int piece = track.width() / 3;
    QImage *pieces[] = {&FSliderStart, &FSliderMiddle, &FSliderEnd};
    for (int i = 0; i < 3; ++i) {
        *pieces[i] = track.copy(i * piece, 0, piece, track.height());
        if (vertical)
            RoundPicture3(*pieces[i]);
    }
    LoadButtonPictures(FTopButton, FUIStyle, TvekThemeElement::ScrollTopButtonNormalPic, !vertical);
    LoadButtonPictures(FBtmButton, FUIStyle, TvekThemeElement::ScrollBottomButtonNormalPic,
                       !vertical);
}

/*
    Vertical: the track fills the room between the arrows less one pixel.
    Horizontal: exactly the room between them. The bar's cross size is the
    first arrow's.
*/
void TvekScrollBar::Layout()
{
    FTrack->SetOrientation(FOrientation);
    const QSize top = FTopButton->size();
    const QSize bottom = FBtmButton->size();
    if (FOrientation == vekVertical) {
        FTopButton->move(0, 0);
        FTrack->setGeometry(0, top.height(), FTrack->width(),
                            height() - bottom.height() - top.height() - 1);
        FBtmButton->move(0, height() - bottom.height());
        if (width() != top.width())
            resize(top.width(), height());
    } else {
        FTopButton->move(0, 0);
        FTrack->setGeometry(top.width(), 0, width() - bottom.width() - top.width(),
                            FTrack->height());
        FBtmButton->move(width() - bottom.width(), 0);
        if (height() != top.height())
            resize(width(), top.height());
    }
    FLaidOutSize = size();
    BuildSliderPicture();
}

void TvekScrollBar::EnsureLayout()
{
    if (size() != FLaidOutSize)
        Layout();
}

/*
    A fixed length is raised to its minimum and kept so; a proportional one
    is the page size in percent of the track, 10 % when out of range. The
    slider keeps its place: it moves with the next change of position.
*/
void TvekScrollBar::BuildSliderPicture()
{
    if (FLineButton > 0 && FLineButton < minLineButton)
        FLineButton = minLineButton;
    if (FSliderStart.isNull())
        return;
    const bool vertical = FOrientation == vekVertical;
    const int cross = vertical ? FSliderStart.width() : FSliderStart.height();
    int length = FLineButton;
    if (length <= 0) {
        int percent = FTrack->PageSize();
        if (percent < minSliderPercent || percent > 100)
            percent = minSliderPercent;
        length = FTrack->TrackLength() * percent / 100;
    }
    if (length <= 0)
        return;

    QImage slider(vertical ? QSize(cross, length) : QSize(length, cross),
                  QImage::Format_ARGB32_Premultiplied);
    slider.fill(Qt::transparent);
    QPainter canvas(&slider);
    if (vertical) {
        const int startLen = FSliderStart.height(), endLen = FSliderEnd.height();
        canvas.drawImage(0, 0, FSliderStart);
        canvas.drawImage(0, length - endLen, FSliderEnd);
        if (length - startLen - endLen > 0)
            canvas.drawImage(QRect(0, startLen, cross, length - startLen - endLen), FSliderMiddle);
    } else {
        const int startLen = FSliderStart.width(), endLen = FSliderEnd.width();
        canvas.drawImage(0, 0, FSliderStart);
        canvas.drawImage(length - endLen, 0, FSliderEnd);
        if (length - startLen - endLen > 0)
            canvas.drawImage(QRect(startLen, 0, length - startLen - endLen, cross), FSliderMiddle);
    }
    canvas.end();
    FTrack->Slider()->SetPicture(slider);
    FTrack->AdjustSliderSize();
    FTrack->AdjustCrossSize();
}

void TvekScrollBar::paintEvent(QPaintEvent *)
{
    TvekPaintBuffer buffer(this);
    buffer.Canvas().fillRect(rect(), ToQColor(FColor));
}

void TvekScrollBar::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Layout();
}
