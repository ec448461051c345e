#include "tools/gallery/GallerySheet.h"

#include "skin/SUIMgr.h"
#include "skin/SUIStyledControl.h"

#include <QMetaEnum>
#include <QPainter>

namespace {

constexpr int kLabelWidth = 190;
constexpr int kColumnWidth = 172;
constexpr int kHeadingHeight = 28;
constexpr int kSectionHeight = 26;
// Room around a cell's content and between cells.
constexpr int kCellPad = kGalleryCellPad;
constexpr int kCellGap = 4;
constexpr int kStripe = 6;
constexpr TColor kSheetColor = 0x404040;
constexpr TColor kSheetTextColor = 0xF0F0F0;
constexpr TColor kStripeColor = 0x3070D0;

QFont SheetFont(bool bold)
{
    QFont font(SubstituteFontFamily("Tahoma"));
    font.setPixelSize(12);
    font.setBold(bold);
    return font;
}

TColor WindowColor(const TGalleryStyle& style)
{
    if (style.theme)
        return style.theme->GetColor(SUI_THEME_FormBackgroundColor);
    return GetBuiltInColor(style.style, SUI_THEME_FormBackgroundColor);
}

} // namespace

std::vector<TGalleryStyle> BuiltInGalleryStyles()
{
    std::vector<TGalleryStyle> styles;
    for (TsuiUIStyle style : { MacOS, WinXP, DeepBlue, Protein, BlueGlass }) {
        const char* name = QMetaEnum::fromType<TsuiUIStyle>().valueToKey(style);
        styles.push_back({ QString::fromLatin1(name), style });
    }
    return styles;
}

TGalleryCell::TGalleryCell(
    QWidget* parent, const TGalleryStyle& style, TGround ground, TFocusStills& focusStills)
    : TControl(parent)
    , m_style(style)
    , m_ground(ground)
    , m_focusStills(focusStills)
{
    SetColor(WindowColor(style));
}

void TGalleryCell::Dress(TsuiStyledControl& control) const
{
    control.SetFileTheme(m_style.theme);
    control.SetUIStyle(m_style.style);
}

void TGalleryCell::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(Color()));
    if (m_ground != TGround::Striped)
        return;
    painter.setPen(QPen(ToQColor(kStripeColor), 2));
    for (int x = -height(); x < width(); x += kStripe)
        painter.drawLine(x, height(), x + height(), 0);
}

TGallerySheet::TGallerySheet(std::vector<TGalleryStyle> styles, QWidget* parent)
    : QWidget(parent)
    , m_styles(std::move(styles))
    , m_bottom(kHeadingHeight)
{
    Relayout();
}

void TGallerySheet::AddSection(const QString& title)
{
    m_rows.push_back({ title, m_bottom, kSectionHeight, true, {} });
    m_bottom += kSectionHeight;
    Relayout();
}

void TGallerySheet::AddRow(
    const QString& label, int height, const TCellFiller& fill, TGalleryCell::TGround ground)
{
    TRow row { label, m_bottom, height + 2 * kCellPad, false, {} };
    for (const TGalleryStyle& style : m_styles) {
        auto* cell = new TGalleryCell(this, style, ground, m_focusStills);
        fill(*cell);
        row.cells.push_back(cell);
    }
    m_bottom += row.height + kCellGap;
    m_rows.push_back(std::move(row));
    Relayout();
}

void TGallerySheet::ShowColumn(int column)
{
    m_shownColumn = column;
    Relayout();
}

QRect TGallerySheet::ColumnRect(int column) const
{
    return QRect(ColumnLeft(column), kHeadingHeight, kColumnWidth - kCellGap,
        m_bottom - kHeadingHeight);
}

QImage TGallerySheet::Render()
{
    QImage image(size(), QImage::Format_RGB32);
    render(&image);
    return image;
}

int TGallerySheet::ColumnLeft(int slot) const { return kLabelWidth + slot * kColumnWidth; }

void TGallerySheet::Relayout()
{
    const int shown = m_shownColumn < 0 ? ColumnCount() : 1;
    for (const TRow& row : m_rows) {
        for (int column = 0; column < int(row.cells.size()); ++column) {
            TGalleryCell* cell = row.cells[column];
            const bool visible = m_shownColumn < 0 || m_shownColumn == column;
            const int slot = m_shownColumn < 0 ? column : 0;
            cell->SetBounds(ColumnLeft(slot), row.top, kColumnWidth - kCellGap, row.height);
            cell->SetVisible(visible);
        }
    }
    setFixedSize(ColumnLeft(shown), m_bottom);
    update();
}

void TGallerySheet::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(kSheetColor));
    painter.setPen(ToQColor(kSheetTextColor));
    painter.setFont(SheetFont(true));
    for (int column = 0; column < ColumnCount(); ++column) {
        if (m_shownColumn >= 0 && m_shownColumn != column)
            continue;
        const int slot = m_shownColumn < 0 ? column : 0;
        painter.drawText(QRect(ColumnLeft(slot), 0, kColumnWidth, kHeadingHeight),
            Qt::AlignLeft | Qt::AlignVCenter, m_styles[column].name);
    }
    for (const TRow& row : m_rows) {
        painter.setFont(SheetFont(row.section));
        painter.drawText(QRect(kCellPad, row.top, kLabelWidth - kCellPad, row.height),
            Qt::AlignLeft | (row.section ? Qt::AlignBottom : Qt::AlignVCenter), row.label);
    }
}
