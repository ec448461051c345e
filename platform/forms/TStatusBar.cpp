#include "platform/forms/TStatusBar.h"

#include "platform/core/Exceptions.h"
#include "platform/forms/PlainPaint.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr int kTextIndent = 2;

} // namespace

TStatusPanel::TStatusPanel(const TStatusPanels& panels)
    : QObject(&panels.Bar())
    , m_panels(panels)
{
}

void TStatusPanel::SetWidth(int width)
{
    m_width = width;
    m_panels.Bar().update();
}

void TStatusPanel::SetText(const QString& text)
{
    m_text = text;
    // Texts stay in their cells: a new one repaints only its own.
    m_panels.Bar().update(m_panels.CellOf(*this));
}

TStatusPanel& TStatusPanels::Panel(int index) const
{
    if (index < 0 || index >= Count())
        throw EInvalidOperation("List index out of bounds (" + std::to_string(index) + ")");
    return *m_panels[std::size_t(index)];
}

bool TStatusPanels::Clear(std::string_view collection)
{
    if (collection != "Panels")
        return false;
    for (TStatusPanel* panel : m_panels)
        delete panel;
    m_panels.clear();
    m_bar.update();
    return true;
}

QObject* TStatusPanels::Add(std::string_view collection)
{
    if (collection != "Panels")
        return nullptr;
    m_panels.push_back(new TStatusPanel(*this));
    m_bar.update();
    return m_panels.back();
}

QRect TStatusPanels::CellOf(const TStatusPanel& panel) const
{
    const auto at = std::find(m_panels.begin(), m_panels.end(), &panel);
    if (at == m_panels.end())
        return {};
    return Cells(m_bar.width(), m_bar.height())[std::size_t(at - m_panels.begin())];
}

std::vector<QRect> TStatusPanels::Cells(int width, int height) const
{
    std::vector<QRect> cells;
    int left = 0;
    for (std::size_t i = 0; i < m_panels.size(); ++i) {
        const bool last = i + 1 == m_panels.size();
        const int right = last ? width : left + std::clamp(m_panels[i]->Width(), 0, width - left);
        cells.emplace_back(left, 0, right - left, height);
        left = right;
    }
    return cells;
}

TStatusBar::TStatusBar(QWidget* parent)
    : TControl(parent)
{
    SetBounds(0, 0, 200, 19);
    SetAlign(alBottom);
}

void TStatusBar::SetPanelText(int index, const std::string& text)
{
    Panel(index).SetText(QString::fromStdString(text));
}

std::string TStatusBar::PanelText(int index) const
{
    return Panel(index).Text().toStdString();
}

void TStatusBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(Color()));
    const std::vector<QRect> cells = m_panels.Cells(width(), height());
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const QRect& cell = cells[i];
        if (cell.isEmpty())
            continue;
        if (i + 1 < cells.size())
            painter.fillRect(QRect(cell.right(), 0, 1, height()), ToQColor(clBtnShadow));
        DrawCaptionText(painter, cell.adjusted(kTextIndent, 0, -kTextIndent, 0),
            m_panels.Items()[i]->Text(), *Font(), Qt::AlignLeft | Qt::AlignVCenter, isEnabled());
    }
}
