#pragma once

#include <QDialog>
#include <QPointer>

// The framework's modal results.
enum TModalResult : int {
    mrNone = 0,
    mrOk = 1,
    mrCancel = 2,
    mrAbort = 3,
    mrRetry = 4,
    mrIgnore = 5,
    mrYes = 6,
    mrNo = 7,
};

// Where a form appears when shown.
enum class TPosition { poDesigned, poScreenCenter, poMainFormCenter, poOwnerFormCenter };

// The border a form was designed with; the skinned frame reads it to decide
// whether the edges resize the window.
enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };

// The base of every window of ours: a form with a modal result, an active
// control, a position mode, size constraints and a recorded border style.
class TForm : public QDialog
{
    Q_OBJECT
    Q_PROPERTY(int ModalResult READ ModalResult WRITE SetModalResult)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)

public:
    // The first form created without a parent becomes the application's
    // main form: a normal top-level window, transient for nothing.
    explicit TForm(QWidget *parent = nullptr);

    // The application's main form, or null.
    static TForm *MainForm();

    int ModalResult() const { return FModalResult; }
    // A non-zero result while the form runs modally ends its loop with it.
    void SetModalResult(int value);

    // Shows the form modally and returns its modal result.
    int ShowModal();
    bool IsModal() const { return FModal; }
    void Show();
    // Closes the form; a modal form closed without a result ends with mrCancel.
    void Close();

    QString Caption() const { return windowTitle(); }
    void SetCaption(const QString &value) { setWindowTitle(value); }

    QWidget *ActiveControl() const { return FActiveControl; }
    void SetActiveControl(QWidget *control);

    TPosition Position() const { return FPosition; }
    void SetPosition(TPosition value) { FPosition = value; }

    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle value) { FBorderStyle = value; }

    // Size constraints (0 = none), as the framework's Constraints.
    void SetMinSize(int width, int height);
    void SetMaxSize(int width, int height);

    // Placed, and tied to the main form, before the native window is mapped.
    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void done(int result) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void ApplyPosition();
    void TieToMainForm();

    int FModalResult = mrNone;
    bool FModal = false;
    QPointer<QWidget> FActiveControl;
    TPosition FPosition = TPosition::poDesigned;
    TFormBorderStyle FBorderStyle = TFormBorderStyle::bsSizeable;
};

// The form that contains a control (its top-level TForm), or null.
TForm *GetParentForm(QWidget *control);

// Gives the keyboard focus back to a window after a modal window it opened
// closed; without a window manager X would leave it on the root window.
void ReturnFocusTo(QWidget *window);
