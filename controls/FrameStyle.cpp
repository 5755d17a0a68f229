#include "controls/FrameStyle.h"

#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <QVarLengthArray>

#include <algorithm>
#include <cmath>

namespace controls {

namespace {

// Qt keeps a drawing of up to about a hundred rows on the calling thread; a band of 32 device
// rows stays below that even where the band crosses a child window and splits into spans.
constexpr int BandDeviceRows = 32;
// The width of the picture's edges, which Fusion never stretches.
constexpr int Edge = 6;
// The room Fusion leaves above the frame besides the caption's.
constexpr int TopMargin = 3;

// The frame's picture, stretched over a frame by its nine parts: a line of grey at a fifth of full
// opacity round a faint shade, one pixel in from the top and left edges, with softened corners.
// These are the pixels of Fusion's group box frame, so frames look as in any Fusion program.
constexpr int PictureWidth = 98;
constexpr int PictureHeight = 38;
constexpr QRgb Line = 0x32757575;
constexpr QRgb InnerLine = 0x07000000;
constexpr QRgb Shade = 0x03000000;

// The picture's pixel `across` pixels from the nearest side and `down` from the nearest top or
// bottom of the drawn box, in a quarter whose corner is lit from the top left (`lit`) or not.
QRgb PicturePixel(int across, int down, bool lit) {
    if (across <= 1 && down <= 1) {
        static constexpr QRgb litCorner[2][2] = {{0x0d272727, 0x345d5d5d},
                                                 {0x39626262, 0x1f5a5a5a}};
        static constexpr QRgb otherCorner[2][2] = {{0x0c151515, 0x37666666},
                                                   {0x355b5b5b, 0x1e5e5e5e}};
        return (lit ? litCorner : otherCorner)[down][across];
    }
    const int near = std::min(across, down);
    const int far = std::max(across, down);
    if (near == 0) {
        return far == 2 ? 0x346c6c6c : Line;
    }
    if (near == 1) {
        return far == 2   ? (across == 2 ? 0x0a000000 : 0x09000000)
               : far == 3 ? 0x08000000
                          : InnerLine;
    }
    return Shade;
}

QPixmap FramePicture() {
    QImage picture(PictureWidth, PictureHeight, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    for (int y = 1; y < PictureHeight; ++y) {
        // Written straight into the rows: setPixel() checks and converts every pixel.
        auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 1; x < PictureWidth; ++x) {
            const int across = std::min(x - 1, PictureWidth - 1 - x);
            const int down = std::min(y - 1, PictureHeight - 1 - y);
            const bool lit = (x - 1 < PictureWidth - 1 - x) == (y - 1 < PictureHeight - 1 - y);
            row[x] = PicturePixel(across, down, lit);
        }
    }
    return QPixmap::fromImage(picture);
}

// Splits [from, to) into bands of at most `rows` rows.
QVarLengthArray<int, 32> Bands(int from, int to, int rows) {
    QVarLengthArray<int, 32> bounds{from};
    while (bounds.back() < to) {
        bounds.append(std::min(bounds.back() + rows, to));
    }
    return bounds;
}

} // namespace

FrameStyle::FrameStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void FrameStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const {
    if (element != PE_FrameGroupBox || !DrawGroupBoxFrame(option, painter, widget)) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}

bool FrameStyle::DrawGroupBoxFrame(const QStyleOption* option, QPainter* painter,
                                   const QWidget* widget) const {
    if (picture_.isNull()) {
        picture_ = FramePicture();
    }
    constexpr int pictureWidth = PictureWidth;
    constexpr int pictureHeight = PictureHeight;
    // The room Fusion leaves above the frame for the caption.
    int top = TopMargin;
    const auto* box = qobject_cast<const QGroupBox*>(widget);
    if (!box || box->isCheckable() || !box->title().isEmpty()) {
        top += std::max(proxy()->pixelMetric(PM_ExclusiveIndicatorHeight, option, widget),
                        option->fontMetrics.height());
    }
    const QRect frame = option->rect.adjusted(0, top, 0, 0);
    if (frame.width() < 2 * Edge || frame.height() < 2 * Edge) {
        return false;
    }

    // The nine parts: columns and rows in the frame and in the picture.
    const int frameX[4] = {frame.left(), frame.left() + Edge, frame.right() + 1 - Edge,
                           frame.right() + 1};
    const int frameY[4] = {frame.top(), frame.top() + Edge, frame.bottom() + 1 - Edge,
                           frame.bottom() + 1};
    const int pictureX[4] = {0, Edge, pictureWidth - Edge, pictureWidth};
    const int pictureY[4] = {0, Edge, pictureHeight - Edge, pictureHeight};
    const qreal scale = painter->device()->devicePixelRatio() *
                        std::max(std::abs(painter->transform().m22()), qreal(1));
    const int bandRows = std::max(Edge, static_cast<int>(BandDeviceRows / scale));

    QVarLengthArray<QPainter::PixmapFragment, 64> parts;
    QVarLengthArray<QRect, 16> middle;
    for (int row = 0; row < 3; ++row) {
        const int pictureRows = pictureY[row + 1] - pictureY[row];
        const auto bands = Bands(frameY[row], frameY[row + 1], bandRows);
        for (int band = 0; band + 1 < bands.size(); ++band) {
            for (int column = 0; column < 3; ++column) {
                if (row == 1 && column == 1) {
                    // The middle part is one shade throughout: filled, not stretched.
                    middle.append(QRect(frameX[1], bands[band], frameX[2] - frameX[1],
                                        bands[band + 1] - bands[band]));
                    continue;
                }
                const int pictureColumns = pictureX[column + 1] - pictureX[column];
                parts.append(QPainter::PixmapFragment::create(
                    QPointF(0.5 * (frameX[column] + frameX[column + 1]),
                            0.5 * (bands[band] + bands[band + 1])),
                    QRectF(pictureX[column], pictureY[row], pictureColumns, pictureRows),
                    qreal(frameX[column + 1] - frameX[column]) / pictureColumns,
                    qreal(bands[band + 1] - bands[band]) / pictureRows));
            }
        }
    }
    // As Fusion draws them: without antialiasing wherever the painter is moved or scaled.
    const bool antialiased = painter->testRenderHint(QPainter::Antialiasing);
    if (antialiased && painter->combinedTransform().type() != QTransform::TxNone) {
        painter->setRenderHint(QPainter::Antialiasing, false);
    }
    painter->drawPixmapFragments(parts.data(), static_cast<int>(parts.size()), picture_);
    for (const QRect& band : middle) {
        painter->fillRect(band, QColor::fromRgba(Shade));
    }
    painter->setRenderHint(QPainter::Antialiasing, antialiased);
    return true;
}

void UseProgramStyle() {
    QApplication::setStyle(new FrameStyle);
}

} // namespace controls
