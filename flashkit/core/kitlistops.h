#pragma once

#include <QList>

#include <utility>

// Index rules shared by the photo and music lists of a kit: out-of-range indexes are refused
// with false and change nothing.
namespace KitListOps {

template <typename T> bool removeAt(QList<T>& list, int index)
{
    if (index < 0 || index >= list.size())
        return false;
    list.removeAt(index);
    return true;
}

// Each item goes in at `position` in turn, so A, B inserted at 0 read B, A. A position may equal
// the count (append). The result is that of the last insert, false for no items.
template <typename T> bool insertAt(QList<T>& list, const QList<T>& items, int position)
{
    bool result = false;
    for (const T& item : items) {
        result = position >= 0 && position <= list.size();
        if (result)
            list.insert(position, item);
    }
    return result;
}

template <typename T> bool replaceAt(QList<T>& list, const T& item, int index)
{
    if (index < 0 || index >= list.size())
        return false;
    list[index] = item;
    return true;
}

template <typename T> bool swapAt(QList<T>& list, int a, int b)
{
    if (a < 0 || b < 0 || a >= list.size() || b >= list.size())
        return false;
    if (a != b)
        std::swap(list[a], list[b]);
    return true;
}

} // namespace KitListOps
