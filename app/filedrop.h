#pragma once

#include <QObject>
#include <QStringList>

class QDropEvent;
class QEvent;
class QListWidget;
class QMimeData;

// The texts that a list of paths stands for, in the given order: a file
// stands for itself, a folder for its ".txt" files sorted by name (not its
// subfolders). Relative paths are made absolute; paths that do not exist are
// left out.
QStringList TextFilesOf(const QStringList &paths);

// The local files and folders a drag carries, in the order of the drag.
QStringList DroppedPaths(const QMimeData *data);

// Lets the desktop drop files on a list: installed on the list and its
// viewport, it accepts drags of local files and folders and appends their
// texts (TextFilesOf) at the end of the list in the order of the drop. Any
// other drag is refused. The list's own drag and drop stays off.
class TFileDropHandler : public QObject
{
    Q_OBJECT

public:
    explicit TFileDropHandler(QListWidget *list);

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool Drop(QDropEvent *event);

    QListWidget *FList;
};
