#pragma once

#include "stylepalette.h"

#include <QImage>

// One function per kind of picture; each draws the kind for any style from its
// palette. Every picture comes out opaque RGB, with fuchsia where it is meant
// to be see-through.

// Controls.
QImage PushButton(const StylePalette &s, State state);
QImage CheckBox(const StylePalette &s, bool checked, State state);
QImage RadioButton(const StylePalette &s, bool checked, State state);
QImage ScrollButton(const StylePalette &s, bool top, State state);
QImage ScrollTrack(const StylePalette &s);
QImage ProgressBar(const StylePalette &s, bool vertical);
enum class TabPart { Active, Inactive, Line };
QImage Tab(const StylePalette &s, TabPart part);
QImage TrackBarBar(const StylePalette &s);
QImage TrackBarSlider(const StylePalette &s, bool vertical);

// Title bar.
enum class TitlePart { Left, Client, Right };
QImage TitleSection(const StylePalette &s, TitlePart part);
enum class TitleButtonKind { Close, Max, Restore, Min, Help, ControlBox };
QImage TitleButton(const StylePalette &s, TitleButtonKind kind, State state);

// Pictures loaded by fixed names.
QImage FormBackground(const StylePalette &s);
QImage MacMenuBar();
QImage MacMenuSelect();
QImage MacComboBoxButton();
enum class MessageIcon { Warning, Error, Information, Question };
QImage MessageDialogIcon(MessageIcon icon);
QImage MenuChecked();
QImage MainIcon(); // 32 x 32, the title bar's application icon
// The desktop icon at one of its sizes, with an alpha channel unlike the skin
// pictures: 16, 24 and 32 drawn on the pixel grid, larger sizes smooth.
QImage ProgramIcon(int side);
// The sizes the desktop icon is drawn at.
inline constexpr int kProgramIconSizes[] = {16, 24, 32, 48, 64, 128, 256};
