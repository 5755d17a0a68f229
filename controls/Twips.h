#pragma once

#include <QRect>

// Layout is written in twips: 1440 twips an inch, 15 twips a
// logical pixel at 96 dpi. Qt scales logical pixels for high-DPI screens itself.
namespace controls {

constexpr int TwipsPerPixel = 15;

constexpr int Twips(int twips) {
    // Round to the nearest pixel, halves away from zero.
    return twips >= 0 ? (twips + TwipsPerPixel / 2) / TwipsPerPixel
                      : -((-twips + TwipsPerPixel / 2) / TwipsPerPixel);
}

constexpr QRect TwipsRect(int left, int top, int width, int height) {
    return QRect(Twips(left), Twips(top), Twips(width), Twips(height));
}

} // namespace controls
