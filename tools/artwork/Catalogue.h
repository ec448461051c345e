#pragma once

// Every bitmap the generator makes, with the see-through rule its users apply.

#include <QImage>
#include <QString>

#include <vector>

namespace art {

// Which pixels the code that draws a bitmap treats as see-through.
enum class TKeyRule {
    Opaque, // drawn as it stands; no pixel is magenta
    ThreePart, // drawn as left cap, stretched middle, right cap with magenta (or the
               // top-left pixel, which is magenta too) see-through; the middle third
               // is stretched opaque, so it holds no magenta
    BottomLeftMagenta, // each frame's bottom-left pixel is the key; it is magenta
    TopLeftCorner, // each frame's top-left pixel is the key; it is the backdrop colour
    White, // white is see-through
};

struct TArtwork {
    QString group; // "MacOS", ..., or "Shared"
    QString name; // resource name, also the file name without ".png"
    int frames = 1;
    TKeyRule key = TKeyRule::Opaque;
    QImage image;
    QString note; // what the frames are, shown on the contact sheet
};

std::vector<TArtwork> AllArtworks();

// Problems with sizes, frame layout or key pixels; empty when all is well.
std::vector<QString> Validate(const std::vector<TArtwork>& artworks);

QString KeyRuleText(TKeyRule rule);

} // namespace art
