#pragma once

#include <QPixmap>
#include <QProxyStyle>

namespace controls {

// Fusion, with the frames of group boxes drawn here, pixel for pixel as Fusion draws them, and at
// less cost. Fusion draws a frame by stretching the nine parts of a small picture over it, and Qt
// hands any stretched drawing of more than about a hundred rows to its thread pool: starting
// those threads and handing the rows back and forth cost more than the drawing, about 3 ms of the
// main window's first frame. Here a picture of the same pixels, made by the style itself, is
// drawn the same way, but the tall parts a band of rows at a time, which keeps the drawing on
// this thread.
class FrameStyle : public QProxyStyle {
public:
    FrameStyle();
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;

private:
    bool DrawGroupBoxFrame(const QStyleOption* option, QPainter* painter,
                           const QWidget* widget) const;

    // The frame's picture, made when first needed; it goes with the style.
    mutable QPixmap picture_;
};

// Makes FrameStyle the style of the whole program; call before any window is built.
void UseProgramStyle();

} // namespace controls
