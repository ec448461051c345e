#pragma once

#include "controls/SUITabControl.h"

#include <QPointer>
#include <QStringList>

#include <vector>

class TsuiTabSheet;

// The strip a page control makes: the tab strip as it is.
class TsuiPageControlTopPanel : public TsuiTabControlTopPanel {
    Q_OBJECT

public:
    using TsuiTabControlTopPanel::TsuiTabControlTopPanel;
};

// Pages stacked in one area, one tab per page. Every sheet made on the control (or moved
// onto it) becomes a page and the active one. Pages that are not active stay behind the
// active one, disabled. Children that are no sheets are laid out like any child.
class TsuiPageControl : public TsuiTab {
    Q_OBJECT
    // A sheet of another page control changes nothing.
    Q_PROPERTY(TsuiTabSheet* ActivePage READ ActivePage WRITE SetActivePage)
    Q_PROPERTY(int PageCount READ PageCount)
    // The sheets' names in page order; a stored list puts the sheets in its order once
    // they have all linked themselves to the control.
    Q_PROPERTY(QStringList Pages READ Pages WRITE SetPages)

public:
    explicit TsuiPageControl(QWidget* parent = nullptr);
    ~TsuiPageControl() override;

    TsuiTabSheet* ActivePage() const { return m_activePage; }
    void SetActivePage(TsuiTabSheet* sheet);
    int PageCount() const { return int(m_pages.size()); }
    // nullptr out of range.
    TsuiTabSheet* Page(int index) const;
    QStringList Pages() const;
    void SetPages(const QStringList& names);
    // Makes page `index` the active one; an index out of range leaves no page active.
    void SelectPage(int index);

protected:
    TsuiTabControlTopPanel* CreateTopPanel() override;
    void BorderColorChanged() override;
    void TabActivated(int index) override;
    void UIStyleChanged(TsuiUIStyle style, TsuiFileTheme* fileTheme) override;
    void ColorChanged() override;

private:
    friend class TsuiTabSheet;

    int IndexOf(const TsuiTabSheet* sheet) const;
    void InsertPage(TsuiTabSheet& sheet);
    void RemovePage(TsuiTabSheet& sheet);
    void MovePage(TsuiTabSheet& sheet, int index);
    void TabVisibilityChanged(TsuiTabSheet& sheet);
    void SelectNearestShown(int index);
    void OrderPagesByNames();
    void RebuildTabs();
    // Enabled, visible and in front of the other pages; then its OnShow.
    void ShowPage(TsuiTabSheet& sheet);
    void DisableActivePage();

    std::vector<TsuiTabSheet*> m_pages;
    QPointer<TsuiTabSheet> m_activePage;
    QStringList m_pageNames;
};

// One page of a TsuiPageControl, filling the control's page area in its Color.
class TsuiTabSheet : public TControl {
    Q_OBJECT
    // Setting it moves the page; out of range, or without a page control, it is ignored.
    Q_PROPERTY(int PageIndex READ PageIndex WRITE SetPageIndex)
    Q_PROPERTY(bool TabVisible READ TabVisible WRITE SetTabVisible)
    Q_PROPERTY(TsuiPageControl* PageControl READ PageControl WRITE SetPageControl)
    // Stored only; the page control hands its own on.
    Q_PROPERTY(quint32 BorderColor READ BorderColor WRITE SetBorderColor)

public:
    explicit TsuiTabSheet(QWidget* parent = nullptr);
    ~TsuiTabSheet() override;

    // -1 without a page control.
    int PageIndex() const;
    void SetPageIndex(int index);
    bool TabVisible() const { return m_tabVisible; }
    // Showing a tab activates its page; hiding the active page's tab activates the nearest
    // page before it whose tab is shown, else the nearest after it.
    void SetTabVisible(bool tabVisible);
    TsuiPageControl* PageControl() const { return m_pageControl; }
    // Makes the sheet a page of `pageControl`, moving it there if it sits elsewhere. With
    // nullptr the sheet leaves its page control and is a hidden widget with no parent,
    // which the caller then owns.
    void SetPageControl(TsuiPageControl* pageControl);
    TColor BorderColor() const { return m_borderColor; }
    void SetBorderColor(TColor borderColor) { m_borderColor = borderColor; }

    // Makes this the active page of its page control, and visible.
    void Show();

    // Each time the sheet is activated.
    TNotifyEvent OnShow;
    TNotifyEvent* FindEvent(std::string_view name) override;

protected:
    void CaptionChanged() override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    friend class TsuiPageControl;

    TsuiPageControl* m_pageControl = nullptr;
    TColor m_borderColor = clBlack;
    bool m_tabVisible = true;
};
