#pragma once

#include "paintkit.h"

#include <QSize>
#include <QString>

#include <array>
#include <vector>

enum class Look { MacOS, WinXP, DeepBlue, Protein, BlueGlass };

// States of a picture in the order the names list them.
enum State { Normal = 0, MouseOn = 1, MouseDown = 2, Disabled = 3 };

// Everything that makes one built-in style look like itself: picture sizes,
// colours and the few shape choices. The drawing functions read only this.
struct StylePalette
{
    Look look;
    QString prefix; // "DEEPBLUE"
    QString title;  // "DeepBlue"
    QColor form;    // the window's client colour
    QColor scrollBar;
    QColor frameBorder; // the window border drawn around the client part
    int frameBorderWidth;

    // Push button.
    QSize button;
    double buttonRadius;
    bool buttonKeyed; // corners outside the border are see-through
    std::array<Face, 3> buttonFace;

    // Check box and radio button: normal, mouse-on, mouse-down, disabled.
    QSize checkBox;
    QRectF checkFrame; // the box inside the picture
    QSize radio;
    QRectF radioFrame;
    double boxRadius;
    std::array<Face, 4> boxFace;
    std::array<QColor, 4> mark;

    // Title bar.
    QSize titleLeft, titleClient, titleRight;
    QGradientStops titleStops;
    int titleButton;    // side of the square title-bar buttons
    int titleButtonTop; // y of the buttons in the bar
    int titleLeftOffset, titleRightOffset;
    bool titleButtonsKeyed;
    // Where a keyed button's face lies in its picture; empty: the whole
    // picture. A face inset from the right keeps the last button off the
    // window's edge.
    QRectF titleButtonFrame;
    // Keyed buttons: the colour their soft rim is blended with, for a bar
    // whose colour under the buttons depends on the window's width; invalid:
    // the bar's plain rows.
    QColor titleButtonEdge;
    double titleButtonRadius;
    std::array<Face, 3> titleButtonFace;
    std::array<Face, 3> closeButtonFace;
    std::array<QColor, 3> titleGlyph;
    QColor closeGlyph;

    // Scroll bar: arrow button and the track picture the slider is cut from.
    QSize scrollButton, scrollTrack;
    double scrollRadius;
    std::array<Face, 3> scrollButtonFace;
    Face thumb;
    QColor arrow;

    // Progress bar, tabs and track bar.
    Face progress;
    int tabHeight;
    Face tabActive, tabInactive;
    Face trackSlider;
    QColor groove;
};

const std::vector<StylePalette> &BuiltInStyles();
