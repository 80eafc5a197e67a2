#include "vekdlg.h"

#include "vekpublic.h"

#include "bitmapresource.h"
#include "dialogservices.h"
#include "frminput.h"
#include "frmmessage.h"
#include "frmpassword.h"
#include "vekbutton.h"
#include "vekform.h"
#include "vekskintexts.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPointer>
#include <QScopeGuard>

#include <algorithm>

namespace {

// Button geometry shared by the three dialogs.
constexpr int buttonWidth = 73;
constexpr int buttonHeight = 25;
// From one button's left edge to the next one's: a button and 20 pixels.
constexpr int buttonPitch = 93;
// A button's width and the margin to the window's right edge.
constexpr int buttonRightSpace = 97;
// Above and below the row of buttons.
constexpr int buttonMargin = 20;
// Gap between the two centred buttons of the input and password dialogs.
constexpr int centredGap = 8;

// The bitmap resource of an icon; empty for none or an unknown value.
QString IconResourceName(TvekIconType icon)
{
    const int index = int(icon) - 1;
    if (index < 0 || index >= int(std::size(vekMsgDlgIcon)))
        return QString();
    return QString::fromLatin1(vekMsgDlgIcon[index]);
}

// The window a component builds is freed when ShowModal leaves, also when
// something on the way throws.
template <typename Window> auto FreeOnExit(const QPointer<Window> &window)
{
    return qScopeGuard([window] { delete window.data(); });
}

// The OK and Cancel buttons get their captions and cursor and stand side by
// side, centred in the window.
void SetUpOkCancel(TForm *window, TvekButton *ok, TvekButton *cancel, const QString &okCaption,
                   const QString &cancelCaption, TCursor cursor)
{
    ok->SetCaption(okCaption);
    cancel->SetCaption(cancelCaption);
    for (TvekButton *button : {ok, cancel})
        button->setCursor(ToCursorShape(cursor));
    const int half = window->width() / 2;
    ok->move(half - ok->width() - centredGap, ok->y());
    cancel->move(half + centredGap, cancel->y());
}

} // namespace

// ---------------------------------------------------------------------------
// TvekDialog

TvekDialog::TvekDialog(QObject *owner) : QObject(owner) {}

QFont TvekDialog::DefaultFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    return font;
}

// Custom would leave the dialog window without pictures: it is refused.
void TvekDialog::SetUIStyle(TvekUIStyle value)
{
    if (value == TvekUIStyle::Custom) {
        DialogServices().MessageBox(QString::fromLatin1(vekText::NoCustomStyle),
                                    QApplication::applicationDisplayName(), TMessageBoxKind::Ok);
        return;
    }
    FUIStyle = value;
}

QWidget *TvekDialog::OwnerWindow()
{
    return QApplication::activeWindow();
}

TvekButton *TvekDialog::CreateButton(TvekForm *frame, int left, int top, const QString &caption,
                                     int modalResult) const
{
    auto *button = new TvekButton(frame);
    button->SetBounds(left, top, buttonWidth, buttonHeight);
    button->setCursor(ToCursorShape(FButtonCursor));
    button->SetTabStop(true);
    button->SetFont(frame->window()->font());
    button->SetCaption(caption);
    button->SetModalResult(modalResult);
    return button;
}

void TvekDialog::ApplyWindowSettings(TForm *window, TvekForm *frame) const
{
    window->SetPosition(FPosition);
    frame->SetCaption(FCaption);
    frame->SetUIStyle(FUIStyle);
}

// ---------------------------------------------------------------------------
// TvekMessageDialog

TvekMessageDialog::TvekMessageDialog(QObject *owner) : TvekDialog(owner) {}

void TvekMessageDialog::SetButtonCount(TvekDialogButtonsCount value)
{
    FButtonCount = std::clamp<TvekDialogButtonsCount>(value, 1, 3);
}

int TvekMessageDialog::ShowModal()
{
    const QPointer<TfrmMsg> frm = new TfrmMsg(OwnerWindow());
    const auto release = FreeOnExit(frm);
    LayOut(frm);
    return frm->ShowModal();
}

// Sizes the window to the text and the buttons; coordinates of the label,
// the icon and the buttons are on the frame.
void TvekMessageDialog::LayOut(TfrmMsg *frm) const
{
    frm->setFont(Font());
    frm->lbl->setFont(frm->font());
    frm->lbl->SetCaption(FText);
    const int textBottom = frm->lbl->y() + frm->lbl->height();
    // The image still has its designed size here, whatever the icon.
    const int iconBottom = frm->Image1->y() + frm->Image1->height();
    const int contentBottom = std::max(textBottom, iconBottom);
    PlaceIcon(frm);
    AddButtons(frm, contentBottom);
    const int wanted = contentBottom + buttonMargin + buttonHeight + buttonMargin;
    frm->resize(frm->width(), wanted);
    KeepButtonsInside(frm, wanted - frm->height());
    ApplyWindowSettings(frm, frm->vekForm1);
}

// A text taller than the work area leaves the window at the work area's
// height: the buttons then stand at the window's bottom, where they can be
// clicked, and the label shows the whole lines that fit above them.
void TvekMessageDialog::KeepButtonsInside(TfrmMsg *frm, int shortfall) const
{
    if (shortfall <= 0)
        return;
    for (TvekButton *button : frm->vekForm1->findChildren<TvekButton *>())
        button->move(button->x(), button->y() - shortfall);
    const int room = frm->height() - buttonHeight - 2 * buttonMargin - frm->lbl->y();
    const int lines = std::max(room / frm->lbl->LineHeight(), 1);
    frm->lbl->setMaximumHeight(lines * frm->lbl->LineHeight());
}

// The icon's own size does not move the buttons. Without an icon the text
// moves left and, with fewer than three buttons, the window gets narrower.
void TvekMessageDialog::PlaceIcon(TfrmMsg *frm) const
{
    frm->Alert = FIconType == TvekIconType::vekWarning || FIconType == TvekIconType::vekStop;
    const QString resource = IconResourceName(FIconType);
    if (resource.isEmpty()) {
        frm->lbl->move(24, frm->lbl->y());
        frm->Image1->hide();
        if (FButtonCount < 3)
            frm->resize(frm->width() - 64, frm->height());
        return;
    }
    frm->lbl->move(88, frm->lbl->y());
    const QImage picture = LoadBitmapResource(resource);
    // See-through where the picture is clear, so any dialog colour shows.
    frm->Image1->setPixmap(QPixmap::fromImage(MaskedImage(picture)));
    frm->Image1->resize(picture.size());
}

// Right to left, the last-numbered button at the right; Button1, made last,
// holds the focus. Tab moves left to right.
void TvekMessageDialog::AddButtons(TfrmMsg *frm, int contentBottom) const
{
    int x = frm->width() - buttonRightSpace;
    TvekButton *right = nullptr;
    for (int i = FButtonCount; i >= 1; --i) {
        TvekButton *button = CreateButton(frm->vekForm1, x, contentBottom + buttonMargin,
                                          FButtonCaptions[i - 1], FButtonModalResults[i - 1]);
        x -= buttonPitch;
        frm->SetActiveControl(button);
        if (right)
            QWidget::setTabOrder(button, right);
        right = button;
    }
}

// ---------------------------------------------------------------------------
// TvekInputDialog

TvekInputDialog::TvekInputDialog(QObject *owner) : TvekDialog(owner) {}

int TvekInputDialog::ShowModal()
{
    const QPointer<TfrmInput> frm = new TfrmInput(OwnerWindow());
    const auto release = FreeOnExit(frm);
    frm->SetWindowFont(Font());
    frm->lblPrompt->setText(FPromptText);
    frm->lblPrompt->adjustSize();
    frm->edtValue->setText(FValueText);
    SetUpOkCancel(frm, frm->btnOK, frm->btnCancel, FButtonOKCaption, FButtonCancelCaption,
                  ButtonCursor());
    ApplyWindowSettings(frm, frm->vekForm1);
    const int result = frm->ShowModal();
    if (result == mrOk && frm)
        FValueText = frm->edtValue->text();
    return result;
}

// ---------------------------------------------------------------------------
// TvekPasswordDialog

TvekPasswordDialog::TvekPasswordDialog(QObject *owner) : TvekDialog(owner) {}

int TvekPasswordDialog::ShowModal()
{
    const QPointer<TfrmPass> frm = new TfrmPass(OwnerWindow());
    const auto release = FreeOnExit(frm);
    frm->SetWindowFont(Font());
    frm->lblItem1->setText(FItem1Caption);
    frm->lblItem1->adjustSize();
    frm->lblItem2->setText(FItem2Caption);
    frm->lblItem2->adjustSize();
    frm->edtItem1->setText(FItem1Text);
    frm->edtItem2->setText(FItem2Text);
    frm->SetPasswordChar(frm->edtItem1, FItem1PasswordChar);
    frm->SetPasswordChar(frm->edtItem2, FItem2PasswordChar);
    // Both edits stand 5 pixels right of the wider label.
    const int labelWidth = std::max(frm->lblItem1->width(), frm->lblItem2->width());
    const int editLeft = frm->lblItem1->x() + labelWidth + 5;
    frm->edtItem1->move(editLeft, frm->edtItem1->y());
    frm->edtItem2->move(editLeft, frm->edtItem2->y());
    frm->resize(frm->edtItem1->geometry().right() + 1 + 24, frm->height());
    SetUpOkCancel(frm, frm->btnOK, frm->btnCancel, FButtonOKCaption, FButtonCancelCaption,
                  ButtonCursor());
    ApplyWindowSettings(frm, frm->vekForm1);
    const int result = frm->ShowModal();
    if (result == mrOk && frm) {
        FItem1Text = frm->edtItem1->text();
        FItem2Text = frm->edtItem2->text();
    }
    return result;
}

// ---------------------------------------------------------------------------

int VEKMsgDlg(const QString &text, TMsgDlgType dlgType, TMsgDlgButtons)
{
    TvekMessageDialog dialog;
    dialog.SetText(text);
    switch (dlgType) {
    case TMsgDlgType::mtWarning:
        dialog.SetIconType(TvekIconType::vekWarning);
        break;
    case TMsgDlgType::mtError:
        dialog.SetIconType(TvekIconType::vekStop);
        break;
    case TMsgDlgType::mtInformation:
        dialog.SetIconType(TvekIconType::vekInformation);
        break;
    case TMsgDlgType::mtConfirmation:
        dialog.SetIconType(TvekIconType::vekHelp);
        break;
    case TMsgDlgType::mtCustom:
        dialog.SetIconType(TvekIconType::vekNone);
        break;
    }
    return dialog.ShowModal();
}
