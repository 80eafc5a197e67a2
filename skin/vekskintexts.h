#pragma once

// The skin library's fixed English messages, in one place. They are the
// words a developer sees when a component refuses a setting.

namespace vekText {

inline constexpr char ErrorCaption[] = "Error";
inline constexpr char NoCustomStyle[] = "Sorry, can't be custom style";
inline constexpr char OneFramePerWindow[] =
    "Sorry, You can create only one TvekForm component in one form!";
inline constexpr char FormPanelIsTheFrame[] =
    "Sorry, you can't select the Form assign to FormPanel property";
inline constexpr char OneControlBox[] =
    "Sorry, only one button's ButtonType property can be \"vekControlBox\"";
inline constexpr char OneClientSection[] =
    "Sorry, only one section's Align property can be \"vekClient\"";

} // namespace vekText

// Tells a developer in the skin's error box which rule a setting breaks.
void ShowRuleMessage(const char *text);
