#pragma once

#include <QProxyStyle>

namespace controls {

// Fusion, with the frames of group boxes drawn as a thin line a shade off the ground, as Fusion's
// look, its corners rounded. Fusion stretches a small picture over each frame, and Qt hands such a
// stretched drawing of more than about a hundred rows to its thread pool, which costs the main
// window's first frame more than the drawing itself; solid lines are filled on this thread.
class FrameStyle : public QProxyStyle {
public:
    FrameStyle();
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};

// Makes FrameStyle the style of the whole program; call before any window is built.
void UseProgramStyle();

} // namespace controls
