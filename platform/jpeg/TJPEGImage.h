#pragma once

#include <QImage>

#include <cstdint>
#include <memory>
#include <string>

// A JPEG picture: the header is parsed when the data is loaded, the pixels are decoded
// on first use. A failed load keeps the previous picture. Copies share the compressed
// bytes and, once it exists, the decoded bitmap.
class TJPEGImage {
public:
    // Pictures larger than this are refused at load (EJPEG with the decoder's
    // "image too big" number): 8192 x 8192 decodes into 256 MiB, and a word picture
    // is shown in a pane of a few hundred pixels.
    static constexpr std::int64_t kMaxPixels = std::int64_t(8192) * 8192;

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
    // data after a valid header yields what the decoder recovers, never a crash and
    // never an exception: rows the decoder could not reach are mid-grey. Null when
    // the picture is empty or the memory for it cannot be had.
    const QImage& Bitmap() const;

    // The decoder's message number when decoding stopped on an error (rows after it
    // are grey), 0 when it did not or the picture has not been decoded yet. Callers
    // that want to report a damaged picture raise "JPEG error #<n>" with it.
    int DecodeError() const;

private:
    // What the header says, and what the pixel decoder needs to know again.
    struct THeader {
        int width = 0;
        int height = 0;
        bool grayscale = false;
        bool progressive = false;
        bool cmyk = false; // four-channel ink data (CMYK or YCCK)
    };

    void Decode() const;

    std::shared_ptr<const std::string> m_data;
    THeader m_header;
    mutable QImage m_bitmap;
    mutable bool m_decoded = false;
    mutable int m_decodeError = 0;
};
