#include "app/TPlainPageControl.h"

#include "platform/forms/PlainPaint.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr TColor kBorderColor = 0x686868;

} // namespace

TPlainPageControl::TPlainPageControl(QWidget* parent)
    : TControl(parent)
{
    SetBounds(0, 0, 289, 193);
}

TPlainPageControl::~TPlainPageControl()
{
    for (TPlainTabSheet* sheet : m_pages)
        sheet->m_pageControl = nullptr;
}

void TPlainPageControl::SetActivePage(TPlainTabSheet* sheet)
{
    if (sheet && sheet->m_pageControl != this)
        return;
    if (m_active && m_active != sheet)
        m_active->SetEnabled(false);
    m_active = sheet;
    if (!sheet)
        return;
    sheet->SetVisible(true);
    sheet->SetEnabled(true);
    sheet->raise();
}

TPlainTabSheet* TPlainPageControl::Page(int index) const
{
    return index >= 0 && index < PageCount() ? m_pages[std::size_t(index)] : nullptr;
}

int TPlainPageControl::IndexOf(const TPlainTabSheet* sheet) const
{
    auto it = std::find(m_pages.begin(), m_pages.end(), sheet);
    return it == m_pages.end() ? -1 : int(it - m_pages.begin());
}

QRect TPlainPageControl::ClientRect() const
{
    return rect().adjusted(kInset, kStripHeight + kInset, -kInset, -kInset);
}

void TPlainPageControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(Color()));
    DrawFrame(painter, rect().adjusted(0, kStripHeight, 0, 0), kBorderColor);
}

void TPlainPageControl::InsertPage(TPlainTabSheet& sheet)
{
    m_pages.push_back(&sheet);
    sheet.m_pageControl = this;
    SetActivePage(&sheet);
}

void TPlainPageControl::RemovePage(TPlainTabSheet& sheet)
{
    int index = IndexOf(&sheet);
    m_pages.erase(m_pages.begin() + index);
    sheet.m_pageControl = nullptr;
    if (m_active == &sheet) {
        m_active = nullptr;
        SetActivePage(Page(index - 1));
    }
}

void TPlainPageControl::MovePage(TPlainTabSheet& sheet, int index)
{
    if (index < 0 || index >= PageCount())
        return;
    m_pages.erase(m_pages.begin() + IndexOf(&sheet));
    m_pages.insert(m_pages.begin() + index, &sheet);
}

TPlainTabSheet::TPlainTabSheet(QWidget* parent)
    : TControl(parent)
{
    SetAlign(alClient);
    if (auto* pageControl = qobject_cast<TPlainPageControl*>(parent))
        pageControl->InsertPage(*this);
}

TPlainTabSheet::~TPlainTabSheet()
{
    if (m_pageControl)
        m_pageControl->RemovePage(*this);
}

int TPlainTabSheet::PageIndex() const
{
    return m_pageControl ? m_pageControl->IndexOf(this) : -1;
}

void TPlainTabSheet::SetPageIndex(int index)
{
    if (m_pageControl)
        m_pageControl->MovePage(*this, index);
}

void TPlainTabSheet::Show()
{
    if (m_pageControl)
        m_pageControl->SetActivePage(this);
}

void TPlainTabSheet::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(Color()));
}
