#include "controls/SUIImagePanel.h"

#include "platform/core/TEvents.h"
#include "platform/graphics/TCanvas.h"
#include "skin/SUIPublic.h"

#include <QMouseEvent>

#include <algorithm>
#include <optional>

namespace {

constexpr int kPanelWidth = 185;
constexpr int kPanelHeight = 41;

// Room for a child layout: never a negative extent, whatever the insets.
QRect Inset(const QRect& rect, int left, int top, int right, int bottom)
{
    const QRect inner = rect.adjusted(left, top, -right, -bottom);
    return QRect(inner.topLeft(), QSize(std::max(0, inner.width()), std::max(0, inner.height())));
}

unsigned AlignmentFlag(TControl::TAlignment alignment)
{
    switch (alignment) {
    case TControl::taLeftJustify:
        return DT_LEFT;
    case TControl::taRightJustify:
        return DT_RIGHT;
    case TControl::taCenter:
        break;
    }
    return DT_CENTER;
}

} // namespace

TsuiCustomPanel::TsuiCustomPanel(QWidget* parent, TThemeLoss themeLoss)
    : TsuiControl(parent, themeLoss)
{
    SetBounds(x(), y(), kPanelWidth, kPanelHeight);
    SetColor(clBtnFace);
    TakeFormStyle();
}

void TsuiCustomPanel::SetPicture(const QImage& picture)
{
    // One pixel format, so the see-through colour compares as the canvas draws it.
    m_picture = picture.isNull() ? QImage() : picture.convertToFormat(QImage::Format_RGB32);
    PictureChanged();
}

void TsuiCustomPanel::SetTransparent(bool transparent)
{
    m_transparent = transparent;
    update();
}

void TsuiCustomPanel::SetAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    ApplyAutoSize();
}

void TsuiCustomPanel::SetDrawStyle(TsuiDrawStyle drawStyle)
{
    m_drawStyle = drawStyle;
    update();
}

void TsuiCustomPanel::SetAlignment(TAlignment alignment)
{
    m_alignment = alignment;
    update();
}

void TsuiCustomPanel::SetBorderWidth(int borderWidth)
{
    m_borderWidth = std::clamp(borderWidth, 0, QWIDGETSIZE_MAX);
    Realign();
}

QRect TsuiCustomPanel::ClientRect() const
{
    return Inset(rect(), m_borderWidth, m_borderWidth, m_borderWidth, m_borderWidth);
}

void TsuiCustomPanel::PictureChanged()
{
    ApplyAutoSize();
    update();
}

void TsuiCustomPanel::ApplyAutoSize()
{
    if (!m_autoSize || m_picture.isNull())
        return;
    const TAlign align = Align();
    const int w = align == alTop || align == alBottom || align == alClient ? width()
                                                                           : m_picture.width();
    const int h = align == alLeft || align == alRight || align == alClient ? height()
                                                                           : m_picture.height();
    SetBounds(x(), y(), w, h);
}

void TsuiCustomPanel::PaintPicture(TCanvas& canvas) const
{
    const TRect client = TRect::FromSize(width(), height());
    // Where a plain picture leaves room, the panel's colour shows.
    PaintBackground(canvas, m_transparent);
    if (m_picture.isNull())
        return;
    std::optional<TColor> key;
    if (m_transparent)
        key = FromPixel(m_picture.pixel(0, m_picture.height() - 1));
    const TRect whole = TRect::FromSize(m_picture.width(), m_picture.height());
    switch (m_drawStyle) {
    case suiStretch:
        canvas.CopyRect(client, m_picture, whole, key);
        break;
    case suiTile:
        TilePicture(canvas, m_picture, client, key);
        break;
    case suiNormal:
        canvas.CopyRect(whole, m_picture, whole, key);
        break;
    }
}

void TsuiCustomPanel::Paint(TCanvas& canvas) const
{
    PaintPicture(canvas);
    if (Caption().trimmed().isEmpty())
        return;
    const QByteArray text = Caption().toUtf8();
    canvas.Brush.Style = TBrushStyle::Clear;
    canvas.DrawText(std::string_view(text.constData(), size_t(text.size())),
        TRect::FromSize(width(), height()),
        DT_SINGLELINE | DT_VCENTER | AlignmentFlag(m_alignment));
}

void TsuiCustomPanel::mousePressEvent(QMouseEvent* event)
{
    TsuiControl::mousePressEvent(event);
    if (OnMouseDown)
        FireEvent([this, event] { OnMouseDown(*event); });
}
