#include "app/TErrorBoxes.h"
#include "app/Tfrm_main.h"
#include "bench/DemoWordPicture.h"
#include "bench/WidgetEvents.h"
#include "controls/SUIButton.h"
#include "controls/SUIStatusBar.h"
#include "controls/SUITrackBar.h"

#include <QApplication>
#include <QPixmap>

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

// The whole window painted once into an image: border, title bar and every control with
// its children, each through its own paint function. Counts the paint events per round.
void BM_MainWindowFullRepaint(benchmark::State& state)
{
    TShownMainWindow shown;
    TPaintCounter counter;
    for (QWidget* widget : shown.Window().findChildren<QWidget*>())
        counter.Watch(*widget);
    // Into one pixmap for every round, as the window system's store is: a new one each time
    // would time the allocator's mapping of fresh pages too.
    QPixmap target(shown.Window().size());
    for (auto _ : state)
        shown.Window().render(&target);
    state.counters["paint_events"] = double(counter.AllPaints()) / double(state.iterations());
}
BENCHMARK(BM_MainWindowFullRepaint)->Unit(benchmark::kMicrosecond);

// The mouse enters the side menu's Open button, which frames itself: the enter event and
// the repaint it asks for. The leave that readies the next round is not timed.
void BM_SideMenuButtonHover(benchmark::State& state)
{
    TShownMainWindow shown;
    QWidget& button = shown.Control("SBTN_Open");
    for (auto _ : state) {
        SendEnter(button);
        TShownMainWindow::Settle();
        state.PauseTiming();
        SendLeave(button);
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

// One word step as the learner sees it: status text, picture decoded and painted on
// screen, note shown, sound opened. Replay and an interval of one tick make every tick
// show the word again.
void BM_WordStepWithWindow(benchmark::State& state)
{
    TShownMainWindow shown;
    shown.Window().findChild<TsuiTrackBar*>("sTB_interval")->SetPosition(1);
    shown.Window().findChild<TsuiCheckBox*>("sCB_Replay")->SetChecked(true);
    shown.Window().Engine().OpenCourse(DemoFolder());
    TShownMainWindow::Settle();
    for (auto _ : state) {
        shown.Window().tmr_playTimer();
        TShownMainWindow::Settle();
    }
    state.SetLabel(shown.Window().findChild<TsuiStatusBar*>("sSB")->PanelText(1));
}
BENCHMARK(BM_WordStepWithWindow)->Unit(benchmark::kMicrosecond);

// libjpeg alone on the same word's picture, in the same run.
BENCHMARK(BM_LibjpegAloneOnWordPicture)->Unit(benchmark::kMicrosecond);

} // namespace
