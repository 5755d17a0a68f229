#pragma once

#include <QProxyStyle>

namespace platform {

// Fusion, with the frames of group boxes drawn a band of rows at a time. Fusion stretches a small
// picture over each frame, and Qt hands any stretched drawing of more than about a hundred rows
// to its thread pool; starting those threads and handing rows back and forth cost more than the
// drawing, about 3 ms of the main window's first frame. Each band is drawn by Fusion itself,
// clipped to the band, so the pixels are Fusion's own.
class FrameStyle : public QProxyStyle {
public:
    FrameStyle();
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};

// Makes FrameStyle the style of the whole program; call before any window is built.
void UseProgramStyle();

} // namespace platform
