#include "platform/jpeg/TJPEGImage.h"

#include "platform/core/Exceptions.h"
#include "platform/core/FileBytes.h"

#include <algorithm>
#include <csetjmp>
#include <cstddef>
#include <cstdint>
#include <cstdio> // jpeglib.h declares FILE-based sources
#include <cstring>
#include <jerror.h>
#include <jpeglib.h>
#include <vector>

namespace {

// Real progressive files have about ten scans; thousands of empty scans over a large
// frame would keep the decoder busy for minutes.
constexpr int kMaxScans = 256;
// Enough for the coefficient buffers of a progressive picture of kMaxPixels with four
// channels; beyond it the decoder fails instead of growing.
constexpr long kMaxDecoderMemory = 640L * 1024 * 1024;
// A compressed picture larger than this is not a word picture.
constexpr std::size_t kMaxFileBytes = 256 * 1024 * 1024;
constexpr int kRowBatch = 16;
// Tries at decoding a damaged picture of several scans, each on a shorter input.
constexpr int kMaxAttempts = 4;
// Rows the decoder could not reach; the decoder itself fills missing data with the
// same neutral level.
constexpr QRgb kMissingPixel = 0xFF808080;

// Four bytes per pixel in QImage::Format_RGB32 order (0xAARRGGBB in native order), with
// the fourth byte written as 0xFF.
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
constexpr J_COLOR_SPACE kRgb32Space = JCS_EXT_BGRA;
#else
constexpr J_COLOR_SPACE kRgb32Space = JCS_EXT_ARGB;
#endif

// Everything a jump out of the decoder leaves behind lives in the caller's frame, so the
// functions that call setjmp own no objects with destructors and no locals that are
// read after the jump.
struct TDecoder {
    jpeg_decompress_struct cinfo;
    jpeg_error_mgr err;
    jpeg_progress_mgr progress;
    std::jmp_buf jump;
    const unsigned char* data;
    std::size_t size;
    int errorCode;
    int rowsDone;
    // How far the decoder had read when it last checked in: everything before it was
    // taken without a fatal error.
    std::size_t goodLength;
    bool scanLimitHit;
};

struct THeaderInfo {
    int width;
    int height;
    bool grayscale;
    bool progressive;
    bool cmyk;
};

TDecoder* DecoderOf(j_common_ptr cinfo)
{
    return static_cast<TDecoder*>(cinfo->client_data);
}

void ErrorExit(j_common_ptr cinfo)
{
    TDecoder* decoder = DecoderOf(cinfo);
    decoder->errorCode = cinfo->err->msg_code;
    std::longjmp(decoder->jump, 1);
}

// Warnings (corrupt data, premature end) are counted and decoding goes on; nothing is
// ever printed.
void EmitMessage(j_common_ptr cinfo, int level)
{
    if (level < 0)
        ++cinfo->err->num_warnings;
}

void OutputMessage(j_common_ptr) { }

// Bytes of the input that the decoder has taken so far.
std::size_t BytesRead(const TDecoder& decoder)
{
    const auto next = reinterpret_cast<std::uintptr_t>(decoder.cinfo.src->next_input_byte);
    const auto begin = reinterpret_cast<std::uintptr_t>(decoder.data);
    // Past the end the source hands out a stand-in end marker of its own.
    if (next < begin || next - begin > decoder.size)
        return decoder.size;
    return next - begin;
}

void ProgressMonitor(j_common_ptr cinfo)
{
    TDecoder* decoder = DecoderOf(cinfo);
    if (decoder->cinfo.input_scan_number > kMaxScans) {
        decoder->scanLimitHit = true;
        cinfo->err->msg_code = JERR_BAD_PROGRESSION;
        cinfo->err->error_exit(cinfo);
    }
    decoder->goodLength = BytesRead(*decoder);
}

// Creates the decompressor over `data`; must run after setjmp of the same decoder.
void Begin(TDecoder* decoder, const unsigned char* data, std::size_t size)
{
    decoder->data = data;
    decoder->size = size;
    jpeg_create_decompress(&decoder->cinfo);
    decoder->cinfo.mem->max_memory_to_use = kMaxDecoderMemory;
    decoder->progress.progress_monitor = ProgressMonitor;
    decoder->cinfo.progress = &decoder->progress;
    jpeg_mem_src(&decoder->cinfo, data, static_cast<unsigned long>(size));
    jpeg_read_header(&decoder->cinfo, TRUE);
}

void Prepare(TDecoder* decoder)
{
    decoder->cinfo.err = jpeg_std_error(&decoder->err);
    decoder->err.error_exit = ErrorExit;
    decoder->err.emit_message = EmitMessage;
    decoder->err.output_message = OutputMessage;
    decoder->cinfo.client_data = decoder;
}

bool Convertible(const jpeg_decompress_struct& cinfo)
{
    switch (cinfo.jpeg_color_space) {
    case JCS_GRAYSCALE:
        return cinfo.num_components == 1;
    case JCS_YCbCr:
    case JCS_RGB:
        return cinfo.num_components == 3;
    case JCS_CMYK:
    case JCS_YCCK:
        return cinfo.num_components == 4;
    default:
        return false;
    }
}

// Parses the header; false with decoder->errorCode set when the decoder rejects it.
bool ParseHeader(TDecoder* decoder, const unsigned char* data, std::size_t size, THeaderInfo* info)
{
    Prepare(decoder);
    if (setjmp(decoder->jump)) {
        jpeg_destroy_decompress(&decoder->cinfo);
        return false;
    }
    Begin(decoder, data, size);
    const jpeg_decompress_struct& cinfo = decoder->cinfo;
    if (std::int64_t(cinfo.image_width) * cinfo.image_height > TJPEGImage::kMaxPixels)
        decoder->errorCode = JERR_IMAGE_TOO_BIG;
    else if (!Convertible(cinfo))
        decoder->errorCode = JERR_CONVERSION_NOTIMPL;
    else {
        info->width = static_cast<int>(cinfo.image_width);
        info->height = static_cast<int>(cinfo.image_height);
        info->grayscale = cinfo.jpeg_color_space == JCS_GRAYSCALE;
        info->progressive = cinfo.progressive_mode;
        info->cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
    }
    jpeg_destroy_decompress(&decoder->cinfo);
    return decoder->errorCode == 0;
}

unsigned char Multiply(unsigned a, unsigned b)
{
    return static_cast<unsigned char>((a * b + 127) / 255);
}

// Ink values to screen colours. Files with the Adobe marker store ink inverted
// (255 = no ink), which is how nearly every CMYK JPEG is written.
void InkToRgb32(const unsigned char* ink, unsigned char* out, int width, bool inverted)
{
    for (int x = 0; x < width; ++x, ink += 4, out += 4) {
        unsigned c = inverted ? ink[0] : 255u - ink[0];
        unsigned m = inverted ? ink[1] : 255u - ink[1];
        unsigned y = inverted ? ink[2] : 255u - ink[2];
        unsigned k = inverted ? ink[3] : 255u - ink[3];
        QRgb pixel = qRgb(Multiply(c, k), Multiply(m, k), Multiply(y, k));
        std::memcpy(out, &pixel, sizeof pixel);
    }
}

// Decodes into `bits` (height rows of `stride` bytes, Format_RGB32). `scratch` holds
// kRowBatch rows of four-channel ink for CMYK pictures. decoder->rowsDone counts the
// rows written; on a fatal error it returns false with decoder->errorCode set.
bool DecodePixels(TDecoder* decoder, const unsigned char* data, std::size_t size, int width,
    int height, bool cmyk, unsigned char* bits, std::ptrdiff_t stride, unsigned char* scratch)
{
    Prepare(decoder);
    if (setjmp(decoder->jump)) {
        jpeg_destroy_decompress(&decoder->cinfo);
        return false;
    }
    Begin(decoder, data, size);
    jpeg_decompress_struct& cinfo = decoder->cinfo;
    cinfo.out_color_space = cmyk ? JCS_CMYK : kRgb32Space;
    jpeg_start_decompress(&cinfo);
    // The same bytes gave these numbers at load; a mismatch would overrun `bits`.
    if (cinfo.output_width != static_cast<JDIMENSION>(width)
        || cinfo.output_height != static_cast<JDIMENSION>(height) || cinfo.output_components != 4) {
        cinfo.err->msg_code = JERR_CONVERSION_NOTIMPL;
        cinfo.err->error_exit(reinterpret_cast<j_common_ptr>(&cinfo));
    }
    const bool inverted = cinfo.saw_Adobe_marker;
    const std::ptrdiff_t scratchStride = std::ptrdiff_t(width) * 4;
    JSAMPROW rows[kRowBatch];
    while (cinfo.output_scanline < cinfo.output_height) {
        const JDIMENSION first = cinfo.output_scanline;
        const JDIMENSION count = std::min<JDIMENSION>(kRowBatch, cinfo.output_height - first);
        for (JDIMENSION i = 0; i < count; ++i)
            rows[i] = cmyk ? scratch + i * scratchStride : bits + (first + i) * stride;
        const JDIMENSION got = jpeg_read_scanlines(&cinfo, rows, count);
        if (got == 0 || got > count)
            break;
        if (cmyk) {
            for (JDIMENSION i = 0; i < got; ++i)
                InkToRgb32(rows[i], bits + (first + i) * stride, width, inverted);
        }
        decoder->rowsDone = static_cast<int>(first + got);
    }
    // The rest of the stream (trailing markers) cannot change the picture.
    jpeg_destroy_decompress(&cinfo);
    return true;
}

// Where to cut the input for another try after `failed`, or 0 for none. A picture of
// several scans fails before its first row; the scans taken before the failure still
// make a picture, so the input is cut where the decoder last checked in, minus a
// marker it had begun to read there. The cut always moves backwards.
std::size_t RetryLength(const TDecoder& failed, const unsigned char* data, std::size_t length)
{
    if (failed.rowsDone > 0 || failed.scanLimitHit)
        return 0;
    std::size_t cut = std::min(failed.goodLength, length);
    if (cut > 0 && data[cut - 1] == 0xFF)
        --cut;
    else if (cut > 1 && data[cut - 2] == 0xFF && data[cut - 1] != 0
        && (data[cut - 1] < 0xD0 || data[cut - 1] > 0xD7))
        cut -= 2;
    return cut < length ? cut : 0;
}

} // namespace

void TJPEGImage::LoadFromFile(const std::string& path)
{
    LoadFromBytes(ReadFileBytes(path, TFileLimit { kMaxFileBytes, "Out of memory" }));
}

void TJPEGImage::LoadFromBytes(std::string bytes)
{
    TDecoder decoder {};
    THeaderInfo info {};
    if (!ParseHeader(
            &decoder, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), &info))
        throw EJPEG("JPEG error #" + std::to_string(decoder.errorCode));

    m_data = std::make_shared<const std::string>(std::move(bytes));
    m_header = THeader { info.width, info.height, info.grayscale, info.progressive, info.cmyk };
    m_bitmap = QImage();
    m_decoded = false;
    m_decodeError = 0;
}

bool TJPEGImage::Empty() const
{
    return !m_data;
}

int TJPEGImage::Width() const
{
    return m_header.width;
}

int TJPEGImage::Height() const
{
    return m_header.height;
}

bool TJPEGImage::Grayscale() const
{
    return m_header.grayscale;
}

bool TJPEGImage::Progressive() const
{
    return m_header.progressive;
}

const QImage& TJPEGImage::Bitmap() const
{
    if (!m_decoded)
        Decode();
    return m_bitmap;
}

int TJPEGImage::DecodeError() const
{
    return m_decodeError;
}

void TJPEGImage::Decode() const
{
    m_decoded = true;
    if (!m_data)
        return;
    const int width = m_header.width;
    const int height = m_header.height;
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull()) {
        m_decodeError = JERR_OUT_OF_MEMORY;
        return;
    }
    std::vector<unsigned char> scratch(m_header.cmyk ? std::size_t(width) * 4 * kRowBatch : 0);
    const auto* data = reinterpret_cast<const unsigned char*>(m_data->data());
    std::size_t length = m_data->size();
    int rowsDone = 0;
    for (int attempt = 0; attempt < kMaxAttempts; ++attempt) {
        TDecoder decoder {};
        const bool done = DecodePixels(&decoder, data, length, width, height, m_header.cmyk,
            image.bits(), image.bytesPerLine(), scratch.data());
        rowsDone = decoder.rowsDone;
        if (done)
            break;
        // The first failure is the one worth reporting; later tries only recover.
        if (attempt == 0)
            m_decodeError = decoder.errorCode;
        length = RetryLength(decoder, data, length);
        if (length == 0)
            break;
    }
    for (int y = rowsDone; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::fill(row, row + width, kMissingPixel);
    }
    m_bitmap = std::move(image);
}
