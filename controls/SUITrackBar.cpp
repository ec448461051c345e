#include "controls/SUITrackBar.h"

#include "controls/SUIImagePanel.h"
#include "platform/core/TEvents.h"
#include "platform/graphics/TCanvas.h"
#include "skin/SUIPublic.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace {

constexpr int kDefaultWidth = 185;
constexpr int kDefaultHeight = 41;
// Paging repeats every 100 ms while the button is held.
constexpr int kRepeatInterval = 100;
// A held press pages three times as far on a horizontal bar.
constexpr long long kHorizontalRepeatPages = 3;
constexpr int kTickLength = 3;

} // namespace

// ---- Geometry ----------------------------------------------------------------------------

namespace TrackBarGeometry {

int KnobOffset(const TTrack& track, int position)
{
    const long long range = static_cast<long long>(track.max) - track.min;
    if (range == 0)
        return 0;
    const long long span = static_cast<long long>(track.length) - track.knobLength;
    return static_cast<int>(span * (static_cast<long long>(position) - track.min) / range);
}

int ValueForPixel(const TTrack& track, int pixel)
{
    const long long span = static_cast<long long>(track.length) - track.knobLength;
    if (span == 0)
        return 0;
    const double offset = static_cast<double>(static_cast<long long>(pixel) - track.knobLength / 2);
    const double range = static_cast<double>(static_cast<long long>(track.max) - track.min);
    // nearbyint rounds in the default mode: to nearest, halves to the even neighbour.
    const double value = track.min + std::nearbyint(offset * range / static_cast<double>(span));
    return static_cast<int>(std::clamp(value, double(INT_MIN), double(INT_MAX)));
}

std::vector<int> TickOffsets(const TTrack& track, int frequency)
{
    std::vector<int> offsets;
    const long long range = static_cast<long long>(track.max) - track.min;
    if (range <= 0)
        return offsets;
    const long long span = static_cast<long long>(track.length) - track.knobLength;
    const long long magnitude = std::llabs(span);
    const long long step = frequency >= 1 ? frequency : range;
    const int centre = track.knobLength / 2;
    auto place = [&](long long value) { return static_cast<int>(span * value / range) + centre; };
    for (long long value = 0; value < range;) {
        offsets.push_back(place(value));
        if (magnitude == 0)
            break;
        // The first value past this pixel, rounded up to the next tick.
        const long long pixel = magnitude * value / range;
        const long long nextPixel = ((pixel + 1) * range + magnitude - 1) / magnitude;
        value = std::max(value + step, (nextPixel + step - 1) / step * step);
    }
    if (offsets.back() != place(range))
        offsets.push_back(place(range));
    return offsets;
}

} // namespace TrackBarGeometry

using namespace TrackBarGeometry;

// ---- TsuiTrackBar ------------------------------------------------------------------------

TsuiTrackBar::TsuiTrackBar(QWidget* parent)
    : TsuiTrackBar(parent, TPictures::FromStyle)
{
}

TsuiTrackBar::TsuiTrackBar(QWidget* parent, TPictures pictures)
    : TsuiControl(parent)
    , m_pictures(pictures)
    , m_knob(new TsuiImagePanel(this))
{
    SetBounds(x(), y(), kDefaultWidth, kDefaultHeight);
    SetTabStop(true);
    m_knob->OnMouseDown = [this](QMouseEvent&) { StartDrag(); };
    Press().SetRepeatOnPress(true);
    Press().SetRepeatInterval(kRepeatInterval);
    Press().OnRepeat = [this] { RepeatPage(); };
    TakeFormStyle();
}

void TsuiTrackBar::SetOrientation(TsuiProgressBarOrientation orientation)
{
    if (orientation == m_orientation)
        return;
    m_orientation = orientation;
    RefreshSkin();
}

void TsuiTrackBar::SetBarImage(const QImage& image)
{
    m_barImage = image;
    RefreshSkin();
}

QImage TsuiTrackBar::SliderImage() const
{
    return m_knob->Picture();
}

void TsuiTrackBar::SetSliderImage(const QImage& image)
{
    m_knob->SetPicture(image);
    update();
}

void TsuiTrackBar::SetMin(int min)
{
    if (min == m_min)
        return;
    m_min = std::min(min, m_max);
    m_position = std::max(m_position, m_min);
    UpdateSlider();
}

void TsuiTrackBar::SetMax(int max)
{
    if (max == m_max)
        return;
    m_max = std::max(max, m_min);
    m_position = std::min(m_position, m_max);
    UpdateSlider();
}

void TsuiTrackBar::SetPosition(int position)
{
    m_position = std::clamp(position, m_min, m_max);
    UpdateSlider();
}

void TsuiTrackBar::SetPageSize(int pageSize)
{
    if (pageSize >= 0 && pageSize <= m_max)
        m_pageSize = pageSize;
}

void TsuiTrackBar::SetLineSize(int lineSize)
{
    if (lineSize >= 0 && lineSize <= m_max)
        m_lineSize = lineSize;
}

void TsuiTrackBar::SetFrequency(int frequency)
{
    m_frequency = frequency;
    update();
}

void TsuiTrackBar::SetShowTick(bool showTick)
{
    m_showTick = showTick;
    update();
}

void TsuiTrackBar::SetTransparent(bool transparent)
{
    m_transparent = transparent;
    update();
}

void TsuiTrackBar::UpdateSlider()
{
    const QPoint place = KnobPlace(m_position);
    SetControlPos(m_knob, { place.x(), place.y() });
    update();
    if (m_position == m_reportedPosition)
        return;
    m_reportedPosition = m_position;
    NotifyAccessibleValue();
    FireEvent(OnChange);
}

TNotifyEvent* TsuiTrackBar::FindEvent(std::string_view name)
{
    return name == "OnChange" ? &OnChange : TsuiControl::FindEvent(name);
}

std::optional<TsuiControl::TAccessibleValue> TsuiTrackBar::AccessibleValue() const
{
    return TAccessibleValue { m_position, m_min, m_max, m_lineSize };
}

void TsuiTrackBar::ApplyStyle(const TsuiStyleSource& source)
{
    RefreshSkin(source);
    // The MacOS bar sits on its parent's background; other styles leave the choice alone.
    if (UIStyle() == MacOS)
        SetTransparent(true);
}

void TsuiTrackBar::RefreshSkin()
{
    TsuiUIStyle effective = UIStyle();
    const bool fromFile = UseFileTheme(FileTheme(), UIStyle(), effective);
    RefreshSkin(TsuiStyleSource(fromFile ? FileTheme() : nullptr, effective));
}

void TsuiTrackBar::RefreshSkin(const TsuiStyleSource& source)
{
    LoadSkin(source);
    FitSize();
    UpdateSlider();
}

void TsuiTrackBar::LoadSkin(const TsuiStyleSource& source)
{
    if (m_pictures == TPictures::Custom)
        return;
    source.GetBitmap(SUI_THEME_TrackBarBarImage, &m_barImage);
    QImage slider = m_knob->Picture();
    source.GetBitmap(
        Horizontal() ? SUI_THEME_TrackBarSliderImage : SUI_THEME_TrackBarSliderVImage, &slider);
    m_knob->SetPicture(slider);
    PrepareBar();
    // Only the horizontal knob lets the bar show around it.
    m_knob->SetTransparent(Horizontal());
    m_knob->SetAutoSize(true);
}

void TsuiTrackBar::PrepareBar()
{
    const int length = Horizontal() ? width() : height();
    if (length <= 0 || m_barImage.isNull()) {
        m_bar = QImage();
        return;
    }
    m_bar = QImage(length, m_barImage.height(), QImage::Format_RGB32);
    m_bar.fill(ToPixel(Color()));
    {
        TCanvas canvas(m_bar);
        DrawThreePart(m_barImage, canvas, TRect::FromSize(length, m_barImage.height()), false);
    }
    if (!Horizontal())
        RotateBitmapLeft(m_bar);
}

void TsuiTrackBar::FitSize()
{
    if (Horizontal())
        SetHeight(std::max(m_barImage.height(), m_knob->height()));
    else
        SetWidth(std::max(m_barImage.height(), m_knob->width()));
    update();
}

TTrack TsuiTrackBar::Track() const
{
    if (Horizontal())
        return { width(), m_knob->width(), m_min, m_max };
    return { height(), m_knob->height(), m_min, m_max };
}

int TsuiTrackBar::KnobEdge() const
{
    return Horizontal() ? m_knob->x() : m_knob->y();
}

QPoint TsuiTrackBar::KnobPlace(int position) const
{
    const int along = KnobOffset(Track(), position);
    if (Horizontal())
        return { along, std::max(height() - m_knob->height(), 0) / 2 };
    return { std::max(width() - m_knob->width(), 0) / 2, along };
}

void TsuiTrackBar::Paint(TCanvas& canvas) const
{
    const bool focused = hasFocus() && TabStop();
    const int w = width();
    const int h = height();

    PaintBackground(canvas, m_transparent);
    if (!m_bar.isNull()) {
        const int thickness = m_barImage.height();
        if (Horizontal())
            canvas.Draw(0, (h - thickness) / 2, m_bar);
        else
            canvas.Draw((w - thickness) / 2, 0, m_bar);
    }
    if (focused) {
        canvas.Brush.Style = TBrushStyle::Solid;
        canvas.DrawFocusRect(TRect::FromSize(w, h));
    }
    if (!m_showTick)
        return;
    canvas.Pen = TPen { clBlack, TPenStyle::Solid };
    for (int at : TickOffsets(Track(), m_frequency)) {
        if (Horizontal()) {
            canvas.MoveTo(at, h - kTickLength);
            canvas.LineTo(at, h);
        } else {
            canvas.MoveTo(0, at);
            canvas.LineTo(kTickLength, at);
            canvas.MoveTo(w - kTickLength, at);
            canvas.LineTo(w, at);
        }
    }
}

void TsuiTrackBar::ColorChanged()
{
    // The caps' see-through corners show the colour the bar was prepared with.
    if (!m_bar.isNull())
        PrepareBar();
    update();
}

void TsuiTrackBar::resizeEvent(QResizeEvent* event)
{
    TsuiControl::resizeEvent(event);
    RefreshSkin();
}

void TsuiTrackBar::focusInEvent(QFocusEvent* event)
{
    TsuiControl::focusInEvent(event);
    update();
}

void TsuiTrackBar::focusOutEvent(QFocusEvent* event)
{
    TsuiControl::focusOutEvent(event);
    update();
}

void TsuiTrackBar::mousePressEvent(QMouseEvent* event)
{
    // The press behaviour starts the paging repeat for the left button.
    TsuiControl::mousePressEvent(event);
    m_pointer = event->position().toPoint();
    if (event->button() != Qt::LeftButton)
        return;
    PageToward(m_pointer, m_pageSize);
    if (TabStop() && isEnabled())
        setFocus(Qt::MouseFocusReason);
}

void TsuiTrackBar::mouseMoveEvent(QMouseEvent* event)
{
    TsuiControl::mouseMoveEvent(event);
    m_pointer = event->position().toPoint();
    if (m_dragging) {
        Drag(m_pointer);
        return;
    }
    const bool outside = m_pointer.x() < 0 || m_pointer.x() > width() || m_pointer.y() < 0
        || m_pointer.y() > height();
    if (outside)
        Press().StopRepeat();
}

void TsuiTrackBar::mouseReleaseEvent(QMouseEvent* event)
{
    // Before the base: a click handler it calls may close the window.
    StopTracking();
    TsuiControl::mouseReleaseEvent(event);
}

void TsuiTrackBar::keyPressEvent(QKeyEvent* event)
{
    TsuiControl::keyPressEvent(event);
    const long long position = m_position;
    long long target = position;
    switch (event->key()) {
    case Qt::Key_PageUp:
        target = position - m_pageSize;
        break;
    case Qt::Key_PageDown:
        target = position + m_pageSize;
        break;
    case Qt::Key_End:
        target = m_max;
        break;
    case Qt::Key_Home:
        target = m_min;
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
        target = position - m_lineSize;
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        target = position + m_lineSize;
        break;
    default:
        return;
    }
    event->accept();
    SetPositionClamped(target);
}

void TsuiTrackBar::PageToward(QPoint pointer, long long step)
{
    const int at = Along(pointer);
    const int edge = KnobEdge();
    if (at == edge)
        return;
    const long long value = ValueForPixel(Track(), at);
    if (at > edge)
        SetPositionClamped(std::min(m_position + step, value));
    else
        SetPositionClamped(std::max(m_position - step, value));
}

void TsuiTrackBar::RepeatPage()
{
    PageToward(m_pointer, Horizontal() ? kHorizontalRepeatPages * m_pageSize : m_pageSize);
}

void TsuiTrackBar::StartDrag()
{
    m_dragging = true;
    if (TabStop() && isEnabled())
        setFocus(Qt::MouseFocusReason);
    // Every move and the release come here, wherever the pointer goes.
    grabMouse();
}

void TsuiTrackBar::Drag(QPoint pointer)
{
    m_position = std::clamp(ValueForPixel(Track(), Along(pointer)), m_min, m_max);
    const QPoint place = KnobPlace(m_position);
    SetControlPos(m_knob, { place.x(), place.y() });
    if (m_position == m_reportedPosition)
        return;
    NotifyAccessibleValue();
    FireEvent(OnChange);
    m_reportedPosition = m_position;
}

void TsuiTrackBar::StopTracking()
{
    Press().StopRepeat();
    m_dragging = false;
    if (mouseGrabber() == this)
        releaseMouse();
}

void TsuiTrackBar::SetPositionClamped(long long position)
{
    SetPosition(static_cast<int>(std::clamp<long long>(position, m_min, m_max)));
}

// ---- TsuiScrollTrackBar ------------------------------------------------------------------

TsuiScrollTrackBar::TsuiScrollTrackBar(QWidget* parent)
    : TsuiTrackBar(parent, TPictures::Custom)
{
}

bool TsuiScrollTrackBar::SliderVisible() const
{
    return Knob()->Visible();
}

void TsuiScrollTrackBar::SetSliderVisible(bool visible)
{
    if (visible != Knob()->Visible())
        Knob()->SetVisible(visible);
}

void TsuiScrollTrackBar::AutoSizeSlider()
{
    Knob()->SetAutoSize(true);
}
