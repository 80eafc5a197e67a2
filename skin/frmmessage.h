#pragma once

#include "tform.h"

#include <QString>
#include <QWidget>

class QLabel;
class TvekButton;
class TvekForm;

// A plain label of fixed width that wraps its caption at word boundaries and
// at explicit line breaks and takes the height of the wrapped lines. Every
// line is as high as the font's line spacing rounded up (13 pixels for the
// dialogs' font), whatever fallback font a line's glyphs come from, so the
// height is a whole number of lines. An empty caption keeps one line.
class TWrapLabel : public QWidget
{
    Q_OBJECT

public:
    explicit TWrapLabel(QWidget *parent = nullptr);

    QString Caption() const { return FCaption; }
    // Stores the caption and adjusts the height to it.
    void SetCaption(const QString &value);

    // The pixel height of one line in the label's font.
    int LineHeight() const;
    // How many lines the caption takes at the label's width.
    int LineCount() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void AdjustHeight();

    QString FCaption;
};

// What the three dialog windows share: border style dialog, button face
// colour, minimum width 130, the dialogs' font, frameless on top of their
// owner; Escape closes the window as the title bar's close button does.
class TDialogWindow : public TForm
{
    Q_OBJECT

public:
    TDialogWindow(QWidget *owner, int clientWidth, int clientHeight);

protected:
    // The skinned frame: DeepBlue, passing later style changes on to its
    // controls, one close button, a bold white "Tahoma" title, the panel
    // sized to width x height (which sizes the window around it).
    TvekForm *CreateFrame(int width, int height);
    // A 73 x 25 button on the frame that stops on Tab and closes the window
    // with its modal result.
    TvekButton *CreateModalButton(TvekForm *frame, int left, int top, int modalResult);

    // A dialog takes the keyboard as soon as it shows.
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};

// The skinned message window: a frame with a title bar and a close button,
// a wrapped label and an icon. The dialog component adds the buttons and
// sizes the window to the text.
class TfrmMsg : public TDialogWindow
{
    Q_OBJECT

public:
    explicit TfrmMsg(QWidget *owner = nullptr);

    TvekForm *vekForm1;
    TWrapLabel *lbl;
    QLabel *Image1;
    // A warning or an error: assistive technology announces it as an alert.
    bool Alert = false;
};
