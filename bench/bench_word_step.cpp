// One word step without a window (the real engine loading picture, note and sound), next
// to libjpeg decoding the same picture alone; ReadIndex on a small and a huge course; and
// the note memo showing the largest notes it takes.

#include "lesson/TLessonView.h"
#include "lesson/TPlaybackEngine.h"
#include "platform/core/FileBytes.h"
#include "platform/core/NoteText.h"
#include "platform/core/Paths.h"
#include "controls/SUIMemo.h"
#include "platform/jpeg/TJPEGImage.h"
#include "platform/media/TMediaPlayer.h"
#include "platform/media/TNullAudioOutput.h"
#include "bench/DemoWordPicture.h"

#include <QImage>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <fstream>
#include <memory>

namespace {

// The window's work for one word, minus painting: status text, picture decoded in full,
// note normalised, sound opened (through the silent output, so no device is involved).
class THeadlessView : public TLessonView {
public:
    THeadlessView() { m_player.SetAudioOutput(std::make_unique<TNullAudioOutput>()); }
    int IntervalPosition() const override { return 1; }
    bool ReplayChecked() const override { return true; }
    void SetStatusText(int panel, const std::string& text) override { m_status[panel] = text; }
    void SetPlayTimerEnabled(bool) override { }
    void LoadPicture(const std::string& path) override
    {
        TJPEGImage picture;
        picture.LoadFromFile(path);
        benchmark::DoNotOptimize(picture.Bitmap().constBits());
        m_shownWidth = picture.Bitmap().width();
    }
    // What the last step showed, so a figure can't come from a step that showed nothing.
    std::string Shown() const { return m_status[1] + ", picture " + std::to_string(m_shownWidth) + " wide"; }
    void LoadNote(const std::string& path) override { m_note = LoadNoteFile(path); }
    void PlaySound(const std::string& path) override
    {
        m_player.SetFileName(path);
        m_player.Open();
    }

private:
    std::string m_status[2];
    std::string m_note;
    int m_shownWidth = 0;
    TMediaPlayer m_player;
};

void BM_WordStep(benchmark::State& state)
{
    THeadlessView view;
    TPlaybackEngine engine(view, ExecutableDirectory());
    engine.OpenCourse(DemoFolder());
    for (auto _ : state)
        engine.tmr_playTimer();
    state.SetLabel(view.Shown());
}
BENCHMARK(BM_WordStep)->Unit(benchmark::kMicrosecond);

// Our picture class alone on word 1's picture: the share of the step that is decoding.
void BM_PictureAloneOnWordPicture(benchmark::State& state)
{
    const std::string bytes = ReadFileBytes(DemoFolder() + "/1.jpg");
    for (auto _ : state) {
        TJPEGImage picture;
        picture.LoadFromBytes(bytes);
        benchmark::DoNotOptimize(picture.Bitmap().constBits());
        if (picture.DecodeError() != 0)
            state.SkipWithError("word 1's picture did not decode");
    }
}
BENCHMARK(BM_PictureAloneOnWordPicture)->Unit(benchmark::kMicrosecond);

// libjpeg alone on word 1's picture, in the same run.
BENCHMARK(BM_LibjpegAloneOnWordPicture)->Unit(benchmark::kMicrosecond);

// A view that shows nothing: ReadIndex's own cost, not word 1's.
class TBlindView : public TLessonView {
public:
    int IntervalPosition() const override { return 3; }
    bool ReplayChecked() const override { return false; }
    void SetStatusText(int, const std::string&) override { }
    void SetPlayTimerEnabled(bool) override { }
    void LoadPicture(const std::string&) override { }
    void LoadNote(const std::string&) override { }
    void PlaySound(const std::string&) override { }
};

void BM_ReadIndex(benchmark::State& state)
{
    QTemporaryDir dir;
    std::string folder = dir.path().toStdString();
    std::ofstream(folder + "/index.ini") << "[set]\r\nCourse=Course\r\nMaxLength=" << state.range(0) << "\r\n";
    TBlindView view;
    TPlaybackEngine engine(view, folder + "/");
    for (auto _ : state)
        engine.OpenCourse(folder);
    state.SetLabel(std::to_string(state.range(0)) + " words");
}
BENCHMARK(BM_ReadIndex)->Arg(12)->Arg(100000)->Unit(benchmark::kMicrosecond);

// Notes at the memo's capacity, each made of one piece repeated.
struct TNoteShape {
    const char* name;
    const char* piece;
};
constexpr TNoteShape kNoteShapes[] = {
    {"words in one line", "a word and a much longer word that the memo wraps, "},
    {"short lines", "a word and a much longer word that the memo wraps at its\r\n"},
    {"one word", "abcdefghijklmnopqrstuvwxyz"},
    {"empty lines", "\r\n"},
};

// The memo showing such a note as the main window has it: its first lines, long ones
// broken, set and then painted.
void BM_NoteShown(benchmark::State& state)
{
    const TNoteShape& shape = kNoteShapes[state.range(0)];
    std::string note;
    while (note.size() < kMemoCapacity)
        note += shape.piece;
    note.resize(kMemoCapacity);
    TsuiMemo memo;
    memo.SetBounds(0, 0, 226, 274);
    memo.Font()->SetName("MS Sans Serif");
    memo.Font()->SetHeight(-16);
    QImage screen(memo.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        memo.SetText(LeadingLines(BreakLongLines(note)));
        memo.render(&screen);
        state.PauseTiming();
        memo.SetText("");
        memo.render(&screen);
        state.ResumeTiming();
    }
    state.SetLabel(std::string("1 MiB, ") + shape.name);
}
BENCHMARK(BM_NoteShown)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
