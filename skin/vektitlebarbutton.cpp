#include "vektitlebarbutton.h"

#include "tform.h"
#include "vekpublic.h"
#include "veksetter.h"
#include "vekskintexts.h"
#include "vektitlebar.h"

#include <QMenu>

TvekTitleBarButton::TvekTitleBarButton(TvekTitleBarButtons *collection) : FCollection(collection) {}

int TvekTitleBarButton::Index() const
{
    return FCollection ? FCollection->IndexOf(this) : -1;
}

TvekTitleBar *TvekTitleBarButton::TitleBar() const
{
    return FCollection ? FCollection->TitleBar() : nullptr;
}

void TvekTitleBarButton::Changed()
{
    if (FCollection)
        FCollection->Changed();
}

// Only one button may be the control box; the refused type stays as it was.
void TvekTitleBarButton::SetButtonType(TvekTitleBarBtnType value)
{
    if (value == TvekTitleBarBtnType::vekControlBox && FCollection) {
        for (int i = 0; i < FCollection->Count(); ++i) {
            if (FCollection->Items(i)->ButtonType() == TvekTitleBarBtnType::vekControlBox) {
                ShowRuleMessage(vekText::OneControlBox);
                return;
            }
        }
    }
    FButtonType = value;
    LoadPictures();
    Changed();
}

void TvekTitleBarButton::SetTransparent(bool value)
{
    if (!vekAssign(FTransparent, value))
        return;
    Changed();
}

void TvekTitleBarButton::SetTop(int value)
{
    if (!vekAssign(FTop, value))
        return;
    Changed();
}

void TvekTitleBarButton::SetUIStyle(TvekUIStyle value)
{
    FUIStyle = value;
    LoadPictures();
    Changed();
}

void TvekTitleBarButton::SetControlBoxMenu(QMenu *value)
{
    if (!vekAssign(FControlBoxMenu, value))
        return;
    Changed();
}

void TvekTitleBarButton::SetPicNormal(const QImage &value)
{
    if (!vekAssign(FPicNormal, value))
        return;
    Changed();
}

void TvekTitleBarButton::SetPicMouseOn(const QImage &value)
{
    if (!vekAssign(FPicMouseOn, value))
        return;
    Changed();
}

void TvekTitleBarButton::SetPicMouseDown(const QImage &value)
{
    if (!vekAssign(FPicMouseDown, value))
        return;
    Changed();
}

// A style resets the button's transparency and top to the style's, and a
// maximise button of a maximised window takes the restore pictures.
void TvekTitleBarButton::LoadPictures()
{
    if (FUIStyle == TvekUIStyle::Custom)
        return;
    FTransparent = GetThemeBool(FUIStyle, TvekThemeElement::TitleButtonsTransparent);
    using enum TvekThemeElement;
    TvekThemeElement first = TitleCloseNormalPic;
    switch (FButtonType) {
    case TvekTitleBarBtnType::vekMax:
        first = TitleMaxNormalPic;
        break;
    case TvekTitleBarBtnType::vekMin:
        first = TitleMinNormalPic;
        break;
    case TvekTitleBarBtnType::vekClose:
        first = TitleCloseNormalPic;
        break;
    case TvekTitleBarBtnType::vekHelp:
        first = TitleHelpNormalPic;
        break;
    case TvekTitleBarBtnType::vekControlBox:
        first = TitleControlBoxNormalPic;
        break;
    case TvekTitleBarBtnType::vekCustom:
        return;
    }
    FTop = GetThemeInt(FUIStyle, TvekThemeElement::TitleButtonTop);
    if (FButtonType == TvekTitleBarBtnType::vekMax) {
        const TvekTitleBar *bar = TitleBar();
        const QWidget *window = bar ? bar->HostWindow() : nullptr;
        if (window && window->isMaximized())
            first = TitleRestoreNormalPic;
    }
    FPicNormal = LoadThemeBitmap(FUIStyle, first);
    FPicMouseOn = LoadThemeBitmap(FUIStyle, StatePicture(first, TvekPictureState::MouseOn));
    FPicMouseDown = LoadThemeBitmap(FUIStyle, StatePicture(first, TvekPictureState::MouseDown));
}

void TvekTitleBarButton::Assign(const TvekTitleBarButton &source)
{
    SetButtonType(source.FButtonType);
    SetTransparent(source.FTransparent);
    SetTop(source.FTop);
    SetUIStyle(source.FUIStyle);
    SetPicNormal(source.FPicNormal);
    SetPicMouseOn(source.FPicMouseOn);
    SetPicMouseDown(source.FPicMouseDown);
    SetControlBoxMenu(source.FControlBoxMenu);
}

// A maximised frameless window must not cover the desktop's panels, so the
// window is limited to the work area before any action.
void TvekTitleBarButton::DoClick()
{
    TvekTitleBar *bar = TitleBar();
    QWidget *window = bar ? bar->HostWindow() : nullptr;
    if (!window)
        return;
    const QRect workArea = GetWorkAreaRect();
    if (workArea.isValid())
        window->setMaximumSize(workArea.size());
    switch (FButtonType) {
    case TvekTitleBarBtnType::vekMax:
        if (window->isMaximized()) {
            window->showNormal();
            if (bar->FNormalGeometry.isValid())
                window->setGeometry(bar->FNormalGeometry);
        } else {
            bar->FNormalGeometry = window->geometry();
            // Without a window manager nothing else fills the work area. The
            // geometry goes first: setting it clears the maximised state.
            if (bar->InSkinnedForm() && workArea.isValid())
                window->setGeometry(workArea);
            window->showMaximized();
        }
        if (FUIStyle == TvekUIStyle::WinXP)
            LoadPictures();
        bar->OnFormReSize();
        Changed();
        break;
    case TvekTitleBarBtnType::vekMin:
        window->showMinimized();
        break;
    case TvekTitleBarBtnType::vekClose:
        if (auto *form = qobject_cast<TForm *>(window))
            form->Close();
        else
            window->close();
        break;
    case TvekTitleBarBtnType::vekControlBox:
        if (FControlBoxMenu)
            FControlBoxMenu->popup(bar->mapToGlobal(QPoint(0, bar->height())));
        break;
    case TvekTitleBarBtnType::vekHelp:
    case TvekTitleBarBtnType::vekCustom:
        break;
    }
}
