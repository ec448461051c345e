#include "controls/SUIPageControl.h"

#include "platform/core/TEvents.h"
#include "skin/SUIPublic.h"

#include <QAccessibleWidget>
#include <QPainter>

#include <algorithm>

namespace {

// A page as assistive technology sees it: a pane named after its tab, selected while it
// is the active page.
class TSheetAccessible : public QAccessibleWidget {
public:
    explicit TSheetAccessible(TsuiTabSheet* sheet)
        : QAccessibleWidget(sheet, QAccessible::Pane)
    {
    }

    TsuiTabSheet* Sheet() const { return static_cast<TsuiTabSheet*>(widget()); }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return Sheet()->Caption().trimmed().remove('&');
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        const TsuiPageControl* pageControl = Sheet()->PageControl();
        state.selectable = pageControl != nullptr;
        state.selected = pageControl && pageControl->ActivePage() == Sheet();
        return state;
    }
};

QAccessibleInterface* SheetAccessible(const QString&, QObject* object)
{
    if (auto* sheet = qobject_cast<TsuiTabSheet*>(object))
        return new TSheetAccessible(sheet);
    return nullptr;
}

void NotifySelected(TsuiTabSheet& sheet)
{
    if (!QAccessible::isActive())
        return;
    QAccessible::State changed;
    changed.selected = true;
    QAccessibleStateChangeEvent event(&sheet, changed);
    QAccessible::updateAccessibility(&event);
}

// Gives the focus to the page's first child when that child can take it.
void FocusFirstChild(TsuiTabSheet& page)
{
    const auto children = page.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    if (children.isEmpty())
        return;
    QWidget* first = children.first();
    if (first->isVisibleTo(&page) && first->isEnabled() && (first->focusPolicy() & Qt::TabFocus))
        first->setFocus();
}

} // namespace

// ---- The page control ------------------------------------------------------------------

TsuiPageControl::TsuiPageControl(QWidget* parent)
    : TsuiTab(parent)
{
    MakeTopPanel();
    TakeFormStyle();
}

TsuiPageControl::~TsuiPageControl()
{
    // The sheets go after the control; they must not come back to it.
    for (TsuiTabSheet* sheet : m_pages)
        sheet->m_pageControl = nullptr;
    m_pages.clear();
}

void TsuiPageControl::SetActivePage(TsuiTabSheet* sheet)
{
    if (sheet && sheet->m_pageControl != this)
        return;
    DisableActivePage();
    m_activePage = sheet;
    if (!sheet)
        return;
    QPointer<TsuiTabSheet> guard(sheet);
    SelectTab(sheet->PageIndex());
    // Handlers run by the tab change may have taken the sheet away.
    if (guard && guard->m_pageControl == this) {
        m_activePage = sheet;
        ShowPage(*sheet);
    }
}

TsuiTabSheet* TsuiPageControl::Page(int index) const
{
    return index >= 0 && index < PageCount() ? m_pages[std::size_t(index)] : nullptr;
}

QStringList TsuiPageControl::Pages() const
{
    QStringList names;
    for (const TsuiTabSheet* sheet : m_pages)
        names << sheet->objectName();
    return names;
}

void TsuiPageControl::SetPages(const QStringList& names)
{
    m_pageNames = names;
}

void TsuiPageControl::SelectPage(int index)
{
    DisableActivePage();
    if (index < 0 || index >= TopPanel()->Tabs().size() || !Page(index)) {
        m_activePage = nullptr;
        // No tab stays selected either, so a click on any tab shows its page.
        if (PageCount() > 0)
            TopPanel()->MoveSelection(-1);
        return;
    }
    QPointer<TsuiTabSheet> page(Page(index));
    SelectTab(index);
    if (page && page->m_pageControl == this) {
        m_activePage = page;
        ShowPage(*page);
    }
}

TsuiTabControlTopPanel* TsuiPageControl::CreateTopPanel()
{
    return new TsuiPageControlTopPanel(this, {});
}

void TsuiPageControl::BorderColorChanged()
{
    for (TsuiTabSheet* sheet : m_pages)
        sheet->SetBorderColor(BorderColor());
    if (m_activePage)
        m_activePage->update();
}

void TsuiPageControl::TabActivated(int index)
{
    QPointer<TsuiPageControl> self(this);
    DisableActivePage();
    m_activePage = Page(index);
    if (TsuiTabSheet* page = m_activePage) {
        page->SetVisible(true);
        page->SetEnabled(true);
        page->raise();
        NotifySelected(*page);
        if (!Loading())
            FocusFirstChild(*page);
        FireEvent(page->OnShow);
    }
    if (self)
        TsuiTab::TabActivated(index);
}

void TsuiPageControl::UIStyleChanged(TsuiUIStyle style, TsuiFileTheme* fileTheme)
{
    TsuiTab::UIStyleChanged(style, fileTheme);
    for (TsuiTabSheet* sheet : m_pages) {
        ApplyStyleToChildren(sheet, style, fileTheme);
        sheet->SetColor(Color());
        sheet->SetBorderColor(BorderColor());
        sheet->SetAlign(alClient);
    }
}

void TsuiPageControl::ColorChanged()
{
    TsuiTab::ColorChanged();
    for (TsuiTabSheet* sheet : m_pages)
        sheet->SetColor(Color());
}

int TsuiPageControl::IndexOf(const TsuiTabSheet* sheet) const
{
    auto found = std::find(m_pages.begin(), m_pages.end(), sheet);
    return found == m_pages.end() ? -1 : int(found - m_pages.begin());
}

void TsuiPageControl::InsertPage(TsuiTabSheet& sheet)
{
    sheet.m_pageControl = this;
    sheet.SetColor(Color());
    sheet.SetBorderColor(BorderColor());
    m_pages.push_back(&sheet);
    RebuildTabs();
    SetActivePage(&sheet);
}

void TsuiPageControl::RemovePage(TsuiTabSheet& sheet)
{
    const int index = IndexOf(&sheet);
    if (index < 0)
        return;
    m_pages.erase(m_pages.begin() + index);
    sheet.m_pageControl = nullptr;
    RebuildTabs();
    SelectPage(index - 1);
}

void TsuiPageControl::MovePage(TsuiTabSheet& sheet, int index)
{
    if (index < 0 || index >= PageCount())
        return;
    m_pages.erase(m_pages.begin() + IndexOf(&sheet));
    m_pages.insert(m_pages.begin() + index, &sheet);
    RebuildTabs();
    SetActivePage(&sheet);
}

void TsuiPageControl::TabVisibilityChanged(TsuiTabSheet& sheet)
{
    const int index = IndexOf(&sheet);
    TopPanel()->SetTabShown(index, sheet.m_tabVisible);
    if (sheet.m_tabVisible)
        SelectPage(index);
    else if (m_activePage == &sheet)
        SelectNearestShown(index);
}

void TsuiPageControl::SelectNearestShown(int index)
{
    for (int before = index - 1; before >= 0; --before) {
        if (TopPanel()->TabShown(before))
            return SelectPage(before);
    }
    for (int after = index + 1; after < PageCount(); ++after) {
        if (TopPanel()->TabShown(after))
            return SelectPage(after);
    }
}

// Sheets named in the stored list come in its order, any others after them as they were.
void TsuiPageControl::OrderPagesByNames()
{
    auto position = [this](const TsuiTabSheet* sheet) {
        const qsizetype found = m_pageNames.indexOf(sheet->objectName());
        return found < 0 ? m_pageNames.size() : found;
    };
    std::stable_sort(m_pages.begin(), m_pages.end(),
        [&](const TsuiTabSheet* a, const TsuiTabSheet* b) { return position(a) < position(b); });
    RebuildTabs();
    // The selected tab follows the active page to its new place.
    if (m_activePage)
        TopPanel()->MoveSelection(IndexOf(m_activePage));
}

// Captions and tab visibility from the sheets, in page order.
void TsuiPageControl::RebuildTabs()
{
    QStringList captions;
    for (int i = 0; i < PageCount(); ++i) {
        captions << m_pages[std::size_t(i)]->Caption();
        TopPanel()->SetTabShown(i, m_pages[std::size_t(i)]->m_tabVisible);
    }
    TopPanel()->SetTabs(captions);
}

void TsuiPageControl::ShowPage(TsuiTabSheet& sheet)
{
    sheet.SetVisible(true);
    sheet.SetEnabled(true);
    sheet.raise();
    NotifySelected(sheet);
    FireEvent(sheet.OnShow);
}

void TsuiPageControl::DisableActivePage()
{
    if (m_activePage)
        m_activePage->SetEnabled(false);
}

// ---- The sheet -------------------------------------------------------------------------

TsuiTabSheet::TsuiTabSheet(QWidget* parent)
    : TControl(parent)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(SheetAccessible);
        return true;
    }();
    (void)factoryInstalled;
    setAttribute(Qt::WA_OpaquePaintEvent);
    SetAlign(alClient);
    if (auto* pageControl = qobject_cast<TsuiPageControl*>(parent))
        pageControl->InsertPage(*this);
}

TsuiTabSheet::~TsuiTabSheet()
{
    if (m_pageControl)
        m_pageControl->RemovePage(*this);
}

int TsuiTabSheet::PageIndex() const
{
    return m_pageControl ? m_pageControl->IndexOf(this) : -1;
}

void TsuiTabSheet::SetPageIndex(int index)
{
    if (m_pageControl)
        m_pageControl->MovePage(*this, index);
}

void TsuiTabSheet::SetTabVisible(bool tabVisible)
{
    m_tabVisible = tabVisible;
    if (m_pageControl)
        m_pageControl->TabVisibilityChanged(*this);
}

void TsuiTabSheet::SetPageControl(TsuiPageControl* pageControl)
{
    if (parentWidget() != pageControl)
        setParent(pageControl);
    if (pageControl && pageControl->m_pageNames.size() == pageControl->PageCount())
        pageControl->OrderPagesByNames();
}

void TsuiTabSheet::Show()
{
    if (m_pageControl)
        m_pageControl->SetActivePage(this);
    SetVisible(true);
}

TNotifyEvent* TsuiTabSheet::FindEvent(std::string_view name)
{
    return name == "OnShow" ? &OnShow : TControl::FindEvent(name);
}

void TsuiTabSheet::CaptionChanged()
{
    TControl::CaptionChanged();
    if (m_pageControl)
        m_pageControl->RebuildTabs();
}

void TsuiTabSheet::changeEvent(QEvent* event)
{
    TControl::changeEvent(event);
    if (event->type() != QEvent::ParentChange)
        return;
    auto* pageControl = qobject_cast<TsuiPageControl*>(parentWidget());
    if (pageControl == m_pageControl)
        return;
    if (m_pageControl)
        m_pageControl->RemovePage(*this);
    if (pageControl)
        pageControl->InsertPage(*this);
}

void TsuiTabSheet::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor::fromRgb(ToPixel(Color())));
}
