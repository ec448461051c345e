#pragma once

#include <QColor>

#include <cstdint>

// $00BBGGRR for an RGB colour, $FF0000nn for system colour number nn.
using TColor = uint32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clGray = 0x808080;

constexpr bool IsSystemColor(TColor color) { return (color & 0xFF000000u) == 0xFF000000u; }

// System colours by number; their RGB values are in the one table of TColor.cpp.
constexpr TColor clInactiveCaption = 0xFF000003;
constexpr TColor clWindow = 0xFF000005;
constexpr TColor clMenuText = 0xFF000007;
constexpr TColor clWindowText = 0xFF000008;
constexpr TColor clHighlight = 0xFF00000D;
constexpr TColor clBtnFace = 0xFF00000F;
constexpr TColor clBtnShadow = 0xFF000010;
constexpr TColor clGrayText = 0xFF000011;
constexpr TColor clBtnHighlight = 0xFF000014;
constexpr TColor cl3DDkShadow = 0xFF000015;
constexpr TColor cl3DLight = 0xFF000016;

// The RGB value of any colour, system colours looked up in the table.
TColor ColorToRGB(TColor color);

QColor ToQColor(TColor color);
TColor FromQColor(const QColor& color);
