#pragma once

#include <QImage>

#include <string>

// A JPEG picture: the header is parsed when the data is loaded, the pixels are decoded
// on first use. A failed load keeps the previous picture.
class TJPEGImage {
public:
    // Reads the whole file (EFOpenError when it cannot) and parses its header
    // (EJPEG "JPEG error #<n>" when it is not valid JPEG).
    void LoadFromFile(const std::string& path);
    void LoadFromBytes(std::string bytes);

    bool Empty() const;
    int Width() const;
    int Height() const;
    bool Grayscale() const;
    bool Progressive() const;

    // The full-size decoded picture (Format_RGB32), decoded on the first call. Damaged
    // data after a valid header yields what the decoder recovers, never a crash.
    const QImage& Bitmap() const;
};
