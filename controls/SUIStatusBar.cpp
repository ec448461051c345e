#include "controls/SUIStatusBar.h"

#include "platform/forms/TStatusBar.h"
#include "platform/graphics/TCanvas.h"
#include "skin/SUIForm.h"
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

// Whether the user may resize the window: what its border allowed before the skinned
// frame took it over.
bool WindowIsSizeable(const TsuiForm& frame)
{
    return frame.InitialBorderStyle() == TFormBorderStyle::Sizeable;
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

void TsuiStatusBar::SetPanelText(int index, const std::string& text)
{
    Panel(index).SetText(QString::fromStdString(text));
    NotifyAccessibleName();
}

std::string TsuiStatusBar::PanelText(int index) const
{
    return Panel(index).Text().toStdString();
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
    for (const TStatusPanel* panel : m_panels.Items()) {
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

    const std::vector<QRect> cells = m_panels.Cells(width(), height());
    canvas.Pen.Color = clBtnShadow;
    canvas.Brush.Style = TBrushStyle::Clear;
    canvas.Font().SetColor(isEnabled() ? Font()->Color() : clGrayText);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const TRect panel = TRect::FromQRect(cells[i]);
        if (panel.IsEmpty())
            continue;
        if (i + 1 < cells.size()) {
            canvas.MoveTo(panel.Right - 1, 0);
            canvas.LineTo(panel.Right - 1, panel.Bottom);
        }
        canvas.DrawText(m_panels.Items()[i]->Text().toStdString(), panel.Inflate(-kTextIndent, 0),
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
    const auto* frame = qobject_cast<const TsuiForm*>(parentWidget());
    if (!frame || frame->OwnerForm() != window())
        return false;
    return WindowIsSizeable(*frame) && !window()->isMaximized();
}

void TsuiStatusBar::ResizeWindowTo(QPoint screenPoint) const
{
    QWidget* form = window();
    if (form == this)
        return;
    form->resize(
        screenPoint.x() - form->x() + kDragMargin, screenPoint.y() - form->y() + kDragMargin);
}
