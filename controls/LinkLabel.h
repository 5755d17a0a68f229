#pragma once

#include <QCursor>
#include <QLabel>

// A label that works as a link: it shows a hand cursor and emits clicked() when the left button
// is pressed and released over it. Its text is plain, so "&" shows as itself.
namespace controls {

class LinkLabel : public QLabel {
    Q_OBJECT

public:
    LinkLabel(const QString& text, QWidget* parent,
              const QCursor& cursor = QCursor(Qt::PointingHandCursor));
    // A label whose cursor is drawn by `drawCursor` when the pointer first comes over it, so
    // that windows do not pay for drawing cursors before they are first shown.
    LinkLabel(const QString& text, QWidget* parent, QCursor (*drawCursor)());

signals:
    void clicked();

protected:
    void enterEvent(QEnterEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QCursor (*drawCursor_)() = nullptr;
    bool pressed_ = false;
};

// Gives a label its name, font, text colour, alignment and place (in twips of its container), on
// a transparent background.
void PlaceLabel(QLabel* label, const char* name, const QFont& font, const QColor& color,
                Qt::Alignment alignment, const QRect& geometry);

} // namespace controls
