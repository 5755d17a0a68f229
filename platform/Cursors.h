#pragma once

#include <QCursor>
#include <QIcon>

// The program's own pictures: its icon and the two hand cursors of its link labels.
class QLabel;
class QWidget;

namespace platform {

// The pointing hand of most link labels: white with a black outline, hot spot at the fingertip.
QCursor LinkCursor();
// The hand of the full-brand offer: light orange with a star beside the finger.
QCursor FullBrandCursor();

// The program icon: a geomantic figure in light orange on dark grey, in several sizes.
QIcon ProgramIcon();
// Starts reading the icon's pictures on a thread of its own, so that start-up does not wait for
// them; ProgramIcon() waits for the reading if it has not finished yet.
void BeginReadingProgramIcon();
// Gives the application the program icon, which every window without one of its own shows.
// Only the first call does anything.
void UseProgramIcon();
// The icon at 32 x 32 logical pixels, drawn for a screen of the given pixel ratio.
// The picture box "Picture1" that shows the icon at 32 x 32 in the top left corner of a window
// (120, 120 twips), named for screen readers.
QLabel* ProgramIconPicture(QWidget* window);
QPixmap ProgramIconPixmap(qreal devicePixelRatio = 1.0);

} // namespace platform
