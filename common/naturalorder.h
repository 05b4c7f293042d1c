#pragma once

#include <QString>
#include <QStringList>

// The order in which names found in a folder are taken: the one a person reading them expects,
// and the same in every locale and on every file system. Runs of ASCII digits compare by their
// value however long they are (IMG_2 before IMG_10), everything else by its case-folded
// characters. Names that still tie (IMG_02 and IMG_2, a.jpg and A.jpg) are told apart by fewer
// leading zeros first, then by their exact characters, so the order never depends on the order
// the names came in.
int naturalCompare(const QString& a, const QString& b);

inline bool naturalLess(const QString& a, const QString& b)
{
    return naturalCompare(a, b) < 0;
}

void sortNaturally(QStringList& names);
