#pragma once

#include "skin/SUIControl.h"

#include <QImage>

#include <functional>

class QMouseEvent;

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
