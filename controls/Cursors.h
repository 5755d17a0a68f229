#pragma once

#include <QCursor>

// The two hand cursors of the program's link labels.

namespace controls {

// The pointing hand of most link labels: the desktop's own, from its cursor theme.
QCursor LinkCursor();
// The hand of the full-brand offer: light orange with a black outline and a star beside the
// finger, hot spot at the fingertip.
QCursor FullBrandCursor();

} // namespace controls
