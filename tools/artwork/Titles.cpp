#include "tools/artwork/Titles.h"

#include <algorithm>
#include <cmath>

namespace art {

std::vector<QColor> Slice(const std::vector<QColor>& rows, int from, int count)
{
    std::vector<QColor> out;
    for (int i = 0; i < count; ++i) {
        const int y = std::clamp(from + i, 0, int(rows.size()) - 1);
        out.push_back(rows[size_t(y)]);
    }
    return out;
}

void ShadeColumn(QImage& image, int x, const QColor& towards, double t)
{
    for (int y = 0; y < image.height(); ++y)
        image.setPixel(x, y, Mix(QColor(image.pixel(x, y)), towards, t).rgb());
}

void RoundTopLeft(
    QImage& image, double cx, double cy, double radius, const QColor& outside, const QColor& rim)
{
    for (int y = 0; y < std::min(image.height(), int(std::ceil(cy))); ++y) {
        for (int x = 0; x < std::min(image.width(), int(std::ceil(cx))); ++x) {
            const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
            if (d > radius + 0.5)
                image.setPixel(x, y, outside.rgb());
            else if (d > radius - 0.5)
                image.setPixel(x, y, Mix(QColor(image.pixel(x, y)), rim, 0.75).rgb());
            else if (d > radius - 1.5)
                image.setPixel(x, y, Mix(QColor(image.pixel(x, y)), rim, 0.3).rgb());
        }
    }
}

void Over(QImage& image, const QImage& layer)
{
    const QImage::Format format = image.format();
    QImage canvas = image.convertToFormat(QImage::Format_RGB32);
    QPainter p(&canvas);
    p.drawImage(0, 0, layer);
    p.end();
    image = canvas.convertToFormat(format);
}

} // namespace art
