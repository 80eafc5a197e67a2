#pragma once

#include "tcursor.h"
#include "tform.h"
#include "vekthemes.h"

#include <QChar>
#include <QFlags>
#include <QFont>
#include <QObject>
#include <QString>

#include <cstdint>

class QWidget;
class TvekButton;
class TvekForm;

// The picture beside a message.
enum class TvekIconType : std::uint8_t { vekNone, vekWarning, vekStop, vekInformation, vekHelp };

// The bitmap resource of each picture, indexed by the icon's ordinal minus 1.
inline constexpr const char *vekMsgDlgIcon[4] = {"MSGDLG_WARNING", "MSGDLG_ERROR",
                                                 "MSGDLG_INFORMATION", "MSGDLG_QUESTION"};

// How many buttons a message dialog shows, 1 to 3.
using TvekDialogButtonsCount = std::uint8_t;

// The framework's message-dialog kinds and buttons, as VEKMsgDlg takes them.
enum class TMsgDlgType : std::uint8_t {
    mtWarning,
    mtError,
    mtInformation,
    mtConfirmation,
    mtCustom
};
enum class TMsgDlgBtn : std::uint16_t {
    mbYes = 0x0001,
    mbNo = 0x0002,
    mbOK = 0x0004,
    mbCancel = 0x0008,
    mbAbort = 0x0010,
    mbRetry = 0x0020,
    mbIgnore = 0x0040,
    mbAll = 0x0080,
    mbNoToAll = 0x0100,
    mbYesToAll = 0x0200,
    mbHelp = 0x0400,
};
using TMsgDlgButtons = QFlags<TMsgDlgBtn>;
Q_DECLARE_OPERATORS_FOR_FLAGS(TMsgDlgButtons)

// The base of the skinned dialogs: a non-visual component that describes a
// window and builds it afresh on every ShowModal. It owns no window between
// calls.
class TvekDialog : public QObject
{
    Q_OBJECT
    Q_PROPERTY(TPosition Position READ Position WRITE SetPosition)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(TvekUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
    Q_PROPERTY(QFont Font READ Font WRITE SetFont)

public:
    explicit TvekDialog(QObject *owner = nullptr);

    // Builds the window, runs it modally, frees it and returns its modal result.
    virtual int ShowModal() = 0;

    TPosition Position() const { return FPosition; }
    void SetPosition(TPosition value) { FPosition = value; }
    QString Caption() const { return FCaption; }
    void SetCaption(const QString &value) { FCaption = value; }
    TCursor ButtonCursor() const { return FButtonCursor; }
    void SetButtonCursor(TCursor value) { FButtonCursor = value; }
    TvekUIStyle UIStyle() const { return FUIStyle; }
    // Custom is refused with a plain message box; the style stays.
    void SetUIStyle(TvekUIStyle value);
    QFont Font() const { return FFont; }
    void SetFont(const QFont &value) { FFont = value; }

    // The font every dialog window is designed with.
    static QFont DefaultFont();

protected:
    // The window a dialog stands on top of: the active window, if any.
    static QWidget *OwnerWindow();
    // A push button of the dialog's kind: 73 x 25 at (left, top) on the frame.
    TvekButton *CreateButton(TvekForm *frame, int left, int top, const QString &caption,
                             int modalResult) const;
    // Position mode, caption and style; the frame passes the style on to its buttons.
    void ApplyWindowSettings(TForm *window, TvekForm *frame) const;

private:
    TPosition FPosition = TPosition::poScreenCenter;
    QString FCaption = QStringLiteral("vekDialog");
    TCursor FButtonCursor = crHandPoint;
    TvekUIStyle FUIStyle = TvekUIStyle::DeepBlue;
    QFont FFont = DefaultFont();
};

class TfrmMsg;

// A message with an optional icon and one to three buttons.
class TvekMessageDialog : public TvekDialog
{
    Q_OBJECT
    Q_PROPERTY(TCursor ButtonCursor READ ButtonCursor WRITE SetButtonCursor)
    Q_PROPERTY(TvekDialogButtonsCount ButtonCount READ ButtonCount WRITE SetButtonCount)
    Q_PROPERTY(QString Button1Caption READ Button1Caption WRITE SetButton1Caption)
    Q_PROPERTY(QString Button2Caption READ Button2Caption WRITE SetButton2Caption)
    Q_PROPERTY(QString Button3Caption READ Button3Caption WRITE SetButton3Caption)
    Q_PROPERTY(int Button1ModalResult READ Button1ModalResult WRITE SetButton1ModalResult)
    Q_PROPERTY(int Button2ModalResult READ Button2ModalResult WRITE SetButton2ModalResult)
    Q_PROPERTY(int Button3ModalResult READ Button3ModalResult WRITE SetButton3ModalResult)
    Q_PROPERTY(TvekIconType IconType READ IconType WRITE SetIconType)
    Q_PROPERTY(QString Text READ Text WRITE SetText)

public:
    explicit TvekMessageDialog(QObject *owner = nullptr);

    int ShowModal() override;

    TvekDialogButtonsCount ButtonCount() const { return FButtonCount; }
    // Kept within 1..3.
    void SetButtonCount(TvekDialogButtonsCount value);
    QString Button1Caption() const { return FButtonCaptions[0]; }
    void SetButton1Caption(const QString &value) { FButtonCaptions[0] = value; }
    QString Button2Caption() const { return FButtonCaptions[1]; }
    void SetButton2Caption(const QString &value) { FButtonCaptions[1] = value; }
    QString Button3Caption() const { return FButtonCaptions[2]; }
    void SetButton3Caption(const QString &value) { FButtonCaptions[2] = value; }
    int Button1ModalResult() const { return FButtonModalResults[0]; }
    void SetButton1ModalResult(int value) { FButtonModalResults[0] = value; }
    int Button2ModalResult() const { return FButtonModalResults[1]; }
    void SetButton2ModalResult(int value) { FButtonModalResults[1] = value; }
    int Button3ModalResult() const { return FButtonModalResults[2]; }
    void SetButton3ModalResult(int value) { FButtonModalResults[2] = value; }
    TvekIconType IconType() const { return FIconType; }
    void SetIconType(TvekIconType value) { FIconType = value; }
    QString Text() const { return FText; }
    void SetText(const QString &value) { FText = value; }

private:
    void LayOut(TfrmMsg *frm) const;
    void PlaceIcon(TfrmMsg *frm) const;
    void AddButtons(TfrmMsg *frm, int contentBottom) const;
    void KeepButtonsInside(TfrmMsg *frm, int shortfall) const;

    TvekDialogButtonsCount FButtonCount = 1;
    QString FButtonCaptions[3] = {QStringLiteral("OK"), QStringLiteral("Cancel"),
                                  QStringLiteral("Cancel")};
    int FButtonModalResults[3] = {mrOk, mrCancel, mrCancel};
    TvekIconType FIconType = TvekIconType::vekNone;
    QString FText = QStringLiteral("Hello world!");
};

// A prompt and one line of text to enter.
class TvekInputDialog : public TvekDialog
{
    Q_OBJECT
    Q_PROPERTY(TCursor ButtonCursor READ ButtonCursor WRITE SetButtonCursor)
    Q_PROPERTY(QString PromptText READ PromptText WRITE SetPromptText)
    Q_PROPERTY(QString ValueText READ ValueText WRITE SetValueText)
    Q_PROPERTY(QString ButtonOKCaption READ ButtonOKCaption WRITE SetButtonOKCaption)
    Q_PROPERTY(QString ButtonCancelCaption READ ButtonCancelCaption WRITE SetButtonCancelCaption)

public:
    explicit TvekInputDialog(QObject *owner = nullptr);

    // On result 1 the entered text is copied into ValueText.
    int ShowModal() override;

    QString PromptText() const { return FPromptText; }
    void SetPromptText(const QString &value) { FPromptText = value; }
    QString ValueText() const { return FValueText; }
    void SetValueText(const QString &value) { FValueText = value; }
    QString ButtonOKCaption() const { return FButtonOKCaption; }
    void SetButtonOKCaption(const QString &value) { FButtonOKCaption = value; }
    QString ButtonCancelCaption() const { return FButtonCancelCaption; }
    void SetButtonCancelCaption(const QString &value) { FButtonCancelCaption = value; }

private:
    QString FPromptText = QStringLiteral("Prompt text:");
    QString FValueText;
    QString FButtonOKCaption = QStringLiteral("OK");
    QString FButtonCancelCaption = QStringLiteral("Cancel");
};

// Two captioned lines to enter, the second one hidden behind a password character.
class TvekPasswordDialog : public TvekDialog
{
    Q_OBJECT
    Q_PROPERTY(TCursor ButtonCursor READ ButtonCursor WRITE SetButtonCursor)
    Q_PROPERTY(QString Item1Caption READ Item1Caption WRITE SetItem1Caption)
    Q_PROPERTY(QString Item2Caption READ Item2Caption WRITE SetItem2Caption)
    Q_PROPERTY(QString Item1Text READ Item1Text WRITE SetItem1Text)
    Q_PROPERTY(QString Item2Text READ Item2Text WRITE SetItem2Text)
    Q_PROPERTY(QChar Item1PasswordChar READ Item1PasswordChar WRITE SetItem1PasswordChar)
    Q_PROPERTY(QChar Item2PasswordChar READ Item2PasswordChar WRITE SetItem2PasswordChar)
    Q_PROPERTY(QString ButtonOKCaption READ ButtonOKCaption WRITE SetButtonOKCaption)
    Q_PROPERTY(QString ButtonCancelCaption READ ButtonCancelCaption WRITE SetButtonCancelCaption)

public:
    explicit TvekPasswordDialog(QObject *owner = nullptr);

    // On result 1 both entered texts are copied into Item1Text and Item2Text.
    int ShowModal() override;

    QString Item1Caption() const { return FItem1Caption; }
    void SetItem1Caption(const QString &value) { FItem1Caption = value; }
    QString Item2Caption() const { return FItem2Caption; }
    void SetItem2Caption(const QString &value) { FItem2Caption = value; }
    QString Item1Text() const { return FItem1Text; }
    void SetItem1Text(const QString &value) { FItem1Text = value; }
    QString Item2Text() const { return FItem2Text; }
    void SetItem2Text(const QString &value) { FItem2Text = value; }
    // A null character shows the text as typed.
    QChar Item1PasswordChar() const { return FItem1PasswordChar; }
    void SetItem1PasswordChar(QChar value) { FItem1PasswordChar = value; }
    QChar Item2PasswordChar() const { return FItem2PasswordChar; }
    void SetItem2PasswordChar(QChar value) { FItem2PasswordChar = value; }
    QString ButtonOKCaption() const { return FButtonOKCaption; }
    void SetButtonOKCaption(const QString &value) { FButtonOKCaption = value; }
    QString ButtonCancelCaption() const { return FButtonCancelCaption; }
    void SetButtonCancelCaption(const QString &value) { FButtonCancelCaption = value; }

private:
    QString FItem1Caption = QStringLiteral("User name:");
    QString FItem2Caption = QStringLiteral("Password:");
    QString FItem1Text;
    QString FItem2Text;
    QChar FItem1PasswordChar;
    QChar FItem2PasswordChar = QLatin1Char('*');
    QString FButtonOKCaption = QStringLiteral("OK");
    QString FButtonCancelCaption = QStringLiteral("Cancel");
};

// Shows a message with the icon of its kind and one "OK" button, all else
// at the defaults, and returns the modal result. The button set is not used.
int VEKMsgDlg(const QString &text, TMsgDlgType dlgType, TMsgDlgButtons buttons);
