#pragma once

#include <QWidget>

// A picture box that shows one picture of the dot image list, drawn at the screen's own pixel
// ratio whenever it paints.
namespace controls {

class PictureBox : public QWidget {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr);

    // Shows picture `index` (1 or 2) of the dot image list.
    void SetPicture(int index);
    int Picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int picture_ = 1;
};

} // namespace controls
