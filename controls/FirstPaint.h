#pragma once

#include <functional>

class QWidget;

namespace controls {

// Runs `work` once `window` has painted for the first time, after that frame has gone to the
// display: for start-up work that the first frame does not need. Nothing runs if the window goes
// away before it paints.
void AfterFirstPaint(QWidget* window, std::function<void()> work);

} // namespace controls
