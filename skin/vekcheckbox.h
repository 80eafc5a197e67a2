#pragma once

#include "vekcustombuttonex.h"

// A check box's state; the grayed value is never shown.
enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

Q_DECLARE_METATYPE(TCheckBoxState)

// The skinned check box: flips its state on each click.
class TvekCheckBox : public TvekCustomButtonEx
{
    Q_OBJECT
    Q_PROPERTY(bool Checked READ Checked WRITE SetChecked)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(QFont Font READ Font WRITE SetFont)
    Q_PROPERTY(int Color READ Color WRITE SetColor)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(bool TabStop READ TabStop WRITE SetTabStop)
    Q_PROPERTY(TvekUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
    Q_PROPERTY(bool ParentColor READ ParentColor WRITE SetParentColor)

public:
    explicit TvekCheckBox(QWidget *owner = nullptr);

    TCheckBoxState State() const { return GetState(); }
    TCheckBoxState GetState() const;
    void SetState(TCheckBoxState value);
    // Chooses the pictures anew for the current style and state.
    void UpdateCheckState();

    int GetPicWidth() const override;
    int GetPicHeight() const override;

protected:
    // For subclasses, which run Setup in their own constructor.
    struct TSubclassTag
    {
    };
    TvekCheckBox(QWidget *owner, TSubclassTag);
    void Setup(const QString &caption, bool picTransparent);

    // Called after every toggle by a click.
    virtual void Toggle() {}
    void TransparentChanged() override;
    void EnableChanged() override;
    void UIStyleChanged() override;
    void SetButtonPic(TvekUIStyle style) override;
    void DoClick() override;
    void CheckStateChanged() override;

    // Whether the pictures are the radio button's rather than the check box's.
    virtual bool IsRadio() const { return false; }

private:
    QSize StylePictureSize() const;
};
