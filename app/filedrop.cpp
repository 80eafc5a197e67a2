#include "filedrop.h"

#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QListWidget>
#include <QMimeData>
#include <QUrl>

namespace {

QStringList TextFilesInFolder(const QString &folder)
{
    QDir dir(folder);
    dir.setNameFilters({QStringLiteral("*.txt")});
    dir.setFilter(QDir::Files | QDir::Readable | QDir::Hidden);
    dir.setSorting(QDir::Name);
    QStringList files;
    for (const QString &name : dir.entryList())
        files << dir.filePath(name);
    return files;
}

// A drag the list can take: at least one local file or folder.
bool CarriesFiles(const QMimeData *data)
{
    return !DroppedPaths(data).isEmpty();
}

} // namespace

QStringList TextFilesOf(const QStringList &paths)
{
    QStringList files;
    for (const QString &path : paths) {
        const QFileInfo info(path);
        if (info.isDir())
            files << TextFilesInFolder(info.absoluteFilePath());
        else if (info.exists())
            files << info.absoluteFilePath();
    }
    return files;
}

QStringList DroppedPaths(const QMimeData *data)
{
    QStringList paths;
    if (!data || !data->hasUrls())
        return paths;
    for (const QUrl &url : data->urls()) {
        if (url.isLocalFile() && QFileInfo::exists(url.toLocalFile()))
            paths << url.toLocalFile();
    }
    return paths;
}

TFileDropHandler::TFileDropHandler(QListWidget *list) : QObject(list), FList(list)
{
    for (QWidget *target : {static_cast<QWidget *>(list), list->viewport()}) {
        target->setAcceptDrops(true);
        target->installEventFilter(this);
    }
}

// The list's own drag handling never sees a drag: it would refuse files.
bool TFileDropHandler::eventFilter(QObject *, QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDropEvent *>(event);
        if (CarriesFiles(drag->mimeData()))
            drag->acceptProposedAction();
        else
            drag->ignore();
        return true;
    }
    case QEvent::DragLeave:
        return true;
    case QEvent::Drop:
        return Drop(static_cast<QDropEvent *>(event));
    default:
        return false;
    }
}

bool TFileDropHandler::Drop(QDropEvent *event)
{
    const QStringList paths = DroppedPaths(event->mimeData());
    if (paths.isEmpty()) {
        event->ignore();
        return true;
    }
    event->acceptProposedAction();
    FList->addItems(TextFilesOf(paths));
    return true;
}
