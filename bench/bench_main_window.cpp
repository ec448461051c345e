#include "app/TErrorBoxes.h"
#include "app/Tfrm_main.h"

#include <QApplication>
#include <QEnterEvent>

#include <benchmark/benchmark.h>

namespace {

// The real main window, read from its stored layout and shown on the offscreen platform,
// so paints take the window system's path: into the window's backing store, then the flush.
class TShownMainWindow {
public:
    TShownMainWindow()
        : m_boxes("Zintaro")
        , m_window(m_boxes)
    {
        m_window.show();
        Settle();
    }
    Tfrm_main& Window() { return m_window; }
    QWidget& Control(const char* name) { return *m_window.findChild<QWidget*>(name); }
    static void Settle() { QApplication::processEvents(); }

private:
    TErrorBoxes m_boxes;
    Tfrm_main m_window;
};

class TPaintCounter : public QObject {
public:
    long paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

// The whole window painted once into an image: border, title bar and every control with
// its children, each through its own paint function. Counts the paint events per round.
void BM_MainWindowFullRepaint(benchmark::State& state)
{
    TShownMainWindow shown;
    TPaintCounter counter;
    for (QWidget* widget : shown.Window().findChildren<QWidget*>())
        widget->installEventFilter(&counter);
    for (auto _ : state)
        benchmark::DoNotOptimize(shown.Window().grab());
    state.counters["paint_events"] = double(counter.paints) / double(state.iterations());
}
BENCHMARK(BM_MainWindowFullRepaint)->Unit(benchmark::kMicrosecond);

// The mouse enters the side menu's Open button, which frames itself: the enter event and
// the repaint it asks for. The leave that readies the next round is not timed.
void BM_SideMenuButtonHover(benchmark::State& state)
{
    TShownMainWindow shown;
    QWidget& button = shown.Control("SBTN_Open");
    const QPointF at(2, 2);
    for (auto _ : state) {
        QEnterEvent enter(at, at, button.mapToGlobal(at));
        QApplication::sendEvent(&button, &enter);
        TShownMainWindow::Settle();
        state.PauseTiming();
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&button, &leave);
        TShownMainWindow::Settle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SideMenuButtonHover)->Unit(benchmark::kMicrosecond);

// One step of a resize drag: the window one pixel wider or narrower, the frame and every
// aligned control laid out again, and the repaints that asks for.
void BM_ResizeStep(benchmark::State& state)
{
    TShownMainWindow shown;
    QWidget& window = shown.Window();
    const QSize size = window.size();
    bool wider = true;
    for (auto _ : state) {
        window.resize(size.width() + (wider ? 1 : 0), size.height() + (wider ? 1 : 0));
        TShownMainWindow::Settle();
        wider = !wider;
    }
}
BENCHMARK(BM_ResizeStep)->Unit(benchmark::kMicrosecond);

} // namespace
