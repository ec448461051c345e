#pragma once

#include "platform/forms/TLayoutReader.h"
#include "platform/forms/TStatusBar.h"
#include "platform/graphics/TGeometry.h"
#include "skin/SUIControl.h"

#include <string>
#include <vector>

// A row of text panels at the bottom of its parent on the style's background colour, each
// as wide as its Width, the last one reaching to the right edge. Sitting directly on the
// skinned frame of a sizeable window that is not maximised, it shows a size grip in its
// lower-right corner; dragging from the grip resizes the window.
class TsuiStatusBar : public TsuiControl, public ICollectionOwner {
    Q_OBJECT
    Q_PROPERTY(quint32 PanelColor READ PanelColor WRITE SetPanelColor)

public:
    explicit TsuiStatusBar(QWidget* parent = nullptr);

    // The bar's own colour: the style sets it, a later write overrides it.
    TColor PanelColor() const { return Color(); }
    void SetPanelColor(TColor color) { SetColor(color); }

    int PanelCount() const { return m_panels.Count(); }
    // Both throw EInvalidOperation for an index that names no panel.
    TStatusPanel& Panel(int index) const { return m_panels.Panel(index); }
    void SetPanelText(int index, const std::string& text);
    std::string PanelText(int index) const;

    bool ClearCollection(std::string_view collection) override { return m_panels.Clear(collection); }
    QObject* AddCollectionItem(std::string_view collection) override
    {
        return m_panels.Add(collection);
    }

    // Where a drag resizes the window, both edges included: the corner square under the
    // grip while it shows, else empty.
    TRect GripArea() const;

    QAccessible::Role AccessibleRole() const override { return QAccessible::StatusBar; }
    // The panels' texts, so a screen reader reads what the bar says.
    QString AccessibleName() const override;

protected:
    void ApplyStyle(const TsuiStyleSource& source) override;
    void Paint(TCanvas& canvas) const override;

    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool ShowsGrip() const;
    void ResizeWindowTo(QPoint screenPoint) const;

    TStatusPanels m_panels { *this };
    bool m_dragging = false;
    bool m_overGrip = false;
};
