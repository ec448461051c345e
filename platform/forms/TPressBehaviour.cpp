#include "platform/forms/TPressBehaviour.h"

TPressBehaviour::TPressBehaviour()
{
    m_repeat.SetEnabled(false);
    m_repeat.OnTimer = [this] { FireEvent(OnRepeat); };
}

void TPressBehaviour::Enter()
{
    Set(true, m_pressed, m_held);
}

void TPressBehaviour::Leave()
{
    StopRepeat();
    Set(false, false, m_held);
}

void TPressBehaviour::Press()
{
    // One timer per hold: a second press while it runs keeps its period.
    if (m_repeatOnPress && m_repeatInterval > 0 && !m_repeat.Enabled()) {
        m_repeat.SetInterval(m_repeatInterval);
        m_repeat.SetEnabled(true);
    }
    Set(true, true, true);
}

void TPressBehaviour::Move(bool inside)
{
    if (!m_held) {
        Set(inside, m_pressed, false);
        return;
    }
    Set(inside, inside && m_pressed, true);
}

bool TPressBehaviour::Release(bool inside)
{
    bool click = m_held && inside;
    if (click)
        StopRepeat();
    Set(inside, false, false);
    return click;
}

void TPressBehaviour::KeyDown()
{
    Set(m_hot, true, m_held);
}

bool TPressBehaviour::KeyUp()
{
    if (!m_pressed)
        return false;
    Set(m_hot, false, m_held);
    return true;
}

void TPressBehaviour::EndPress()
{
    StopRepeat();
    Set(m_hot, false, m_held);
}

void TPressBehaviour::StopRepeat()
{
    m_repeat.SetEnabled(false);
}

void TPressBehaviour::Set(bool hot, bool pressed, bool held)
{
    if (hot == m_hot && pressed == m_pressed && held == m_held)
        return;
    m_hot = hot;
    m_pressed = pressed;
    m_held = held;
    if (OnChanged)
        OnChanged();
}
