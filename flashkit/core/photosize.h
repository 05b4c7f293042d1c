#pragma once

#include <QSize>

// The pixel sizes a publish can give its photos. Standard is the working copies' own size; the
// larger ones are made from the originals, for galleries shown on large screens.
namespace PhotoSize {

enum Choice
{
    Standard = 0, // 720 x 540
    Hd = 1,       // 1440 x 1080
    FullHd = 2,   // 1920 x 1440
};
inline constexpr int Count = 3;

// The box a published photo fits in (aspect kept, never enlarged past its original).
inline QSize bound(int choice)
{
    switch (choice) {
    case Hd:
        return {1440, 1080};
    case FullHd:
        return {1920, 1440};
    default:
        return {720, 540};
    }
}

// About how many kilobytes one landscape camera photo takes at `choice` and JPEG `quality`
// (50, 85 or 100), measured once (bench/README.md, "Photo sizes").
inline int kilobytesPerPhoto(int choice, int quality)
{
    static constexpr int table[Count][3] = {{35, 85, 390}, {120, 290, 1450}, {200, 480, 2370}};
    const int column = quality <= 60 ? 0 : quality < 100 ? 1 : 2;
    return table[choice >= 0 && choice < Count ? choice : 0][column];
}

} // namespace PhotoSize
