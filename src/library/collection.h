#pragma once
// Owning collections with positional items: an item is created only by appending it, knows its
// collection and its zero-based position, and deleting one renumbers the items after it.

#include <algorithm>
#include <memory>
#include <vector>

template <class Item> class TCollection;

template <class Item> class TCollectionItem {
public:
    TCollection<Item> *Collection() const { return fCollection; }
    int Index() const { return fIndex; }

protected:
    TCollectionItem() = default;
    ~TCollectionItem() = default;

private:
    friend class TCollection<Item>;
    TCollection<Item> *fCollection = nullptr;
    int fIndex = -1;
};

template <class Item> class TCollection {
public:
    TCollection() = default;
    TCollection(const TCollection &) = delete;
    TCollection &operator=(const TCollection &) = delete;

    // Appends a new item with every field at its default (texts empty, references null).
    Item &Add()
    {
        fItems.push_back(std::make_unique<Item>());
        Item &item = *fItems.back();
        item.fCollection = this;
        item.fIndex = int(fItems.size()) - 1;
        return item;
    }

    int Count() const { return int(fItems.size()); }
    bool IsEmpty() const { return fItems.empty(); }
    Item &operator[](int index) { return *fItems[size_t(index)]; }
    const Item &operator[](int index) const { return *fItems[size_t(index)]; }
    bool IsValidIndex(int index) const { return index >= 0 && index < Count(); }

    // Destroys one item; the positions of the items after it drop by one.
    void Delete(int index)
    {
        fItems.erase(fItems.begin() + index);
        for (int i = index; i < Count(); ++i)
            fItems[size_t(i)]->fIndex = i;
    }

    // Moves the item at from to position to; the items between shift by one place.
    void Move(int from, int to)
    {
        auto item = std::move(fItems[size_t(from)]);
        fItems.erase(fItems.begin() + from);
        fItems.insert(fItems.begin() + to, std::move(item));
        for (int i = std::min(from, to); i <= std::max(from, to); ++i)
            fItems[size_t(i)]->fIndex = i;
    }

    // Destroys every item (nested collections of an item go with it).
    void Clear() { fItems.clear(); }

    // Bulk-update brackets: loaders open one around whole loads; nesting is counted.
    void BeginUpdate() { ++fUpdateCount; }
    void EndUpdate()
    {
        if (fUpdateCount > 0)
            --fUpdateCount;
    }
    bool Updating() const { return fUpdateCount > 0; }

    // Reserves room when the final size is known (a hint only).
    void Reserve(int count) { fItems.reserve(size_t(count)); }

    class Iterator {
    public:
        using Inner = typename std::vector<std::unique_ptr<Item>>::const_iterator;
        explicit Iterator(Inner it) : fIt(it) {}
        Item &operator*() const { return **fIt; }
        Item *operator->() const { return fIt->get(); }
        Iterator &operator++()
        {
            ++fIt;
            return *this;
        }
        bool operator!=(const Iterator &other) const { return fIt != other.fIt; }

    private:
        Inner fIt;
    };
    Iterator begin() const { return Iterator(fItems.begin()); }
    Iterator end() const { return Iterator(fItems.end()); }

private:
    std::vector<std::unique_ptr<Item>> fItems;
    int fUpdateCount = 0;
};
