#pragma once

#include "controls/Cursors.h"
#include "controls/Look.h"

#include <QCursor>
#include <QLabel>

#include <functional>

// A label that works as a link: it shows a hand cursor and emits clicked() when the left button
// is pressed and released over it, or when Return, Enter or Space is pressed while it has the
// focus. Tab gives it the focus, which a dotted frame around its text shows; a click does not, so
// the keyboard stays where it was. Its text is plain, so "&" shows as itself.
namespace controls {

class LinkLabel : public QLabel {
    Q_OBJECT

public:
    LinkLabel(const QString& text, QWidget* parent);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool pressed_ = false;
};

// Gives a label its name, font, text colour, alignment and place (in twips of its container), on
// a transparent background.
void PlaceLabel(QLabel* label, const char* name, const QFont& font, const QColor& color,
                Qt::Alignment alignment, const QRect& geometry);

// How a link label looks: by default bold, underlined Verdana 8.25 pt in light orange, one line
// at the top left, with the program's hand cursor.
struct LinkLook {
    QFont font = Verdana(8.25, true, false, true);
    QColor color = LightOrange;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    bool wordWrap = false;
    QCursor cursor = LinkCursor();
};

// The link labels of every window: `text` on a transparent background, named `name`, at
// `geometry` (in twips of `parent`), a link to screen readers; a click calls `onClick`.
LinkLabel* NewLinkLabel(QWidget* parent, const char* name, const QString& text,
                        const QRect& geometry, const LinkLook& look,
                        const std::function<void()>& onClick);

} // namespace controls
