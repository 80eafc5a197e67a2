#pragma once

#include "itemlist.h"

class QListWidget;

// The main window's list box as the list a batch run walks: the count and
// each item's path are read from the list box when the run asks for them.
class TListBoxItems : public ItemList
{
public:
    explicit TListBoxItems(const QListWidget &listBox) : FListBox(listBox) {}

    int Count() const override;
    std::string Item(int index) const override;

private:
    const QListWidget &FListBox;
};
