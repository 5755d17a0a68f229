#include "platform/ProgramIcon.h"

#include "platform/IconPixels.h"

#include <QGuiApplication>

namespace platform {

QIcon ProgramIcon() {
    // The icon's pictures in several sizes, so that it stays sharp on high-DPI screens and in task
    // switchers. They are pixels in the program itself: no file to read, nothing to decode.
    QIcon icon;
    for (int i = 0; i < ProgramIconPixelsCount; ++i) {
        const IconPixels& pixels = ProgramIconPixels[i];
        const QImage picture(reinterpret_cast<const uchar*>(pixels.argb), pixels.size, pixels.size,
                             4 * pixels.size, QImage::Format_ARGB32_Premultiplied);
        icon.addPixmap(QPixmap::fromImage(picture));
    }
    return icon;
}

void UseProgramIcon() {
    static const bool used = [] {
        QGuiApplication::setWindowIcon(ProgramIcon());
        return true;
    }();
    Q_UNUSED(used);
}

} // namespace platform
