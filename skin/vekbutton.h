#pragma once

#include "tcolor.h"
#include "vekthemes.h"

#include <QImage>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <functional>

class QAction;
class QPainter;
class QShortcut;
class QTimer;

// A notification that names its sender.
using TNotifyEvent = std::function<void(QObject *sender)>;
// A mouse notification: sender, button, modifiers, position in the control.
using TMouseEvent = std::function<void(QObject *sender, Qt::MouseButton button,
                                       Qt::KeyboardModifiers shift, int x, int y)>;
// A key notification; the handler may change or clear (0) the key.
using TKeyEvent = std::function<void(QObject *sender, int &key, Qt::KeyboardModifiers shift)>;
using TKeyPressEvent = std::function<void(QObject *sender, QChar &key)>;

// The handle of the program's own module: the only one that carries pictures.
constexpr std::uint32_t vekMainInstance = 0x00400000u;

// Where a push button's glyph stands relative to its caption.
enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// A check box's state; the grayed value is never shown.
enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

Q_DECLARE_METATYPE(TButtonLayout)
Q_DECLARE_METATYPE(TCheckBoxState)

// The base of every skinned button: three state pictures named by resource,
// hover and pressed flags of its own, keyboard, accelerator and dialog-key
// activation, a focus mark, a caption, an auto-repeat event while the left
// button is held, and a modal result handed to the containing form.
// Painting goes through an off-screen image copied in one step.
class TvekCustomButton : public QWidget
{
    Q_OBJECT

public:
    explicit TvekCustomButton(QWidget *owner = nullptr);
    ~TvekCustomButton() override;

    QString PicNormalResName() const { return GetPicNormal(); }
    QString PicMouseDownResName() const { return GetPicMouseDown(); }
    QString PicMouseOnResName() const { return GetPicMouseOn(); }
    virtual void SetPicNormal(const QString &value);
    virtual void SetPicMouseOn(const QString &value);
    virtual void SetPicMouseDown(const QString &value);
    virtual QString GetPicNormal() const { return FPicNormalResName; }
    virtual QString GetPicMouseOn() const { return FPicMouseOnResName; }
    virtual QString GetPicMouseDown() const { return FPicMouseDownResName; }

    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);
    QString Caption() const { return FCaption; }
    void SetCaption(const QString &value);
    bool TabStop() const { return FTabStop; }
    void SetTabStop(bool value);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool value);
    bool Default() const { return FDefault; }
    void SetDefault(bool value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    int ModalResult() const { return FModalResult; }
    void SetModalResult(int value) { FModalResult = value; }
    TvekUIStyle UIStyle() const { return FUIStyle; }
    void SetUIStyle(TvekUIStyle value);
    bool PicTransparent() const { return FPicTransparent; }
    void SetPicTransparent(bool value);
    int MouseContinuouslyDownInterval() const { return FMouseContinuouslyDownInterval; }
    void SetMouseContinuouslyDownInterval(int value) { FMouseContinuouslyDownInterval = value; }
    std::uint32_t ResHandle() const { return GetResHandle(); }
    virtual void SetResHandle(std::uint32_t value);
    std::uint32_t GetResHandle() const;

    bool Enabled() const { return isEnabled(); }
    void SetEnabled(bool value) { setEnabled(value); }
    bool Visible() const { return isVisible(); }
    void SetVisible(bool value) { setVisible(value); }
    QFont Font() const { return font(); }
    void SetFont(const QFont &value) { setFont(value); }
    // The font's colour (the framework's Font.Color).
    TColor FontColor() const;
    void SetFontColor(TColor value);
    // The background colour; follows the parent while ParentColor is set.
    TColor Color() const;
    void SetColor(TColor value);
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool value);
    QAction *Action() const { return FAction; }
    void SetAction(QAction *value);

    // Size changes go through CanResize, as the framework's bounds do.
    void SetBounds(int left, int top, int width, int height);
    void SetWidth(int value) { SetBounds(x(), y(), value, height()); }
    void SetHeight(int value) { SetBounds(x(), y(), width(), value); }
    virtual bool CanResize(int &newWidth, int &newHeight);

    // The framework's click: the form's modal result, then the action or OnClick.
    virtual void Click();
    // True when the control and all its parents are visible and enabled.
    bool CanFocus() const;

    // Hover and pressed flags, read by painting (the demo sets them to show
    // every look at once).
    bool FMouseOn = false;
    bool FMouseDown = false;
    // The auto-repeat timer, present only while the left button is held.
    QTimer *FTimer = nullptr;

    TNotifyEvent OnClick;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseExit;
    TNotifyEvent OnMouseContinuouslyDown;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseEvent OnMouseMove;
    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

    // Offers Enter or Escape to the buttons of a window (Default, Cancel),
    // and an accelerator character to the buttons whose caption marks it.
    static bool DispatchDialogKey(QWidget *window, int key, Qt::KeyboardModifiers shift);
    static bool DispatchDialogChar(QWidget *window, QChar ch);

protected:
    virtual void AutoSizeChanged();
    virtual void CaptionChanged() {}
    virtual void FontChanged();
    virtual void TransparentChanged();
    virtual void EnableChanged() {}
    virtual void UIStyleChanged();
    virtual void PaintPic(QPainter &canvas, const QImage &picture);
    virtual void PaintText(QPainter &canvas, const QString &text);
    virtual void PaintFocus(QPainter &canvas);
    virtual QImage PaintButtonNormal();
    virtual QImage PaintButtonMouseOn();
    virtual QImage PaintButtonMouseDown();
    virtual QImage PaintButtonDisabled();
    virtual void SetButtonPic(TvekUIStyle style) = 0;
    virtual void ActionChange();
    // Dialog key and accelerator handling; true when handled.
    virtual bool DialogKey(int key, Qt::KeyboardModifiers shift);
    virtual bool DialogChar(QChar ch);
    // The caption's extent on the canvas in the control's font.
    virtual QSize TextExtent(const QString &text) const;

    // Loads a picture by name from a module; raises EResNotFound when it has none.
    QImage LoadResPicture(const QString &name) const;
    // The blank picture that stands in for one that cannot be loaded.
    static QImage BlankPicture();
    // Repaints at once, as the framework's Repaint.
    void Invalidate();
    // Stores the style and applies it even when unchanged (construction).
    void ApplyUIStyle(TvekUIStyle value);

    // The picture names as stored, without the accessors' rules.
    QString FPicNormalResName;
    QString FPicMouseDownResName;
    QString FPicMouseOnResName;
    TvekUIStyle FUIStyle = TvekUIStyle::Custom;
    bool FTransparent = false;

    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void MouseEntered();
    void MouseLeft();
    void StartTimer();
    void FreeTimer();
    void OnTimer();
    void UpdateAccelerator();
    void UpdateDialogKeyFilter();

    bool FAutoSize = false;
    QString FCaption;
    bool FTabStop = false;
    bool FCancel = false;
    bool FDefault = false;
    int FModalResult = 0;
    bool FPicTransparent = false;
    int FMouseContinuouslyDownInterval = 100;
    std::uint32_t FResHandle = vekMainInstance;
    TColor FColor = clBtnFace;
    bool FParentColor = true;
    QPointer<QAction> FAction;
    // Whether the pointer counts as over the control (enter seen, leave not yet).
    bool FPointerInside = false;
    // The pointer left while a button was held; the platform's own late
    // leave notification is then dropped.
    bool FHeldOutside = false;
    // The left button went down here; a release inside clicks.
    bool FClicked = false;
    QSize FAcceptedSize;
    QShortcut *FAccelerator = nullptr;
    QPointer<QWidget> FKeyWindow;
};

// The skinned push button: pictures of the built-in style stretched over any
// size, an optional glyph beside the caption.
class TvekButton : public TvekCustomButton
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(bool Cancel READ Cancel WRITE SetCancel)
    Q_PROPERTY(bool Default READ Default WRITE SetDefault)
    Q_PROPERTY(QFont Font READ Font WRITE SetFont)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
    Q_PROPERTY(bool ParentColor READ ParentColor WRITE SetParentColor)
    Q_PROPERTY(bool TabStop READ TabStop WRITE SetTabStop)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(int ModalResult READ ModalResult WRITE SetModalResult)
    Q_PROPERTY(TvekUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(QImage Glyph READ Glyph WRITE SetGlyph)
    Q_PROPERTY(TButtonLayout Layout READ Layout WRITE SetLayout)
    Q_PROPERTY(int Spacing READ Spacing WRITE SetSpacing)
    Q_PROPERTY(uint ResHandle READ ResHandle WRITE SetResHandle)
    Q_PROPERTY(QString PicNormalResName READ GetPicNormal WRITE SetPicNormal)
    Q_PROPERTY(QString PicMouseDownResName READ GetPicMouseDown WRITE SetPicMouseDown)
    Q_PROPERTY(QString PicMouseOnResName READ GetPicMouseOn WRITE SetPicMouseOn)
    Q_PROPERTY(int MouseContinuouslyDownInterval READ MouseContinuouslyDownInterval WRITE
                   SetMouseContinuouslyDownInterval)

public:
    explicit TvekButton(QWidget *owner = nullptr);
    ~TvekButton() override;

    QImage Glyph() const { return FGlyph; }
    void SetGlyph(const QImage &value);
    TButtonLayout Layout() const { return FLayout; }
    void SetLayout(TButtonLayout value);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int value);
    // Where the glyph layout put the caption at the last paint.
    QPoint TextPos() const { return FTextPos; }

    void SetPicNormal(const QString &value) override;
    void SetPicMouseOn(const QString &value) override;
    void SetPicMouseDown(const QString &value) override;
    QString GetPicNormal() const override;
    QString GetPicMouseOn() const override;
    QString GetPicMouseDown() const override;
    bool CanResize(int &newWidth, int &newHeight) override;

protected:
    void UIStyleChanged() override;
    void PaintPic(QPainter &canvas, const QImage &picture) override;
    void PaintText(QPainter &canvas, const QString &text) override;
    void PaintFocus(QPainter &canvas) override;
    void SetButtonPic(TvekUIStyle style) override;
    void ActionChange() override;

private:
    void PaintGlyph(QPainter &canvas);

    QImage FGlyph;
    TButtonLayout FLayout = blGlyphLeft;
    QPoint FTextPos;
    int FSpacing = 4;
};

// A button with a checked state: a small state picture at the left, the
// caption to its right.
class TvekCustomButtonEx : public TvekCustomButton
{
    Q_OBJECT

public:
    explicit TvekCustomButtonEx(QWidget *owner = nullptr);

    bool Checked() const { return FChecked; }
    void SetChecked(bool value);
    // Where the caption was laid out at the last paint.
    QRect TextRect() const { return FTextRect; }

    void Click() override;
    virtual int GetPicWidth() const = 0;
    virtual int GetPicHeight() const = 0;

protected:
    virtual void DoClick() {}
    virtual void CheckStateChanged() {}
    void AutoSizeChanged() override;
    void CaptionChanged() override;
    void FontChanged() override;
    void UIStyleChanged() override;
    void PaintPic(QPainter &canvas, const QImage &picture) override;
    void PaintText(QPainter &canvas, const QString &text) override;
    void PaintFocus(QPainter &canvas) override;
    void resizeEvent(QResizeEvent *event) override;

    // The font's height in pixels.
    int FontHeight() const;
    // Sizes the control to its picture and caption when AutoSize is set.
    void ReplaceControl();

    bool FChecked = false;
    QRect FTextRect;
};

// The skinned check box: flips its state on each click.
class TvekCheckBox : public TvekCustomButtonEx
{
    Q_OBJECT
    Q_PROPERTY(bool Checked READ Checked WRITE SetChecked)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(QFont Font READ Font WRITE SetFont)
    Q_PROPERTY(int Color READ Color WRITE SetColor)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(bool TabStop READ TabStop WRITE SetTabStop)
    Q_PROPERTY(TvekUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
    Q_PROPERTY(bool ParentColor READ ParentColor WRITE SetParentColor)

public:
    explicit TvekCheckBox(QWidget *owner = nullptr);

    TCheckBoxState State() const { return GetState(); }
    TCheckBoxState GetState() const;
    void SetState(TCheckBoxState value);
    // Chooses the pictures anew for the current style and state.
    void UpdateCheckState();

    int GetPicWidth() const override;
    int GetPicHeight() const override;

protected:
    // For subclasses, which run Setup in their own constructor.
    struct TSubclassTag
    {
    };
    TvekCheckBox(QWidget *owner, TSubclassTag);
    void Setup(const QString &caption, bool picTransparent);

    // Called after every toggle by a click.
    virtual void Toggle() {}
    void TransparentChanged() override;
    void EnableChanged() override;
    void UIStyleChanged() override;
    void SetButtonPic(TvekUIStyle style) override;
    void DoClick() override;
    void CheckStateChanged() override;

    // The picture elements of the current state: normal (enabled or
    // disabled), mouse-on, mouse-down; the radio button adds 8.
    virtual int ElementOffset() const { return 0; }

private:
    QSize StylePictureSize() const;
};

// The skinned radio button: sets itself on a click and clears the other radio
// buttons of its group on the same parent.
class TvekRadioButton : public TvekCheckBox
{
    Q_OBJECT
    Q_PROPERTY(int GroupIndex READ GroupIndex WRITE SetGroupIndex)

public:
    explicit TvekRadioButton(QWidget *owner = nullptr);

    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int value) { FGroupIndex = value; }
    void UnCheckGroup();

protected:
    void TransparentChanged() override;
    void SetButtonPic(TvekUIStyle style) override;
    void DoClick() override;
    void CheckStateChanged() override;
    int ElementOffset() const override { return 8; }

private:
    int FGroupIndex = 0;
};

// A skinned button drawn from four pictures it is given: normal, mouse-on,
// mouse-down and disabled.
class TvekImageButton : public TvekCustomButton
{
    Q_OBJECT
    Q_PROPERTY(QImage PicNormal READ PicNormal WRITE SetPicNormalF)
    Q_PROPERTY(QImage PicMouseOn READ PicMouseOn WRITE SetPicMouseOnF)
    Q_PROPERTY(QImage PicMouseDown READ PicMouseDown WRITE SetPicMouseDownF)
    Q_PROPERTY(QImage PicDisabled READ PicDisabled WRITE SetPicDisabledF)
    Q_PROPERTY(bool Stretch READ Stretch WRITE SetStretch)
    Q_PROPERTY(bool Cancel READ Cancel WRITE SetCancel)
    Q_PROPERTY(bool Default READ Default WRITE SetDefault)
    Q_PROPERTY(int MouseContinuouslyDownInterval READ MouseContinuouslyDownInterval WRITE
                   SetMouseContinuouslyDownInterval)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(QFont Font READ Font WRITE SetFont)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(bool TabStop READ TabStop WRITE SetTabStop)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(int ModalResult READ ModalResult WRITE SetModalResult)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(TvekUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
    Q_PROPERTY(bool ParentColor READ ParentColor WRITE SetParentColor)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)

public:
    explicit TvekImageButton(QWidget *owner = nullptr);
    ~TvekImageButton() override;

    QImage PicNormal() const { return FPicNormal; }
    QImage PicMouseOn() const { return FPicMouseOn; }
    QImage PicMouseDown() const { return FPicMouseDown; }
    QImage PicDisabled() const { return FPicDisabled; }
    void SetPicNormalF(const QImage &value);
    void SetPicMouseOnF(const QImage &value);
    void SetPicMouseDownF(const QImage &value);
    void SetPicDisabledF(const QImage &value);
    bool Stretch() const { return FStretch; }
    void SetStretch(bool value);

protected:
    void AutoSizeChanged() override;
    void PaintPic(QPainter &canvas, const QImage &picture) override;
    QImage PaintButtonNormal() override;
    QImage PaintButtonMouseOn() override;
    QImage PaintButtonMouseDown() override;
    QImage PaintButtonDisabled() override;
    void SetButtonPic(TvekUIStyle) override {}

private:
    QImage FPicNormal;
    QImage FPicMouseOn;
    QImage FPicMouseDown;
    QImage FPicDisabled;
    bool FStretch = false;
};
