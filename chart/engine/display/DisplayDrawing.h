// Small helpers of the display routines: pixels from computed coordinates, the parts of a value style
// they read, the share of its room a bar takes, and working arrays that may not be had.
#pragma once

#include <new>
#include <stdexcept>
#include <vector>

// A bar takes 10/11 of the room it has, leaving a gap between neighbours.
constexpr double kBarShare = 0.9090909090909091;
// A value whose line-kind byte (line kind and fill kind of its data style word) is 0 is drawn in the
// style of its group (or of the display, for the stacked layouts by group).
constexpr int kLineKindByte = 0xFF;
// Lines of the step, high-low and stock displays: line kind 2, a solid line of the style's colour and
// width.
constexpr int kSolidLine = 2;

// dValue truncated toward zero into a pixel coordinate; values beyond any device (a value far outside
// a fixed range) stop at +-1e8 rather than overflow.
inline int ToPixel(double dValue)
{
    if (!(dValue > -1e8))
        return -100000000;
    if (!(dValue < 1e8))
        return 100000000;
    return int(dValue);
}

// Makes rArray nCount copies of value. Storage that cannot be had leaves the array empty (false): the
// routine then draws what it can without it.
template <class T>
bool SizeWorkArray(std::vector<T>& rArray, size_t nCount, const T& value = T())
{
    try {
        rArray.assign(nCount, value);
        return true;
    } catch (const std::bad_alloc&) {
    } catch (const std::length_error&) {
    }
    std::vector<T>().swap(rArray);
    return false;
}
