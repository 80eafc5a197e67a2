#include "vekradiobutton.h"

TvekRadioButton::TvekRadioButton(QWidget *owner) : TvekCheckBox(owner, TSubclassTag{})
{
    Setup(QStringLiteral("vekRadioButton"), true);
}

// The other radio buttons of the group on the same parent are cleared.
void TvekRadioButton::UnCheckGroup()
{
    QWidget *parent = parentWidget();
    if (!parent)
        return;
    for (QObject *child : parent->children()) {
        auto *radio = qobject_cast<TvekRadioButton *>(child);
        if (radio && radio != this && radio->FGroupIndex == FGroupIndex)
            radio->SetChecked(false);
    }
}

void TvekRadioButton::TransparentChanged()
{
    SetPicTransparent(true);
}

void TvekRadioButton::SetButtonPic(TvekUIStyle style)
{
    TvekCheckBox::SetButtonPic(style);
    Invalidate();
}

// Clicking a checked radio button leaves it checked.
void TvekRadioButton::DoClick()
{
    if (!FChecked)
        SetChecked(true);
}

void TvekRadioButton::CheckStateChanged()
{
    if (FChecked)
        UnCheckGroup();
    TvekCheckBox::CheckStateChanged();
}
