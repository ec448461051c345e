#include "tools/artwork/ArtKit.h"
#include "tools/artwork/Sheets.h"

#include <QFont>
#include <QFontMetrics>

#include <algorithm>

namespace art {

namespace {

constexpr int kScale = 3;
constexpr int kSheetWidth = 1800;
constexpr int kMargin = 20;
constexpr int kFrameGap = 5;
constexpr int kCellGap = 22;
constexpr int kThinPreview = 60; // 1-pixel-wide bars are also shown stretched to this
const QColor kSheet(108, 112, 118);
const QColor kLabel(255, 255, 255);
const QColor kDetail(214, 218, 224);
const QColor kTick(255, 204, 0);

QFont SheetFont(int pixels, bool bold)
{
    QFont font("DejaVu Sans");
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

QImage Scaled(const QImage& image, int w, int h)
{
    return image.scaled(w, h, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

// One bitmap with its name: frames apart, each underlined, numbered when there are several.
struct TCell {
    const TArtwork* art = nullptr;
    int width = 0;
    int height = 0;
    int imageWidth = 0;
    bool thin = false;
    bool tile = false;
};

const QFont& NameFont()
{
    static const QFont font = SheetFont(13, true);
    return font;
}
const QFont& DetailFont()
{
    static const QFont font = SheetFont(11, false);
    return font;
}

TCell Measure(const TArtwork& a)
{
    TCell cell;
    cell.art = &a;
    const int fw = a.image.width() / a.frames;
    cell.imageWidth = a.frames * fw * kScale + (a.frames - 1) * kFrameGap;
    cell.thin = a.image.width() <= 2;
    cell.tile = a.image.width() == 8 && a.image.height() == 8;
    int content = cell.imageWidth;
    if (cell.thin || cell.tile)
        content += kFrameGap * 3 + (cell.tile ? 4 * 8 * kScale : kThinPreview);
    const QString detail = QString("%1x%2, %3 frame%4, %5")
                               .arg(a.image.width())
                               .arg(a.image.height())
                               .arg(a.frames)
                               .arg(a.frames == 1 ? "" : "s")
                               .arg(KeyRuleText(a.key));
    const int labelWidth = std::max({ QFontMetrics(NameFont()).horizontalAdvance(a.name),
        QFontMetrics(DetailFont()).horizontalAdvance(detail),
        QFontMetrics(DetailFont()).horizontalAdvance(a.note) });
    cell.width = std::max(content, labelWidth);
    cell.height = 16 + 14 + 14 + 6 + a.image.height() * (cell.tile ? 4 : 1) * kScale + 16;
    return cell;
}

void PaintCell(QPainter& p, const TCell& cell, int x, int y)
{
    const TArtwork& a = *cell.art;
    p.setPen(kLabel);
    p.setFont(NameFont());
    p.drawText(QPoint(x, y + 13), a.name);
    p.setPen(kDetail);
    p.setFont(DetailFont());
    p.drawText(QPoint(x, y + 28),
        QString("%1x%2, %3 frame%4, %5")
            .arg(a.image.width())
            .arg(a.image.height())
            .arg(a.frames)
            .arg(a.frames == 1 ? "" : "s")
            .arg(KeyRuleText(a.key)));
    p.drawText(QPoint(x, y + 42), a.note);

    const int top = y + 50;
    const int fw = a.image.width() / a.frames;
    const int h = a.image.height() * kScale;
    int fx = x;
    for (int f = 0; f < a.frames; ++f) {
        const QImage frame = a.image.copy(f * fw, 0, fw, a.image.height());
        p.drawImage(fx, top, Scaled(frame, fw * kScale, h));
        p.fillRect(QRect(fx, top + h + 2, fw * kScale, 2), kTick);
        if (a.frames > 1) {
            p.setPen(kDetail);
            p.drawText(QRect(fx, top + h + 4, fw * kScale, 12), Qt::AlignHCenter | Qt::AlignTop,
                QString::number(f + 1));
        }
        fx += fw * kScale + kFrameGap;
    }
    if (cell.thin) {
        const int px = x + cell.imageWidth + kFrameGap * 3;
        p.drawImage(px, top, Scaled(a.image, kThinPreview, h));
        p.setPen(kDetail);
        p.drawText(QPoint(px, top + h + 12), "stretched");
    }
    if (cell.tile) {
        const int px = x + cell.imageWidth + kFrameGap * 3;
        const QImage big = Scaled(a.image, 8 * kScale, 8 * kScale);
        for (int ty = 0; ty < 4; ++ty)
            for (int tx = 0; tx < 4; ++tx)
                p.drawImage(px + tx * 8 * kScale, top + ty * 8 * kScale, big);
    }
}

} // namespace

QImage RenderContactSheet(const std::vector<TArtwork>& artworks)
{
    std::vector<QString> groups;
    for (const TArtwork& a : artworks)
        if (std::find(groups.begin(), groups.end(), a.group) == groups.end())
            groups.push_back(a.group);

    // Lay out first, so the sheet is exactly as tall as it needs to be.
    struct TPlaced {
        TCell cell;
        int x, y;
    };
    struct THeader {
        QString text;
        int y;
    };
    std::vector<TPlaced> placed;
    std::vector<THeader> headers;
    int y = kMargin;
    for (const QString& group : groups) {
        headers.push_back({ group, y });
        y += 40;
        int x = kMargin;
        int rowHeight = 0;
        for (const TArtwork& a : artworks) {
            if (a.group != group)
                continue;
            const TCell cell = Measure(a);
            if (x > kMargin && x + cell.width > kSheetWidth - kMargin) {
                x = kMargin;
                y += rowHeight + kCellGap;
                rowHeight = 0;
            }
            placed.push_back({ cell, x, y });
            x += cell.width + kCellGap;
            rowHeight = std::max(rowHeight, cell.height);
        }
        y += rowHeight + kCellGap + 10;
    }

    QImage sheet(kSheetWidth, y + kMargin, QImage::Format_RGB32);
    sheet.fill(kSheet);
    QPainter p(&sheet);
    for (const THeader& header : headers) {
        p.fillRect(QRect(0, header.y, kSheetWidth, 30), Darker(kSheet, 0.35));
        p.setPen(kLabel);
        p.setFont(SheetFont(20, true));
        p.drawText(QPoint(kMargin, header.y + 23), header.text);
    }
    for (const TPlaced& item : placed)
        PaintCell(p, item.cell, item.x, item.y);
    p.end();
    return sheet;
}

} // namespace art
