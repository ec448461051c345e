#include "bench/WidgetEvents.h"
#include "controls/SUIButton.h"
#include "controls/SUIGroupBox.h"
#include "controls/SUIImagePanel.h"
#include "controls/SUIMemo.h"
#include "controls/SUIScrollBar.h"
#include "controls/SUIPageControl.h"
#include "controls/SUISideChannel.h"
#include "controls/SUIStatusBar.h"
#include "controls/SUITrackBar.h"
#include "controls/SUIURLLabel.h"
#include "platform/forms/TForm.h"
#include "platform/forms/TStatusBar.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>

#include <benchmark/benchmark.h>

#include <functional>
#include <utility>

namespace {

// A window shown on the offscreen platform, so paints take the window system's path: the
// control's paint into the window's backing store, then the flush.
class TBenchWindow {
public:
    TBenchWindow()
    {
        m_form.SetBounds(0, 0, 800, 720);
        m_form.SetColor(clWhite);
    }
    QWidget& Form() { return m_form; }
    void Show()
    {
        m_form.show();
        Settle();
    }
    // Delivers what is pending, the repaints that input asked for among it.
    static void Settle() { QApplication::processEvents(); }

private:
    TForm m_form;
};

// The floor under every figure: a widget that fills itself with one colour.
class TBareWidget : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), Qt::white); }
};

QWidget* MakeBareWidget(QWidget& parent)
{
    auto* widget = new TBareWidget(&parent);
    widget->setAttribute(Qt::WA_OpaquePaintEvent);
    widget->setGeometry(10, 10, 75, 25);
    return widget;
}

QImage BenchPicture()
{
    QImage picture(36, 26, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    return picture;
}

using TMaker = std::function<QWidget*(QWidget& parent)>;

QWidget* MakeURLLabel(QWidget& parent)
{
    auto* label = new TsuiURLLabel(&parent);
    label->SetCaption("Zintaro on the web");
    label->SetLeft(10);
    label->SetTop(10);
    return label;
}

QWidget* MakeImagePanel(QWidget& parent)
{
    auto* panel = new TsuiImagePanel(&parent);
    panel->SetBounds(10, 10, 200, 60);
    panel->SetPicture(BenchPicture());
    panel->SetDrawStyle(TsuiImagePanel::suiTile);
    return panel;
}

// One of the main window's playback buttons: no pictures, so colour and caption.
QWidget* MakeImageButton(QWidget& parent)
{
    auto* button = new TsuiImageButton(&parent);
    button->SetCaption("Play");
    button->SetBounds(10, 10, 75, 25);
    return button;
}

// A button drawn from the WinXP style's button bitmap.
QWidget* MakeStyledButton(QWidget& parent)
{
    auto* button = new TsuiCustomButton(&parent);
    button->SetUIStyle(WinXP);
    button->SetCaption("Play");
    button->SetBounds(10, 10, 75, 25);
    return button;
}

// The main window's Replay box.
QWidget* MakeCheckBox(QWidget& parent)
{
    auto* box = new TsuiCheckBox(&parent);
    box->SetUIStyle(WinXP);
    box->SetCaption("Replay");
    box->SetLeft(10);
    box->SetTop(10);
    return box;
}

// The main window's status bar: three panels of 200, 100 and 200 pixels.
QWidget* MakeStatusBar(QWidget& parent)
{
    auto* bar = new TsuiStatusBar(&parent);
    bar->SetUIStyle(WinXP);
    bar->SetAlign(TControl::alNone);
    for (auto [width, text] : { std::pair { 200, "Demo" }, std::pair { 100, "  1 / 16" },
             std::pair { 200, "" } }) {
        auto* panel = static_cast<TStatusPanel*>(bar->AddCollectionItem("Panels"));
        panel->SetWidth(width);
        panel->SetText(text);
    }
    bar->SetBounds(10, 10, 500, 19);
    return bar;
}

// The main window's "Control Panel".
QWidget* MakePanel(QWidget& parent)
{
    auto* panel = new TsuiPanel(&parent);
    panel->SetUIStyle(WinXP);
    panel->SetCaption("Control Panel");
    panel->SetBounds(10, 10, 374, 70);
    return panel;
}

QWidget* MakeGroupBox(QWidget& parent)
{
    auto* box = new TsuiGroupBox(&parent);
    box->SetUIStyle(WinXP);
    box->SetCaption("Group");
    box->SetBounds(10, 10, 200, 60);
    return box;
}

// A page control of two pages, the first one showing.
QWidget* MakePageControl(QWidget& parent)
{
    auto* control = new TsuiPageControl(&parent);
    control->SetUIStyle(WinXP);
    control->SetBounds(10, 10, 300, 150);
    for (const char* caption : { "Lesson", "About" })
        (new TsuiTabSheet(control))->SetCaption(caption);
    control->SelectPage(0);
    return control;
}

// The main window's menu pane, pinned open along the window's left edge.
QWidget* MakeSideChannel(QWidget& parent)
{
    auto* channel = new TsuiSideChannel(&parent);
    channel->SetUIStyle(WinXP);
    channel->SetCaption("Menu");
    channel->SetWidth(75);
    channel->SetStayOn(true);
    channel->PopOut(TsuiSideChannel::TMotion::Quick);
    return channel;
}

// The main window's interval slider.
QWidget* MakeTrackBar(QWidget& parent)
{
    auto* bar = new TsuiTrackBar(&parent);
    bar->SetUIStyle(WinXP);
    bar->SetMax(30);
    bar->SetPosition(3);
    bar->SetBounds(10, 10, 124, bar->height());
    return bar;
}

// One full paint of a control, as the window system asks for it: the control's paint
// into the window's backing store and its flush.
void BM_FullPaint(benchmark::State& state, const TMaker& make)
{
    TBenchWindow window;
    QWidget* control = make(window.Form());
    window.Show();
    for (auto _ : state)
        control->repaint();
}
BENCHMARK_CAPTURE(BM_FullPaint, bare_widget_75x25, MakeBareWidget)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FullPaint, image_button, MakeImageButton)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FullPaint, styled_button, MakeStyledButton)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FullPaint, check_box, MakeCheckBox)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FullPaint, url_label, MakeURLLabel)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FullPaint, image_panel_tiled_200x60, MakeImagePanel)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FullPaint, panel_374x70, MakePanel)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FullPaint, group_box_200x60, MakeGroupBox)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FullPaint, track_bar_124, MakeTrackBar)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FullPaint, status_bar_500, MakeStatusBar)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FullPaint, page_control_300x150, MakePageControl)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FullPaint, side_channel_75x720, MakeSideChannel)->Unit(benchmark::kMicrosecond);

// The mouse enters one image button, which repaints: the enter event, then the repaint
// it asked for. The leave that readies the next round is not timed.
void BM_HoverRepaint(benchmark::State& state)
{
    TBenchWindow window;
    QWidget* button = MakeImageButton(window.Form());
    window.Show();
    for (auto _ : state) {
        SendEnter(*button);
        TBenchWindow::Settle();
        state.PauseTiming();
        SendLeave(*button);
        TBenchWindow::Settle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_HoverRepaint)->Unit(benchmark::kMicrosecond);

// A window of every control kind; the mouse enters one image button and leaves it again.
// Counts the paints per hover change on the button and on everything else, the window
// included: a hover repaint should touch the control under the mouse alone.
void BM_HoverPaintCount(benchmark::State& state)
{
    TBenchWindow window;
    TPaintCounter counter;
    counter.Watch(window.Form());
    int top = 10;
    for (TMaker make : { MakeStyledButton, MakeCheckBox, MakeURLLabel, MakeImagePanel, MakePanel,
             MakeGroupBox, MakeTrackBar, MakeStatusBar, MakePageControl, MakeSideChannel }) {
        QWidget* control = make(window.Form());
        control->move(200, top);
        top += control->height() + 6;
        counter.Watch(*control);
    }
    // Right of the side channel, which docks to the window's left edge.
    QWidget* hovered = MakeImageButton(window.Form());
    hovered->move(100, 10);
    counter.Watch(*hovered);
    window.Show();
    const int before = counter.Paints(*hovered);
    const int othersBefore = counter.PaintsBesides(*hovered);
    for (auto _ : state) {
        SendEnter(*hovered);
        TBenchWindow::Settle();
        SendLeave(*hovered);
        TBenchWindow::Settle();
    }
    const double changes = 2.0 * double(state.iterations());
    state.counters["paints_under_mouse"] = (counter.Paints(*hovered) - before) / changes;
    state.counters["paints_elsewhere"] = (counter.PaintsBesides(*hovered) - othersBefore) / changes;
}
BENCHMARK(BM_HoverPaintCount)->Unit(benchmark::kMicrosecond);

// A memo with a linked vertical bar among other controls, scrolled down one line and back:
// the scroll and the repaints it asks for. Counts the paints per scroll on the memo and its
// bar (their parts included) and on the window and everything else: only the two should
// repaint.
void BM_MemoScrollOneLine(benchmark::State& state)
{
    TBenchWindow window;
    auto* memo = new TsuiMemo(&window.Form());
    memo->SetUIStyle(WinXP);
    memo->SetBounds(400, 10, 226, 274);
    QStringList note;
    for (int line = 1; line <= 200; ++line)
        note << QString("line %1 of a note that scrolls").arg(line);
    memo->SetLines(note);
    auto* bar = new TsuiScrollBar(&window.Form());
    bar->SetUIStyle(WinXP);
    memo->SetVScrollBar(bar);
    TPaintCounter scrolled;
    TPaintCounter others;
    others.Watch(window.Form());
    for (TMaker make : { MakeStyledButton, MakeCheckBox, MakePanel, MakeTrackBar, MakeStatusBar })
        others.Watch(*make(window.Form()));
    for (QWidget* part : { static_cast<QWidget*>(memo), static_cast<QWidget*>(bar) }) {
        scrolled.Watch(*part);
        for (QWidget* child : part->findChildren<QWidget*>())
            scrolled.Watch(*child);
    }
    window.Show();
    const int scrolledBefore = scrolled.AllPaints();
    const int othersBefore = others.AllPaints();
    QScrollBar* lines = memo->Edit()->verticalScrollBar();
    for (auto _ : state) {
        lines->setValue(lines->value() == 0 ? 1 : 0);
        TBenchWindow::Settle();
    }
    const double scrolls = double(state.iterations());
    state.counters["paints_memo_and_bar"] = (scrolled.AllPaints() - scrolledBefore) / scrolls;
    state.counters["paints_elsewhere"] = (others.AllPaints() - othersBefore) / scrolls;
}
BENCHMARK(BM_MemoScrollOneLine)->Unit(benchmark::kMicrosecond);

} // namespace
