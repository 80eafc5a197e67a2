#include "appcontrols.h"

#include "tform.h"
#include "tlabel.h"
#include "vekbutton.h"
#include "vekform.h"

#include <initializer_list>

QFont PixelFont(const QString &family, int pixelSize, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QFont WindowFont()
{
    return PixelFont(QStringLiteral("MS Sans Serif"), 11);
}

void SetUpWindow(TForm *window, const QRect &bounds, const QString &caption)
{
    window->setGeometry(bounds);
    window->SetCaption(caption);
    window->setFont(WindowFont());
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, ToQColor(clBtnFace));
    palette.setColor(QPalette::WindowText, ToQColor(clWindowText));
    window->setPalette(palette);
    window->SetMinSize(130, 0);
}

namespace {

// The title bar's buttons, each in DeepBlue with its own pictures.
void SetTitleBarButtons(TvekForm *frame, std::initializer_list<TvekTitleBarBtnType> types)
{
    TvekTitleBarButtons *buttons = frame->TitleBarButtons();
    buttons->Clear();
    for (TvekTitleBarBtnType type : types) {
        TvekTitleBarButton *button = buttons->Add();
        button->SetButtonType(type);
        button->SetTransparent(false);
        button->SetTop(2);
        button->SetUIStyle(TvekUIStyle::DeepBlue);
    }
}

} // namespace

TvekForm *NewVekForm(QWidget *host, const QSize &panel, const QString &caption, int titleFontSize,
                     bool minimizeButton)
{
    auto *frame = new TvekForm(host);
    frame->setObjectName(QStringLiteral("vekForm1"));
    frame->SetUIStyle(TvekUIStyle::DeepBlue);
    frame->SetUIStyleAutoUpdateSub(false);
    frame->SetBorderColor(clBlack);
    frame->SetBorderWidth(1);
    frame->SetTitleBarVisible(true);
    frame->SetColor(kFrameColor);
    frame->SetCaption(caption);
    if (minimizeButton)
        SetTitleBarButtons(frame, {TvekTitleBarBtnType::vekControlBox,
                                   TvekTitleBarBtnType::vekClose, TvekTitleBarBtnType::vekMin});
    else
        SetTitleBarButtons(frame,
                           {TvekTitleBarBtnType::vekControlBox, TvekTitleBarBtnType::vekClose});
    frame->SetTitleBarDrawAppIcon(false);
    frame->SetFont(PixelFont(QStringLiteral("Tahoma"), titleFontSize, true));
    frame->SetFontColor(clWhite);
    frame->SetMenuBarColor(kFrameColor);
    frame->SetMenuBarHeight(22);
    frame->SetWidth(panel.width());
    frame->SetHeight(panel.height());
    return frame;
}

TvekButton *NewButton(QWidget *parent, const QRect &bounds, const QString &caption)
{
    auto *button = new TvekButton(parent);
    button->SetUIStyle(TvekUIStyle::DeepBlue);
    button->SetAutoSize(false);
    button->SetTransparent(false);
    button->SetTabStop(true);
    button->SetModalResult(mrNone);
    button->SetLayout(blGlyphLeft);
    button->SetSpacing(4);
    button->SetMouseContinuouslyDownInterval(100);
    button->SetBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
    button->SetCaption(caption);
    return button;
}

TvekCheckBox *NewCheckBox(QWidget *parent, const QRect &bounds, const QString &caption,
                          bool checked)
{
    auto *checkBox = new TvekCheckBox(parent);
    checkBox->SetUIStyle(TvekUIStyle::DeepBlue);
    checkBox->SetAutoSize(false);
    checkBox->SetTransparent(false);
    checkBox->SetTabStop(true);
    checkBox->SetBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
    checkBox->SetCaption(caption);
    checkBox->SetChecked(checked);
    return checkBox;
}

TLabel *NewLabel(QWidget *parent, const QRect &bounds, const QString &caption)
{
    auto *label = new TLabel(parent);
    label->setGeometry(bounds);
    label->SetCaption(caption);
    return label;
}
