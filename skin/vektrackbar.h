#pragma once

#include "tcolor.h"
#include "vekthemes.h"

#include <QImage>
#include <QWidget>

#include <cstdint>
#include <functional>

class QTimer;
class TvekImagePanel;

using TNotifyEvent = std::function<void(QObject *sender)>;

enum TvekProgressBarOrientation : std::uint8_t { vekHorizontal, vekVertical };
Q_DECLARE_METATYPE(TvekProgressBarOrientation)

// A track with a slider that stands for a value between Min and Max. A click
// beside the slider pages towards the pointer, repeated while held; the
// slider can be dragged. The slider is re-placed only when the position
// changes.
class TvekTrackBar : public QWidget, public TvekStyled
{
    Q_OBJECT
    Q_PROPERTY(int Min READ Min WRITE SetMin)
    Q_PROPERTY(int Max READ Max WRITE SetMax)
    Q_PROPERTY(int Position READ Position WRITE SetPosition)
    Q_PROPERTY(TvekProgressBarOrientation Orientation READ Orientation WRITE SetOrientation)
    Q_PROPERTY(TvekUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
    Q_PROPERTY(int PageSize READ PageSize WRITE SetPageSize)
    Q_PROPERTY(int Color READ Color WRITE SetColor)

public:
    explicit TvekTrackBar(QWidget *owner = nullptr);
    ~TvekTrackBar() override;

    int Min() const { return FMin; }
    void SetMin(int value);
    int Max() const { return FMax; }
    void SetMax(int value);
    int Position() const { return FPosition; }
    // Clamps to [Min, Max], then re-places the slider if the position moved.
    void SetPosition(int value);
    TvekProgressBarOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TvekProgressBarOrientation value);
    TvekUIStyle UIStyle() const { return FUIStyle; }
    void SetUIStyle(TvekUIStyle value);
    void ApplyContainerStyle(TvekUIStyle style) override { SetUIStyle(style); }
    int PageSize() const { return FPageSize; }
    // Accepted only within 0..100.
    void SetPageSize(int value);
    TColor Color() const { return FColor; }
    void SetColor(TColor value);

    QImage BarImage() const { return FBarImage; }
    void SetBarImage(const QImage &value);
    TvekImagePanel *Slider() const { return FSlider; }

    // Track length along the orientation, and the slider's length.
    int TrackLength() const;
    int SliderLength() const;
    // The value at which the slider's centre would sit at p (along the axis).
    int ValueFromPoint(int p) const;
    // Takes the larger of the bar picture's height and the slider's cross size.
    void AdjustCrossSize();

    bool Dragging() const { return FDragging; }
    // True while a click beside the slider keeps paging.
    bool Paging() const { return FTimer != nullptr; }
    // One repeat of the paging: a step towards the pointer's current place.
    void PageTick();

    TNotifyEvent OnChange;
    // Where the pointer is on the screen; replaceable so that tests can steer it.
    std::function<QPoint()> CursorPos;

protected:
    // For the scroll bar's track: no style pictures of its own.
    TvekTrackBar(QWidget *owner, TvekUIStyle style);

    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void LoadPictures();
    void UpdateSlider();
    void PlaceSlider();
    int Along(const QPoint &p) const;
    void PageTowards(int p);
    void DragTo(int p);
    void StopTimer();

    QImage FBarImage;
    QTimer *FTimer = nullptr;
    TvekImagePanel *FSlider = nullptr;
    int FMin = 0;
    int FMax = 100;
    int FPosition = 0;
    int FLastPos = 0;
    TvekProgressBarOrientation FOrientation = vekHorizontal;
    TvekUIStyle FUIStyle = TvekUIStyle::Custom;
    bool FDragging = false;
    int FGrabOffset = 0;
    int FPageSize = 10;
    TColor FColor = clBtnFace;
};

// The track of the skinned scroll bar: a track bar whose slider can be hidden.
class TvekScrollTrackBar : public TvekTrackBar
{
    Q_OBJECT

public:
    explicit TvekScrollTrackBar(QWidget *owner = nullptr);

    bool SliderVisible() const;
    void SetSliderVisible(bool value);
    // The slider takes its picture's size.
    void AdjustSliderSize();
};
