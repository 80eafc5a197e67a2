#include "frmprogress.h"

#include "vekbutton.h"
#include "vekform.h"
#include "vekprogressbar.h"

#include <QCloseEvent>
#include <QLabel>

namespace {

constexpr int kClientWidth = 360;
constexpr int kClientHeight = 150;
constexpr int kMargin = 16;
constexpr int kInnerWidth = kClientWidth - 2 - 2 * kMargin;

QLabel *NewLabel(QWidget *parent, int top)
{
    auto *label = new QLabel(parent);
    label->setGeometry(kMargin, top, kInnerWidth, 14);
    return label;
}

} // namespace

TfrmProgress::TfrmProgress(QWidget *owner) : TDialogWindow(owner, kClientWidth, kClientHeight)
{
    setObjectName(QStringLiteral("frmProgress"));
    const QString caption = QStringLiteral("正在转换");
    setWindowTitle(caption);
    vekForm1 = CreateFrame(kClientWidth - 2, kClientHeight - 1);
    vekForm1->SetCaption(caption);

    lblName = NewLabel(vekForm1, 42);
    lblName->setObjectName(QStringLiteral("lblName"));
    lblCount = NewLabel(vekForm1, 60);
    lblCount->setObjectName(QStringLiteral("lblCount"));

    vekProgressBar1 = new TvekProgressBar(vekForm1);
    vekProgressBar1->setObjectName(QStringLiteral("vekProgressBar1"));
    vekProgressBar1->SetUIStyle(TvekUIStyle::DeepBlue);
    vekProgressBar1->setGeometry(kMargin, 80, kInnerWidth, 16);
    vekProgressBar1->SetMax(1000);

    vekButton1 = CreateModalButton(vekForm1, (kClientWidth - 2 - 73) / 2, 110, 0);
    vekButton1->setObjectName(QStringLiteral("vekButton1"));
    vekButton1->SetUIStyle(TvekUIStyle::DeepBlue);
    vekButton1->SetCaption(QStringLiteral("取消"));
    vekButton1->OnClick = [this](QObject *) { AskCancel(); };
}

void TfrmProgress::SetItemName(const QString &name)
{
    if (FItemName == name)
        return;
    FItemName = name;
    lblName->setText(lblName->fontMetrics().elidedText(name, Qt::ElideMiddle, kInnerWidth));
}

void TfrmProgress::SetCount(int done, int total)
{
    lblCount->setText(QStringLiteral("%1 / %2").arg(done).arg(total));
}

void TfrmProgress::SetPermille(int value)
{
    vekProgressBar1->SetPosition(value);
}

void TfrmProgress::Finish()
{
    FFinished = true;
    close();
}

void TfrmProgress::AskCancel()
{
    if (FCancelAsked)
        return;
    FCancelAsked = true;
    if (OnCancel)
        OnCancel();
}

// Every way of closing the window asks the task to stop; only the task
// closes it.
void TfrmProgress::closeEvent(QCloseEvent *event)
{
    if (FFinished) {
        TDialogWindow::closeEvent(event);
        return;
    }
    event->ignore();
    AskCancel();
}
