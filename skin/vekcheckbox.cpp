#include "vekcheckbox.h"

#include "bitmapresource.h"

TvekCheckBox::TvekCheckBox(QWidget *owner) : TvekCustomButtonEx(owner)
{
    Setup(QStringLiteral("vekCheckBox"), false);
}

TvekCheckBox::TvekCheckBox(QWidget *owner, TSubclassTag) : TvekCustomButtonEx(owner) {}

// Runs in the most derived constructor, so that the style chooses that
// class's pictures and transparency.
void TvekCheckBox::Setup(const QString &caption, bool picTransparent)
{
    QWidget *owner = parentWidget();
    ApplyUIStyle(GetVEKFormStyle(OwnerWindow(owner)));
    SetPicTransparent(picTransparent);
    SetCaption(caption);
    SetHeight(17);
}

TCheckBoxState TvekCheckBox::GetState() const
{
    return FChecked ? cbChecked : cbUnchecked;
}

// The grayed value unchecks.
void TvekCheckBox::SetState(TCheckBoxState value)
{
    SetChecked(value == cbChecked);
}

void TvekCheckBox::UpdateCheckState()
{
    SetButtonPic(FUIStyle);
}

// The size of the style's unchecked check-box picture lays out both check
// boxes and radio buttons.
int TvekCheckBox::GetPicWidth() const
{
    return StylePictureSize().width();
}

int TvekCheckBox::GetPicHeight() const
{
    return StylePictureSize().height();
}

QSize TvekCheckBox::StylePictureSize() const
{
    const QString name = GetThemeString(FUIStyle, TvekThemeElement::CheckBoxUncheckedPic);
    if (name.isEmpty())
        return QSize(0, 0);
    try {
        return LoadBitmapResource(name).size();
    } catch (...) {
        return QSize(0, 0);
    }
}

void TvekCheckBox::TransparentChanged()
{
    SetPicTransparent(false);
}

void TvekCheckBox::EnableChanged()
{
    UpdateCheckState();
}

void TvekCheckBox::UIStyleChanged()
{
    TvekCustomButtonEx::UIStyleChanged();
    switch (FUIStyle) {
    case TvekUIStyle::MacOS:
    case TvekUIStyle::Protein:
        SetTransparent(true);
        break;
    case TvekUIStyle::WinXP:
    case TvekUIStyle::DeepBlue:
    case TvekUIStyle::BlueGlass:
        SetTransparent(false);
        break;
    case TvekUIStyle::Custom:
        break;
    }
}

// The pictures of the state: normal (enabled or disabled), mouse-on, mouse-down.
void TvekCheckBox::SetButtonPic(TvekUIStyle style)
{
    SetResHandle(0);
    const auto picture = [&](TvekPictureState state) {
        return GetThemeString(style, CheckPicture(IsRadio(), FChecked, isEnabled(), state));
    };
    SetPicNormal(picture(TvekPictureState::Normal));
    SetPicMouseOn(picture(TvekPictureState::MouseOn));
    SetPicMouseDown(picture(TvekPictureState::MouseDown));
}

void TvekCheckBox::DoClick()
{
    SetChecked(!FChecked);
    Toggle();
}

void TvekCheckBox::CheckStateChanged()
{
    UpdateCheckState();
}
