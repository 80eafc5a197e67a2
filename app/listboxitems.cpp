#include "listboxitems.h"

#include <QFile>
#include <QListWidget>

int TListBoxItems::Count() const
{
    return FListBox.count();
}

// Paths go to the engine as the file system's bytes.
std::string TListBoxItems::Item(int index) const
{
    return QFile::encodeName(FListBox.item(index)->text()).toStdString();
}
