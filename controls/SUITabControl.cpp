#include "controls/SUITabControl.h"

#include "platform/core/TEvents.h"
#include "platform/graphics/TCanvas.h"
#include "skin/SUIPublic.h"

#include <QAccessibleActionInterface>
#include <QAccessibleWidget>
#include <QHash>
#include <QMouseEvent>
#include <QPointer>

#include <algorithm>
#include <utility>

namespace {

constexpr int kTabWidth = 185;
constexpr int kTabControlHeight = 80;
// Room around a caption; a tab without one still gets a size to click.
constexpr int kCaptionPadding = 20;
constexpr int kEmptyTabWidth = 80;
// A cut tab's caption starts this far in and stops this far from the cut.
constexpr int kCutCaptionLeft = 10;
constexpr int kCutCaptionRight = 4;
// Children keep this far inside the border and below the strip.
constexpr int kClientInset = 3;
// Stored margins and captions are hostile; sums of them and widget extents stay far from
// overflow.
constexpr int kMaxMargin = QWIDGETSIZE_MAX;

std::string Utf8(const QString& text)
{
    return text.toStdString();
}

// One tab of a strip as assistive technology sees it; pressing it clicks the tab.
class TTabAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    TTabAccessible(TsuiTabControlTopPanel* strip, int index)
        : m_strip(strip)
        , m_index(index)
    {
    }

    bool isValid() const override { return m_strip && m_index < m_strip->Tabs().size(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override
    {
        return m_strip ? m_strip->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override
    {
        return QAccessible::queryAccessibleInterface(m_strip.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    void setText(QAccessible::Text, const QString&) override { }

    QString text(QAccessible::Text kind) const override
    {
        if (kind != QAccessible::Name || !isValid())
            return {};
        return m_strip->Tabs().at(m_index).trimmed().remove('&');
    }

    QRect rect() const override
    {
        if (!isValid())
            return {};
        auto tab = m_strip->TabRect(m_index);
        if (!tab)
            return {};
        QRect local = tab->ToQRect();
        return QRect(m_strip->mapToGlobal(local.topLeft()), local.size());
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.selectable = true;
        if (!isValid())
            return state;
        state.selected = m_strip->TabIndex() == m_index;
        state.invisible = !m_strip->TabRect(m_index);
        state.disabled = !m_strip->isEnabled();
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }

    QStringList actionNames() const override { return { pressAction() }; }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
    void doAction(const QString& name) override
    {
        if (name == pressAction() && isValid() && m_strip->isEnabled())
            m_strip->ClickTab(m_index);
    }

private:
    QPointer<TsuiTabControlTopPanel> m_strip;
    int m_index;
};

// The strip as a list of page tabs, one child per caption.
class TStripAccessible : public QAccessibleWidget {
public:
    explicit TStripAccessible(TsuiTabControlTopPanel* strip)
        : QAccessibleWidget(strip, QAccessible::PageTabList)
    {
    }
    ~TStripAccessible() override
    {
        for (QAccessible::Id id : std::as_const(m_tabs))
            QAccessible::deleteAccessibleInterface(id);
    }

    TsuiTabControlTopPanel* Strip() const { return static_cast<TsuiTabControlTopPanel*>(widget()); }

    int childCount() const override { return int(Strip()->Tabs().size()); }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        if (auto found = m_tabs.constFind(index); found != m_tabs.cend())
            return QAccessible::accessibleInterface(*found);
        auto* tab = new TTabAccessible(Strip(), index);
        m_tabs.insert(index, QAccessible::registerAccessibleInterface(tab));
        return tab;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (auto it = m_tabs.cbegin(); it != m_tabs.cend(); ++it) {
            if (QAccessible::accessibleInterface(it.value()) == child)
                return it.key();
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (int i = 0; i < childCount(); ++i) {
            if (child(i)->rect().contains(x, y))
                return child(i);
        }
        return nullptr;
    }

private:
    mutable QHash<int, QAccessible::Id> m_tabs;
};

QAccessibleInterface* StripAccessible(const QString&, QObject* object)
{
    if (auto* strip = qobject_cast<TsuiTabControlTopPanel*>(object))
        return new TStripAccessible(strip);
    return nullptr;
}

void NotifyTabSelected(TsuiTabControlTopPanel* strip, int index)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(strip);
    if (QAccessibleInterface* tab = list ? list->child(index) : nullptr) {
        QAccessibleEvent event(tab, QAccessible::Selection);
        QAccessible::updateAccessibility(&event);
    }
}

} // namespace

// ---- The strip -------------------------------------------------------------------------

TsuiTabControlTopPanel::TsuiTabControlTopPanel(TsuiTab* owner, QStringList tabs)
    : TsuiControl(owner)
    , m_owner(owner)
    , m_tabs(std::move(tabs))
{
    // Installed after the skinned controls' own description, so it is asked first.
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(StripAccessible);
        return true;
    }();
    (void)factoryInstalled;
    m_tabWidths.fill(-1);
    m_tabShown.fill(true);
    // The hot frames of the scroll buttons follow the mouse.
    setMouseTracking(true);
    TakeFormStyle();
}

void TsuiTabControlTopPanel::SetTabs(const QStringList& tabs)
{
    m_tabs = tabs;
    Relayout();
}

void TsuiTabControlTopPanel::SetTabIndex(int index)
{
    if (index == m_tabIndex)
        return;
    if (m_tabs.isEmpty()) {
        m_tabIndex = -1;
        Relayout();
        return;
    }
    if (index < -1 || index > m_tabs.size() - 1) {
        update();
        return;
    }
    if (m_userClick && m_owner->OnChanging) {
        bool allowChange = true;
        FireEvent([&] { m_owner->OnChanging(allowChange); });
        if (!allowChange)
            return;
    }
    m_tabIndex = index;
    Relayout(TView::KeepActiveInView);
    NotifyTabSelected(this, index);
    m_owner->TabActivated(index);
}

void TsuiTabControlTopPanel::MoveSelection(int index)
{
    m_tabIndex = index;
    Relayout(TView::KeepActiveInView);
}

void TsuiTabControlTopPanel::SetLeftMargin(int leftMargin)
{
    m_leftMargin = std::clamp(leftMargin, -kMaxMargin, kMaxMargin);
    Relayout();
}

bool TsuiTabControlTopPanel::TabShown(int index) const
{
    return index < 0 || index >= kMaxTabs || m_tabShown[std::size_t(index)];
}

void TsuiTabControlTopPanel::SetTabShown(int index, bool shown)
{
    if (index < 0 || index >= kMaxTabs)
        return;
    m_tabShown[std::size_t(index)] = shown;
    Relayout();
}

int TsuiTabControlTopPanel::TabWidth(int index) const
{
    return index >= 0 && index < kMaxTabs ? m_tabWidths[std::size_t(index)] : -1;
}

std::optional<TRect> TsuiTabControlTopPanel::TabRect(int index) const
{
    for (const TPlacedTab& tab : m_placed) {
        if (tab.index == index)
            return tab.rect;
    }
    return std::nullopt;
}

TRect TsuiTabControlTopPanel::NextButtonRect() const
{
    // Centred a little above the middle when there is room, else at the top.
    const int top = height() > m_buttonHeight + 4 ? (height() - m_buttonHeight) / 2 - 2 : 0;
    const int left = width() - 2 - m_buttonWidth;
    return { left, top, width() - 2, top + m_buttonHeight };
}

TRect TsuiTabControlTopPanel::PreviousButtonRect() const
{
    const TRect next = NextButtonRect();
    return { next.Left - m_buttonWidth, next.Top, next.Left, next.Bottom };
}

void TsuiTabControlTopPanel::PlaceInOwner()
{
    const QSize before = size();
    SetBounds(0, 0, m_owner->width(), m_stripHeight);
    // A hidden strip gets its resize event only when shown; its layout is needed now.
    if (width() != before.width())
        Relayout();
    if (height() != before.height())
        m_owner->Realign();
}

void TsuiTabControlTopPanel::Relayout()
{
    Relayout(TView::AsItIs);
}

void TsuiTabControlTopPanel::ClickTab(int index)
{
    // A refused click, or one on the selected tab, leaves the strip as it is.
    QPointer<TsuiTabControlTopPanel> self(this);
    m_userClick = true;
    SetTabIndex(index);
    if (self)
        m_userClick = false;
}

void TsuiTabControlTopPanel::ApplyStyle(const TsuiStyleSource& source)
{
    // A theme without one of these bitmaps draws without it, not with the last style's.
    m_activeTab = m_inactiveTab = m_bar = QImage();
    m_scrollButtons.fill(QImage());
    source.GetBitmapFrame(SUI_THEME_TabControlTabImage, &m_activeTab, 1, 2);
    source.GetBitmapFrame(SUI_THEME_TabControlTabImage, &m_inactiveTab, 2, 2);
    source.GetBitmap(SUI_THEME_TabControlBarImage, &m_bar);
    for (int frame = 1; frame <= 4; ++frame)
        source.GetBitmapFrame(
            SUI_THEME_ScrollButtonImage, &m_scrollButtons[std::size_t(frame - 1)], frame, 4);
    m_buttonWidth = m_scrollButtons[0].width();
    m_buttonHeight = m_scrollButtons[0].height();
    m_stripHeight = m_inactiveTab.height() + m_bar.height();
    PlaceInOwner();
    Relayout();
}

void TsuiTabControlTopPanel::OwnerLoaded()
{
    if (const std::optional<TView> view = std::exchange(m_deferredView, std::nullopt))
        Relayout(*view);
}

void TsuiTabControlTopPanel::Relayout(TView view)
{
    if (m_owner->Loading()) {
        m_deferredView = std::max(view, m_deferredView.value_or(TView::AsItIs));
        return;
    }
    // A selected tab scrolled off to the left comes back as the first one shown.
    if (view == TView::KeepActiveInView && m_tabIndex >= 0 && m_tabIndex < m_tabs.size()
        && TabShown(m_tabIndex)) {
        int shownBefore = 0;
        for (int i = 0; i < m_tabIndex; ++i)
            shownBefore += TabShown(i) ? 1 : 0;
        m_firstShown = std::min(m_firstShown, shownBefore);
    }
    int lastWhole = LayOutTabs();
    // Scroll right until the selected tab is wholly in view; every pass scrolls one more
    // shown tab off, so this ends once all are off.
    if (view == TView::KeepActiveInView) {
        while (lastWhole < m_tabIndex && m_firstShown < m_tabs.size()) {
            ++m_firstShown;
            lastWhole = LayOutTabs();
        }
    }
    update();
}

int TsuiTabControlTopPanel::RightLimit() const
{
    return width() - 2 * m_buttonWidth - 2;
}

// Places the tabs from LeftMargin, skipping hidden ones and the first FirstShown shown
// ones, and cuts the first that passes the limit; returns the index of the last tab shown
// whole (the last tab when none was cut).
int TsuiTabControlTopPanel::LayOutTabs()
{
    const int limit = RightLimit();
    const int height = m_inactiveTab.height();
    const int count = int(m_tabs.size());
    m_tabHeight = m_activeTab.height();
    m_placed.clear();
    // Tabs that are hidden or lie past a cut cover nothing; the table ends after the last.
    m_tabWidths.fill(-1);
    std::fill_n(m_tabWidths.begin(), std::min(count, kClickableTabs), 0);

    QImage probe(1, 1, QImage::Format_RGB32);
    TCanvas measure(probe);
    measure.Font().Assign(*m_owner->TabFont());

    int lastWhole = count - 1;
    int shownCount = 0;
    bool cutOne = false;
    long long x = m_leftMargin;
    for (int i = 0; i < count; ++i) {
        if (!TabShown(i))
            continue;
        if (cutOne)
            break;
        const QString& caption = m_tabs[i];
        const int width = caption.isEmpty()
            ? kEmptyTabWidth
            : std::min(measure.TextWidth(Utf8(caption)), kMaxMargin) + kCaptionPadding;
        if (i < kClickableTabs)
            m_tabWidths[std::size_t(i)] = width;
        if (++shownCount <= m_firstShown)
            continue;
        const bool active = i == m_tabIndex;
        // The selected tab sits one pixel lower, over the bar's top row.
        const int top = active ? 1 : 0;
        TPlacedTab tab { i,
            { int(x), top, int(std::min<long long>(x + width, limit)), top + height }, active,
            x + width > limit };
        if (tab.cut) {
            cutOne = true;
            lastWhole = i - 1;
            if (!active && i < kClickableTabs)
                m_tabWidths[std::size_t(i)] = int(limit - x);
        }
        m_placed.push_back(tab);
        x += width;
    }
    m_overflow = x > limit;
    return lastWhole;
}

void TsuiTabControlTopPanel::Paint(TCanvas& canvas) const
{
    const int width = canvas.Width();
    const int tabHeight = m_inactiveTab.height();
    const int barHeight = m_bar.height();

    // 1. What the owner's parent shows behind the owner.
    canvas.Brush.Style = TBrushStyle::Solid;
    canvas.Brush.Color = m_owner->Color();
    canvas.FillRect(TRect::FromSize(width, canvas.Height()));
    PaintParentBackground(canvas, m_owner);

    // 2. The bar under the tabs, closed by the border's two end lines.
    if (!m_bar.isNull())
        canvas.StretchDraw({ 1, tabHeight, width - 1, tabHeight + barHeight }, m_bar);
    canvas.Pen.Color = m_owner->BorderColor();
    canvas.Pen.Style = TPenStyle::Solid;
    canvas.MoveTo(0, tabHeight);
    canvas.LineTo(0, tabHeight + barHeight);
    canvas.MoveTo(width - 1, tabHeight);
    canvas.LineTo(width - 1, tabHeight + barHeight);

    // 3. The tabs with their captions; a cut tab's caption starts at its left.
    canvas.Font().Assign(*m_owner->TabFont());
    canvas.Brush.Style = TBrushStyle::Clear;
    for (const TPlacedTab& tab : m_placed) {
        DrawThreePart(tab.active ? m_activeTab : m_inactiveTab, canvas, tab.rect, false);
        const std::string caption = Utf8(m_tabs[tab.index]);
        if (tab.cut)
            canvas.DrawText(caption,
                { tab.rect.Left + kCutCaptionLeft, tab.rect.Top, tab.rect.Right - kCutCaptionRight,
                    tab.rect.Bottom },
                DT_LEFT | DT_SINGLELINE | DT_VCENTER);
        else
            canvas.DrawText(caption, tab.rect, DT_CENTER | DT_SINGLELINE | DT_VCENTER);
    }

    // 4. The scroll buttons, hot under the mouse.
    if (!ScrollButtonsShown())
        return;
    const bool previousHot
        = m_cursor && PointInRect({ m_cursor->x(), m_cursor->y() }, PreviousButtonRect());
    const bool nextHot
        = m_cursor && PointInRect({ m_cursor->x(), m_cursor->y() }, NextButtonRect());
    const QImage& next = m_scrollButtons[nextHot ? 1 : 0];
    const QImage& previous = m_scrollButtons[previousHot ? 3 : 2];
    for (const auto& [frame, rect] :
        { std::pair { &next, NextButtonRect() }, std::pair { &previous, PreviousButtonRect() } }) {
        if (!frame->isNull())
            canvas.DrawTransparent(
                rect.Left, rect.Top, *frame, FromPixel(frame->pixel(0, frame->height() - 1)));
    }
}

void TsuiTabControlTopPanel::resizeEvent(QResizeEvent* event)
{
    TsuiControl::resizeEvent(event);
    Relayout();
}

void TsuiTabControlTopPanel::mousePressEvent(QMouseEvent* event)
{
    TsuiControl::mousePressEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint point = event->position().toPoint();
    m_cursor = point;
    if (const int hot = HotButtonAt(point)) {
        Scroll(hot);
        return;
    }
    if (const int tab = TabAt(point); tab >= 0)
        ClickTab(tab);
}

void TsuiTabControlTopPanel::mouseMoveEvent(QMouseEvent* event)
{
    TsuiControl::mouseMoveEvent(event);
    TrackCursor(event->position().toPoint());
}

void TsuiTabControlTopPanel::leaveEvent(QEvent* event)
{
    TsuiControl::leaveEvent(event);
    TrackCursor(std::nullopt);
}

void TsuiTabControlTopPanel::TrackCursor(std::optional<QPoint> cursor)
{
    const int before = HotButtonAt(m_cursor);
    m_cursor = cursor;
    if (HotButtonAt(m_cursor) != before)
        update();
}

// Where two buttons share an edge the previous one wins, as it is tested last.
int TsuiTabControlTopPanel::HotButtonAt(std::optional<QPoint> point) const
{
    if (!point || !ScrollButtonsShown())
        return 0;
    const TPoint at { point->x(), point->y() };
    if (PointInRect(at, PreviousButtonRect()))
        return -1;
    return PointInRect(at, NextButtonRect()) ? 1 : 0;
}

void TsuiTabControlTopPanel::Scroll(int hotButton)
{
    if (hotButton < 0)
        --m_firstShown;
    else if (m_overflow)
        ++m_firstShown;
    m_firstShown = std::clamp(m_firstShown, 0, int(m_tabs.size()));
    Relayout();
}

// Strictly inside a tab of the last layout, walking from the first tab in view; the
// walk ends at the first -1 width, so tabs past the table are never hit.
int TsuiTabControlTopPanel::TabAt(QPoint point) const
{
    if (point.y() <= 0 || point.y() >= m_tabHeight)
        return -1;
    int i = 0;
    for (int shown = 0; i < m_tabs.size(); ++i) {
        if (TabShown(i) && ++shown > m_firstShown)
            break;
    }
    long long left = m_leftMargin;
    for (; i < kMaxTabs && m_tabWidths[std::size_t(i)] != -1; ++i) {
        const long long right = left + m_tabWidths[std::size_t(i)];
        if (left < point.x() && point.x() < right)
            return i;
        left = right;
    }
    return -1;
}

// ---- The tabbed control ----------------------------------------------------------------

TsuiTab::TsuiTab(QWidget* parent)
    : TsuiControl(parent, TThemeLoss::WithChildren)
    , m_tabFont(std::make_unique<TFont>())
{
    SetBounds(x(), y(), kTabWidth, kTabControlHeight);
    m_tabFont->OnChange = [this] {
        if (m_topPanel)
            m_topPanel->Relayout();
    };
}

TsuiTab::~TsuiTab()
{
    // The strip reads the owner's font and colours; it goes before they do, and nothing
    // reaches it while it goes.
    delete std::exchange(m_topPanel, nullptr);
}

void TsuiTab::MakeTopPanel()
{
    m_topPanel = CreateTopPanel();
    m_topPanel->PlaceInOwner();
    Realign();
}

int TsuiTab::LeftMargin() const
{
    return m_topPanel->LeftMargin();
}

void TsuiTab::SetLeftMargin(int leftMargin)
{
    m_topPanel->SetLeftMargin(leftMargin);
}

void TsuiTab::SetBorderColor(TColor borderColor)
{
    m_borderColor = borderColor;
    BorderColorChanged();
    update();
    m_topPanel->update();
}

QRect TsuiTab::ClientRect() const
{
    const int top = (m_topPanel ? m_topPanel->StripHeight() : 0) + kClientInset;
    const QRect inner = rect().adjusted(kClientInset, top, -kClientInset, -kClientInset);
    return QRect(inner.topLeft(), QSize(std::max(0, inner.width()), std::max(0, inner.height())));
}

TNotifyEvent* TsuiTab::FindEvent(std::string_view name)
{
    return name == "OnChange" ? &OnChange : TsuiControl::FindEvent(name);
}

void TsuiTab::SelectTab(int index)
{
    m_topPanel->SetTabIndex(index);
}

void TsuiTab::TabActivated(int index)
{
    if (Loading())
        return;
    QPointer<TsuiTab> self(this);
    if (OnTabActive)
        FireEvent([&] { OnTabActive(index); });
    if (self)
        FireEvent(OnChange);
}

void TsuiTab::UIStyleChanged(TsuiUIStyle style, TsuiFileTheme* fileTheme)
{
    ApplyStyleToChildren(this, style, fileTheme);
}

void TsuiTab::ApplyStyle(const TsuiStyleSource& source)
{
    m_topPanel->SetFileTheme(FileTheme());
    m_topPanel->SetUIStyle(UIStyle());
    UIStyleChanged(UIStyle(), FileTheme());
    SetBorderColor(source.GetColor(SUI_THEME_ControlBorderColor));
    // A theme file leaves the fill alone; WinXP pages are white, not its grey.
    if (!source.FromFile())
        SetColor(UIStyle() == WinXP ? clWhite : source.GetColor(SUI_THEME_ControlBackgroundColor));
    update();
}

void TsuiTab::Paint(TCanvas& canvas) const
{
    const int width = canvas.Width();
    const int height = canvas.Height();
    const int top = m_topPanel->StripHeight();
    // The strip covers the top rows; the strip's bar is the border's top edge.
    canvas.Brush.Style = TBrushStyle::Solid;
    canvas.Brush.Color = Color();
    canvas.FillRect(TRect::FromSize(width, height));
    canvas.Pen.Color = m_borderColor;
    canvas.Pen.Style = TPenStyle::Solid;
    canvas.Polyline(
        { { 0, top }, { 0, height - 1 }, { width - 1, height - 1 }, { width - 1, top - 1 } });
}

void TsuiTab::Loaded()
{
    m_topPanel->OwnerLoaded();
}

void TsuiTab::resizeEvent(QResizeEvent* event)
{
    TsuiControl::resizeEvent(event);
    if (m_topPanel)
        m_topPanel->PlaceInOwner();
}
