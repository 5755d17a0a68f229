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
// The icon at 32 x 32 logical pixels, drawn for a screen of the given pixel ratio.
// The picture box "Picture1" that shows the icon at 32 x 32 in the top left corner of a window
// (120, 120 twips), named for screen readers.
QLabel* ProgramIconPicture(QWidget* window);
QPixmap ProgramIconPixmap(qreal devicePixelRatio = 1.0);

} // namespace platform
