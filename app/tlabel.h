#pragma once

#include "tcolor.h"

#include <QLabel>

// The framework's label: one line of text drawn at its top left in its font
// and font colour, on its own colour once it has one (else its parent shows
// through). A disabled label draws its text embossed, as the platform does.
// It is a Qt label so that the control it names (its buddy) knows its label.
class TLabel : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(int Color READ Color WRITE SetColor)
    Q_PROPERTY(int FontColor READ FontColor WRITE SetFontColor)
    Q_PROPERTY(bool ParentColor READ ParentColor WRITE SetParentColor)

public:
    explicit TLabel(QWidget *parent = nullptr);

    QString Caption() const { return FCaption; }
    void SetCaption(const QString &value);

    // The background; the page colour for the preview labels. Setting it
    // gives the label a colour of its own.
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool value);

    // The text colour (the font's colour).
    TColor FontColor() const { return FFontColor; }
    void SetFontColor(TColor value);

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QString FCaption;
    TColor FColor = clBtnFace;
    TColor FFontColor = clWindowText;
    bool FParentColor = true;
};
