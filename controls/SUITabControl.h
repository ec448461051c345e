#pragma once

#include "platform/graphics/TGeometry.h"
#include "skin/SUIControl.h"

#include <QImage>
#include <QPoint>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class TsuiTab;

// The strip of tabs along the top of a tabbed control: one tab per caption drawn from the
// style's tab bitmap over its bar, scrolled with two small buttons when the tabs run past
// the right end. It sits at the top of its owner, the owner's full width, as high as the
// tab and bar bitmaps together, and shows the owner's parent through its gaps.
class TsuiTabControlTopPanel : public TsuiControl {
    Q_OBJECT

public:
    // Entries of the width and visibility tables. The last width entry always ends the
    // hit-test walk, so only the tabs before it can be clicked.
    static constexpr int kMaxTabs = 64;
    static constexpr int kClickableTabs = kMaxTabs - 1;

    // A tabbed control starts with one tab, "Tab1"; a page control with none.
    explicit TsuiTabControlTopPanel(TsuiTab* owner, QStringList tabs = { "Tab1" });

    TsuiTab* OwnerTab() const { return m_owner; }

    const QStringList& Tabs() const { return m_tabs; }
    void SetTabs(const QStringList& tabs);
    // -1 for none. Setting it asks the owner's OnChanging first when a click sets it, then
    // brings the tab into view and tells the owner; values out of range only repaint.
    int TabIndex() const { return m_tabIndex; }
    void SetTabIndex(int index);
    // Moves the selection without asking or telling anyone: for an owner that reorders
    // the tabs under the selected one.
    void MoveSelection(int index);
    // x of the first tab shown.
    int LeftMargin() const { return m_leftMargin; }
    void SetLeftMargin(int leftMargin);
    // A hidden tab takes no room. Tabs past the table are always shown.
    bool TabShown(int index) const;
    void SetTabShown(int index, bool shown);

    // The last layout: each tab's width (0 for one that covers nothing, -1 past the last),
    // how many shown tabs are scrolled off to the left, whether the tabs ran past the
    // limit, and the height a click must stay under.
    int TabWidth(int index) const;
    int FirstShown() const { return m_firstShown; }
    bool Overflow() const { return m_overflow; }
    int TabHeight() const { return m_tabHeight; }
    // Where tab `index` is drawn; nothing when it is hidden or scrolled out of view.
    std::optional<TRect> TabRect(int index) const;
    // The scroll button under the mouse: -1 previous, 1 next, 0 neither.
    int HotButton() const { return HotButtonAt(m_cursor); }
    int ButtonWidth() const { return m_buttonWidth; }
    int ButtonHeight() const { return m_buttonHeight; }
    bool ScrollButtonsShown() const { return m_overflow || m_firstShown > 0; }
    TRect NextButtonRect() const;
    TRect PreviousButtonRect() const;

    // Height of the tab bitmap plus the bar bitmap.
    int StripHeight() const { return m_stripHeight; }
    // Back to the owner's top edge at the owner's width; the owner realigns its children
    // when the height changed.
    void PlaceInOwner();
    // Lays the tabs out again after something they depend on changed, and repaints.
    void Relayout();
    // While the owner is read from a layout, its captions, fonts and tab visibility come
    // in one at a time; the tabs are laid out once, when it is loaded.
    void OwnerLoaded();

    // Clicks tab `index` as the mouse would: OnChanging may refuse it.
    void ClickTab(int index);

    QAccessible::Role AccessibleRole() const override { return QAccessible::PageTabList; }

protected:
    void ApplyStyle(const TsuiStyleSource& source) override;
    void Paint(TCanvas& canvas) const override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    enum class TView { AsItIs, KeepActiveInView };
    struct TPlacedTab {
        int index;
        TRect rect;
        bool active;
        bool cut;
    };

    void Relayout(TView view);
    int LayOutTabs();
    int RightLimit() const;
    int TabAt(QPoint point) const;
    int HotButtonAt(std::optional<QPoint> point) const;
    void Scroll(int hotButton);
    void TrackCursor(std::optional<QPoint> cursor);

    TsuiTab* m_owner;
    QStringList m_tabs;
    int m_tabIndex = 0;
    int m_leftMargin = 10;
    std::array<int, kMaxTabs> m_tabWidths;
    std::array<bool, kMaxTabs> m_tabShown;
    std::vector<TPlacedTab> m_placed;
    int m_tabHeight = 0;
    int m_firstShown = 0;
    bool m_overflow = false;
    bool m_userClick = false;
    std::optional<QPoint> m_cursor;
    std::optional<TView> m_deferredView;

    QImage m_activeTab;
    QImage m_inactiveTab;
    QImage m_bar;
    // Next, next hot, previous, previous hot.
    std::array<QImage, 4> m_scrollButtons;
    int m_buttonWidth = 0;
    int m_buttonHeight = 0;
    int m_stripHeight = 0;
};

// The abstract tabbed control: a bordered client area under a strip of tabs. Children are
// laid out 3 pixels inside the border, below the strip. A concrete control makes its strip
// in CreateTopPanel and calls MakeTopPanel, then TakeFormStyle, in its constructor.
class TsuiTab : public TsuiControl {
    Q_OBJECT
    Q_PROPERTY(int LeftMargin READ LeftMargin WRITE SetLeftMargin)
    Q_PROPERTY(quint32 BorderColor READ BorderColor WRITE SetBorderColor)
    // The captions' font: the control's own, neither inherited nor handed on to children.
    Q_PROPERTY(TFont* Font READ TabFont)

public:
    using TTabActiveNotify = std::function<void(int tabIndex)>;
    using TTabChangingEvent = std::function<void(bool& allowChange)>;

    ~TsuiTab() override;

    TsuiTabControlTopPanel* TopPanel() const { return m_topPanel; }

    int LeftMargin() const;
    void SetLeftMargin(int leftMargin);
    TColor BorderColor() const { return m_borderColor; }
    void SetBorderColor(TColor borderColor);
    TFont* TabFont() const { return m_tabFont.get(); }

    QRect ClientRect() const override;
    TNotifyEvent* FindEvent(std::string_view name) override;

    // After a tab became selected: OnTabActive, then OnChange. Not while loading.
    TTabActiveNotify OnTabActive;
    TNotifyEvent OnChange;
    // Before a click selects another tab; allowChange comes in true.
    TTabChangingEvent OnChanging;

protected:
    explicit TsuiTab(QWidget* parent);

    void MakeTopPanel();
    virtual TsuiTabControlTopPanel* CreateTopPanel() = 0;
    virtual void SelectTab(int index);
    virtual void BorderColorChanged() { }
    virtual void TabActivated(int index);
    virtual void UIStyleChanged(TsuiUIStyle style, TsuiFileTheme* fileTheme);

    void ApplyStyle(const TsuiStyleSource& source) override;
    void Paint(TCanvas& canvas) const override;
    void resizeEvent(QResizeEvent* event) override;
    void Loaded() override;

private:
    friend class TsuiTabControlTopPanel;

    TsuiTabControlTopPanel* m_topPanel = nullptr;
    std::unique_ptr<TFont> m_tabFont;
    TColor m_borderColor = clBlack;
};
