#pragma once

#include "tcolor.h"
#include "tcursor.h"
#include "vekthemes.h"

#include <QLabel>
#include <QString>

#include <functional>

// A notification that names its sender.
using TNotifyEvent = std::function<void(QObject *sender)>;
// A mouse notification: sender, button, modifiers, position in the control.
using TMouseEvent = std::function<void(QObject *sender, Qt::MouseButton button,
                                       Qt::KeyboardModifiers shift, int x, int y)>;

// A label that behaves like a link: its caption underlined in the link
// colour, the hover colour while the pointer is over it, the hand cursor, and
// a click opens its address with the desktop's handler.
class TvekURLLabel : public QLabel, public TvekStyled
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(int Color READ Color WRITE SetColor)
    Q_PROPERTY(bool ParentColor READ ParentColor WRITE SetParentColor)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
    Q_PROPERTY(bool WordWrap READ WordWrap WRITE SetWordWrap)
    Q_PROPERTY(int Cursor READ Cursor WRITE SetCursor)
    Q_PROPERTY(QString URL READ URL WRITE SetURL)
    Q_PROPERTY(int FontHoverColor READ FontHoverColor WRITE SetFontHoverColor)
    Q_PROPERTY(int FontLinkColor READ FontLinkColor WRITE SetLinkColor)
    Q_PROPERTY(QFont Font READ Font WRITE SetFont)

public:
    explicit TvekURLLabel(QWidget *owner = nullptr);

    // A link keeps its own colours: a container's style leaves it.
    void ApplyContainerStyle(TvekUIStyle) override {}

    QString Caption() const { return text(); }
    void SetCaption(const QString &value);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);
    // The background: the parent's colour until a colour of its own is set.
    TColor Color() const;
    void SetColor(TColor value);
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool value);
    bool Enabled() const { return isEnabled(); }
    void SetEnabled(bool value) { setEnabled(value); }
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    bool Visible() const { return isVisible(); }
    void SetVisible(bool value) { setVisible(value); }
    bool WordWrap() const { return wordWrap(); }
    void SetWordWrap(bool value);
    TCursor Cursor() const { return FCursor; }
    void SetCursor(int value);
    QString URL() const { return FURL; }
    void SetURL(const QString &value);
    TColor FontHoverColor() const { return FFontHoverColor; }
    void SetFontHoverColor(TColor value) { FFontHoverColor = value; }
    TColor FontLinkColor() const { return FFontLinkColor; }
    void SetLinkColor(TColor value);
    QFont Font() const { return font(); }
    void SetFont(const QFont &value);
    // The font's colour (the framework's Font.Color).
    TColor FontColor() const;
    void SetFontColor(TColor value);

    // Opens the address when it is not blank, then raises OnClick.
    virtual void Click();

    TNotifyEvent OnClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseMove;
    TMouseEvent OnMouseUp;

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void UpdateBackground();
    void AdjustBounds();

    TCursor FCursor = crHandPoint;
    QString FURL;
    TColor FFontHoverColor = clRed;
    TColor FFontLinkColor = clBlue;
    bool FAutoSize = true;
    bool FTransparent = false;
    TColor FColor = clBtnFace;
    bool FParentColor = true;
    // The left button went down here; a release inside clicks.
    bool FClicked = false;
};
