#pragma once

// The largest value of the scroll bar shared by the photo and music strips: the wider strip's
// content, less half a page, so the last items can be scrolled to the middle; never negative.
inline int sharedScrollMaximum(int photoExtent, int audioExtent, int pageStep)
{
    const int extent = photoExtent > audioExtent ? photoExtent : audioExtent;
    const int maximum = extent - pageStep / 2;
    return maximum < 0 ? 0 : maximum;
}
