#pragma once

#include <QColor>
#include <QFont>

#include <initializer_list>

class QKeyEvent;
class QPushButton;
class QWidget;

// The one look that every window shares: dark grey ground, light orange captions and links,
// Verdana (DejaVu Sans where Verdana is not installed), light grey buttons.
namespace controls {

inline const QColor DarkGrey{58, 58, 58};
inline const QColor LightOrange{255, 192, 128};
inline const QColor LightGrey{192, 192, 192};
inline const QColor CaptionBlue{0, 0, 255};

QFont Verdana(double pointSize, bool bold = false, bool italic = false, bool underline = false);
// Fills a widget's background with a solid colour.
void SetBackColor(QWidget* widget, const QColor& color);
void SetForeColor(QWidget* widget, const QColor& color);

} // namespace controls

namespace controls {

// Gives a window the fixed single border of every window of the program: a title bar with a
// close button, no minimize or maximize button, and no resizing.
void FixedSingleBorder(QWidget* window);
// Gives a window the look every window of the program shares: its name, its caption, the fixed
// single border, a client area of `widthTwips` x `heightTwips`, the dark grey ground and
// Verdana 8.25 pt.
void SetUpForm(QWidget* form, const char* name, const QString& caption, int widthTwips,
               int heightTwips);
// A push button of the program's windows: light grey face, black caption in `font`, placed at
// `geometry` and named `name`.
QPushButton* GreyButton(QWidget* parent, const char* name, const QString& caption,
                        const QFont& font, const QRect& geometry);
// Return or keypad Enter, as `window` receives it, presses the window's focused button, as Space
// does; true when it did. For windows with no default button.
bool PressFocusedButton(QWidget* window, const QKeyEvent* event);
// Puts `widgets` one after the other in their window's Tab chain. Stands in for Qt 6.6's
// QWidget::setTabOrder(std::initializer_list), which Qt 6.4 lacks.
void TabChain(std::initializer_list<QWidget*> widgets);
// Centres a window, its frame included, on the available area of its screen. The program places
// its windows itself, since there may be no window manager to do it. Before a window is first
// shown its frame is not known: it is taken to be that of another shown window, and the window
// is centred again once the window manager has framed it.
void CenterOnScreen(QWidget* window);

} // namespace controls
