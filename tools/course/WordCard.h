#pragma once

#include <QImage>

#include <stdexcept>
#include <string>

// The picture of a word: a paper card with the characters large in practice squares
// and the pinyin below. It fits the lesson's 374 x 273 picture pane with a margin.
constexpr int kCardWidth = 360;
constexpr int kCardHeight = 260;

// Needs a QGuiApplication for its fonts (the offscreen platform will do).
QImage RenderWordCard(const std::string& characters, const std::string& pinyin);

// Baseline JPEG, 4:2:0, no metadata, as the lesson player decodes it fastest.
std::string EncodeJpeg(const QImage& image, int quality = 86);

// Throws TCardError when the card's fonts (fonts-noto-cjk) are not installed.
class TCardError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
void CheckCardFonts();
