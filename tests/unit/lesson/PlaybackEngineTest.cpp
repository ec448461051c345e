#include "RecordingView.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Paths.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>

// Word numbers near the ends of the range take billions of clicks to reach.
class TPlaybackEngineTestAccess {
public:
    static void SetWordNumber(TPlaybackEngine& engine, int32_t number) { engine.m_wordNumber = number; }
};

namespace {

class PlaybackEngineTest : public testing::Test {
protected:
    PlaybackEngineTest()
        : program(dir.MakeDir("program") + "/")
        , engine(view, program)
    {
        MakeCourse(dir, "program/Demo", 4, "Demo course");
    }

    // Ticks until the next word is shown and returns the number of ticks that took.
    int TicksToNextWord(int limit = 100)
    {
        std::string before = view.status[1];
        auto shownBefore = view.log.size();
        for (int ticks = 1; ticks <= limit; ++ticks) {
            view.Tick(engine);
            if (view.log.size() != shownBefore || view.status[1] != before)
                return ticks;
        }
        return -1;
    }

    std::vector<int32_t> WordsOverTicks(int ticks)
    {
        std::vector<int32_t> shown;
        for (int i = 0; i < ticks; ++i) {
            auto before = view.log.size();
            view.Tick(engine);
            if (view.log.size() != before)
                shown.push_back(engine.WordNumber());
        }
        return shown;
    }

    TTempDir dir;
    std::string program;
    TRecordingView view;
    TPlaybackEngine engine;
};

} // namespace

TEST_F(PlaybackEngineTest, PlaysEveryWordInTurnAndWrapsToTheFirst)
{
    engine.OpenCourse(MakeCourse(dir, "three", 3));
    EXPECT_EQ(view.status[1], "  1 / 3");
    EXPECT_TRUE(view.timerEnabled);
    view.interval = 3;
    std::vector<int32_t> shown;
    for (int tick = 1; tick <= 15; ++tick) {
        auto before = view.log.size();
        view.Tick(engine);
        if (view.log.size() != before) {
            EXPECT_EQ(tick % 3, 0) << "a word every third tick";
            shown.push_back(engine.WordNumber());
        }
    }
    EXPECT_EQ(shown, (std::vector<int32_t> {2, 3, 1, 2, 3}));
    EXPECT_EQ(view.status[1], "  3 / 3");
    EXPECT_EQ(view.picture, "picture 3");
}

TEST_F(PlaybackEngineTest, IntervalsOfZeroAndOneAdvanceAtEveryTick)
{
    engine.OpenCourse(MakeCourse(dir, "five", 5));
    for (int interval : {0, 1}) {
        view.interval = interval;
        EXPECT_EQ(WordsOverTicks(3).size(), 3u) << "interval " << interval;
    }
}

TEST_F(PlaybackEngineTest, IntervalIsReadAfreshAtEveryTick)
{
    engine.OpenCourse(MakeCourse(dir, "five", 5));
    view.interval = 10;
    view.Tick(engine);
    view.Tick(engine);
    view.interval = 2;
    EXPECT_EQ(TicksToNextWord(), 1) << "lowering the interval to the tick count plays at the next tick";
}

TEST_F(PlaybackEngineTest, ReplayRepeatsTheSameWord)
{
    engine.OpenCourse(MakeCourse(dir, "three", 3));
    view.replay = true;
    view.interval = 2;
    EXPECT_EQ(WordsOverTicks(6), (std::vector<int32_t> {1, 1, 1}));
    EXPECT_EQ(view.log.size(), 4u * 3u);
}

TEST_F(PlaybackEngineTest, StopThenPlayStartsAtWordOne)
{
    engine.OpenCourse(MakeCourse(dir, "five", 5));
    view.interval = 1;
    WordsOverTicks(2);
    ASSERT_EQ(engine.WordNumber(), 3);
    engine.sIB_StopClick();
    EXPECT_FALSE(view.timerEnabled);
    EXPECT_EQ(view.picture, "picture 3") << "Stop leaves the word on screen";
    engine.sIB_PlayClick();
    EXPECT_EQ(view.picture, "picture 1");
    EXPECT_EQ(view.status[1], "  1 / 5");
    EXPECT_TRUE(view.timerEnabled);
}

TEST_F(PlaybackEngineTest, PauseThenPlayKeepsTheWordAndTheTickCount)
{
    engine.OpenCourse(MakeCourse(dir, "five", 5));
    view.interval = 3;
    view.Tick(engine);
    view.Tick(engine);
    engine.sIB_PauseClick();
    EXPECT_FALSE(view.timerEnabled);
    view.Tick(engine);
    EXPECT_EQ(engine.TickCount(), 2) << "no ticks while paused";
    engine.sIB_PlayClick();
    EXPECT_EQ(view.picture, "picture 1") << "Play shows the current word again";
    EXPECT_EQ(engine.TickCount(), 2);
    EXPECT_EQ(TicksToNextWord(), 1) << "the rhythm goes on: the next word one tick later";
    EXPECT_EQ(view.picture, "picture 2");
}

TEST_F(PlaybackEngineTest, OpenKeepsTheTickCount)
{
    engine.OpenCourse(MakeCourse(dir, "five", 5));
    view.interval = 3;
    view.Tick(engine);
    view.Tick(engine);
    engine.OpenCourse(MakeCourse(dir, "other", 2, "Other"));
    EXPECT_EQ(engine.TickCount(), 2);
    EXPECT_EQ(view.status[0], "Other");
    EXPECT_EQ(TicksToNextWord(), 1);
}

TEST_F(PlaybackEngineTest, BackAndForwardOnlyMoveTheNumber)
{
    engine.OpenCourse(MakeCourse(dir, "five", 5));
    auto shown = view.log.size();
    engine.sIB_forwardClick();
    engine.sIB_forwardClick();
    engine.sIB_BackWardClick();
    EXPECT_EQ(engine.WordNumber(), 2);
    EXPECT_EQ(view.log.size(), shown) << "nothing is shown until the next word plays";
    view.interval = 1;
    view.Tick(engine);
    EXPECT_EQ(view.picture, "picture 3") << "one Forward while playing skips a word";
}

TEST_F(PlaybackEngineTest, BackAtWordOneWithReplayTriesWordZero)
{
    engine.OpenCourse(MakeCourse(dir, "three", 3));
    view.replay = true;
    view.interval = 1;
    engine.sIB_BackWardClick();
    view.log.clear();
    EXPECT_THROW(view.Tick(engine), EFOpenError);
    EXPECT_EQ(view.log, (std::vector<std::string> {"picture 0.jpg"}));
    EXPECT_EQ(view.status[1], "  0 / 3");
    EXPECT_EQ(view.picture, "picture 1") << "the previous picture stays";
}

TEST_F(PlaybackEngineTest, FailingTickKeepsTimerAndTickCountAndMovesOn)
{
    std::string folder = MakeCourse(dir, "gap", 3);
    std::remove((folder + "/2.jpg").c_str());
    engine.OpenCourse(folder);
    view.interval = 2;
    view.Tick(engine);
    EXPECT_THROW(view.Tick(engine), EFOpenError);
    EXPECT_TRUE(view.timerEnabled);
    EXPECT_EQ(engine.TickCount(), 2) << "the tick count is reset only after a word played";
    view.Tick(engine);
    EXPECT_EQ(view.picture, "picture 3") << "the next tick tries the next word";
    EXPECT_EQ(engine.TickCount(), 0);
}

TEST_F(PlaybackEngineTest, FolderWithoutIndexStartsNothing)
{
    std::string empty = dir.MakeDir("empty");
    engine.OpenCourse(empty);
    EXPECT_EQ(view.status[0], "Please select a book.");
    EXPECT_EQ(view.status[1], "0") << "a number alone only for a course without words";
    EXPECT_FALSE(view.timerEnabled);
    EXPECT_TRUE(view.log.empty());
}

TEST_F(PlaybackEngineTest, CourseWithoutWordsLeavesARunningTimerRunning)
{
    engine.OpenCourse(MakeCourse(dir, "five", 5));
    view.interval = 1;
    engine.OpenCourse(MakeCourse(dir, "none", 0));
    EXPECT_TRUE(view.timerEnabled);
    EXPECT_EQ(view.status[1], "0");
    EXPECT_THROW(view.Tick(engine), EFOpenError) << "the next word is looked for in the new folder";
    EXPECT_EQ(engine.WordNumber(), 1);
}

TEST_F(PlaybackEngineTest, PlayBeforeAnyOpenFallsBackToDemo)
{
    engine.sIB_PlayClick();
    EXPECT_EQ(engine.CourseFolder(), program + "Demo");
    EXPECT_EQ(view.status[0], "Demo course");
    EXPECT_EQ(view.status[1], "  1 / 4");
    EXPECT_EQ(view.picture, "picture 1");
    EXPECT_TRUE(view.timerEnabled);
    EXPECT_EQ(view.log.front(), "picture 0.jpg") << "word 0 of the empty folder is tried first";
}

TEST_F(PlaybackEngineTest, PlayFallbackErrorsAreReported)
{
    std::remove((program + "Demo/1.wav").c_str());
    EXPECT_THROW(engine.sIB_PlayClick(), EMCIDeviceError);
    EXPECT_FALSE(view.timerEnabled) << "a failing word inside ReadIndex does not start the timer";
}

TEST_F(PlaybackEngineTest, FailingPictureKeepsThePreviousAndLoadsNothingElse)
{
    std::string folder = MakeCourse(dir, "course", 3);
    dir.Write("course/2.jpg", "broken");
    engine.OpenCourse(folder);
    view.interval = 1;
    view.log.clear();
    EXPECT_THROW(view.Tick(engine), EJPEG);
    EXPECT_EQ(view.log, (std::vector<std::string> {"picture 2.jpg"}));
    EXPECT_EQ(view.picture, "picture 1");
    EXPECT_EQ(view.note, "note 1");
    EXPECT_EQ(view.status[1], "  2 / 3") << "the status text stays";
}

TEST_F(PlaybackEngineTest, MissingSoundIsReportedAfterPictureAndNote)
{
    std::string folder = MakeCourse(dir, "course", 2);
    std::remove((folder + "/1.wav").c_str());
    EXPECT_THROW(engine.OpenCourse(folder), EMCIDeviceError);
    EXPECT_EQ(view.picture, "picture 1");
    EXPECT_EQ(view.note, "note 1");
    EXPECT_FALSE(view.timerEnabled);
}

TEST_F(PlaybackEngineTest, PathsWithChineseAndBlanksWork)
{
    std::string folder = MakeCourse(dir, "我的 课程 one", 2, "中文课");
    engine.OpenCourse(folder);
    EXPECT_EQ(view.status[0], "中文课");
    EXPECT_EQ(view.picture, "picture 1");
    EXPECT_EQ(view.sound, folder + "/1.wav");
}

TEST_F(PlaybackEngineTest, WordNumberArithmeticWrapsAtBothEnds)
{
    engine.OpenCourse(MakeCourse(dir, "one", 1));
    TPlaybackEngineTestAccess::SetWordNumber(engine, INT32_MAX);
    engine.sIB_forwardClick();
    EXPECT_EQ(engine.WordNumber(), INT32_MIN);
    engine.sIB_BackWardClick();
    EXPECT_EQ(engine.WordNumber(), INT32_MAX);
}
