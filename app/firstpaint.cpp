#include "firstpaint.h"

#include <QEvent>
#include <QFile>
#include <QMetaObject>
#include <QObject>
#include <QWidget>

#include <chrono>
#include <ctime>

namespace {

class TFirstPaintReporter : public QObject
{
public:
    TFirstPaintReporter(QWidget *window, const QString &path) : QObject(window), FPath(path)
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Queued, so the time is taken once the frame has been painted and flushed.
            QMetaObject::invokeMethod(
                this, [this] { Write(); }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void Write()
    {
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        timespec cpu{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
        const qint64 cpuNs = qint64(cpu.tv_sec) * 1000000000 + cpu.tv_nsec;
        QFile file(FPath);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(QByteArray::number(qint64(std::chrono::nanoseconds(now).count())) + ' ' +
                       QByteArray::number(cpuNs) + '\n');
        deleteLater();
    }

    QString FPath;
};

} // namespace

void ReportFirstPaint(QWidget *window)
{
    const QString path = qEnvironmentVariable("QM_REPORT_FIRST_PAINT");
    if (!path.isEmpty())
        new TFirstPaintReporter(window, path);
}
