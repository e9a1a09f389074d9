#include "qtview/Images.h"

#include <QPixmap>

#include "framework/Icon.h"

namespace qtview {

QImage ToImage(const fw::IconImage& icon)
{
    const auto expected = static_cast<std::size_t>(icon.width) * static_cast<std::size_t>(icon.height);
    if (icon.width <= 0 || icon.height <= 0 || icon.pixels.size() < expected)
        return {};
    QImage image(icon.width, icon.height, QImage::Format_ARGB32);
    for (int y = 0; y < icon.height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < icon.width; ++x)
            row[x] = icon.pixels[static_cast<std::size_t>(y * icon.width + x)];
    }
    return image;
}

QImage ToImage(const gdi::Raster& raster)
{
    if (raster.IsEmpty())
        return {};
    QImage image(raster.Width(), raster.Height(), QImage::Format_RGB32);
    for (int y = 0; y < raster.Height(); ++y) {
        const gdi::Pixel* source = raster.Row(y);
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < raster.Width(); ++x)
            row[x] = 0xFF000000u | source[x];
    }
    return image;
}

QIcon ToIcon(HICON icon)
{
    const fw::IconData* data = fw::IconOf(icon);
    if (data == nullptr)
        return {};
    const QImage image = ToImage(data->image);
    return image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image));
}

}  // namespace qtview
