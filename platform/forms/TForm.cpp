#include "platform/forms/TForm.h"

#include <QPainter>
#include <QScreen>
#include <QWidget>

#include <algorithm>

void TSizeConstraints::Set(int& field, int value)
{
    field = std::clamp(value, 0, QWIDGETSIZE_MAX);
    if (OnChange)
        OnChange();
}

TForm::TForm(QWidget* parent)
    : TControl(parent)
    , m_constraints(std::make_unique<TSizeConstraints>())
{
    m_constraints->OnChange = [this] { ApplyConstraints(); };
}

void TForm::setVisible(bool visible)
{
    // Placed before the window exists: a move of a window being mapped races with the
    // window manager, which may leave Qt believing the window sits at (0, 0).
    if (visible && !m_placed && isWindow()) {
        m_placed = true;
        if (m_position == poScreenCenter && screen()) {
            QRect area = screen()->geometry();
            move(
                area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
        }
    }
    TControl::setVisible(visible);
}

void TForm::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(Color()));
}

void TForm::ApplyConstraints()
{
    auto limit = [](int value) { return value > 0 ? value : QWIDGETSIZE_MAX; };
    setMinimumSize(m_constraints->MinWidth(), m_constraints->MinHeight());
    setMaximumSize(limit(m_constraints->MaxWidth()), limit(m_constraints->MaxHeight()));
}
