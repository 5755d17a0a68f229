#pragma once

#include <QCursor>

// The two hand cursors of the program's link labels.

namespace controls {

// The pointing hand of most link labels: white with a black outline, hot spot at the fingertip.
QCursor LinkCursor();
// The hand of the full-brand offer: light orange with a star beside the finger.
QCursor FullBrandCursor();

} // namespace controls
