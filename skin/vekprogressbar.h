#pragma once

#include "tcolor.h"
#include "vekthemes.h"
#include "vektrackbar.h"

#include <QImage>
#include <QWidget>

// A bar that shows how far a task has come, between Min and Max: a border in
// the style's control border colour around the control colour, and the done
// part filled with the style's progress bar picture, from the left or, when
// vertical, from the bottom. It takes no input.
class TvekProgressBar : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int Min READ Min WRITE SetMin)
    Q_PROPERTY(int Max READ Max WRITE SetMax)
    Q_PROPERTY(int Position READ Position WRITE SetPosition)
    Q_PROPERTY(TvekProgressBarOrientation Orientation READ Orientation WRITE SetOrientation)
    Q_PROPERTY(TvekUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
    Q_PROPERTY(int Color READ Color WRITE SetColor)
    Q_PROPERTY(int BorderColor READ BorderColor WRITE SetBorderColor)

public:
    explicit TvekProgressBar(QWidget *owner = nullptr);

    int Min() const { return FMin; }
    void SetMin(int value);
    int Max() const { return FMax; }
    void SetMax(int value);
    int Position() const { return FPosition; }
    // Clamped to [Min, Max].
    void SetPosition(int value);
    TvekProgressBarOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TvekProgressBarOrientation value);
    TvekUIStyle UIStyle() const { return FUIStyle; }
    // A built-in style loads its picture and colours; Custom keeps them.
    void SetUIStyle(TvekUIStyle value);
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor value);
    QImage BarImage() const { return FBarImage; }
    void SetBarImage(const QImage &value);

    // The whole percent done, 0 to 100 (0 for an empty range).
    int Percent() const;
    // Where the done part is drawn, in the control's coordinates.
    QRect DoneRect() const { return FDoneRect; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void LoadPictures();
    void UpdateLayout();
    void DrawDone(QPainter &canvas) const;

    QImage FBarImage;
    QRect FDoneRect;
    int FMin = 0;
    int FMax = 100;
    int FPosition = 0;
    TvekProgressBarOrientation FOrientation = vekHorizontal;
    TvekUIStyle FUIStyle = TvekUIStyle::Custom;
    TColor FColor = clBtnFace;
    TColor FBorderColor = clBlack;
};
