#pragma once

#include "platform/core/TTimer.h"

#include <functional>

// Hover, press, click and auto-repeat of anything that acts like a button: push buttons,
// the track bar's paging, scroll bar arrows, title-bar buttons. Every control owns one
// (TControl feeds it the mouse); a control reads Hot(), Pressed() and Held() to paint.
//
//   input                      hot    pressed  held   repeat timer       output
//   pointer enters             true   -        -      -
//   pointer leaves             false  false    -      stopped
//   left press inside          true   true     true   started if idle
//   move outside while held    false  false    true   keeps running
//   move inside while held     true   -        true   -
//   left release inside        true   false    false  stopped            Click
//   left release outside       false  false    false  until the leave
//   Space/Enter down           -      true     -      -
//   Space/Enter up, pressed    -      false    -      -                  Click
//
// Pressed is the pushed-in look: once the pointer has left during a hold it stays out
// until the next press. Held tells that the hold began on the control, which is what
// decides the click. The repeat timer fires OnRepeat every RepeatInterval ms, the first
// time one interval after the press; an interval of 0 or less never fires.
class TPressBehaviour {
public:
    TPressBehaviour();

    bool Hot() const { return m_hot; }
    bool Pressed() const { return m_pressed; }
    bool Held() const { return m_held; }
    bool Repeating() const { return m_repeat.Enabled(); }

    int RepeatInterval() const { return m_repeatInterval; }
    void SetRepeatInterval(int milliseconds) { m_repeatInterval = milliseconds; }
    // Whether a press starts the repeat timer at all.
    void SetRepeatOnPress(bool repeat) { m_repeatOnPress = repeat; }

    void Enter();
    void Leave();
    void Press();
    void Move(bool inside);
    // True when the release makes a click.
    bool Release(bool inside);
    void KeyDown();
    // True when the key release makes a click.
    bool KeyUp();
    // A click from elsewhere (accelerator, default button) ends a press and its repeat.
    void EndPress();
    void StopRepeat();

    // Called whenever Hot, Pressed or Held changed.
    std::function<void()> OnChanged;
    TNotifyEvent OnRepeat;

private:
    void Set(bool hot, bool pressed, bool held);

    TTimer m_repeat;
    int m_repeatInterval = 100;
    bool m_repeatOnPress = false;
    bool m_hot = false;
    bool m_pressed = false;
    bool m_held = false;
};
