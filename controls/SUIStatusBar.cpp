#include "controls/SUIStatusBar.h"

#include "platform/core/Exceptions.h"
#include "platform/forms/TStatusBar.h"
#include "platform/graphics/TCanvas.h"
#include "skin/SUIPublic.h"

#include <QMouseEvent>

#include <algorithm>

namespace {

constexpr int kTextIndent = 2;
// The window's corner stays this far beyond the pointer while the grip is dragged.
constexpr int kDragMargin = 5;

const QImage& GripBitmap()
{
    static const QImage grip = LoadSkinBitmap("STATUSBAR_HANDLE");
    return grip;
}

// Whether the user may resize the window: a fixed-size window is one whose border does
// not size.
bool WindowIsSizeable(const QWidget& window)
{
    return window.minimumSize() != window.maximumSize();
}

} // namespace

TsuiStatusBar::TsuiStatusBar(QWidget* parent)
    : TsuiControl(parent)
{
    SetBounds(0, 0, 200, 19);
    SetAlign(alBottom);
    // The cursor changes over the grip without a button held.
    setMouseTracking(true);
    TakeFormStyle();
}

TStatusPanel& TsuiStatusBar::Panel(int index) const
{
    if (index < 0 || index >= PanelCount())
        throw EInvalidOperation("List index out of bounds (" + std::to_string(index) + ")");
    return *m_panels[std::size_t(index)];
}

void TsuiStatusBar::SetPanelText(int index, const std::string& text)
{
    Panel(index).SetText(QString::fromStdString(text));
    if (QAccessible::isActive()) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

std::string TsuiStatusBar::PanelText(int index) const
{
    return Panel(index).Text().toStdString();
}

bool TsuiStatusBar::ClearCollection(std::string_view collection)
{
    if (collection != "Panels")
        return false;
    for (TStatusPanel* panel : m_panels)
        delete panel;
    m_panels.clear();
    update();
    return true;
}

QObject* TsuiStatusBar::AddCollectionItem(std::string_view collection)
{
    if (collection != "Panels")
        return nullptr;
    m_panels.push_back(new TStatusPanel(*this));
    update();
    return m_panels.back();
}

TRect TsuiStatusBar::GripArea() const
{
    if (!ShowsGrip())
        return {};
    const QImage& grip = GripBitmap();
    return { width() - grip.width() / 2 - 2, height() - grip.height() / 2 - 2, width(), height() };
}

QString TsuiStatusBar::AccessibleName() const
{
    QStringList texts;
    for (const TStatusPanel* panel : m_panels) {
        if (QString text = panel->Text().trimmed(); !text.isEmpty())
            texts << text;
    }
    return texts.join(", ");
}

void TsuiStatusBar::ApplyStyle(const TsuiStyleSource& source)
{
    SetPanelColor(source.GetColor(SUI_THEME_FormBackgroundColor));
}

void TsuiStatusBar::Paint(TCanvas& canvas) const
{
    PaintBackground(canvas, false);

    const std::vector<TRect> rects = PanelRects();
    canvas.Pen.Color = clBtnShadow;
    canvas.Brush.Style = TBrushStyle::Clear;
    canvas.Font().SetColor(isEnabled() ? Font()->Color() : clGrayText);
    for (std::size_t i = 0; i < rects.size(); ++i) {
        const TRect& panel = rects[i];
        if (panel.IsEmpty())
            continue;
        if (i + 1 < rects.size()) {
            canvas.MoveTo(panel.Right - 1, 0);
            canvas.LineTo(panel.Right - 1, panel.Bottom);
        }
        canvas.DrawText(m_panels[i]->Text().toStdString(), panel.Inflate(-kTextIndent, 0),
            DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }

    if (ShowsGrip()) {
        const QImage& grip = GripBitmap();
        const TColor key = FromPixel(grip.pixel(0, grip.height() - 1));
        canvas.DrawTransparent(width() - grip.width() - 1, height() - grip.height() - 1, grip, key);
    }
}

void TsuiStatusBar::mousePressEvent(QMouseEvent* event)
{
    TsuiControl::mousePressEvent(event);
    m_dragging = true;
}

void TsuiStatusBar::mouseMoveEvent(QMouseEvent* event)
{
    TsuiControl::mouseMoveEvent(event);
    if (m_dragging && m_overGrip) {
        ResizeWindowTo(event->globalPosition().toPoint());
        return;
    }
    const QPoint at = event->position().toPoint();
    const TRect area = GripArea();
    const bool overGrip = !area.IsEmpty() && PointInRect({ at.x(), at.y() }, area);
    if (overGrip == m_overGrip)
        return;
    m_overGrip = overGrip;
    if (overGrip)
        setCursor(Qt::SizeFDiagCursor);
    else
        SetCursor(Cursor());
}

void TsuiStatusBar::mouseReleaseEvent(QMouseEvent* event)
{
    TsuiControl::mouseReleaseEvent(event);
    m_dragging = false;
}

bool TsuiStatusBar::ShowsGrip() const
{
    const QWidget* frame = parentWidget();
    if (!frame || !frame->inherits("TsuiForm"))
        return false;
    const QWidget* form = window();
    return WindowIsSizeable(*form) && !form->isMaximized();
}

std::vector<TRect> TsuiStatusBar::PanelRects() const
{
    std::vector<TRect> rects;
    int left = 0;
    for (std::size_t i = 0; i < m_panels.size(); ++i) {
        const bool last = i + 1 == m_panels.size();
        const int right
            = last ? width() : left + std::clamp(m_panels[i]->Width(), 0, width() - left);
        rects.push_back({ left, 0, right, height() });
        left = right;
    }
    return rects;
}

void TsuiStatusBar::ResizeWindowTo(QPoint screenPoint) const
{
    QWidget* form = window();
    if (form == this)
        return;
    form->resize(
        screenPoint.x() - form->x() + kDragMargin, screenPoint.y() - form->y() + kDragMargin);
}
