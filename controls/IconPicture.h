#pragma once

#include <QPixmap>

class QLabel;
class QWidget;

namespace controls {

// The program icon at 32 x 32 logical pixels, drawn for a screen of the given pixel ratio.
QPixmap ProgramIconPixmap(qreal devicePixelRatio = 1.0);
// The picture box "Picture1" that shows the icon at 32 x 32 in the top left corner of a window
// (120, 120 twips), named for screen readers.
QLabel* ProgramIconPicture(QWidget* window);

} // namespace controls
