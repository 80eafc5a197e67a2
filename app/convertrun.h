#pragma once

#include "conversionoptions.h"
#include "frmprogress.h"
#include "itemlist.h"
#include "messagesink.h"
#include "runcontrol.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QThread;
class QTimer;
class QWidget;

/*
    One batch run of the main window, off the user-interface thread. The
    engine works on a thread of its own over a copy of the list; every message
    of the run is shown by the user-interface thread through `sink`, while the
    engine waits for it, so the run goes on or stops as it always has. The
    window ignores input and shows a busy cursor while the run lasts; after
    half a second the progress window appears, and its cancel button, Escape
    or close button stop the run.
*/
class TConvertRun : public QObject
{
    Q_OBJECT

public:
    // How long a run goes before the progress window shows, and how often the
    // window follows the engine.
    static constexpr int kProgressDelay = 500;
    static constexpr int kRefreshInterval = 50;

    TConvertRun(QWidget *window, MessageSink &sink);
    ~TConvertRun() override;

    // Runs the batch over the list as it is now; returns when the run has
    // ended and its message was closed.
    void Run(const ItemList &items, const ConversionOptions &options);
    bool Running() const { return FRunning; }

    // Asks the run to stop; with `quiet` the cancel message is not shown (the
    // window is closing).
    void Cancel(bool quiet = false);

    TfrmProgress *ProgressWindow() const { return FProgress; }
    RunControl *Control() const { return FControl.get(); }

    // Makes the engine's run control: tests put in one that slows the engine.
    static std::function<std::unique_ptr<RunControl>()> &ControlFactory();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    class TThreadSink;

    void ShowProgress();
    void Refresh();
    void EndProgress();
    void Show(const std::function<void()> &message);

    QWidget *FWindow;
    MessageSink &FSink;
    std::unique_ptr<RunControl> FControl;
    QPointer<TfrmProgress> FProgress;
    QTimer *FDelay;
    QTimer *FRefresh;
    bool FRunning = false;
    bool FBusyCursor = false;
    bool FQuiet = false;
};
