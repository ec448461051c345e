#pragma once

#include "tools/artwork/Catalogue.h"

#include <QColor>

#include <vector>

namespace art {

void AddMacOS(std::vector<TArtwork>& out);
void AddWinXP(std::vector<TArtwork>& out);
void AddDeepBlue(std::vector<TArtwork>& out);
void AddProtein(std::vector<TArtwork>& out);
void AddBlueGlass(std::vector<TArtwork>& out);
void AddShared(std::vector<TArtwork>& out);

// The WinXP caption bar, top to bottom; the shared fold button sits on it in the main window.
std::vector<QColor> WinXPCaptionRows();

} // namespace art
