#pragma once

#include "vekcheckbox.h"

// The skinned radio button: sets itself on a click and clears the other radio
// buttons of its group on the same parent.
class TvekRadioButton : public TvekCheckBox
{
    Q_OBJECT
    Q_PROPERTY(int GroupIndex READ GroupIndex WRITE SetGroupIndex)

public:
    explicit TvekRadioButton(QWidget *owner = nullptr);

    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int value) { vekAssign(FGroupIndex, value); }
    void UnCheckGroup();

protected:
    void TransparentChanged() override;
    void SetButtonPic(TvekUIStyle style) override;
    void DoClick() override;
    void CheckStateChanged() override;
    bool IsRadio() const override { return true; }

private:
    int FGroupIndex = 0;
};
