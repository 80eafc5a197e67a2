#pragma once

#include "vekcollection.h"
#include "vekthemes.h"

#include <QImage>
#include <QMenu>
#include <QPointer>

#include <cstdint>

class TvekTitleBar;
class TvekTitleBarButtons;

// What a title-bar button does and which pictures its style gives it.
enum class TvekTitleBarBtnType : std::uint8_t {
    vekMax = 0,
    vekMin = 1,
    vekClose = 2,
    vekHelp = 3,
    vekControlBox = 4,
    vekCustom = 5
};

// One picture button of the title bar; an item of TvekTitleBarButtons.
class TvekTitleBarButton
{
public:
    explicit TvekTitleBarButton(TvekTitleBarButtons *collection);

    TvekTitleBarBtnType ButtonType() const { return FButtonType; }
    void SetButtonType(TvekTitleBarBtnType value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    int Top() const { return FTop; }
    void SetTop(int value);
    TvekUIStyle UIStyle() const { return FUIStyle; }
    void SetUIStyle(TvekUIStyle value);
    QMenu *ControlBoxMenu() const { return FControlBoxMenu; }
    void SetControlBoxMenu(QMenu *value);
    const QImage &PicNormal() const { return FPicNormal; }
    void SetPicNormal(const QImage &value);
    const QImage &PicMouseOn() const { return FPicMouseOn; }
    void SetPicMouseOn(const QImage &value);
    const QImage &PicMouseDown() const { return FPicMouseDown; }
    void SetPicMouseDown(const QImage &value);

    int Index() const;
    TvekTitleBarButtons *Collection() const { return FCollection; }
    // Copies the published properties of another button, in their order.
    void Assign(const TvekTitleBarButton &source);
    // The button's action on its window (maximise, minimise, close, menu).
    void DoClick();
    // Reloads the state pictures for the current style and type.
    void LoadPictures();

private:
    void Changed();
    TvekTitleBar *TitleBar() const;

    TvekTitleBarButtons *FCollection;
    TvekTitleBarBtnType FButtonType = TvekTitleBarBtnType::vekCustom;
    bool FTransparent = false;
    int FTop = 2;
    TvekUIStyle FUIStyle = TvekUIStyle::DeepBlue;
    QPointer<QMenu> FControlBoxMenu;
    QImage FPicNormal, FPicMouseOn, FPicMouseDown;
};

// The buttons of a title bar; any change repaints the bar.
class TvekTitleBarButtons
    : public TvekCollection<TvekTitleBarButtons, TvekTitleBarButton, TvekTitleBar>
{
public:
    using TvekCollection::TvekCollection;
    TvekTitleBar *TitleBar() const { return Owner(); }
};

Q_DECLARE_METATYPE(TvekTitleBarButtons *)
