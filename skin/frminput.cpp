#include "frminput.h"

#include "vekbutton.h"
#include "vekform.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

TfrmInput::TfrmInput(QWidget *owner) : TDialogWindow(owner, 334, 147)
{
    vekForm1 = CreateFrame(332, 146);

    lblPrompt = new QLabel(vekForm1);
    lblPrompt->move(24, 48);

    edtValue = new QLineEdit(vekForm1);
    edtValue->setGeometry(24, 66, 284, 21);
    lblPrompt->setBuddy(edtValue);

    btnOK = CreateModalButton(vekForm1, 88, 102, mrOk);
    btnOK->SetDefault(true);
    btnCancel = CreateModalButton(vekForm1, 173, 102, mrCancel);
    btnCancel->SetCancel(true);

    SetWindowFont(font());
    SetActiveControl(edtValue);
}

void TfrmInput::SetWindowFont(const QFont &font)
{
    setFont(font);
    lblPrompt->setFont(font);
    edtValue->setFont(font);
    btnOK->SetFont(font);
    btnCancel->SetFont(font);
}
