#pragma once

// The title-bar unit: the bar, and through this one include its buttons and
// its background sections.

#include "tcolor.h"
#include "vekthemes.h"
#include "vektitlebarbutton.h"
#include "vektitlebarsection.h"

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

// A click on a help or custom button: the title bar and the button's index.
using TvekTitleBarButtonClickEvent = std::function<void(TvekTitleBar *Sender, int ButtonIndex)>;

// The skinned caption strip of a window: picture sections, a row of buttons
// at the right, a control box at the left and the caption between them. It
// moves its window when dragged and runs its buttons' actions on click.
class TvekTitleBar : public QWidget, public TvekStyled
{
    Q_OBJECT
    Q_PROPERTY(TvekUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(int ButtonInterval READ ButtonInterval WRITE SetButtonInterval)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(QFont Font READ Font WRITE SetFont)
    Q_PROPERTY(bool FormActive READ FormActive WRITE SetActive)
    Q_PROPERTY(int LeftBtnXOffset READ LeftBtnXOffset WRITE SetLeftBtnXOffset)
    Q_PROPERTY(int RightBtnXOffset READ RightBtnXOffset WRITE SetRightBtnXOffset)
    Q_PROPERTY(bool DrawAppIcon READ DrawAppIcon WRITE SetDrawAppIcon)

public:
    explicit TvekTitleBar(QWidget *owner = nullptr);
    ~TvekTitleBar() override;

    TvekUIStyle UIStyle() const { return FUIStyle; }
    void SetUIStyle(TvekUIStyle value);
    // The frame restyles its bar itself: a container's style leaves it.
    void ApplyContainerStyle(TvekUIStyle) override {}
    TvekTitleBarSections *Sections() const { return FSections.get(); }
    void SetSections(const TvekTitleBarSections &value) { FSections->Assign(value); }
    TvekTitleBarButtons *Buttons() const { return FButtons.get(); }
    void SetButtons(const TvekTitleBarButtons &value) { FButtons->Assign(value); }
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);
    int ButtonInterval() const { return FButtonInterval; }
    void SetButtonInterval(int value);
    QString Caption() const { return FCaption; }
    void SetCaption(const QString &value);
    QFont Font() const { return FFont; }
    void SetFont(const QFont &value);
    TColor FontColor() const { return FFontColor; }
    void SetFontColor(TColor value);
    bool FormActive() const { return FFormActive; }
    void SetActive(bool value);
    int LeftBtnXOffset() const { return FLeftBtnXOffset; }
    void SetLeftBtnXOffset(int value);
    int RightBtnXOffset() const { return FRightBtnXOffset; }
    void SetRightBtnXOffset(int value);
    bool DrawAppIcon() const { return FDrawAppIcon; }
    void SetDrawAppIcon(bool value);
    int RoundCornerSize() const { return FRoundCornerSize; }

    TvekTitleBarButtonClickEvent OnCustomBtnsClick;
    TvekTitleBarButtonClickEvent OnHelpBtnClick;

    // Re-applies the round-corner shape after the window was resized.
    void OnFormReSize();
    // The window the bar lies on, or null for a bar that is its own window.
    QWidget *HostWindow() const;

    // Where each button is drawn (an empty rectangle for none), by index.
    std::vector<QRect> ButtonRects() const;
    // The index of the button under a point of the bar, -1 for none.
    int ButtonAt(const QPoint &pos) const;
    // The button under the pointer, -1 for none or a pointer off the bar.
    int HotButton() const;
    // What a click on a button does: its action on the window, then the bar's
    // help or custom event.
    void ClickButton(int index);
    bool Pressed() const { return FPressed; }
    // Where the caption starts, the space it may use and the text drawn there.
    int CaptionStart() const;
    int CaptionSpace() const;
    QString DrawnCaption() const;
    // The shape the window takes for a round-corner size: only the top
    // corners are round.
    static QRegion RoundCornerRegion(const QSize &size, int cornerSize);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    friend class TvekTitleBarButton;

    void PaintSections(QPainter &canvas) const;
    void PaintButtons(QPainter &canvas) const;
    // Moves the pointer (none: off the bar) and repaints when that changes
    // which button is hot.
    void SetCursor(std::optional<QPoint> cursor);
    void PaintCaption(QPainter &canvas) const;
    int ControlBoxIndex() const;
    int RightRowLeft() const;
    void ApplyRoundCorners();
    void BeginMove(const QPoint &globalPos);
    void FollowMove(const QPoint &globalPos);
    bool InSkinnedForm() const;

    TvekUIStyle FUIStyle = TvekUIStyle::DeepBlue;
    std::unique_ptr<TvekTitleBarSections> FSections;
    std::unique_ptr<TvekTitleBarButtons> FButtons;
    bool FAutoSize = false;
    int FButtonInterval = 0;
    QString FCaption;
    QFont FFont;
    TColor FFontColor = clWhite;
    bool FFormActive = true;
    int FLeftBtnXOffset = 0;
    int FRightBtnXOffset = 0;
    bool FDrawAppIcon = false;
    int FRoundCornerSize = 0;
    bool FPressed = false;
    // The cursor as the last mouse event over the bar left it.
    std::optional<QPoint> FCursor;
    // A press on the caption waits for the first move to start the drag; the
    // drag is our own where the platform cannot move the window itself.
    bool FMovePending = false;
    bool FOwnMove = false;
    QPoint FMoveStartGlobal;
    QPoint FMoveStartWindow;
    // The window's geometry before we maximised it.
    QRect FNormalGeometry;
};
