#include "platform/forms/TStatusBar.h"

#include "platform/core/Exceptions.h"
#include "platform/forms/PlainPaint.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr int kTextIndent = 2;

} // namespace

TStatusPanel::TStatusPanel(QWidget& bar)
    : QObject(&bar)
    , m_bar(bar)
{
}

void TStatusPanel::SetWidth(int width)
{
    m_width = width;
    m_bar.update();
}

void TStatusPanel::SetText(const QString& text)
{
    m_text = text;
    m_bar.update();
}

TStatusBar::TStatusBar(QWidget* parent)
    : TControl(parent)
{
    SetBounds(0, 0, 200, 19);
    SetAlign(alBottom);
}

TStatusPanel& TStatusBar::Panel(int index) const
{
    if (index < 0 || index >= PanelCount())
        throw EInvalidOperation("List index out of bounds (" + std::to_string(index) + ")");
    return *m_panels[std::size_t(index)];
}

void TStatusBar::SetPanelText(int index, const std::string& text)
{
    Panel(index).SetText(QString::fromStdString(text));
}

std::string TStatusBar::PanelText(int index) const
{
    return Panel(index).Text().toStdString();
}

bool TStatusBar::ClearCollection(std::string_view collection)
{
    if (collection != "Panels")
        return false;
    for (TStatusPanel* panel : m_panels)
        delete panel;
    m_panels.clear();
    update();
    return true;
}

QObject* TStatusBar::AddCollectionItem(std::string_view collection)
{
    if (collection != "Panels")
        return nullptr;
    m_panels.push_back(new TStatusPanel(*this));
    update();
    return m_panels.back();
}

void TStatusBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(Color()));
    int left = 0;
    for (std::size_t i = 0; i < m_panels.size(); ++i) {
        bool last = i + 1 == m_panels.size();
        int right = last ? width() : left + std::clamp(m_panels[i]->Width(), 0, width() - left);
        if (right == left)
            continue;
        QRect panel(left, 0, right - left, height());
        if (!last)
            painter.fillRect(QRect(panel.right(), 0, 1, height()), ToQColor(clBtnShadow));
        DrawCaptionText(painter, panel.adjusted(kTextIndent, 0, -kTextIndent, 0),
            m_panels[i]->Text(), *Font(), Qt::AlignLeft | Qt::AlignVCenter, isEnabled());
        left = right;
    }
}
