#pragma once

#include "tcolor.h"
#include "vekthemes.h"

#include <QComboBox>

// The framework's combo box styles: an edit field with a drop-down list, or
// a pick list without an edit field.
enum class TComboBoxStyle : std::uint8_t { csDropDown, csSimple, csDropDownList };
Q_DECLARE_METATYPE(TComboBoxStyle)

// A combo box with a skinned look: after the platform has painted the
// control, the skin paints its own drop-down button (a flat fill, or a
// bitmap in the MacOS style), a small arrow and a two-ring border. Items,
// selection, the drop-down list and keys stay the framework's.
class TvekCustomComboBox : public QComboBox
{
    Q_OBJECT
    Q_PROPERTY(TvekUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
    Q_PROPERTY(int BorderColor READ BorderColor WRITE SetBorderColor)
    Q_PROPERTY(int ArrowColor READ ArrowColor WRITE SetArrowColor)
    Q_PROPERTY(int ButtonColor READ ButtonColor WRITE SetButtonColor)

public:
    explicit TvekCustomComboBox(QWidget *owner = nullptr);

    TvekUIStyle UIStyle() const { return FUIStyle; }
    // Always restyles, even to the same style: the colours given since are replaced.
    void SetUIStyle(TvekUIStyle value);
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor value);
    TColor ArrowColor() const { return FArrowColor; }
    void SetArrowColor(TColor value);
    TColor ButtonColor() const { return FButtonColor; }
    void SetButtonColor(TColor value);

    // The control's own colour: the edit area and the inner ring of the border.
    TColor Color() const { return FColor; }
    void SetColor(TColor value);

    TComboBoxStyle Style() const { return FStyle; }
    void SetStyle(TComboBoxStyle value);

    // Called when the drop-down list closes; does nothing here.
    virtual void CloseUp() {}

    void hidePopup() override;

    // Where the arrow of a drop-down button with the given rectangle starts.
    static QPoint ArrowOrigin(const QRect &button);

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

    // The drop-down button's rectangle as the platform's style reports it.
    virtual QRect DropDownButtonRect() const;

private:
    void StyleChanged();

    void DrawButton(QPainter &canvas);
    void DrawArrow(QPainter &canvas, int x, int y);

    TColor FBorderColor = clBlack;
    TColor FButtonColor = clBlack;
    TColor FArrowColor = clBlack;
    TvekUIStyle FUIStyle = TvekUIStyle::DeepBlue;
    TColor FColor = clWindow;
    TComboBoxStyle FStyle = TComboBoxStyle::csDropDown;
};

// The combo box placed on windows: publishes the skinned properties and the
// framework combo box's own.
class TvekComboBox : public TvekCustomComboBox, public TvekStyled
{
    Q_OBJECT
    Q_PROPERTY(TComboBoxStyle Style READ Style WRITE SetStyle)
    Q_PROPERTY(int Color READ Color WRITE SetColor)
    Q_PROPERTY(int ItemIndex READ currentIndex WRITE setCurrentIndex)
    Q_PROPERTY(int DropDownCount READ maxVisibleItems WRITE setMaxVisibleItems)

public:
    explicit TvekComboBox(QWidget *owner = nullptr) : TvekCustomComboBox(owner) {}
    void ApplyContainerStyle(TvekUIStyle style) override { SetUIStyle(style); }
};
