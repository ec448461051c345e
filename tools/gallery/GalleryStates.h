#pragma once

#include <QImage>
#include <QPoint>
#include <QPointer>
#include <QWidget>

#include <vector>

// Puts controls into the states the sheet shows, through the input a control gets from the
// window system, so each state is the control's own drawing of it.

// Real mouse input no longer reaches the control, so a state given to it stays.
void Pin(QWidget& control);
// The mouse is over the control.
void Hover(QWidget& control);
// The mouse is over the control with the left button held down at `at`.
void Push(QWidget& control, QPoint at);

// A control shown with the keyboard focus. Only one widget of a program has the focus at a
// time, so each of these is given it in turn once its window is active, and a still of
// what it painted then covers it.
class TFocusStills {
public:
    void Add(QWidget& control);
    // Covers each control that can take the focus now; true once every one is covered.
    bool Take();

private:
    struct TStill {
        QPointer<QWidget> control;
        QPointer<QWidget> cover;
    };
    std::vector<TStill> m_stills;
};
