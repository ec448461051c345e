#pragma once

#include "platform/graphics/TColor.h"

#include <QRect>
#include <QString>

class QPainter;
class TFont;

// Drawing shared by the framework's own controls.

// A one-pixel frame along the inside of `rect`.
void DrawFrame(QPainter& painter, const QRect& rect, TColor color);

enum class TBevel { Raised, Sunken };
// Light top and left edges with dark bottom and right ones, or the reverse.
void DrawBevel(QPainter& painter, const QRect& rect, TBevel bevel);

// One line of text in `font`, placed by Qt alignment `flags`; grey when disabled.
void DrawCaptionText(QPainter& painter, const QRect& rect, const QString& text, const TFont& font,
    int flags, bool enabled = true);
