#pragma once

#include "frmmessage.h"

class QFont;
class QLabel;
class QLineEdit;
class TvekButton;
class TvekForm;

// The skinned input window: a prompt, one edit, an OK and a Cancel button.
// The dialog component fills in the texts and centres the buttons.
class TfrmInput : public TDialogWindow
{
    Q_OBJECT

public:
    explicit TfrmInput(QWidget *owner = nullptr);

    // The window's font, which its label, edit and buttons draw in.
    void SetWindowFont(const QFont &font);

    TvekForm *vekForm1;
    QLabel *lblPrompt;
    QLineEdit *edtValue;
    TvekButton *btnOK;
    TvekButton *btnCancel;
};
