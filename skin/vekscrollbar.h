#pragma once

#include "tcolor.h"
#include "vekthemes.h"
#include "vektrackbar.h"

#include <QImage>
#include <QWidget>

class TvekImageButton;

// A scroll bar drawn from the style bitmaps: two arrow buttons and, between
// them, a track on which a slider is dragged. The value, paging and dragging
// live in the track; the arrows step by SmallChange from their auto-repeat.
class TvekScrollBar : public QWidget, public TvekStyled
{
    Q_OBJECT
    Q_PROPERTY(int LineButton READ LineButton WRITE SetLineButton)
    Q_PROPERTY(TvekProgressBarOrientation Orientation READ Orientation WRITE SetOrientation)
    Q_PROPERTY(TvekUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
    Q_PROPERTY(int Max READ Max WRITE SetMax)
    Q_PROPERTY(int Min READ Min WRITE SetMin)
    Q_PROPERTY(int Position READ Position WRITE SetPosition)
    Q_PROPERTY(int SmallChange READ SmallChange WRITE SetSmallChange)
    Q_PROPERTY(int LargeChange READ LargeChange WRITE SetLargeChange)
    Q_PROPERTY(int PageSize READ PageSize WRITE SetPageSize)
    Q_PROPERTY(int Color READ Color WRITE SetColor)

    // Created first: OnChange below refers to the track's callback.
    TvekScrollTrackBar *FTrack;
    TvekImageButton *FBtmButton;
    TvekImageButton *FTopButton;

public:
    explicit TvekScrollBar(QWidget *owner = nullptr);
    ~TvekScrollBar() override;

    // The fixed slider length in pixels (at least 18); 0 sizes the slider
    // in proportion to the page size.
    int LineButton() const { return FLineButton; }
    void SetLineButton(int value);
    TvekProgressBarOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TvekProgressBarOrientation value);
    TvekUIStyle UIStyle() const { return FUIStyle; }
    void SetUIStyle(TvekUIStyle value);
    void ApplyContainerStyle(TvekUIStyle style) override { SetUIStyle(style); }
    int Max() const { return FTrack->Max(); }
    void SetMax(int value);
    int Min() const { return FTrack->Min(); }
    void SetMin(int value);
    int Position() const { return FTrack->Position(); }
    void SetPosition(int value);
    int SmallChange() const { return FSmallChange; }
    // The framework's scroll increment: 1..32767.
    void SetSmallChange(int value);
    int LargeChange() const { return FTrack->PageSize(); }
    void SetLargeChange(int value) { FTrack->SetPageSize(value); }
    int PageSize() const { return FTrack->PageSize(); }
    void SetPageSize(int value);
    TColor Color() const { return FColor; }
    void SetColor(TColor value);

    bool SliderVisible() const { return FTrack->SliderVisible(); }
    void SetSliderVisible(bool value) { FTrack->SetSliderVisible(value); }

    TvekScrollTrackBar *Track() const { return FTrack; }
    TvekImageButton *TopButton() const { return FTopButton; }
    TvekImageButton *BottomButton() const { return FBtmButton; }

    // The track's change callback; the sender is the track.
    TNotifyEvent &OnChange;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void LoadPictures();
    void Layout();
    void BuildSliderPicture();
    // A hidden control gets its resize only when shown: lay out now if the
    // size changed since, so that the slider is placed in the track's real size.
    void EnsureLayout();

    QImage FSliderStart;
    QImage FSliderMiddle;
    QImage FSliderEnd;
    TvekUIStyle FUIStyle = TvekUIStyle::Custom;
    TvekProgressBarOrientation FOrientation = vekVertical;
    int FSmallChange = 1;
    int FLineButton = 0;
    TColor FColor = clBtnFace;
    QSize FLaidOutSize;
};
