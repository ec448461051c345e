#include "tools/course/CourseBuilder.h"

#include "lesson/CourseFolder.h"
#include "lesson/TLessonView.h"
#include "lesson/TPlaybackEngine.h"
#include "platform/core/FileBytes.h"
#include "platform/core/NoteText.h"
#include "platform/jpeg/TJPEGImage.h"
#include "platform/media/TWavDecoder.h"
#include "support/TempDir.h"
#include "tools/course/WordCard.h"
#include "tools/course/WordList.h"
#include "tools/course/WordSound.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <numbers>

namespace fs = std::filesystem;

namespace {

// The window's part, played by the real decoders: what the learner would see and hear.
class TDecodingView : public TLessonView {
public:
    int IntervalPosition() const override { return 1; }
    bool ReplayChecked() const override { return false; }
    void SetStatusText(int panel, const std::string& text) override { status[panel] = text; }
    void SetPlayTimerEnabled(bool) override {}
    void LoadPicture(const std::string& path) override
    {
        TJPEGImage picture;
        picture.LoadFromFile(path);
        QImage bitmap = picture.Bitmap();
        EXPECT_EQ(picture.DecodeError(), 0) << path;
        pictures.push_back(bitmap);
    }
    void LoadNote(const std::string& path) override { notes.push_back(LoadNoteFile(path)); }
    void PlaySound(const std::string& path) override
    {
        soundBytes.push_back(ReadFileBytes(path));
        sounds.push_back(TWavDecoder::Decode(soundBytes.back()));
    }

    std::string status[2];
    std::vector<QImage> pictures;
    std::vector<std::string> notes;
    std::vector<std::string> soundBytes;
    std::vector<TWavSound> sounds;
};

// Half a second of a quiet 440 Hz tone, as a learner's own recording.
std::string Recording()
{
    TSpeech tone;
    tone.sampleRate = 16000;
    for (int i = 0; i < tone.sampleRate / 2; ++i)
        tone.samples.push_back(std::int16_t(8000 * std::sin(2 * std::numbers::pi * 440 * i / tone.sampleRate)));
    return EncodeWav(tone);
}

double Rms(const TWavSound& sound)
{
    double sum = 0;
    for (std::int64_t frame = 0; frame < sound.FrameCount(); ++frame)
        sum += std::pow(sound.SampleAt(frame, 0), 2);
    return std::sqrt(sum / double(std::max<std::int64_t>(1, sound.FrameCount())));
}

std::vector<std::string> FolderNames(const std::string& folder)
{
    std::vector<std::string> names;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class CourseBuildTest : public testing::Test {
protected:
    CourseBuildTest()
    {
        dir.MakeDir("lists");
        dir.MakeDir("lists/mine");
        dir.Write("lists/mine/cha.wav", Recording());
        dir.Write("lists/words.tsv",
            "# three words\n"
            "你好\tnǐ hǎo\thello\tThe everyday greeting.\\nAny time of day.\n"
            "谢谢\txie4 xie5\tthank you\n"
            "茶\tchá\ttea\tA plant.\tmine/cha.wav\n");
        build.listPath = dir.File("lists/words.tsv");
        build.outDir = dir.File("course");
    }

    // Builds a list of the given lines and expects it refused, naming `says`.
    void ExpectRefused(const std::string& lines, const std::string& says)
    {
        dir.Write("lists/bad.tsv", lines);
        TCourseBuild bad = build;
        bad.listPath = dir.File("lists/bad.tsv");
        try {
            BuildCourse(bad);
            ADD_FAILURE() << lines << " was built";
        } catch (const TWordListError& error) {
            EXPECT_EQ(std::string(error.what()).rfind(bad.listPath + ":" + says, 0), 0u) << error.what();
        }
        EXPECT_FALSE(fs::exists(build.outDir)) << says;
    }

    TTempDir dir;
    TCourseBuild build;
};

TEST_F(CourseBuildTest, TheLessonPlayerOpensAndPlaysEveryWord)
{
    std::vector<std::size_t> progress;
    EXPECT_EQ(BuildCourse(build, [&](std::size_t done, std::size_t total) {
        EXPECT_EQ(total, 3u);
        progress.push_back(done);
    }), 3u);
    EXPECT_EQ(progress, (std::vector<std::size_t> {1, 2, 3}));

    TCourseDescriptor descriptor = ReadCourseDescriptor(build.outDir);
    EXPECT_EQ(descriptor.wordCount, 3);
    EXPECT_EQ(descriptor.courseName, "words");

    TDecodingView view;
    TPlaybackEngine engine(view, dir.MakeDir("program") + "/");
    engine.OpenCourse(build.outDir);
    engine.tmr_playTimer();
    engine.tmr_playTimer();
    EXPECT_EQ(view.status[1], "  3 / 3");
    ASSERT_EQ(view.pictures.size(), 3u);
    ASSERT_EQ(view.notes.size(), 3u);
    ASSERT_EQ(view.sounds.size(), 3u);

    for (const QImage& picture : view.pictures) {
        EXPECT_EQ(picture.size(), QSize(kCardWidth, kCardHeight));
        EXPECT_LE(picture.width(), 374);
        EXPECT_LE(picture.height(), 273);
    }
    EXPECT_EQ(view.notes[0], "nǐ hǎo\r\nhello\r\n\r\nThe everyday greeting.\r\nAny time of day.\r\n");
    EXPECT_EQ(view.notes[1], "xiè xie\r\nthank you\r\n");
    EXPECT_EQ(view.notes[2], "chá\r\ntea\r\n\r\nA plant.\r\n");
    for (int word : {1, 2, 3})
        EXPECT_EQ(ReadFileBytes(WordFilePath(build.outDir, word, ".txt")), view.notes[std::size_t(word - 1)])
            << "written as the memo shows it";

    for (std::size_t spoken : {0u, 1u}) {
        const TWavSound& sound = view.sounds[spoken];
        double seconds = double(sound.FrameCount()) / sound.sampleRate;
        EXPECT_GE(seconds, 0.3) << spoken;
        EXPECT_LE(seconds, 4.0) << spoken;
        EXPECT_GT(Rms(sound), 0.02) << spoken;
        EXPECT_EQ(sound.channels, 1);
    }
    EXPECT_EQ(view.soundBytes[2], Recording()) << "the learner's recording is kept as it is";
}

// The cards differ where the words do, and carry ink where the characters stand.
TEST_F(CourseBuildTest, EachCardShowsItsOwnWord)
{
    BuildCourse(build);
    TJPEGImage first, second;
    first.LoadFromFile(WordFilePath(build.outDir, 1, ".jpg"));
    second.LoadFromFile(WordFilePath(build.outDir, 2, ".jpg"));
    EXPECT_NE(first.Bitmap(), second.Bitmap());
    int dark = 0;
    for (int y = 24; y < 162; ++y)
        for (int x = 40; x < 320; ++x)
            dark += qGray(first.Bitmap().pixel(x, y)) < 80;
    EXPECT_GT(dark, 1000) << "the characters are drawn large";
}

TEST_F(CourseBuildTest, BadListsAreRefusedBeforeAnythingIsWritten)
{
    // The fault is on the last line, after words that would build.
    ExpectRefused("你好\tnǐ hǎo\thello\n\n谢谢\txie4\tthanks\n", "3: the pinyin \"xie4\" has 1 syllable but 谢谢 has 2 characters");
    ExpectRefused("你好\tnǐ hǎo\thello\n茶\tcha6\ttea\n", "2: pinyin: unknown tone 6");
    ExpectRefused("你好\tnǐ hǎo\t\n", "1: the English field is empty");
    ExpectRefused("你好\tnǐ hǎo\thello\n茶\tchá\ttea\t\tmine/none.wav\n", "2: the recording \"");
    ExpectRefused("茶\tchá\ttea\t\tmine/none.wav\n", "1: the recording \"" + dir.File("lists/mine/none.wav") + "\" is missing");
    dir.Write("lists/mine/text.wav", "RIFF but not really");
    ExpectRefused("茶\tchá\ttea\t\tmine/text.wav\n", "1: the recording \"" + dir.File("lists/mine/text.wav") + "\" is not a WAV file Zintaro plays");
    dir.Write("lists/mine/empty.wav", EncodeWav(TSpeech {8000, {}}));
    ExpectRefused("茶\tchá\ttea\t\tmine/empty.wav\n", "1: the recording \"" + dir.File("lists/mine/empty.wav") + "\" holds no sound");
    ExpectRefused("茶\tchá\ttea\t\tmine\n", "1: the recording \"" + dir.File("lists/mine") + "\" cannot be read");
}

TEST_F(CourseBuildTest, AnExistingCourseIsReplacedOnlyWhenForced)
{
    dir.MakeDir("course");
    dir.Write("course/index.ini", "[set]\nCourse=Old\nMaxLength=5\n");
    for (const char* name : {"4.jpg", "5.wav", "12.txt", "07.txt", "notes.txt"})
        dir.Write(std::string("course/") + name, "old");
    try {
        BuildCourse(build);
        ADD_FAILURE() << "the course was overwritten";
    } catch (const TCourseError& error) {
        EXPECT_EQ(std::string(error.what()), build.outDir + " already holds a course; --force replaces it");
    }
    EXPECT_EQ(ReadFileBytes(dir.File("course/index.ini")), "[set]\nCourse=Old\nMaxLength=5\n");
    EXPECT_FALSE(fs::exists(dir.File("course/1.jpg")));

    build.force = true;
    build.courseName = "Tea and greetings";
    BuildCourse(build);
    EXPECT_EQ(ReadCourseDescriptor(build.outDir).courseName, "Tea and greetings");
    // Words past the new count go; what is not a word file stays. No temporary file is left.
    EXPECT_EQ(FolderNames(build.outDir), (std::vector<std::string> {"07.txt", "1.jpg", "1.txt", "1.wav", "2.jpg",
        "2.txt", "2.wav", "3.jpg", "3.txt", "3.wav", "index.ini", "notes.txt"}));
}

TEST_F(CourseBuildTest, AFolderWithOtherFilesIsNoCourse)
{
    dir.MakeDir("course");
    dir.Write("course/readme.txt", "mine");
    EXPECT_FALSE(HoldsCourse(build.outDir));
    BuildCourse(build);
    EXPECT_TRUE(HoldsCourse(build.outDir));
    EXPECT_EQ(ReadFileBytes(dir.File("course/readme.txt")), "mine");
}

TEST_F(CourseBuildTest, CourseNamesTheLessonPlayerCannotReadBackAreRefused)
{
    for (std::string name : {std::string("two\nlines"), std::string(2048, 'n'), std::string("\xFF")}) {
        build.courseName = name;
        EXPECT_THROW(BuildCourse(build), TCourseError);
        EXPECT_FALSE(fs::exists(build.outDir));
    }
}

// The committed Demo is what the tool makes of its word list.
TEST(DemoCourseTest, TheDemoIsBuiltFromItsWordList)
{
    std::string demo = std::string(ZINTARO_SOURCE_DIR) + "/Demo";
    std::vector<TWordEntry> words = ReadWordList(demo + "/words.tsv");
    EXPECT_EQ(ReadCourseDescriptor(demo).wordCount, int(words.size()));
    for (std::size_t i = 0; i < words.size(); ++i)
        EXPECT_EQ(ReadFileBytes(WordFilePath(demo, int(i + 1), ".txt")),
            NoteText(words[i].pinyin.display, words[i].meaning, words[i].note))
            << "word " << i + 1 << ": run the demo_course target";
}

} // namespace
