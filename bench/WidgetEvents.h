#pragma once

// What the control benchmarks send to widgets and count of them.

#include <QApplication>
#include <QEnterEvent>
#include <QWidget>

#include <map>

inline void SendEnter(QWidget& control)
{
    const QPointF at(2, 2);
    QEnterEvent enter(at, at, control.mapToGlobal(at));
    QApplication::sendEvent(&control, &enter);
}

inline void SendLeave(QWidget& control)
{
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&control, &leave);
}

// Counts the paint events each watched widget gets.
class TPaintCounter : public QObject {
public:
    void Watch(QWidget& widget)
    {
        widget.installEventFilter(this);
        m_paints[&widget] = 0;
    }
    int Paints(const QWidget& widget) const { return m_paints.at(&widget); }
    int AllPaints() const
    {
        int sum = 0;
        for (const auto& watched : m_paints)
            sum += watched.second;
        return sum;
    }
    int PaintsBesides(const QWidget& widget) const { return AllPaints() - Paints(widget); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++m_paints[watched];
        return false;
    }

private:
    std::map<const QObject*, int> m_paints;
};
