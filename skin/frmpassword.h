#pragma once

#include "frmmessage.h"

class QChar;
class QFont;
class QLabel;
class QLineEdit;
class TvekButton;
class TvekForm;

// The skinned password window: two captioned edits, an OK and a Cancel
// button. The dialog component fills in the texts, aligns the edits after
// the wider caption and sizes the window to them.
class TfrmPass : public TDialogWindow
{
    Q_OBJECT

public:
    explicit TfrmPass(QWidget *owner = nullptr);

    // The window's font, which its labels, edits and buttons draw in.
    void SetWindowFont(const QFont &font);
    // Hides an edit's text behind a character; a null character shows it.
    static void SetPasswordChar(QLineEdit *edit, QChar ch);

    TvekForm *vekForm1;
    QLabel *lblItem1;
    QLabel *lblItem2;
    QLineEdit *edtItem1;
    QLineEdit *edtItem2;
    TvekButton *btnOK;
    TvekButton *btnCancel;
};
