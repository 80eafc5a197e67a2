#pragma once

#include <memory>
#include <vector>

// An ordered list that owns its items and repaints the widget it belongs to
// after every change. Self is the collection class deriving from this one:
// each item is made with a pointer to it, and Item::Assign copies an item.
template <typename Self, typename Item, typename Widget> class TvekCollection
{
public:
    explicit TvekCollection(Widget *owner) : FOwner(owner) {}
    TvekCollection(const TvekCollection &) = delete;
    TvekCollection &operator=(const TvekCollection &) = delete;

    Item *Add()
    {
        FItems.push_back(std::make_unique<Item>(static_cast<Self *>(this)));
        Changed();
        return FItems.back().get();
    }

    void Delete(int index)
    {
        FItems.erase(FItems.begin() + index);
        Changed();
    }

    void Clear()
    {
        FItems.clear();
        Changed();
    }

    int Count() const { return int(FItems.size()); }
    Item *Items(int index) const { return FItems.at(index).get(); }

    int IndexOf(const Item *item) const
    {
        for (int i = 0; i < Count(); ++i)
            if (FItems[i].get() == item)
                return i;
        return -1;
    }

    // Replaces the items with copies of another collection's.
    void Assign(const Self &source)
    {
        if (&source == static_cast<const Self *>(this))
            return;
        Clear();
        for (int i = 0; i < source.Count(); ++i)
            Add()->Assign(*source.Items(i));
    }

    Widget *Owner() const { return FOwner; }

    void Changed()
    {
        if (FOwner)
            FOwner->update();
    }

protected:
    ~TvekCollection() = default;

private:
    Widget *FOwner;
    std::vector<std::unique_ptr<Item>> FItems;
};
