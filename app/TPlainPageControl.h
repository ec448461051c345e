#pragma once

#include "platform/forms/TControl.h"

#include <vector>

class TPlainTabSheet;

// Stand-in for the skinned page control: pages stacked in one area, with no tabs. The
// active page is enabled and in front; the others stay behind it, disabled. A sheet made
// on the control becomes a page and the active one.
class TPlainPageControl : public TControl {
    Q_OBJECT
    // A sheet that is no page of this control changes nothing.
    Q_PROPERTY(TPlainTabSheet* ActivePage READ ActivePage WRITE SetActivePage)

public:
    // Where the skinned control's strip and border leave room for the pages.
    static constexpr int kStripHeight = 19;
    static constexpr int kInset = 3;

    explicit TPlainPageControl(QWidget* parent = nullptr);
    ~TPlainPageControl() override;

    TPlainTabSheet* ActivePage() const { return m_active; }
    void SetActivePage(TPlainTabSheet* sheet);

    int PageCount() const { return int(m_pages.size()); }
    TPlainTabSheet* Page(int index) const;
    int IndexOf(const TPlainTabSheet* sheet) const;

    QRect ClientRect() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    friend class TPlainTabSheet;
    void InsertPage(TPlainTabSheet& sheet);
    void RemovePage(TPlainTabSheet& sheet);
    void MovePage(TPlainTabSheet& sheet, int index);

    std::vector<TPlainTabSheet*> m_pages;
    TPlainTabSheet* m_active = nullptr;
};

// One page of a TPlainPageControl; it fills the control's page area.
class TPlainTabSheet : public TControl {
    Q_OBJECT
    Q_PROPERTY(int PageIndex READ PageIndex WRITE SetPageIndex)

public:
    explicit TPlainTabSheet(QWidget* parent = nullptr);
    ~TPlainTabSheet() override;

    TPlainPageControl* PageControl() const { return m_pageControl; }
    // Position among the pages, -1 without a page control; out-of-range values are ignored.
    int PageIndex() const;
    void SetPageIndex(int index);

    // Makes this the active page.
    void Show();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    friend class TPlainPageControl;
    TPlainPageControl* m_pageControl = nullptr;
};
