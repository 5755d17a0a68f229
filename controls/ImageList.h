#pragma once

#include <QPixmap>

// The dot image list: picture 1 shows one dark circular dot in the middle, picture 2 two such
// dots side by side, each 66 x 20 logical pixels. Pictures are drawn on demand at the device
// pixel ratio asked for, so they stay crisp on any screen.
namespace controls {

class ImageList {
public:
    static constexpr int Width = 66;
    static constexpr int Height = 20;

    // Picture `index` (1-based, as the list numbers them) for a device pixel ratio.
    static QPixmap Picture(int index, qreal devicePixelRatio = 1.0);
};

} // namespace controls
