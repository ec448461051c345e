#include "controls/SUIMemo.h"

#include "platform/graphics/TCanvas.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>

#include <functional>

namespace {

constexpr int kDefaultWidth = 185;
constexpr int kDefaultHeight = 89;
// The border: one ring in BorderColor, one in Color.
constexpr int kBorderWidth = 2;
constexpr int kTextMargin = 2;
// What a bar that is given back is left with.
constexpr int kReleasedMax = 100;

// The editor wants "\n"; callers hand in any line ends.
QString EditorText(std::string_view text)
{
    QString lines = QString::fromUtf8(text.data(), qsizetype(text.size()));
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    lines.replace('\r', '\n');
    return lines;
}

// The length of the thumb the edit's own bar shows, along the bar.
int ThumbLength(const QScrollBar* native)
{
    QStyleOptionSlider option;
    option.initFrom(native);
    option.orientation = native->orientation();
    if (option.orientation == Qt::Horizontal)
        option.state |= QStyle::State_Horizontal;
    option.minimum = native->minimum();
    option.maximum = native->maximum();
    option.sliderPosition = native->sliderPosition();
    option.sliderValue = native->value();
    option.singleStep = native->singleStep();
    option.pageStep = native->pageStep();
    option.subControls = QStyle::SC_All;
    const QRect thumb = native->style()->subControlRect(
        QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, native);
    return option.orientation == Qt::Horizontal ? thumb.width() : thumb.height();
}

// The edit tells its memo about each event it has handled, the way the memo watches the
// messages of the edit window: some scrolling (paging with the keys) moves the edit's bars
// with their signals blocked.
class TMemoEdit final : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;

    std::function<void(const QEvent&)> AfterEvent;

protected:
    bool event(QEvent* event) override
    {
        const bool handled = QPlainTextEdit::event(event);
        Tell(*event);
        return handled;
    }

    bool viewportEvent(QEvent* event) override
    {
        const bool handled = QPlainTextEdit::viewportEvent(event);
        Tell(*event);
        return handled;
    }

private:
    void Tell(const QEvent& event)
    {
        if (AfterEvent)
            AfterEvent(event);
    }
};

} // namespace

TsuiMemo::TsuiMemo(QWidget* parent)
    : TsuiControl(parent)
    , m_edit(new TMemoEdit(this))
{
    static_cast<TMemoEdit*>(m_edit)->AfterEvent
        = [this](const QEvent& event) { EditHandled(event); };
    m_edit->setFrameShape(QFrame::NoFrame);
    m_edit->document()->setDocumentMargin(kTextMargin);
    m_edit->setTabChangesFocus(true);
    setFocusProxy(m_edit);
    SetScrollBars(ssNone);
    for (QScrollBar* native : { m_edit->verticalScrollBar(), m_edit->horizontalScrollBar() }) {
        connect(native, &QScrollBar::valueChanged, this, [this] { SyncBars(); });
        connect(native, &QScrollBar::rangeChanged, this, [this] { SyncBars(); });
        // The edit lays its bars out after its own resize: their thumbs change then.
        native->installEventFilter(this);
    }
    connect(m_edit, &QPlainTextEdit::textChanged, this, [this] {
        m_edited |= !m_settingText;
        SyncBars();
    });
    SetColor(clWindow);
    SetBounds(0, 0, kDefaultWidth, kDefaultHeight);
    FontChanged();
    TakeFormStyle();
}

TsuiMemo::~TsuiMemo()
{
    // The edit dies after this body with the base classes; nothing it does then may
    // reach a memo that is half gone, nor a bar's handler a memo that is gone.
    for (QScrollBar* native : { m_edit->verticalScrollBar(), m_edit->horizontalScrollBar() }) {
        native->disconnect(this);
        native->removeEventFilter(this);
    }
    m_edit->disconnect(this);
    static_cast<TMemoEdit*>(m_edit)->AfterEvent = nullptr;
    for (TsuiScrollBar* bar : { m_vBar.data(), m_hBar.data() })
        if (bar)
            bar->OnChange = nullptr;
}

void TsuiMemo::SetFileTheme(TsuiFileTheme* fileTheme)
{
    for (TsuiScrollBar* bar : { m_vBar.data(), m_hBar.data() })
        if (bar)
            bar->SetFileTheme(fileTheme);
    TsuiStyledControl::SetFileTheme(fileTheme);
}

void TsuiMemo::SetBorderColor(TColor color)
{
    m_borderColor = color;
    update();
}

void TsuiMemo::SetVScrollBar(TsuiScrollBar* bar)
{
    Link(TLink::Vertical, bar);
}

void TsuiMemo::SetHScrollBar(TsuiScrollBar* bar)
{
    Link(TLink::Horizontal, bar);
}

void TsuiMemo::Link(TLink link, TsuiScrollBar* bar)
{
    QPointer<TsuiScrollBar>& linked = link == TLink::Vertical ? m_vBar : m_hBar;
    QPointer<TsuiScrollBar>& other = link == TLink::Vertical ? m_hBar : m_vBar;
    if (bar == linked)
        return;
    Release(linked);
    linked = nullptr;
    // One bar cannot follow both directions.
    if (bar && bar == other) {
        Release(other);
        other = nullptr;
    }
    linked = bar;
    if (!bar) {
        UpdateNativeBars();
        return;
    }
    bar->SetOrientation(link == TLink::Vertical ? suiVertical : suiHorizontal);
    bar->OnChange = [this, link] { ScrollFromBar(link); };
    connect(bar, &QObject::destroyed, this, [this, link] { BarDestroyed(link); });
    bar->raise();
    UpdateNativeBars();
    PlaceBars();
}

void TsuiMemo::Release(TsuiScrollBar* bar)
{
    if (!bar)
        return;
    disconnect(bar, &QObject::destroyed, this, nullptr);
    bar->OnChange = nullptr;
    bar->SetLineButton(0);
    bar->SetMax(kReleasedMax);
    bar->SetEnabled(true);
    bar->SetThumbVisible(true);
}

void TsuiMemo::BarDestroyed(TLink link)
{
    // The widget part tells of its end before the pointer to it is cleared.
    (link == TLink::Vertical ? m_vBar : m_hBar) = nullptr;
    UpdateNativeBars();
    PlaceBars();
}

void TsuiMemo::UpdateNativeBars()
{
    if (m_vBar && m_hBar)
        SetScrollBars(ssBoth);
    else if (m_vBar)
        SetScrollBars(ssVertical);
    else if (m_hBar)
        SetScrollBars(ssHorizontal);
    else
        SetScrollBars(ssNone);
}

void TsuiMemo::SetScrollBars(TScrollStyle scrollBars)
{
    m_scrollBars = scrollBars;
    const bool vertical = scrollBars == ssVertical || scrollBars == ssBoth;
    const bool horizontal = scrollBars == ssHorizontal || scrollBars == ssBoth;
    // A memo's bars stay put, greyed while there is nothing to scroll.
    m_edit->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    m_edit->setHorizontalScrollBarPolicy(
        horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

QRect TsuiMemo::BoundsFor(const TsuiScrollBar* bar) const
{
    const QWidget* place = bar->parentWidget();
    if (place == parentWidget())
        return geometry();
    const QPoint global = mapToGlobal(QPoint(0, 0));
    return QRect(place ? place->mapFromGlobal(global) : global, size());
}

void TsuiMemo::PlaceBars()
{
    const int w = width();
    const int h = height();
    if (m_hBar) {
        const QRect memo = BoundsFor(m_hBar);
        const int barHeight = m_hBar->height();
        const int length = m_vBar ? w - m_vBar->width() - 2 : w - 2;
        m_hBar->SetBounds(memo.left() + 1, memo.top() + h - barHeight - 2, length, barHeight);
        m_hBar->SetVisible(h >= barHeight);
    }
    if (m_vBar) {
        const QRect memo = BoundsFor(m_vBar);
        const int barWidth = m_vBar->width();
        const int length = m_hBar ? h - m_hBar->height() - 2 : h - 2;
        m_vBar->SetBounds(memo.left() + w - barWidth - 2, memo.top() + 1, barWidth, length);
        m_vBar->SetVisible(w >= barWidth);
    }
    SyncBars();
}

void TsuiMemo::SyncBars()
{
    if (m_scrollingFromBar)
        return;
    const QScopedValueRollback syncing(m_syncingBars, true);
    if (m_hBar)
        SyncBar(m_hBar, m_edit->horizontalScrollBar(), true);
    if (m_vBar)
        SyncBar(m_vBar, m_edit->verticalScrollBar(), false);
}

void TsuiMemo::SyncBar(TsuiScrollBar* bar, QScrollBar* native, bool horizontal)
{
    const Qt::ScrollBarPolicy policy
        = horizontal ? m_edit->horizontalScrollBarPolicy() : m_edit->verticalScrollBarPolicy();
    const bool unavailable = policy == Qt::ScrollBarAlwaysOff || !native->isEnabled()
        || native->maximum() <= native->minimum();
    if (unavailable) {
        bar->SetLineButton(0);
        bar->SetEnabled(false);
        bar->SetThumbVisible(false);
    } else {
        bar->SetLineButton(ThumbLength(native));
        if (horizontal)
            bar->SetSmallChange(bar->PageSize() * 3);
        bar->SetEnabled(true);
        bar->SetThumbVisible(true);
    }
    bar->SetMax(native->maximum());
    bar->SetMin(native->minimum());
    bar->SetPosition(native->value());
}

void TsuiMemo::EditHandled(const QEvent& event)
{
    switch (event.type()) {
    case QEvent::KeyPress:
    case QEvent::Wheel:
        SyncBars();
        break;
    case QEvent::MouseButtonPress:
        m_leftButtonDown |= static_cast<const QMouseEvent&>(event).button() == Qt::LeftButton;
        SyncBars();
        break;
    // Ending a selection brings its end into view.
    case QEvent::MouseButtonRelease:
        if (static_cast<const QMouseEvent&>(event).button() == Qt::LeftButton)
            m_leftButtonDown = false;
        SyncBars();
        break;
    // Selecting with the mouse scrolls, also while the pointer rests outside.
    case QEvent::MouseMove:
    case QEvent::Timer:
        if (m_leftButtonDown)
            SyncBars();
        break;
    default:
        break;
    }
}

void TsuiMemo::ScrollFromBar(TLink link)
{
    if (m_syncingBars)
        return;
    const QScopedValueRollback scrolling(m_scrollingFromBar, true);
    const bool vertical = link == TLink::Vertical;
    TsuiScrollBar* bar = vertical ? m_vBar : m_hBar;
    QScrollBar* native = vertical ? m_edit->verticalScrollBar() : m_edit->horizontalScrollBar();
    // The whole position: a tall text scrolls past line 65535 to where the thumb is.
    native->setValue(bar->Position());
    m_edit->viewport()->update();
    update();
}

void TsuiMemo::SetText(std::string_view text)
{
    const std::string_view shown = text.substr(0, text.find('\0'));
    if (!m_edited && shown == m_text)
        return;
    m_text = shown;
    m_edited = false;
    const QScopedValueRollback setting(m_settingText, true);
    m_edit->setPlainText(EditorText(m_text));
}

std::string TsuiMemo::Text() const
{
    if (!m_edited)
        return m_text;
    return m_edit->toPlainText().replace('\n', QLatin1String("\r\n")).toStdString();
}

QStringList TsuiMemo::Lines() const
{
    return m_edit->toPlainText().split('\n');
}

void TsuiMemo::SetLines(const QStringList& lines)
{
    SetText(lines.join(QLatin1String("\r\n")).toStdString());
}

bool TsuiMemo::ReadOnly() const
{
    return m_edit->isReadOnly();
}

void TsuiMemo::SetReadOnly(bool readOnly)
{
    m_edit->setReadOnly(readOnly);
}

bool TsuiMemo::WordWrap() const
{
    return m_edit->lineWrapMode() == QPlainTextEdit::WidgetWidth;
}

void TsuiMemo::SetWordWrap(bool wordWrap)
{
    m_edit->setLineWrapMode(wordWrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

bool TsuiMemo::WantTabs() const
{
    return !m_edit->tabChangesFocus();
}

void TsuiMemo::SetWantTabs(bool wantTabs)
{
    m_edit->setTabChangesFocus(!wantTabs);
}

void TsuiMemo::ApplyStyle(const TsuiStyleSource& source)
{
    m_borderColor = source.GetColor(SUI_THEME_ControlBorderColor);
    for (TsuiScrollBar* bar : { m_vBar.data(), m_hBar.data() })
        if (bar)
            bar->SetUIStyle(source.Style());
    update();
}

void TsuiMemo::Paint(TCanvas& canvas) const
{
    const TRect whole = TRect::FromSize(width(), height());
    canvas.Brush.Style = TBrushStyle::Solid;
    canvas.Brush.Color = Color();
    canvas.FillRect(whole);
    canvas.Brush.Color = m_borderColor;
    canvas.FrameRect(whole);
}

void TsuiMemo::ColorChanged()
{
    UpdatePalette();
    update();
}

void TsuiMemo::FontChanged()
{
    m_edit->setFont(Font()->ToQFont());
    UpdatePalette();
}

void TsuiMemo::UpdatePalette()
{
    QPalette palette = m_edit->palette();
    palette.setColor(QPalette::Base, ToQColor(Color()));
    palette.setColor(QPalette::Active, QPalette::Text, ToQColor(Font()->Color()));
    palette.setColor(QPalette::Inactive, QPalette::Text, ToQColor(Font()->Color()));
    palette.setColor(QPalette::Disabled, QPalette::Text, ToQColor(clGrayText));
    m_edit->setPalette(palette);
}

void TsuiMemo::changeEvent(QEvent* event)
{
    TsuiControl::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        SyncBars();
}

void TsuiMemo::resizeEvent(QResizeEvent* event)
{
    TsuiControl::resizeEvent(event);
    m_edit->setGeometry(rect().adjusted(kBorderWidth, kBorderWidth, -kBorderWidth, -kBorderWidth));
    PlaceBars();
}

void TsuiMemo::moveEvent(QMoveEvent* event)
{
    TsuiControl::moveEvent(event);
    PlaceBars();
}

bool TsuiMemo::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::Resize || type == QEvent::Show || type == QEvent::Hide)
        SyncBars();
    return TsuiControl::eventFilter(watched, event);
}
