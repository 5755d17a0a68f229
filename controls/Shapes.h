#pragma once

#include <QWidget>

// Outline shapes drawn over their container: a rectangle (Shape) and a straight line (Line).
// Neither takes the mouse, so clicks reach whatever lies below.
namespace controls {

class Shape : public QWidget {
    Q_OBJECT

public:
    explicit Shape(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

class Line : public QWidget {
    Q_OBJECT

public:
    // A line from (x1, y1) to (x2, y2) in twips of the container, `width` pixels thick.
    Line(QWidget* parent, int x1, int y1, int x2, int y2, int width = 1,
         const QColor& color = Qt::black);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLine line_;
    int width_;
    QColor color_;
};

} // namespace controls
