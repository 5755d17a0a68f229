#pragma once

#include <QCursor>
#include <QLabel>

// A label that works as a link: it shows a hand cursor and emits clicked() when the left button
// is pressed and released over it. Its text is plain, so "&" shows as itself.
namespace platform {

class LinkLabel : public QLabel {
    Q_OBJECT

public:
    LinkLabel(const QString& text, QWidget* parent,
              const QCursor& cursor = QCursor(Qt::PointingHandCursor));

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

// Gives a label its name, font, text colour, alignment and place (in twips of its container), on
// a transparent background.
void PlaceLabel(QLabel* label, const char* name, const QFont& font, const QColor& color,
                Qt::Alignment alignment, const QRect& geometry);

} // namespace platform
