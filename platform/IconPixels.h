#pragma once

#include <QtGlobal>

namespace platform {

// One picture of the program icon as pixels ready to use: `size` x `size` premultiplied ARGB
// values, one 32-bit word per pixel, row by row. Made from the icon's PNG pictures when the
// program is built, so that start-up does not decode them.
struct IconPixels {
    int size;
    const quint32* argb;
};

// The icon's pictures, from the smallest to the largest.
extern const IconPixels ProgramIconPixels[];
extern const int ProgramIconPixelsCount;

} // namespace platform
