#include "controls/SUIScrollBar.h"

#include "controls/SUIButton.h"
#include "controls/SUITrackBar.h"
#include "platform/graphics/TCanvas.h"
#include "skin/SUIPublic.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr int kDefaultLength = 185;
// Arrows step every 100 ms while held.
constexpr int kStepInterval = 100;
// The track's range before anything sets it.
constexpr int kTrackMax = 100;
// A thumb shorter than this cannot be grabbed; LineButton is raised to it.
constexpr int kMinThumbLength = 18;
// Page sizes outside 10..100 give a thumb of a tenth of the track.
constexpr int kMinThumbPercent = 10;
constexpr int kMaxThumbPercent = 100;
constexpr int kFallbackThumbPercent = 10;
// The thumb's head, body and tail; the arrows' three looks each, decrease then increase.
constexpr int kThumbFrames = 3;
constexpr int kArrowFrames = 6;

} // namespace

TsuiScrollBar::TsuiScrollBar(QWidget* parent)
    : TsuiControl(parent)
    , m_track(new TsuiScrollTrackBar(this))
    , m_increase(new TsuiImageButton(this))
    , m_decrease(new TsuiImageButton(this))
{
    m_track->SetShowTick(false);
    m_track->SetTabStop(false);
    m_track->SetTransparent(false);
    m_track->SetMax(kTrackMax);
    m_track->OnChange = [this] {
        NotifyAccessibleValue();
        FireEvent(OnChange);
    };
    for (TsuiImageButton* arrow : { m_decrease, m_increase }) {
        arrow->SetTabStop(false);
        arrow->SetMouseContinuouslyDownInterval(kStepInterval);
    }
    m_decrease->OnMouseContinuouslyDown = [this] { Step(-1); };
    m_increase->OnMouseContinuouslyDown = [this] { Step(+1); };
    SetBounds(0, 0, kDefaultLength, kDefaultLength);
    TakeFormStyle();
}

void TsuiScrollBar::SetOrientation(TsuiProgressBarOrientation orientation)
{
    if (orientation == m_orientation)
        return;
    m_orientation = orientation;
    LoadPictures();
    Layout();
}

int TsuiScrollBar::Max() const
{
    return m_track->Max();
}

void TsuiScrollBar::SetMax(int max)
{
    m_track->SetMax(max);
}

int TsuiScrollBar::Min() const
{
    return m_track->Min();
}

void TsuiScrollBar::SetMin(int min)
{
    m_track->SetMin(min);
}

int TsuiScrollBar::Position() const
{
    return m_track->Position();
}

void TsuiScrollBar::SetPosition(int position)
{
    if (position != m_track->Position())
        m_track->SetPosition(position);
}

int TsuiScrollBar::PageSize() const
{
    return m_track->PageSize();
}

void TsuiScrollBar::SetPageSize(int pageSize)
{
    m_track->SetPageSize(pageSize);
    BuildThumb();
}

int TsuiScrollBar::LargeChange() const
{
    return static_cast<int16_t>(static_cast<uint16_t>(m_track->PageSize()));
}

void TsuiScrollBar::SetLargeChange(int largeChange)
{
    m_track->SetPageSize(static_cast<uint16_t>(largeChange));
}

void TsuiScrollBar::SetLineButton(int lineButton)
{
    if (lineButton == m_lineButton || lineButton > FreeLength())
        return;
    m_lineButton = lineButton;
    BuildThumb();
}

int TsuiScrollBar::FreeLength() const
{
    if (Horizontal())
        return width() - m_decrease->width() - m_increase->width();
    return height() - m_decrease->height() - m_increase->height();
}

bool TsuiScrollBar::ThumbVisible() const
{
    return m_track->SliderVisible();
}

void TsuiScrollBar::SetThumbVisible(bool visible)
{
    m_track->SetSliderVisible(visible);
}

TNotifyEvent* TsuiScrollBar::FindEvent(std::string_view name)
{
    return name == "OnChange" ? &OnChange : TsuiControl::FindEvent(name);
}

std::optional<TsuiControl::TAccessibleValue> TsuiScrollBar::AccessibleValue() const
{
    return TAccessibleValue { Position(), Min(), Max(), m_smallChange };
}

void TsuiScrollBar::ApplyStyle(const TsuiStyleSource& source)
{
    m_track->SetColor(Color());
    LoadPictures(source);
    Layout();
}

void TsuiScrollBar::LoadPictures()
{
    TsuiUIStyle effective = UIStyle();
    const bool fromFile = UseFileTheme(FileTheme(), UIStyle(), effective);
    LoadPictures(TsuiStyleSource(fromFile ? FileTheme() : nullptr, effective));
}

void TsuiScrollBar::LoadPictures(const TsuiStyleSource& source)
{
    m_track->SetBarImage(QImage());
    SetColor(source.GetColor(SUI_THEME_ScrollBarBackgroundColor));

    QImage* thumb[kThumbFrames] = { &m_head, &m_body, &m_tail };
    for (int i = 0; i < kThumbFrames; ++i) {
        *thumb[i] = QImage();
        source.GetBitmapFrame(SUI_THEME_ScrollBarSliderImage, thumb[i], i + 1, kThumbFrames);
        // The thumb is drawn lying down.
        if (!Horizontal())
            RotateBitmapRight(*thumb[i]);
    }

    // The arrows are drawn standing up: up, then down.
    QImage arrows[kArrowFrames];
    for (int i = 0; i < kArrowFrames; ++i) {
        source.GetBitmapFrame(SUI_THEME_ScrollBarButtonImage, &arrows[i], i + 1, kArrowFrames);
        if (Horizontal())
            RotateBitmapLeft(arrows[i]);
    }
    m_decrease->SetPicNormal(arrows[0]);
    m_decrease->SetPicMouseOn(arrows[1]);
    m_decrease->SetPicMouseDown(arrows[2]);
    m_increase->SetPicNormal(arrows[3]);
    m_increase->SetPicMouseOn(arrows[4]);
    m_increase->SetPicMouseDown(arrows[5]);
    m_decrease->SetAutoSize(true);
    m_increase->SetAutoSize(true);
    update();
}

void TsuiScrollBar::Layout()
{
    // Sizing the bar itself comes back here through the resize.
    if (m_laying)
        return;
    m_laying = true;
    m_track->SetOrientation(m_orientation);
    const int w = width();
    const int h = height();
    const QSize decrease = m_decrease->size();
    const QSize increase = m_increase->size();
    TRect track;
    if (Horizontal()) {
        SetControlPos(m_decrease, { 0, 0 });
        track = TRect::FromSize(w - increase.width() - decrease.width(), m_head.height())
                    .Offset(decrease.width(), 0);
        SetControlPos(m_increase, { w - increase.width(), 0 });
        SetHeight(decrease.height());
    } else {
        SetControlPos(m_decrease, { 0, 0 });
        // One pixel of the bar shows between the track and the increase arrow.
        track = TRect::FromSize(m_head.width(), h - increase.height() - decrease.height() - 1)
                    .Offset(0, decrease.height());
        SetControlPos(m_increase, { 0, h - increase.height() });
        SetWidth(decrease.width());
    }
    m_track->SetBounds(track.Left, track.Top, track.Width(), track.Height());
    BuildThumb();
    // The track fits its cross size to the knob as it is resized, so it is placed again
    // once the knob has the new thumb.
    m_track->SetBounds(track.Left, track.Top, track.Width(), track.Height());
    m_laying = false;
}

void TsuiScrollBar::BuildThumb()
{
    const int trackLength = Horizontal() ? m_track->width() : m_track->height();
    const int cross = Horizontal() ? m_head.height() : m_head.width();
    int length;
    if (m_lineButton > 0) {
        m_lineButton = std::max(m_lineButton, kMinThumbLength);
        length = m_lineButton;
    } else {
        int percent = PageSize();
        if (percent < kMinThumbPercent || percent > kMaxThumbPercent)
            percent = kFallbackThumbPercent;
        length = percent * trackLength / 100;
    }
    QImage thumb;
    if (length > 0 && cross > 0) {
        const bool horizontal = Horizontal();
        auto along = [horizontal](const QImage& piece) {
            return horizontal ? piece.width() : piece.height();
        };
        // A rectangle from `from` to `to` along the bar, across its whole thickness.
        auto span = [horizontal, cross](int from, int to) {
            return horizontal ? TRect { from, 0, to, cross } : TRect { 0, from, cross, to };
        };
        const int tailStart = length - along(m_tail);
        thumb = horizontal ? QImage(length, cross, QImage::Format_RGB32)
                           : QImage(cross, length, QImage::Format_RGB32);
        thumb.fill(ToPixel(Color()));
        TCanvas canvas(thumb);
        canvas.Draw(0, 0, m_head);
        const TRect tail = span(tailStart, length);
        canvas.Draw(tail.Left, tail.Top, m_tail);
        if (tailStart > along(m_head))
            canvas.StretchDraw(span(along(m_head), tailStart), m_body);
    }
    m_track->SetSliderImage(thumb);
    m_track->AutoSizeSlider();
    m_track->UpdateSlider();
}

void TsuiScrollBar::Step(int direction)
{
    const long long target = static_cast<long long>(Position()) + direction * m_smallChange;
    m_track->SetPosition(static_cast<int>(std::clamp<long long>(target, Min(), Max())));
}

void TsuiScrollBar::Paint(TCanvas& canvas) const
{
    PaintBackground(canvas, false);
}

void TsuiScrollBar::ColorChanged()
{
    m_track->SetColor(Color());
    update();
}

void TsuiScrollBar::resizeEvent(QResizeEvent* event)
{
    TsuiControl::resizeEvent(event);
    Layout();
}
