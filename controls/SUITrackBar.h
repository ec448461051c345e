#pragma once

#include "skin/SUIControl.h"

#include <QImage>
#include <QPoint>

#include <vector>

class TsuiImagePanel;

// Where the knob and the ticks sit along a track and which value a pixel stands for. The
// track is `length` pixels long, its knob `knobLength`; values run from `min` to `max`.
// Lengths are widget extents (below 2^24), so the 64-bit products cannot overflow whatever
// min and max are; divisions round toward zero after the product is formed.
namespace TrackBarGeometry {

struct TTrack {
    int length;
    int knobLength;
    int min;
    int max;
};

// Offset of the knob's leading edge for a position within min..max; 0 when min == max.
int KnobOffset(const TTrack& track, int position);

// The value under `pixel`, rounded half to even; 0 when the knob fills the track. Saturated
// to the 32-bit range: the caller clamps it into min..max.
int ValueForPixel(const TTrack& track, int pixel);

// Offsets of the tick lines for min, every `frequency`-th value after it and max (min and
// max alone for a frequency below 1), in order, each pixel once; none when min == max. The
// walk skips values that land on a pixel already taken, so a huge range costs no more
// than the track's length.
std::vector<int> TickOffsets(const TTrack& track, int frequency);

} // namespace TrackBarGeometry

// A skinned slider: the style's bar bitmap, optional ticks and a knob (a picture panel
// child) that is dragged, paged with presses beside it (repeating while held) or moved with
// the keys. OnChange fires whenever the position last reported changes.
class TsuiTrackBar : public TsuiControl {
    Q_OBJECT
    Q_PROPERTY(
        SuiStyles::TsuiProgressBarOrientation Orientation READ Orientation WRITE SetOrientation)
    Q_PROPERTY(QImage BarImage READ BarImage WRITE SetBarImage)
    Q_PROPERTY(QImage SliderImage READ SliderImage WRITE SetSliderImage)
    Q_PROPERTY(int Max READ Max WRITE SetMax)
    Q_PROPERTY(int Min READ Min WRITE SetMin)
    Q_PROPERTY(int Position READ Position WRITE SetPosition)
    Q_PROPERTY(int PageSize READ PageSize WRITE SetPageSize)
    Q_PROPERTY(int LineSize READ LineSize WRITE SetLineSize)
    Q_PROPERTY(bool ShowTick READ ShowTick WRITE SetShowTick)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(int Frequency READ Frequency WRITE SetFrequency)

public:
    explicit TsuiTrackBar(QWidget* parent = nullptr);

    TsuiProgressBarOrientation Orientation() const { return m_orientation; }
    void SetOrientation(TsuiProgressBarOrientation orientation);
    // The raw bar of three frames: left cap, middle, right cap.
    const QImage& BarImage() const { return m_barImage; }
    void SetBarImage(const QImage& image);
    // The knob's picture.
    QImage SliderImage() const;
    void SetSliderImage(const QImage& image);

    int Min() const { return m_min; }
    // Not above Max; Position follows.
    void SetMin(int min);
    int Max() const { return m_max; }
    // Not below Min; Position follows.
    void SetMax(int max);
    int Position() const { return m_position; }
    // Clamped to Min..Max; moves the knob even when the value is the same.
    void SetPosition(int position);
    // Both take only 0..Max and leave the old value otherwise.
    int PageSize() const { return m_pageSize; }
    void SetPageSize(int pageSize);
    int LineSize() const { return m_lineSize; }
    void SetLineSize(int lineSize);
    // Tick spacing in position units; below 1 only Min and Max get a tick.
    int Frequency() const { return m_frequency; }
    void SetFrequency(int frequency);
    bool ShowTick() const { return m_showTick; }
    void SetShowTick(bool showTick);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool transparent);

    // Places the knob for Position, repaints, and fires OnChange when Position is not the
    // one last reported.
    void UpdateSlider();

    TNotifyEvent OnChange;
    TNotifyEvent* FindEvent(std::string_view name) override;

    QAccessible::Role AccessibleRole() const override { return QAccessible::Slider; }
    std::optional<TAccessibleValue> AccessibleValue() const override;
    void SetAccessibleValue(int value) override { SetPosition(value); }

protected:
    // Where the pictures come from: the style at every refresh, or the bar's owner.
    enum class TPictures { FromStyle, Custom };
    TsuiTrackBar(QWidget* parent, TPictures pictures);

    TsuiImagePanel* Knob() const { return m_knob; }

    void ApplyStyle(const TsuiStyleSource& source) override;
    void Paint(TCanvas& canvas) const override;
    void ColorChanged() override;

    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void RefreshSkin();
    void RefreshSkin(const TsuiStyleSource& source);
    void LoadSkin(const TsuiStyleSource& source);
    void PrepareBar();
    void FitSize();

    bool Horizontal() const { return m_orientation == suiHorizontal; }
    TrackBarGeometry::TTrack Track() const;
    // The coordinate along the track.
    int Along(QPoint point) const { return Horizontal() ? point.x() : point.y(); }
    int KnobEdge() const;
    QPoint KnobPlace(int position) const;

    // A page of `step` toward the pointer, never past the value under it.
    void PageToward(QPoint pointer, long long step);
    void RepeatPage();
    void StartDrag();
    void Drag(QPoint pointer);
    void StopTracking();
    void SetPositionClamped(long long position);

    const TPictures m_pictures;
    TsuiImagePanel* m_knob;
    QImage m_barImage;
    // The bar at the control's length, prepared at each refresh.
    QImage m_bar;
    int m_min = 0;
    int m_max = 10;
    int m_position = 0;
    int m_reportedPosition = 0;
    TsuiProgressBarOrientation m_orientation = suiHorizontal;
    bool m_showTick = true;
    bool m_transparent = false;
    bool m_dragging = false;
    int m_frequency = 1;
    int m_pageSize = 2;
    int m_lineSize = 1;
    // Where the pointer was last seen while a button is held: the bar holds the grab then.
    QPoint m_pointer;
};

// The track of a skinned scroll bar: the same slider with pictures given by its owner.
class TsuiScrollTrackBar : public TsuiTrackBar {
    Q_OBJECT
    Q_PROPERTY(bool SliderVisible READ SliderVisible WRITE SetSliderVisible)

public:
    explicit TsuiScrollTrackBar(QWidget* parent = nullptr);

    bool SliderVisible() const;
    void SetSliderVisible(bool visible);
    // From now on the knob takes the size of every picture it is given.
    void AutoSizeSlider();
};
