#pragma once

// Pictures for people rather than for the program: the contact sheet, the style mock-ups
// and the icon at its several sizes.

#include "tools/artwork/Catalogue.h"

#include <QImage>

#include <vector>

namespace art {

inline constexpr int kIconSizes[] = { 16, 32, 48, 128, 256 };

QImage RenderIcon(int size);
QImage RenderContactSheet(const std::vector<TArtwork>& artworks);
QImage RenderMockups(const std::vector<TArtwork>& artworks);

} // namespace art
