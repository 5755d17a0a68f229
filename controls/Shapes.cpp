#include "controls/Shapes.h"

#include "controls/Twips.h"

#include <QPainter>

namespace controls {

Shape::Shape(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

Line::Line(QWidget* parent, int x1, int y1, int x2, int y2, int width, const QColor& color)
    : QWidget(parent), width_(width), color_(color) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const QPoint from(Twips(x1), Twips(y1));
    const QPoint to(Twips(x2), Twips(y2));
    // The pen is centred on the line, so the bounds reach half its width to either side.
    const int before = width / 2;
    const QRect bounds =
        QRect(from, to).normalized().adjusted(-before, -before, width - before, width - before);
    setGeometry(bounds);
    line_ = QLine(from - bounds.topLeft(), to - bounds.topLeft());
}

void Line::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(color_, width_, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(line_);
}

} // namespace controls
