#pragma once

// Helpers for the title bar pictures: the client picture is one column profile, and the
// left and right pictures share it wherever buttons are drawn over them.

#include "tools/artwork/ArtKit.h"

#include <vector>

namespace art {

// Rows `from` .. `from + count - 1` of a profile.
std::vector<QColor> Slice(const std::vector<QColor>& rows, int from, int count);

void ShadeColumn(QImage& image, int x, const QColor& towards, double t);

// Rounds the top-left corner of `image` along a circle of `radius` whose centre lies at
// (cx, cy) in image coordinates: pixels outside take `outside`, pixels on the rim are mixed
// towards `rim`.
void RoundTopLeft(
    QImage& image, double cx, double cy, double radius, const QColor& outside, const QColor& rim);

// Draws `layer` over `image` in place.
void Over(QImage& image, const QImage& layer);

} // namespace art
