#include "controls/SUIGroupBox.h"

#include "platform/graphics/TCanvas.h"
#include "skin/SUIPublic.h"
#include "skin/SUIThemes.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int kGroupWidth = 185;
constexpr int kGroupHeight = 105;
// Children keep this far from the frame, and below the caption by its height plus this.
constexpr int kChildInset = 3;
constexpr int kBelowCaption = 5;
// The frame's top line leaves a gap for the caption, drawn from here.
constexpr int kCaptionLeft = 5;
constexpr int kGapBefore = 2;
constexpr int kGapAfter = 6;

} // namespace

TsuiCustomGroupBox::TsuiCustomGroupBox(QWidget* parent)
    : TsuiCustomPanel(parent, TThemeLoss::WithChildren)
{
    SetBounds(x(), y(), kGroupWidth, kGroupHeight);
    SetParentColor(true);
    TakeFormStyle();
}

void TsuiCustomGroupBox::SetBorderColor(TColor color)
{
    m_borderColor = color;
    update();
}

void TsuiCustomGroupBox::SetEnabled(bool enabled)
{
    TsuiCustomPanel::SetEnabled(enabled);
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        // Through the property, so a nested group box passes it on as well.
        if (qobject_cast<TControl*>(child))
            child->setProperty("Enabled", enabled);
        else
            child->setEnabled(enabled);
    }
}

int TsuiCustomGroupBox::FontPixelHeight() const
{
    return int(std::min<long long>(std::llabs(Font()->Height()), QWIDGETSIZE_MAX));
}

QRect TsuiCustomGroupBox::ClientRect() const
{
    return InsetRect(TsuiCustomPanel::ClientRect(), kChildInset, FontPixelHeight() + kBelowCaption,
        kChildInset, kChildInset);
}

void TsuiCustomGroupBox::ApplyStyle(const TsuiStyleSource& source)
{
    ApplyStyleToChildren(this, UIStyle(), FileTheme());
    m_borderColor = source.GetColor(SUI_THEME_ControlBorderColor);
    Font()->SetColor(source.GetColor(SUI_THEME_ControlFontColor));
    update();
}

void TsuiCustomGroupBox::FontChanged()
{
    Realign();
    update();
}

void TsuiCustomGroupBox::Paint(TCanvas& canvas) const
{
    const bool enabled = Enabled();
    const QByteArray caption = Caption().toUtf8();
    const std::string_view text(caption.constData(), size_t(caption.size()));

    if (Transparent())
        PaintPicture(canvas);
    else
        PaintBackground(canvas, false);

    const int left = 0;
    const int right = width();
    const int bottom = height();
    const int y = FontPixelHeight() / 2 + 1;
    const TPoint captionGap = text.empty()
        ? TPoint { left, y }
        : TPoint { left + canvas.TextWidth(text) + kGapAfter, y };
    canvas.Pen.Color = m_borderColor;
    canvas.Polyline({ { left + kGapBefore, y }, { left, y }, { left, bottom - 1 },
        { right - 1, bottom - 1 }, { right - 1, y }, captionGap });

    if (!enabled)
        canvas.Font().SetColor(clGray);
    canvas.Brush.Style = TBrushStyle::Clear;
    canvas.TextOut(kCaptionLeft, 0, text);
}
