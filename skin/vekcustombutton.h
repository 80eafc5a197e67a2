#pragma once

#include "tcolor.h"
#include "veksetter.h"
#include "vekthemes.h"

#include <QImage>
#include <QPointer>
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

// The base of every skinned button: three state pictures named by resource,
// hover and pressed flags of its own, keyboard, accelerator and dialog-key
// activation, a focus mark, a caption, an auto-repeat event while the left
// button is held, and a modal result handed to the containing form.
// Painting goes through an off-screen image copied in one step.
class TvekCustomButton : public QWidget, public TvekStyled
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
    void SetModalResult(int value) { vekAssign(FModalResult, value); }
    TvekUIStyle UIStyle() const { return FUIStyle; }
    void SetUIStyle(TvekUIStyle value);
    // A container's style replaces a built-in one; Custom pictures stay.
    void ApplyContainerStyle(TvekUIStyle style) override;
    bool PicTransparent() const { return FPicTransparent; }
    void SetPicTransparent(bool value);
    int MouseContinuouslyDownInterval() const { return FMouseContinuouslyDownInterval; }
    void SetMouseContinuouslyDownInterval(int value)
    {
        vekAssign(FMouseContinuouslyDownInterval, value);
    }
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

    // Whether the pointer is over the button and whether it is held down (by
    // the left mouse button, Space or Enter): they choose the picture drawn.
    bool MouseOn() const { return FMouseOn; }
    bool MouseDown() const { return FMouseDown; }
    // The auto-repeat timer, present only while the left button is held.
    QTimer *RepeatTimer() const { return FTimer; }

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
    friend class TvekButtonLook;

    void SetMouseState(bool mouseOn, bool mouseDown);
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
    bool FMouseOn = false;
    bool FMouseDown = false;
    QTimer *FTimer = nullptr;
};

// Puts a button in its hover or pressed look without a pointer, for the demo
// sheet and the tests that grab every look.
class TvekButtonLook
{
public:
    static void Show(TvekCustomButton *button, bool mouseOn, bool mouseDown)
    {
        button->SetMouseState(mouseOn, mouseDown);
    }
};
