#include "catalogue.h"

#include "pictures.h"

namespace {

const char *const kStateNames[] = {"NORMAL", "MOUSEON", "MOUSEDOWN", "DISABLE"};

struct Collector
{
    const StylePalette &s;
    std::vector<NamedPicture> out;

    void add(const QString &element, const QImage &image)
    {
        out.push_back({s.prefix + '_' + element, image});
    }
};

// Check boxes and radio buttons: WinXP has a picture per state; the others
// share one picture for normal, mouse-on and mouse-down.
template <typename Draw> void AddTwoStateControl(Collector &c, const QString &kind, Draw draw)
{
    for (const bool checked : {true, false}) {
        const QString mark = checked ? "CHECK" : "UNCHECK";
        if (c.s.look == Look::WinXP) {
            for (const State state : {Normal, MouseOn, MouseDown, Disabled})
                c.add(kind + '_' + kStateNames[state] + '_' + mark, draw(c.s, checked, state));
        } else {
            c.add(kind + '_' + mark, draw(c.s, checked, Normal));
            c.add(kind + "_DISABLE_" + mark, draw(c.s, checked, Disabled));
        }
    }
}

void AddTitleBar(Collector &c)
{
    c.add("TITLE_LEFT", TitleSection(c.s, TitlePart::Left));
    c.add("TITLE_CLIENT", TitleSection(c.s, TitlePart::Client));
    c.add("TITLE_RIGHT", TitleSection(c.s, TitlePart::Right));
    struct Kind
    {
        const char *name;
        TitleButtonKind kind;
    };
    std::vector<Kind> kinds = {{"CLOSE", TitleButtonKind::Close},
                               {"MAX", TitleButtonKind::Max},
                               {"MIN", TitleButtonKind::Min},
                               {"HELP", TitleButtonKind::Help},
                               {"CTLBOX", TitleButtonKind::ControlBox}};
    // Only WinXP has restore pictures of its own.
    if (c.s.look == Look::WinXP)
        kinds.push_back({"RST", TitleButtonKind::Restore});
    for (const Kind &k : kinds)
        for (const State state : {Normal, MouseOn, MouseDown})
            c.add(QString("TITLEBTN_") + k.name + '_' + kStateNames[state],
                  TitleButton(c.s, k.kind, state));
}

void AddScrollBar(Collector &c)
{
    for (const bool top : {true, false})
        for (const State state : {Normal, MouseOn, MouseDown})
            c.add(QString("SCROLLBAR_") + (top ? "TOPBUTTON_" : "BTMBUTTON_") + kStateNames[state],
                  ScrollButton(c.s, top, state));
    c.add("SCROLLBAR_TRACK", ScrollTrack(c.s));
}

} // namespace

std::vector<NamedPicture> StylePictures(const StylePalette &s)
{
    Collector c{s, {}};
    for (const State state : {Normal, MouseOn, MouseDown})
        c.add(QString("BUTTON_") + kStateNames[state], PushButton(s, state));
    AddTwoStateControl(c, "CHECKBOX", CheckBox);
    AddTwoStateControl(c, "RADIOBUTTON", RadioButton);
    AddTitleBar(c);
    AddScrollBar(c);
    c.add("PROGRESSBAR", ProgressBar(s, false));
    c.add("PROGRESSBAR_V", ProgressBar(s, true));
    c.add("TAB_ACTIVE", Tab(s, TabPart::Active));
    c.add("TAB_INACTIVE", Tab(s, TabPart::Inactive));
    c.add("TAB_LINE", Tab(s, TabPart::Line));
    c.add("TRACKBAR_BAR", TrackBarBar(s));
    c.add("TRACKBAR_SLIDER", TrackBarSlider(s, false));
    c.add("TRACKBAR_SLIDER_V", TrackBarSlider(s, true));
    // Pictures that the form, the menu bar and the combo box load by fixed names.
    if (s.look == Look::MacOS || s.look == Look::Protein)
        c.add("FORM_BACKGROUND", FormBackground(s));
    if (s.look == Look::MacOS) {
        c.add("MENU_BAR", MacMenuBar());
        c.add("MENU_SELECT", MacMenuSelect());
        c.add("COMBOBOX_BUTTON", MacComboBoxButton());
    }
    return c.out;
}

std::vector<NamedPicture> CommonPictures()
{
    return {{"MENU_CHECKED", MenuChecked()},
            {"MSGDLG_WARNING", MessageDialogIcon(MessageIcon::Warning)},
            {"MSGDLG_ERROR", MessageDialogIcon(MessageIcon::Error)},
            {"MSGDLG_INFORMATION", MessageDialogIcon(MessageIcon::Information)},
            {"MSGDLG_QUESTION", MessageDialogIcon(MessageIcon::Question)},
            {"MAINICON", MainIcon()}};
}
