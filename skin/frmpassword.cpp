#include "frmpassword.h"

#include "vekbutton.h"
#include "vekform.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>

namespace {

// Qt takes an edit's password character from its style: this one answers
// with a chosen character and leaves everything else to the application's style.
class TPasswordCharStyle : public QProxyStyle
{
public:
    explicit TPasswordCharStyle(QChar ch) : FChar(ch) {}

    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_LineEdit_PasswordCharacter)
            return FChar.unicode();
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

private:
    QChar FChar;
};

} // namespace

TfrmPass::TfrmPass(QWidget *owner) : TDialogWindow(owner, 300, 157)
{
    vekForm1 = CreateFrame(298, 156);

    lblItem1 = new QLabel(vekForm1);
    lblItem1->move(24, 48);
    lblItem2 = new QLabel(vekForm1);
    lblItem2->move(24, 78);

    edtItem1 = new QLineEdit(vekForm1);
    edtItem1->setGeometry(90, 45, 160, 21);
    edtItem2 = new QLineEdit(vekForm1);
    edtItem2->setGeometry(90, 75, 160, 21);
    lblItem1->setBuddy(edtItem1);
    lblItem2->setBuddy(edtItem2);

    btnOK = CreateModalButton(vekForm1, 68, 112, mrOk);
    btnOK->SetDefault(true);
    btnCancel = CreateModalButton(vekForm1, 157, 112, mrCancel);
    btnCancel->SetCancel(true);

    SetWindowFont(font());
    SetActiveControl(edtItem1);
}

void TfrmPass::SetWindowFont(const QFont &font)
{
    setFont(font);
    for (QWidget *part : {static_cast<QWidget *>(lblItem1), static_cast<QWidget *>(lblItem2),
                          static_cast<QWidget *>(edtItem1), static_cast<QWidget *>(edtItem2)})
        part->setFont(font);
    btnOK->SetFont(font);
    btnCancel->SetFont(font);
}

void TfrmPass::SetPasswordChar(QLineEdit *edit, QChar ch)
{
    if (ch.isNull()) {
        edit->setEchoMode(QLineEdit::Normal);
        return;
    }
    auto *style = new TPasswordCharStyle(ch);
    style->setParent(edit);
    edit->setStyle(style);
    edit->setEchoMode(QLineEdit::Password);
}
