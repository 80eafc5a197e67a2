#pragma once

#include "tcolor.h"
#include "tform.h"
#include "veksetter.h"
#include "vekthemes.h"
#include "vektitlebar.h"

#include <QMenuBar>
#include <QPointer>
#include <QWidget>

#include <stdexcept>

class QKeyEvent;
class TvekFormKeyHook;
class TvekFormMenuBar;

// Raised when a window is given a second skinned frame.
class EvekFormError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Where a point of the host lies for sizing: the platform's hit-test codes.
enum TvekHitTest : int {
    vekHTClient = 1,
    vekHTLeft = 10,
    vekHTRight = 11,
    vekHTTop = 12,
    vekHTTopLeft = 13,
    vekHTTopRight = 14,
    vekHTBottom = 15,
    vekHTBottomLeft = 16,
    vekHTBottomRight = 17,
};

// The skinned frame of a window (the host): the host loses its system frame
// and caption, and this panel fills it except for a drawn border, with a
// TvekTitleBar as the window's top edge. Every other control of a skinned
// window lies on this panel. The host is moved by the title bar and resized
// by its uncovered border.
class TvekForm : public QWidget, public TvekStyledFrame
{
    Q_OBJECT
    Q_PROPERTY(TvekUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
    Q_PROPERTY(bool UIStyleAutoUpdateSub READ UIStyleAutoUpdateSub WRITE SetUIStyleAutoUpdateSub)
    Q_PROPERTY(TColor BorderColor READ BorderColor WRITE SetBorderColor)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE SetBorderWidth)
    Q_PROPERTY(bool TitleBarVisible READ TitleBarVisible WRITE SetTitleBarVisible)
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(QWidget *FormPanel READ FormPanel WRITE SetFormPanel)
    Q_PROPERTY(TvekTitleBarButtons *TitleBarButtons READ TitleBarButtons)
    Q_PROPERTY(TvekTitleBarSections *TitleBarSections READ TitleBarSections)
    Q_PROPERTY(bool TitleBarDrawAppIcon READ TitleBarDrawAppIcon WRITE SetTitleBarDrawAppIcon)
    Q_PROPERTY(QFont Font READ Font WRITE SetFont)
    Q_PROPERTY(QMenuBar *Menu READ Menu WRITE SetMenu)
    Q_PROPERTY(TColor MenuBarColor READ MenuBarColor WRITE SetMenuBarColor)
    Q_PROPERTY(int MenuBarHeight READ MenuBarHeight WRITE SetMenuBarHeight)
    Q_PROPERTY(int Height READ Height WRITE SetHeight)
    Q_PROPERTY(int Width READ Width WRITE SetWidth)

public:
    // The owner is the host window; on anything else the component stays a
    // plain panel. Raises EvekFormError when the host already has one.
    explicit TvekForm(QWidget *owner);
    ~TvekForm() override;

    TvekUIStyle UIStyle() const override { return FUIStyle; }
    void SetUIStyle(TvekUIStyle value);
    // A frame pushes its style to its controls and takes none from a container.
    void ApplyContainerStyle(TvekUIStyle) override {}
    bool UIStyleAutoUpdateSub() const { return FUIStyleAutoUpdateSub; }
    void SetUIStyleAutoUpdateSub(bool value) { vekAssign(FUIStyleAutoUpdateSub, value); }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor value);
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int value);
    bool TitleBarVisible() const { return FTitleBarVisible; }
    void SetTitleBarVisible(bool value);
    TColor Color() const override { return FColor; }
    void SetColor(TColor value);
    QString Caption() const;
    void SetCaption(const QString &value);
    QWidget *FormPanel() const { return FFormPanel; }
    void SetFormPanel(QWidget *value);
    TvekTitleBarButtons *TitleBarButtons() const { return FTitleBar->Buttons(); }
    void SetTitleBarButtons(const TvekTitleBarButtons &value) { FTitleBar->SetButtons(value); }
    TvekTitleBarSections *TitleBarSections() const { return FTitleBar->Sections(); }
    void SetTitleBarSections(const TvekTitleBarSections &value) { FTitleBar->SetSections(value); }
    bool TitleBarDrawAppIcon() const { return FTitleBar->DrawAppIcon(); }
    void SetTitleBarDrawAppIcon(bool value) { FTitleBar->SetDrawAppIcon(value); }
    QFont Font() const { return FTitleBar->Font(); }
    void SetFont(const QFont &value) { FTitleBar->SetFont(value); }
    TColor FontColor() const { return FTitleBar->FontColor(); }
    void SetFontColor(TColor value) { FTitleBar->SetFontColor(value); }
    QMenuBar *Menu() const { return FMenu; }
    void SetMenu(QMenuBar *value);
    TColor MenuBarColor() const { return FMenuBarColor; }
    void SetMenuBarColor(TColor value);
    int MenuBarHeight() const { return FMenuBarHeight; }
    void SetMenuBarHeight(int value);
    // The panel's own size; setting it sizes the host around it.
    int Height() const { return height(); }
    void SetHeight(int value);
    int Width() const { return width(); }
    void SetWidth(int value);

    TvekTitleBarButtonClickEvent OnTitleBarCustomBtnsClick;
    TvekTitleBarButtonClickEvent OnTitleBarHelpBtnClick;

    TvekTitleBar *TitleBar() const { return FTitleBar; }
    QWidget *Host() const { return FHost; }
    QWidget *MenuBarWidget() const;
    // Places the panel in the host: the border shows left, right and bottom,
    // and at the top only while the title bar is hidden.
    void Align();
    // The resize zone of a point in host coordinates, or defaultResult.
    int HitTest(const QPoint &pos, int defaultResult = vekHTClient) const;
    // Runs the menu item whose short cut the key is; true when there was one.
    bool IsShortCut(const QKeyEvent *event);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void enterEvent(QEnterEvent *event) override;

private:
    friend class TvekFormKeyHook;

    void LayoutChildren();
    void PaintBorder();
    void HostResized();
    void EmulateMaximise();
    bool HostMouseEvent(QEvent *event);
    bool BeginResize(int zone, const QPoint &globalPos);
    void FollowResize(const QPoint &globalPos);
    void UpdateCursor(const QPoint &pos);
    void RebuildMenuBar();
    void DetachHostMenu();

    QPointer<QWidget> FHost;
    TvekTitleBar *FTitleBar = nullptr;
    TvekFormMenuBar *FMenuBar = nullptr;
    // The application-wide short-cut test, when this frame installed it.
    QPointer<TvekFormKeyHook> FKeyHook;
    TvekUIStyle FUIStyle = TvekUIStyle::DeepBlue;
    bool FUIStyleAutoUpdateSub = false;
    TColor FBorderColor = clBlack;
    int FBorderWidth = 1;
    bool FTitleBarVisible = true;
    TColor FColor = clBtnFace;
    QPointer<QWidget> FFormPanel;
    QPointer<QMenuBar> FMenu;
    TColor FMenuBarColor = clBtnFace;
    int FMenuBarHeight = 22;
    // The host's border style at creation decides whether its edges resize.
    TFormBorderStyle FCreationBorderStyle = TFormBorderStyle::bsSizeable;
    QRect FRestoreRect;
    bool FCreatedMaximised = false;
    // The size changes of a host created maximised, counted while it stays so.
    int FSizeMessageCount = 0;
    bool FLoading = true;
    // Our own resize where the platform cannot resize the window itself.
    Qt::Edges FResizeEdges;
    QPoint FResizeStartGlobal;
    QRect FResizeStartGeometry;
};
