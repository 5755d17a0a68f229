#include "platform/ProgramIcon.h"

#include "platform/WarmUp.h"

#include <QGuiApplication>
#include <QImageReader>

#include <future>

// Resources of a static library must be registered by name, from the global namespace.
static void InitIconResource() {
    Q_INIT_RESOURCE(kelvora);
}

namespace platform {

namespace {

// The icon's pictures in several sizes, so that it stays sharp on high-DPI screens and in task
// switchers. Read as PNG by name: left to find the format itself, Qt would first load every image
// format plugin on the machine to ask each one.
QList<QImage> ReadIconPictures() {
    QList<QImage> pictures;
    for (int size : {16, 32, 48, 64, 128}) {
        QImageReader reader(QStringLiteral(":/kelvora/kelvora-%1.png").arg(size), "png");
        pictures.append(reader.read());
    }
    return pictures;
}

// The pictures once read, or being read; kept until the program ends.
std::shared_future<QList<QImage>>& IconPictures() {
    static std::shared_future<QList<QImage>> pictures;
    return pictures;
}

} // namespace

void BeginReadingProgramIcon() {
    InitIconResource();
    if (!IconPictures().valid() && WorthWarmingUp()) {
        IconPictures() = std::async(std::launch::async, ReadIconPictures).share();
    }
}

QIcon ProgramIcon() {
    InitIconResource();
    if (!IconPictures().valid()) {
        IconPictures() = std::async(std::launch::deferred, ReadIconPictures).share();
    }
    QIcon icon;
    for (const QImage& picture : IconPictures().get()) {
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
