#include "tools/gallery/GalleryStates.h"

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

// Eats what the real mouse sends; the sheet's own events are not spontaneous.
class TPinFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (!event->spontaneous())
            return false;
        switch (event->type()) {
        case QEvent::Enter:
        case QEvent::Leave:
        case QEvent::MouseMove:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            return true;
        default:
            return false;
        }
    }
};

// A picture over a control, in the control's place.
class TStillCover : public QWidget {
public:
    TStillCover(QWidget& control, QImage still)
        : QWidget(control.parentWidget())
        , m_still(std::move(still))
    {
        setGeometry(control.geometry());
        setAttribute(Qt::WA_TransparentForMouseEvents);
        show();
        raise();
    }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).drawImage(0, 0, m_still); }

private:
    QImage m_still;
};

} // namespace

void Pin(QWidget& control) { control.installEventFilter(new TPinFilter(&control)); }

void Hover(QWidget& control)
{
    const QPointF at(1, 1);
    QEnterEvent enter(at, at, control.mapToGlobal(at));
    QApplication::sendEvent(&control, &enter);
}

void Push(QWidget& control, QPoint at)
{
    Hover(control);
    QMouseEvent press(QEvent::MouseButtonPress, at, control.mapToGlobal(at), Qt::LeftButton,
        Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&control, &press);
}

void TFocusStills::Add(QWidget& control) { m_stills.push_back({ &control, nullptr }); }

bool TFocusStills::Take()
{
    bool all = true;
    for (TStill& still : m_stills) {
        if (!still.control || still.cover)
            continue;
        still.control->setFocus(Qt::OtherFocusReason);
        if (!still.control->hasFocus()) {
            all = false;
            continue;
        }
        still.cover = new TStillCover(*still.control, still.control->grab().toImage());
        still.control->clearFocus();
    }
    return all;
}
