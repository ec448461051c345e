#pragma once

#include "skin/SUIControl.h"

#include <QImage>

class TsuiImageButton;
class TsuiScrollTrackBar;

// A skinned scroll bar: a decrease arrow, a track whose thumb is built from the style's
// head, body and tail pictures, and an increase arrow. Holding an arrow steps the position
// by SmallChange every 100 ms. Min, Max, Position and PageSize live in the track; OnChange
// fires whenever the track reports a new position.
class TsuiScrollBar : public TsuiControl {
    Q_OBJECT
    Q_PROPERTY(
        SuiStyles::TsuiProgressBarOrientation Orientation READ Orientation WRITE SetOrientation)
    Q_PROPERTY(int Max READ Max WRITE SetMax)
    Q_PROPERTY(int Min READ Min WRITE SetMin)
    Q_PROPERTY(int Position READ Position WRITE SetPosition)
    Q_PROPERTY(int PageSize READ PageSize WRITE SetPageSize)
    Q_PROPERTY(int LargeChange READ LargeChange WRITE SetLargeChange)
    Q_PROPERTY(int SmallChange READ SmallChange WRITE SetSmallChange)
    Q_PROPERTY(int LineButton READ LineButton WRITE SetLineButton)

public:
    explicit TsuiScrollBar(QWidget* parent = nullptr);

    TsuiProgressBarOrientation Orientation() const { return m_orientation; }
    void SetOrientation(TsuiProgressBarOrientation orientation);

    int Max() const;
    void SetMax(int max);
    int Min() const;
    void SetMin(int min);
    int Position() const;
    void SetPosition(int position);
    int PageSize() const;
    // Rebuilds the thumb.
    void SetPageSize(int pageSize);
    // PageSize seen as a 16-bit step: read as its low 16 bits, written as an unsigned
    // 16-bit value, without rebuilding the thumb.
    int LargeChange() const;
    void SetLargeChange(int largeChange);
    int SmallChange() const { return m_smallChange; }
    void SetSmallChange(int smallChange) { m_smallChange = smallChange; }
    // The thumb's length in pixels, at least 18 once the thumb is built; 0 derives it from
    // PageSize. A length the room between the arrows cannot hold is refused.
    int LineButton() const { return m_lineButton; }
    void SetLineButton(int lineButton);
    // The room between the arrows along the bar.
    int FreeLength() const;

    bool ThumbVisible() const;
    void SetThumbVisible(bool visible);

    TsuiScrollTrackBar* Track() const { return m_track; }
    TsuiImageButton* DecreaseButton() const { return m_decrease; }
    TsuiImageButton* IncreaseButton() const { return m_increase; }

    TNotifyEvent OnChange;
    TNotifyEvent* FindEvent(std::string_view name) override;

    QAccessible::Role AccessibleRole() const override { return QAccessible::ScrollBar; }
    std::optional<TAccessibleValue> AccessibleValue() const override;
    void SetAccessibleValue(int value) override { SetPosition(value); }

protected:
    void ApplyStyle(const TsuiStyleSource& source) override;
    void Paint(TCanvas& canvas) const override;
    void ColorChanged() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool Horizontal() const { return m_orientation == suiHorizontal; }
    void LoadPictures();
    void LoadPictures(const TsuiStyleSource& source);
    void Layout();
    void BuildThumb();
    void Step(int direction);

    // Created in this order: the pictures, the track, the increase and the decrease arrow.
    QImage m_head;
    QImage m_body;
    QImage m_tail;
    TsuiScrollTrackBar* m_track;
    TsuiImageButton* m_increase;
    TsuiImageButton* m_decrease;
    TsuiProgressBarOrientation m_orientation = suiHorizontal;
    int m_smallChange = 1;
    int m_lineButton = 0;
    bool m_laying = false;
};
