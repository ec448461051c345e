#pragma once

#include "platform/graphics/TGeometry.h"
#include "skin/SUIControl.h"

#include <QImage>

#include <functional>
#include <string_view>

class QMouseEvent;

// The rectangle moved in by the given amounts, never with a negative extent: the room
// a container leaves its aligned children.
QRect InsetRect(const QRect& rect, int left, int top, int right, int bottom);

// A container that shows a picture (plain, stretched or tiled) and a one-line caption,
// optionally see-through and sized to its picture. The base of the picture panel and of
// the group box.
class TsuiCustomPanel : public TsuiControl {
    Q_OBJECT

public:
    enum TsuiDrawStyle { suiNormal, suiStretch, suiTile };
    Q_ENUM(TsuiDrawStyle)

    explicit TsuiCustomPanel(
        QWidget* parent = nullptr, TThemeLoss themeLoss = TThemeLoss::SelfOnly);

    const QImage& Picture() const { return m_picture; }
    // Takes a copy; a null image removes the picture.
    void SetPicture(const QImage& picture);
    // See-through: the parent shows behind the panel and through the picture's pixels of
    // its bottom-left colour.
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool transparent);
    // Sizes the panel to its picture, in the directions its alignment leaves free.
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool autoSize);
    TsuiDrawStyle DrawStyle() const { return m_drawStyle; }
    void SetDrawStyle(TsuiDrawStyle drawStyle);
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment);
    // Keeps aligned children this far from every edge.
    int BorderWidth() const { return m_borderWidth; }
    void SetBorderWidth(int borderWidth);

    QRect ClientRect() const override;

    // Every mouse press, after the panel's own handling: the track bar's knob hands its
    // presses to the bar this way.
    std::function<void(QMouseEvent& event)> OnMouseDown;

protected:
    // The picture panel draws with no style elements.
    void ApplyStyle(const TsuiStyleSource&) override { }
    void Paint(TCanvas& canvas) const override;
    // The background and the picture, without the caption.
    void PaintPicture(TCanvas& canvas) const;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void PictureChanged();
    void ApplyAutoSize();

    QImage m_picture;
    TsuiDrawStyle m_drawStyle = suiNormal;
    TAlignment m_alignment = taCenter;
    int m_borderWidth = 0;
    bool m_transparent = false;
    bool m_autoSize = false;
};

// The picture panel with its picture properties published; also the track bar's knob.
class TsuiImagePanel : public TsuiCustomPanel {
    Q_OBJECT
    Q_PROPERTY(QImage Picture READ Picture WRITE SetPicture)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(TsuiDrawStyle DrawStyle READ DrawStyle WRITE SetDrawStyle)
    Q_PROPERTY(TAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE SetBorderWidth)

public:
    explicit TsuiImagePanel(QWidget* parent = nullptr)
        : TsuiCustomPanel(parent)
    {
    }
};

// A bordered panel under a skinned caption bar. With ShowButton, the button at the bar's
// right end folds the panel up to its bar and unfolds it again, in animated steps.
class TsuiPanel : public TsuiControl {
    Q_OBJECT
    Q_PROPERTY(quint32 BorderColor READ BorderColor WRITE SetBorderColor)
    Q_PROPERTY(quint32 CaptionFontColor READ CaptionFontColor WRITE SetCaptionFontColor)
    Q_PROPERTY(bool ShowButton READ ShowButton WRITE SetShowButton)
    Q_PROPERTY(int Height READ Height WRITE SetHeight)

public:
    explicit TsuiPanel(QWidget* parent = nullptr);

    TColor BorderColor() const { return m_borderColor; }
    void SetBorderColor(TColor color);
    TColor CaptionFontColor() const { return m_captionFontColor; }
    void SetCaptionFontColor(TColor color);
    // Switching the button off leaves a folded panel folded.
    bool ShowButton() const { return m_showButton; }
    void SetShowButton(bool showButton);

    // The unfolded height, which layouts store. These hide the framework's real height on
    // purpose: while the panel is folded or folding, setting it only changes the height
    // the next unfold goes back to. height() is the real one.
    int Height() const { return m_fullHeight; }
    void SetHeight(int height);

    bool Expanded() const { return m_expanded; }
    bool Animating() const { return m_animating; }
    // Shrink to the caption bar, then OnPush; grow back to Height, then OnPop. Pending
    // events run between the steps; a request during an animation is ignored.
    void Fold();
    void Unfold();

    QRect ClientRect() const override;

    TNotifyEvent OnPush;
    TNotifyEvent OnPop;
    TNotifyEvent* FindEvent(std::string_view name) override;

    QAccessible::Role AccessibleRole() const override { return QAccessible::Grouping; }
    void AddAccessibleState(QAccessible::State& state) const override;

protected:
    void ApplyStyle(const TsuiStyleSource& source) override;
    void Paint(TCanvas& canvas) const override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    // Where a press on the fold button counts, both edges included.
    TRect FoldButtonRect() const;
    void TrackButton(QPoint position);
    // One animation step; false when the panel did not survive the events run after it.
    bool StepTo(int height);
    void Finish(bool expanded);

    QImage m_bar;
    TColor m_borderColor = clBlack;
    TColor m_captionFontColor = clBlack;
    int m_fullHeight = 0;
    bool m_showButton = true;
    bool m_buttonHot = false;
    bool m_expanded = true;
    bool m_animating = false;
};
