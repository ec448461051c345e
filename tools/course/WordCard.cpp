#include "tools/course/WordCard.h"

#include "platform/core/Exceptions.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

namespace {

constexpr QColor kPaper {0xFF, 0xFD, 0xF6};
constexpr QColor kCardEdge {0xD9, 0xD1, 0xBF};
constexpr QColor kGridEdge {0xD9, 0x8C, 0x82};
constexpr QColor kGridGuide {0xF1, 0xD3, 0xCE};
constexpr QColor kInk {0x1C, 0x1C, 0x24};
constexpr QColor kPinyinInk {0x9E, 0x30, 0x24};
constexpr const char* kHanziFamily = "Noto Serif CJK SC";
constexpr const char* kPinyinFamily = "Noto Sans CJK SC";
constexpr int kCornerRadius = 14;
constexpr int kSquareMax = 138;
constexpr int kSquareTop = 24; // of the largest squares; smaller ones are centred in their room
constexpr int kSideMargin = 20;
constexpr double kHanziFill = 0.78; // of the square
// Centring by the font's box puts ideographs a little low; measured on 国.
constexpr double kHanziLift = 0.065;
constexpr int kPinyinSize = 36;
constexpr int kPinyinCentreY = 212;
constexpr int kGuideInset = 4;

QFont Font(const char* family, int pixels, QFont::Weight weight)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setWeight(weight);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

// Draws `text` centred on (x, y) by the font's ascent and descent.
void DrawCentred(QPainter& painter, const QString& text, double x, double y)
{
    QFontMetricsF metrics(painter.font());
    double baseline = y + (metrics.ascent() - metrics.descent()) / 2;
    painter.drawText(QPointF(x - metrics.horizontalAdvance(text) / 2, baseline), text);
}

void DrawPaper(QPainter& painter)
{
    painter.fillRect(0, 0, kCardWidth, kCardHeight, Qt::white);
    painter.setPen(QPen(kCardEdge, 2));
    painter.setBrush(kPaper);
    painter.drawRoundedRect(QRectF(1, 1, kCardWidth - 3, kCardHeight - 3), kCornerRadius, kCornerRadius);
}

void DrawSquares(QPainter& painter, int count, int square, int left, int top)
{
    int bottom = top + square;
    QPen guide(kGridGuide, 1.5);
    guide.setDashPattern({6 / 1.5, 5 / 1.5});
    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i < count; ++i) {
        int x = left + i * square;
        int cx = x + square / 2;
        int cy = top + square / 2;
        painter.setPen(guide);
        painter.drawLine(QPointF(cx, top + kGuideInset), QPointF(cx, bottom - kGuideInset));
        painter.drawLine(QPointF(x + kGuideInset, cy), QPointF(x + square - kGuideInset, cy));
    }
    painter.setPen(QPen(kGridEdge, 2));
    painter.drawRect(left, top, count * square, square);
    for (int i = 1; i < count; ++i)
        painter.drawLine(left + i * square, top, left + i * square, bottom);
}

void DrawCharacters(QPainter& painter, const QList<uint>& codes, int square, int left, int top)
{
    int size = int(square * kHanziFill);
    int lift = int(size * kHanziLift + 0.5);
    painter.setFont(Font(kHanziFamily, size, QFont::Bold));
    painter.setPen(kInk);
    for (int i = 0; i < int(codes.size()); ++i) {
        char32_t code = codes[i];
        DrawCentred(painter, QString::fromUcs4(&code, 1), left + i * square + square / 2.0,
            top + square / 2.0 - lift);
    }
}

// The pinyin shrinks when it would not fit between the side margins.
void DrawPinyin(QPainter& painter, const QString& pinyin)
{
    QFont font = Font(kPinyinFamily, kPinyinSize, QFont::Normal);
    double width = QFontMetricsF(font).horizontalAdvance(pinyin);
    double room = kCardWidth - 2 * kSideMargin;
    if (width > room)
        font.setPixelSize(std::max(8, int(kPinyinSize * room / width)));
    painter.setFont(font);
    painter.setPen(kPinyinInk);
    DrawCentred(painter, pinyin, kCardWidth / 2.0, kPinyinCentreY);
}

struct TJpegWriter {
    jpeg_compress_struct cinfo {};
    jpeg_error_mgr err {};
    std::jmp_buf jump {};
    int errorCode = 0;
};

void WriterErrorExit(j_common_ptr cinfo)
{
    auto* writer = reinterpret_cast<TJpegWriter*>(cinfo);
    writer->errorCode = cinfo->err->msg_code;
    std::longjmp(writer->jump, 1);
}

// Compresses RGB rows; nothing with a destructor lives in this frame, so longjmp is safe.
// Returns the library's message number, 0 on success.
int Compress(TJpegWriter& writer, const QImage& rgb, int quality, unsigned char** out, unsigned long* size)
{
    writer.cinfo.err = jpeg_std_error(&writer.err);
    writer.err.error_exit = WriterErrorExit;
    if (setjmp(writer.jump)) {
        jpeg_destroy_compress(&writer.cinfo);
        return writer.errorCode == 0 ? -1 : writer.errorCode;
    }
    jpeg_create_compress(&writer.cinfo);
    jpeg_mem_dest(&writer.cinfo, out, size);
    writer.cinfo.image_width = JDIMENSION(rgb.width());
    writer.cinfo.image_height = JDIMENSION(rgb.height());
    writer.cinfo.input_components = 3;
    writer.cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&writer.cinfo);
    jpeg_set_quality(&writer.cinfo, quality, TRUE);
    writer.cinfo.write_JFIF_header = TRUE;
    jpeg_start_compress(&writer.cinfo, TRUE);
    while (writer.cinfo.next_scanline < writer.cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(int(writer.cinfo.next_scanline)));
        jpeg_write_scanlines(&writer.cinfo, &row, 1);
    }
    jpeg_finish_compress(&writer.cinfo);
    jpeg_destroy_compress(&writer.cinfo);
    return 0;
}

} // namespace

QImage RenderWordCard(const std::string& characters, const std::string& pinyin)
{
    QList<uint> codes = QString::fromStdString(characters).toUcs4();
    int count = std::max<int>(1, int(codes.size()));
    int square = std::min(kSquareMax, (kCardWidth - 2 * kSideMargin) / count);
    int left = (kCardWidth - count * square) / 2;
    int top = kSquareTop + (kSquareMax - square) / 2;

    QImage card(kCardWidth, kCardHeight, QImage::Format_RGB32);
    QPainter painter(&card);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    DrawPaper(painter);
    DrawSquares(painter, count, square, left, top);
    DrawCharacters(painter, codes, square, left, top);
    DrawPinyin(painter, QString::fromStdString(pinyin));
    painter.end();
    return card;
}

std::string EncodeJpeg(const QImage& image, int quality)
{
    QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    TJpegWriter writer;
    unsigned char* out = nullptr;
    unsigned long size = 0;
    int error = Compress(writer, rgb, quality, &out, &size);
    std::string bytes;
    if (error == 0)
        bytes.assign(reinterpret_cast<const char*>(out), size);
    std::free(out);
    if (error != 0)
        throw EJPEG("JPEG error #" + std::to_string(error));
    return bytes;
}

void CheckCardFonts()
{
    QStringList families = QFontDatabase::families();
    for (const char* family : {kHanziFamily, kPinyinFamily})
        if (!families.contains(family))
            throw TCardError(std::string("the font ") + family + " is missing (fonts-noto-cjk)");
}
