#pragma once

#include "platform/graphics/TCanvas.h"

#include <QImage>

#include <string>
#include <vector>

// Small pictures for pixel tests, in the program's own colour values.

inline QImage Blank(int w, int h, TColor color = clWhite)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(ToPixel(color));
    return image;
}

inline TColor At(const QImage& image, int x, int y) { return FromPixel(image.pixel(x, y)); }

// A distinct colour per pixel, so any misplaced pixel shows.
inline TColor Code(int x, int y)
{
    return static_cast<TColor>(0x010000 * (x + 1) + 0x000100 * (y + 1) + 0x40);
}

inline QImage Coded(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, ToPixel(Code(x, y)));
    return image;
}

// The pixels of one colour as a picture: '#' where the image has it, '.' elsewhere.
inline std::vector<std::string> Map(const QImage& image, TColor color)
{
    std::vector<std::string> rows;
    for (int y = 0; y < image.height(); ++y) {
        std::string row;
        for (int x = 0; x < image.width(); ++x)
            row += At(image, x, y) == color ? '#' : '.';
        rows.push_back(row);
    }
    return rows;
}
