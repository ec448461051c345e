#pragma once

#include "platform/forms/TControl.h"

// Stand-in for the skinned track bar: a horizontal slider. Pressing or dragging puts the
// knob under the pointer; arrows move it by LineSize, Page Up/Down by PageSize, Home and
// End to the ends. OnChange fires after every change of Position, except while loading.
class TPlainTrackBar : public TControl {
    Q_OBJECT
    Q_PROPERTY(int Min READ Min WRITE SetMin)
    Q_PROPERTY(int Max READ Max WRITE SetMax)
    Q_PROPERTY(int Position READ Position WRITE SetPosition)
    Q_PROPERTY(int PageSize READ PageSize WRITE SetPageSize)
    Q_PROPERTY(int LineSize READ LineSize WRITE SetLineSize)
    Q_PROPERTY(int Frequency READ Frequency WRITE SetFrequency)
    Q_PROPERTY(bool ShowTick READ ShowTick WRITE SetShowTick)

public:
    explicit TPlainTrackBar(QWidget* parent = nullptr);

    // Position stays within Min..Max; a Max below Min counts as Min.
    int Min() const { return m_min; }
    void SetMin(int min);
    int Max() const { return m_max; }
    void SetMax(int max);
    int Position() const { return m_position; }
    void SetPosition(int position);
    int PageSize() const { return m_pageSize; }
    void SetPageSize(int pageSize) { m_pageSize = pageSize; }
    int LineSize() const { return m_lineSize; }
    void SetLineSize(int lineSize) { m_lineSize = lineSize; }
    int Frequency() const { return m_frequency; }
    void SetFrequency(int frequency);
    bool ShowTick() const { return m_showTick; }
    void SetShowTick(bool showTick);

    TNotifyEvent OnChange;
    TNotifyEvent* FindEvent(std::string_view name) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    long long Range() const;
    int KnobLeft() const;
    int PositionAt(int x) const;
    void MoveBy(long long delta);

    int m_min = 0;
    int m_max = 10;
    int m_position = 0;
    int m_pageSize = 2;
    int m_lineSize = 1;
    int m_frequency = 1;
    bool m_showTick = true;
};
