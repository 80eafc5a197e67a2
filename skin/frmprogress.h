#pragma once

#include "frmmessage.h"

#include <QString>

#include <functional>

class QLabel;
class TvekButton;
class TvekForm;
class TvekProgressBar;

// The skinned window that a long task shows while it runs: the current
// item's name, "n / total", a progress bar and a cancel button ("取消").
// The cancel button, Escape and the title bar's close button ask the task to
// stop through OnCancel; the window stays until the task calls Finish.
class TfrmProgress : public TDialogWindow
{
    Q_OBJECT

public:
    explicit TfrmProgress(QWidget *owner = nullptr);

    // The name shown, shortened in the middle when it is too wide.
    void SetItemName(const QString &name);
    QString ItemName() const { return FItemName; }
    // "done / total" below the name.
    void SetCount(int done, int total);
    // The bar's position in per mille of the task.
    void SetPermille(int value);

    // Asked for once per cancel by the button, Escape or the close button.
    std::function<void()> OnCancel;
    bool CancelAsked() const { return FCancelAsked; }

    // Closes the window for good.
    void Finish();

    TvekForm *vekForm1;
    QLabel *lblName;
    QLabel *lblCount;
    TvekProgressBar *vekProgressBar1;
    TvekButton *vekButton1;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void AskCancel();

    QString FItemName;
    bool FCancelAsked = false;
    bool FFinished = false;
};
