#pragma once

#include <utility>

// The rule every setter of a skinned control follows: an unchanged value does
// nothing; a new one is stored, then the setter runs the control's hook and
// repaints (at once where the control repaints at once, else on the next
// paint). True when the value changed:
//
//     void TvekSomething::SetCaption(const QString &value)
//     {
//         if (!vekAssign(FCaption, value))
//             return;
//         CaptionChanged();
//         Invalidate();
//     }
//
// The style setters are the exception: setting a control's UIStyle applies
// the style again even when it is unchanged.
template <typename T, typename U> bool vekAssign(T &field, U &&value)
{
    if (field == value)
        return false;
    field = std::forward<U>(value);
    return true;
}
