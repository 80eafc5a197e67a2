#include "stylepalette.h"

// Shorthands that keep the palettes readable.
static QColor C(int r, int g, int b)
{
    return QColor(r, g, b);
}
static Face Flat(QColor border, QColor top, QColor bottom, double gloss = 0)
{
    return Face{border, top, bottom, {}, gloss, {}};
}
static Face Ringed(QColor border, QColor top, QColor bottom, QColor ring)
{
    return Face{border, top, bottom, ring, 0, {}};
}
static Face Glass(QColor border, QColor top, QColor bottom, QColor lowerTop, double gloss)
{
    return Face{border, top, bottom, {}, gloss, lowerTop};
}

// Title-bar rows: a few stops, and hard lines given as a pair of stops one
// thousandth apart.
static QGradientStops Stops(std::initializer_list<std::pair<double, QColor>> stops)
{
    QGradientStops out;
    for (const auto &[at, colour] : stops)
        out.append({at, colour});
    return out;
}

// A hard line of colour c over row `row` of a bar `height` rows high.
static void Line(QGradientStops &stops, int row, int height, QColor before, QColor c, QColor after)
{
    const double from = double(row) / height, to = double(row + 1) / height;
    if (from > 0)
        stops.append({from - 0.0005, before});
    stops.append({from + 0.0005, c});
    stops.append({to - 0.0005, c});
    if (to < 1)
        stops.append({to + 0.0005, after});
}

static StylePalette DeepBlue()
{
    StylePalette s;
    s.look = Look::DeepBlue;
    s.prefix = "DEEPBLUE";
    s.title = "DeepBlue";
    s.form = C(232, 232, 232);
    s.scrollBar = C(245, 245, 245);
    s.frameBorder = C(0, 0, 0);
    s.frameBorderWidth = 1;

    s.button = {74, 21};
    s.buttonRadius = 3;
    s.buttonKeyed = false;
    s.buttonFace = {Flat(C(92, 110, 140), C(252, 253, 255), C(206, 216, 231), 0.35),
                    Ringed(C(52, 96, 168), C(255, 255, 255), C(214, 228, 247), C(150, 190, 238)),
                    Flat(C(36, 66, 118), C(182, 196, 216), C(220, 228, 240))};

    s.checkBox = {13, 13};
    s.checkFrame = {0, 0, 13, 13};
    s.radio = {13, 13};
    s.radioFrame = {0, 0, 13, 13};
    s.boxRadius = 2;
    s.boxFace = {Flat(C(92, 110, 140), C(228, 235, 245), C(255, 255, 255)),
                 Flat(C(52, 96, 168), C(228, 238, 252), C(255, 255, 255)),
                 Flat(C(36, 66, 118), C(196, 208, 226), C(236, 240, 246)),
                 Flat(C(170, 176, 186), C(238, 238, 238), C(244, 244, 244))};
    s.mark = {C(24, 50, 110), C(24, 50, 110), C(24, 50, 110), C(156, 162, 172)};

    s.titleLeft = {97, 32};
    s.titleClient = {98, 32};
    s.titleRight = {97, 32};
    // A navy caption band, a thin light accent and a darker ribbon below it.
    s.titleStops = Stops({{0, C(82, 114, 180)}, {0.035, C(48, 80, 146)}, {0.4, C(32, 62, 124)}});
    Line(s.titleStops, 23, 32, C(20, 44, 98), C(86, 122, 190), C(30, 52, 104));
    s.titleStops.append({1.0, C(14, 30, 68)});
    s.titleButton = 19;
    s.titleButtonTop = 2;
    s.titleLeftOffset = 0;
    s.titleRightOffset = 0;
    s.titleButtonsKeyed = false;
    s.titleButtonRadius = 3;
    s.titleButtonFace = {Flat(C(104, 134, 196), C(62, 96, 164), C(34, 62, 124), 0.25),
                         Flat(C(160, 190, 242), C(90, 130, 206), C(48, 86, 160), 0.35),
                         Flat(C(58, 84, 138), C(18, 36, 80), C(30, 54, 108))};
    s.closeButtonFace = {s.titleButtonFace[0],
                         Flat(C(248, 168, 168), C(224, 96, 96), C(168, 36, 46), 0.3),
                         Flat(C(196, 104, 104), C(124, 22, 30), C(160, 40, 48))};
    s.titleGlyph = {C(255, 255, 255), C(255, 255, 255), C(214, 224, 244)};
    s.closeGlyph = C(255, 255, 255);

    s.scrollButton = {16, 16};
    s.scrollTrack = {16, 21};
    s.scrollRadius = 3;
    s.scrollButtonFace = {Flat(C(140, 154, 178), C(252, 253, 255), C(212, 221, 234), 0.3),
                          Flat(C(52, 96, 168), C(255, 255, 255), C(206, 222, 244), 0.35),
                          Flat(C(36, 66, 118), C(178, 194, 216), C(212, 222, 236))};
    s.thumb = Flat(C(64, 86, 126), C(168, 186, 216), C(112, 136, 178));
    s.arrow = C(28, 50, 98);

    s.progress = Flat(C(22, 46, 102), C(104, 148, 222), C(30, 68, 150), 0.5);
    s.tabHeight = 22;
    s.tabActive = Flat(C(92, 110, 140), C(255, 255, 255), C(232, 232, 232));
    s.tabInactive = Flat(C(140, 150, 166), C(224, 230, 238), C(202, 210, 222));
    s.trackSlider = Flat(C(36, 66, 118), C(252, 253, 255), C(188, 202, 226), 0.3);
    s.groove = C(118, 130, 150);
    return s;
}

static StylePalette MacOS()
{
    StylePalette s;
    s.look = Look::MacOS;
    s.prefix = "MACOS";
    s.title = "MacOS";
    s.form = C(231, 231, 231);
    s.scrollBar = C(201, 201, 201);
    s.frameBorder = C(127, 127, 127);
    s.frameBorderWidth = 1;

    s.button = {84, 23};
    s.buttonRadius = 11.5;
    s.buttonKeyed = false;
    s.buttonFace = {
        Glass(C(132, 132, 132), C(255, 255, 255), C(240, 240, 240), C(214, 214, 214), 0.7),
        Glass(C(46, 94, 168), C(214, 234, 253), C(160, 204, 247), C(104, 166, 236), 0.7),
        Glass(C(28, 66, 136), C(150, 190, 236), C(96, 150, 222), C(54, 114, 206), 0.45)};

    s.checkBox = {15, 17};
    s.checkFrame = {1, 3, 13, 13};
    s.radio = {16, 17};
    s.radioFrame = {1, 2, 14, 14};
    s.boxRadius = 3;
    s.boxFace = {Glass(C(120, 120, 120), C(255, 255, 255), C(242, 242, 242), C(220, 220, 220), 0.5),
                 Glass(C(46, 94, 168), C(214, 234, 253), C(160, 204, 247), C(104, 166, 236), 0.6),
                 Glass(C(28, 66, 136), C(150, 190, 236), C(96, 150, 222), C(54, 114, 206), 0.4),
                 Flat(C(182, 182, 182), C(244, 244, 244), C(236, 236, 236))};
    s.mark = {C(24, 24, 24), C(24, 24, 24), C(24, 24, 24), C(160, 160, 160)};

    s.titleLeft = {48, 23};
    s.titleClient = {49, 23};
    s.titleRight = {48, 23};
    s.titleStops = Stops({{0, C(252, 252, 252)}, {0.06, C(238, 238, 238)}});
    Line(s.titleStops, 22, 23, C(204, 204, 204), C(146, 146, 146), C(146, 146, 146));
    s.titleButton = 17;
    s.titleButtonTop = 4;
    s.titleLeftOffset = 3;
    s.titleRightOffset = -2;
    s.titleButtonsKeyed = false;
    s.titleButtonRadius = 8.5;
    // Gel buttons get their colour by kind; these faces serve the help button.
    s.titleButtonFace = {
        Glass(C(70, 110, 170), C(220, 236, 252), C(150, 196, 240), C(90, 150, 226), 0.7),
        Glass(C(60, 100, 170), C(232, 244, 255), C(170, 212, 250), C(110, 170, 240), 0.7),
        Glass(C(40, 70, 130), C(150, 180, 220), C(90, 130, 200), C(50, 100, 180), 0.4)};
    s.closeButtonFace = {
        Glass(C(150, 50, 40), C(255, 206, 196), C(240, 120, 100), C(214, 56, 40), 0.7),
        Glass(C(150, 50, 40), C(255, 222, 214), C(250, 140, 120), C(230, 76, 58), 0.7),
        Glass(C(110, 30, 20), C(210, 140, 130), C(190, 70, 56), C(160, 36, 24), 0.4)};
    // Gel glyphs appear under the pointer only.
    s.titleGlyph = {QColor(0, 0, 0, 0), C(70, 40, 20), C(50, 24, 10)};
    s.closeGlyph = C(100, 20, 10);

    s.scrollButton = {16, 22};
    s.scrollTrack = {16, 33};
    s.scrollRadius = 0;
    s.scrollButtonFace = {
        Glass(C(140, 140, 140), C(255, 255, 255), C(238, 238, 238), C(216, 216, 216), 0.5),
        Glass(C(46, 94, 168), C(226, 240, 254), C(190, 220, 250), C(150, 196, 244), 0.6),
        Glass(C(28, 66, 136), C(150, 190, 236), C(96, 150, 222), C(54, 114, 206), 0.4)};
    s.thumb = Flat(C(38, 88, 168), C(160, 208, 252), C(58, 128, 222));
    s.arrow = C(50, 50, 50);

    s.progress = Glass(C(38, 88, 168), C(200, 230, 255), C(120, 180, 245), C(60, 130, 225), 0.5);
    s.tabHeight = 34;
    s.tabActive = Glass(C(46, 94, 168), C(214, 234, 253), C(160, 204, 247), C(104, 166, 236), 0.6);
    s.tabInactive =
        Glass(C(132, 132, 132), C(255, 255, 255), C(240, 240, 240), C(214, 214, 214), 0.6);
    s.trackSlider = Glass(C(38, 88, 168), C(214, 234, 253), C(150, 200, 247), C(90, 156, 234), 0.6);
    s.groove = C(140, 140, 140);
    return s;
}

static StylePalette WinXP()
{
    StylePalette s;
    s.look = Look::WinXP;
    s.prefix = "WINXP";
    s.title = "WinXP";
    s.form = C(239, 235, 222);
    s.scrollBar = C(249, 249, 249);
    s.frameBorder = C(0, 44, 200);
    s.frameBorderWidth = 3;

    s.button = {18, 21};
    s.buttonRadius = 3;
    s.buttonKeyed = false;
    s.buttonFace = {Flat(C(0, 60, 116), C(255, 255, 255), C(226, 222, 210)),
                    Ringed(C(0, 60, 116), C(255, 255, 255), C(226, 222, 210), C(232, 156, 20)),
                    Flat(C(0, 60, 116), C(206, 201, 188), C(242, 241, 235))};

    s.checkBox = {13, 13};
    s.checkFrame = {0, 0, 13, 13};
    s.radio = {13, 13};
    s.radioFrame = {0, 0, 13, 13};
    s.boxRadius = 0;
    s.boxFace = {Flat(C(28, 81, 128), C(220, 220, 214), C(255, 255, 255)),
                 Ringed(C(28, 81, 128), C(220, 220, 214), C(255, 255, 255), C(240, 166, 40)),
                 Flat(C(28, 81, 128), C(176, 176, 166), C(228, 227, 220)),
                 Flat(C(202, 200, 187), C(255, 255, 255), C(255, 255, 255))};
    s.mark = {C(33, 161, 33), C(33, 161, 33), C(26, 130, 26), C(202, 200, 187)};

    s.titleLeft = {35, 29};
    s.titleClient = {37, 29};
    s.titleRight = {35, 29};
    // A light top edge, a bright band that fades into the body, the body
    // darkening towards a deep lower edge.
    s.titleStops = Stops({{0, C(142, 194, 255)},
                          {0.04, C(92, 160, 255)},
                          {0.1, C(54, 132, 255)},
                          {0.2, C(26, 108, 246)},
                          {0.34, C(10, 92, 236)},
                          {0.55, C(2, 82, 224)},
                          {0.75, C(0, 74, 212)},
                          {0.88, C(0, 64, 196)},
                          {0.95, C(0, 52, 172)},
                          {1.0, C(0, 38, 138)}});
    s.titleButton = 21;
    s.titleButtonTop = 5;
    s.titleLeftOffset = 2;
    s.titleRightOffset = -2;
    s.titleButtonsKeyed = false;
    s.titleButtonRadius = 3;
    // Glossy faces that run from a light top to a deep bottom, as the bar does.
    s.titleButtonFace = {Flat(C(255, 255, 255), C(120, 178, 255), C(12, 72, 222), 0.6),
                         Flat(C(255, 255, 255), C(164, 208, 255), C(40, 116, 252), 0.7),
                         Flat(C(224, 232, 255), C(6, 46, 156), C(42, 102, 224), 0.15)};
    s.closeButtonFace = {Flat(C(255, 255, 255), C(248, 160, 120), C(196, 56, 18), 0.6),
                         Flat(C(255, 255, 255), C(255, 190, 150), C(228, 90, 46), 0.7),
                         Flat(C(255, 232, 224), C(148, 34, 6), C(204, 72, 30), 0.15)};
    s.titleGlyph = {C(255, 255, 255), C(255, 255, 255), C(255, 255, 255)};
    s.closeGlyph = C(255, 255, 255);

    s.scrollButton = {16, 17};
    s.scrollTrack = {16, 21};
    s.scrollRadius = 2;
    s.scrollButtonFace = {Flat(C(164, 188, 240), C(228, 238, 255), C(186, 208, 250), 0.3),
                          Flat(C(120, 160, 240), C(242, 248, 255), C(202, 224, 255), 0.4),
                          Flat(C(104, 136, 220), C(160, 190, 246), C(190, 210, 250))};
    s.thumb = Flat(C(144, 172, 234), C(226, 236, 255), C(184, 206, 250));
    s.arrow = C(77, 97, 133);

    s.progress = Flat(C(40, 130, 40), C(160, 236, 160), C(32, 176, 32), 0.4);
    s.tabHeight = 19;
    s.tabActive = Ringed(C(145, 155, 156), C(255, 255, 255), C(250, 250, 249), C(255, 200, 60));
    s.tabInactive = Flat(C(145, 155, 156), C(254, 254, 254), C(234, 233, 226));
    s.trackSlider = Flat(C(28, 81, 128), C(255, 255, 255), C(218, 218, 208), 0.2);
    s.groove = C(166, 166, 158);
    return s;
}

static StylePalette Protein()
{
    StylePalette s;
    s.look = Look::Protein;
    s.prefix = "PROTEIN";
    s.title = "Protein";
    s.form = C(251, 251, 251);
    s.scrollBar = C(245, 245, 245);
    s.frameBorder = C(0, 0, 0);
    s.frameBorderWidth = 1;

    s.button = {74, 21};
    s.buttonRadius = 4;
    s.buttonKeyed = false;
    s.buttonFace = {Flat(C(140, 147, 157), C(255, 255, 255), C(216, 220, 227), 0.55),
                    Flat(C(92, 140, 212), C(255, 255, 255), C(212, 226, 246), 0.6),
                    Flat(C(100, 110, 124), C(204, 208, 215), C(236, 238, 241))};

    s.checkBox = {13, 13};
    s.checkFrame = {0, 0, 13, 13};
    s.radio = {13, 13};
    s.radioFrame = {0, 0, 13, 13};
    s.boxRadius = 2;
    s.boxFace = {Flat(C(122, 130, 142), C(236, 239, 243), C(255, 255, 255)),
                 Flat(C(92, 140, 212), C(236, 242, 252), C(255, 255, 255)),
                 Flat(C(100, 110, 124), C(206, 210, 217), C(240, 242, 244)),
                 Flat(C(192, 196, 202), C(246, 246, 246), C(246, 246, 246))};
    s.mark = {C(56, 66, 82), C(56, 66, 82), C(56, 66, 82), C(172, 178, 186)};

    s.titleLeft = {441, 23};
    s.titleClient = {1, 23};
    s.titleRight = {1, 23};
    s.titleStops =
        Stops({{0, C(255, 255, 255)}, {0.06, C(246, 247, 249)}, {0.5, C(229, 232, 236)}});
    Line(s.titleStops, 22, 23, C(206, 210, 216), C(148, 154, 164), C(148, 154, 164));
    s.titleButton = 19;
    s.titleButtonTop = 2;
    s.titleLeftOffset = 0;
    s.titleRightOffset = 0;
    s.titleButtonsKeyed = true;
    // A 16-pixel disc with two clear columns at the right.
    s.titleButtonFrame = QRectF(0.5, 1.5, 16, 16);
    // Between the graphite plate and the silver bar: the buttons lie on
    // either, by the window's width.
    s.titleButtonEdge = C(150, 158, 170);
    s.titleButtonRadius = 9.5;
    s.titleButtonFace = {Flat(C(122, 130, 142), C(255, 255, 255), C(208, 212, 219), 0.6),
                         Flat(C(82, 124, 192), C(255, 255, 255), C(194, 214, 244), 0.65),
                         Flat(C(90, 98, 110), C(186, 191, 199), C(226, 229, 233))};
    s.closeButtonFace = {s.titleButtonFace[0],
                         Flat(C(176, 66, 66), C(255, 236, 236), C(238, 150, 150), 0.6),
                         Flat(C(130, 40, 40), C(214, 120, 120), C(240, 180, 180))};
    s.titleGlyph = {C(56, 66, 82), C(30, 50, 90), C(40, 46, 56)};
    s.closeGlyph = C(56, 66, 82);

    s.scrollButton = {16, 16};
    s.scrollTrack = {16, 21};
    s.scrollRadius = 3;
    s.scrollButtonFace = {Flat(C(150, 157, 167), C(255, 255, 255), C(218, 222, 228), 0.5),
                          Flat(C(92, 140, 212), C(255, 255, 255), C(212, 226, 246), 0.55),
                          Flat(C(100, 110, 124), C(204, 208, 215), C(236, 238, 241))};
    s.thumb = Flat(C(124, 132, 144), C(252, 252, 253), C(204, 209, 216));
    s.arrow = C(56, 66, 82);

    s.progress = Flat(C(70, 88, 118), C(172, 192, 222), C(86, 110, 148), 0.5);
    s.tabHeight = 22;
    s.tabActive = Flat(C(140, 147, 157), C(255, 255, 255), C(251, 251, 251), 0.3);
    s.tabInactive = Flat(C(160, 166, 175), C(240, 242, 245), C(220, 224, 229));
    s.trackSlider = Flat(C(122, 130, 142), C(255, 255, 255), C(206, 211, 218), 0.5);
    s.groove = C(150, 156, 166);
    return s;
}

static StylePalette BlueGlass()
{
    StylePalette s;
    s.look = Look::BlueGlass;
    s.prefix = "BLUEGLASS";
    s.title = "BlueGlass";
    s.form = C(231, 231, 231);
    s.scrollBar = C(244, 244, 244);
    s.frameBorder = C(0, 0, 0);
    s.frameBorderWidth = 1;

    s.button = {77, 27};
    s.buttonRadius = 7;
    s.buttonKeyed = true;
    s.buttonFace = {
        Glass(C(44, 92, 160), C(234, 244, 254), C(196, 222, 250), C(160, 200, 245), 0.6),
        Glass(C(28, 112, 204), C(238, 250, 255), C(188, 232, 255), C(130, 204, 250), 0.65),
        Glass(C(22, 68, 138), C(168, 202, 240), C(126, 174, 232), C(92, 148, 220), 0.3)};

    s.checkBox = {13, 13};
    s.checkFrame = {0, 0, 13, 13};
    s.radio = {13, 13};
    s.radioFrame = {0, 0, 13, 13};
    s.boxRadius = 2;
    s.boxFace = {Glass(C(44, 92, 160), C(244, 250, 255), C(218, 236, 252), C(196, 222, 250), 0.4),
                 Glass(C(28, 112, 204), C(244, 252, 255), C(210, 238, 255), C(176, 220, 252), 0.45),
                 Glass(C(22, 68, 138), C(180, 210, 242), C(150, 190, 236), C(120, 166, 226), 0.3),
                 Flat(C(160, 176, 196), C(242, 242, 242), C(236, 236, 236))};
    s.mark = {C(12, 54, 120), C(12, 54, 120), C(12, 54, 120), C(160, 170, 184)};

    s.titleLeft = {162, 33};
    s.titleClient = {179, 33};
    s.titleRight = {101, 33};
    // Glass: a bright upper half, a sharp step at the middle, light rising below.
    s.titleStops =
        Stops({{0, C(168, 204, 248)}, {0.04, C(112, 166, 236)}, {0.46, C(72, 130, 214)}});
    Line(s.titleStops, 16, 33, C(70, 128, 212), C(34, 86, 176), C(36, 88, 178));
    s.titleStops.append({0.93, C(64, 124, 208)});
    Line(s.titleStops, 32, 33, C(66, 126, 210), C(22, 56, 118), C(22, 56, 118));
    s.titleButton = 19;
    s.titleButtonTop = 6;
    s.titleLeftOffset = 4;
    s.titleRightOffset = -3;
    s.titleButtonsKeyed = true;
    s.titleButtonRadius = 9.5;
    s.titleButtonFace = {
        Glass(C(26, 64, 130), C(220, 238, 255), C(124, 180, 242), C(56, 118, 208), 0.7),
        Glass(C(26, 70, 140), C(236, 248, 255), C(150, 206, 255), C(80, 160, 242), 0.75),
        Glass(C(18, 44, 100), C(166, 196, 238), C(68, 118, 198), C(30, 78, 168), 0.35)};
    s.closeButtonFace = {
        Glass(C(120, 28, 28), C(255, 214, 204), C(234, 116, 96), C(202, 52, 32), 0.7),
        Glass(C(130, 34, 30), C(255, 228, 220), C(248, 142, 120), C(226, 76, 52), 0.75),
        Glass(C(90, 16, 12), C(214, 150, 140), C(180, 64, 48), C(150, 30, 18), 0.35)};
    s.titleGlyph = {C(255, 255, 255), C(255, 255, 255), C(226, 236, 250)};
    s.closeGlyph = C(255, 255, 255);

    s.scrollButton = {17, 16};
    s.scrollTrack = {16, 21};
    s.scrollRadius = 3;
    s.scrollButtonFace = {
        Glass(C(70, 112, 176), C(240, 248, 255), C(210, 230, 252), C(180, 212, 248), 0.5),
        Glass(C(28, 112, 204), C(244, 252, 255), C(200, 236, 255), C(150, 212, 252), 0.55),
        Glass(C(22, 68, 138), C(170, 204, 240), C(128, 176, 232), C(96, 150, 220), 0.3)};
    s.thumb = Flat(C(44, 92, 160), C(206, 230, 253), C(112, 164, 232));
    s.arrow = C(18, 56, 118);

    s.progress = Glass(C(30, 80, 160), C(200, 228, 255), C(110, 170, 240), C(50, 120, 220), 0.5);
    s.tabHeight = 22;
    s.tabActive = Glass(C(44, 92, 160), C(244, 250, 255), C(218, 236, 252), C(200, 224, 250), 0.5);
    s.tabInactive = Flat(C(110, 140, 180), C(226, 234, 244), C(200, 214, 232));
    s.trackSlider = Glass(C(26, 64, 130), C(220, 238, 255), C(124, 180, 242), C(56, 118, 208), 0.6);
    s.groove = C(110, 140, 180);
    return s;
}

const std::vector<StylePalette> &BuiltInStyles()
{
    static const std::vector<StylePalette> styles = {MacOS(), WinXP(), DeepBlue(), Protein(),
                                                     BlueGlass()};
    return styles;
}
