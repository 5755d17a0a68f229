#pragma once

#include <QCursor>
#include <QIcon>

// The program's own pictures: its icon and the two hand cursors of its link labels.
namespace platform {

// The pointing hand of most link labels: white with a black outline, hot spot at the fingertip.
QCursor LinkCursor();
// The hand of the full-brand offer: light orange with a star beside the finger.
QCursor FullBrandCursor();

// The program icon: a geomantic figure in light orange on dark grey, 32 x 32.
QIcon ProgramIcon();
QPixmap ProgramIconPixmap();

} // namespace platform
