#include "convertrun.h"

#include "batchrun.h"
#include "frmprogress.h"

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <QTimer>

// Hands the engine's messages to the user-interface thread and waits there
// until each one is closed.
class TConvertRun::TThreadSink : public MessageSink
{
public:
    explicit TThreadSink(TConvertRun &run) : FRun(run) {}

    void ShowMessage(const std::string &text, MessageIcon icon, const std::string &caption) override
    {
        Post([&] { FRun.FSink.ShowMessage(text, icon, caption); });
    }
    void ShowPlainError(const std::string &text, const std::string &caption) override
    {
        Post([&] { FRun.FSink.ShowPlainError(text, caption); });
    }

private:
    void Post(const std::function<void()> &message)
    {
        QMetaObject::invokeMethod(
            &FRun, [this, &message] { FRun.Show(message); }, Qt::BlockingQueuedConnection);
    }

    TConvertRun &FRun;
};

std::function<std::unique_ptr<RunControl>()> &TConvertRun::ControlFactory()
{
    static std::function<std::unique_ptr<RunControl>()> factory = [] {
        return std::make_unique<RunControl>();
    };
    return factory;
}

TConvertRun::TConvertRun(QWidget *window, MessageSink &sink)
    : FWindow(window), FSink(sink), FDelay(new QTimer(this)), FRefresh(new QTimer(this))
{
    FDelay->setSingleShot(true);
    FDelay->setInterval(kProgressDelay);
    connect(FDelay, &QTimer::timeout, this, &TConvertRun::ShowProgress);
    FRefresh->setInterval(kRefreshInterval);
    connect(FRefresh, &QTimer::timeout, this, &TConvertRun::Refresh);
}

TConvertRun::~TConvertRun()
{
    EndProgress();
}

void TConvertRun::Run(const ItemList &list, const ConversionOptions &options)
{
    // The window's list is not touched from the engine's thread; it cannot
    // change while the run lasts, so a copy walks the same items.
    std::vector<std::string> items;
    for (int i = 0; i < list.Count(); ++i)
        items.push_back(list.Item(i));
    FControl = ControlFactory()();
    FQuiet = false;
    FRunning = true;
    qApp->installEventFilter(this);
    QApplication::setOverrideCursor(Qt::BusyCursor);
    FBusyCursor = true;

    TThreadSink sink(*this);
    QEventLoop loop;
    std::unique_ptr<QThread> worker(QThread::create(
        [&] { ConvertFiles(StringItemList(std::move(items)), options, sink, FControl.get()); }));
    connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    FDelay->start();
    worker->start();
    loop.exec();
    worker->wait();

    EndProgress();
    qApp->removeEventFilter(this);
    FRunning = false;
}

void TConvertRun::Cancel(bool quiet)
{
    if (!FRunning)
        return;
    FQuiet = FQuiet || quiet;
    FControl->RequestCancel();
}

void TConvertRun::ShowProgress()
{
    if (!FRunning || FProgress)
        return;
    FProgress = new TfrmProgress(FWindow);
    FProgress->setAttribute(Qt::WA_DeleteOnClose);
    FProgress->SetPosition(TPosition::poOwnerFormCenter);
    FProgress->OnCancel = [this] { Cancel(); };
    Refresh();
    FProgress->Show();
    FRefresh->start();
}

// The name of the text being read, its number of the count, and the bar by
// the bytes of the whole batch (by items where the sizes are unknown).
void TConvertRun::Refresh()
{
    if (!FProgress)
        return;
    const RunProgress p = FControl->Progress();
    const QString path = QFile::decodeName(QByteArray::fromStdString(p.CurrentPath));
    FProgress->SetItemName(QFileInfo(path).fileName());
    FProgress->SetCount(std::min(p.ItemsDone + 1, p.ItemCount), p.ItemCount);
    int permille = 0;
    if (p.BatchSize != 0)
        permille = static_cast<int>(p.BatchRead * 1000 / p.BatchSize);
    else if (p.ItemCount != 0)
        permille = p.ItemsDone * 1000 / p.ItemCount;
    FProgress->SetPermille(permille);
}

// The progress window closes and the cursor comes back before any message.
void TConvertRun::EndProgress()
{
    FDelay->stop();
    FRefresh->stop();
    if (FProgress)
        FProgress->Finish();
    if (FBusyCursor) {
        QApplication::restoreOverrideCursor();
        FBusyCursor = false;
    }
}

void TConvertRun::Show(const std::function<void()> &message)
{
    EndProgress();
    // A cancel for closing the window ends without its message.
    if (FQuiet && FControl->CancelRequested())
        return;
    message();
}

// While the run lasts, the window takes no input; the pointer still moves
// over it, so its controls' hover looks follow.
bool TConvertRun::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::Drop:
        break;
    default:
        return false;
    }
    auto *widget = qobject_cast<QWidget *>(watched);
    return widget && widget->window() == FWindow;
}
