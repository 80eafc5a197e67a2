#pragma once

#include <QApplication>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <functional>

// Deals with the modal windows a handler opens, from a timer that runs in
// their own event loops: records each one's caption, lets the test act on it,
// then closes it. Armed before the click, so no test waits in a modal loop.
class ModalWatcher : public QObject
{
public:
    // Called with each modal window before it is closed; may close it itself.
    std::function<void(QWidget *)> OnModal;
    QStringList Captions;

    ModalWatcher()
    {
        FTimer.setInterval(5);
        connect(&FTimer, &QTimer::timeout, this, [this] { Poll(); });
        FTimer.start();
    }

private:
    void Poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        Captions << modal->windowTitle();
        if (OnModal)
            OnModal(modal);
        if (modal->isVisible())
            modal->close();
    }

    QTimer FTimer;
};
