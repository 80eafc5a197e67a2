#pragma once

#include <string>
#include <vector>

// The list of texts a batch run walks. The run asks for the count and the item
// afresh each time, as the window's list box is the list itself.
class ItemList
{
public:
    virtual ~ItemList() = default;
    virtual int Count() const = 0;
    virtual std::string Item(int index) const = 0;
};

// A list held in a vector of paths (the command line, the tests).
class StringItemList : public ItemList
{
public:
    explicit StringItemList(std::vector<std::string> items) : FItems(std::move(items)) {}
    int Count() const override { return static_cast<int>(FItems.size()); }
    std::string Item(int index) const override { return FItems.at(index); }

private:
    std::vector<std::string> FItems;
};
