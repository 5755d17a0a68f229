#include "controls/PictureBox.h"

#include "controls/ImageList.h"

#include <QPainter>

namespace controls {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void PictureBox::SetPicture(int index) {
    if (picture_ != index) {
        picture_ = index;
        update();
    }
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    painter.drawPixmap(0, 0, ImageList::Picture(picture_, devicePixelRatioF()));
}

} // namespace controls
