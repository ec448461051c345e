#include "platform/media/TMediaPlayer.h"

#include "WavBytes.h"
#include "platform/core/Exceptions.h"
#include "platform/media/TNullAudioOutput.h"
#include "platform/media/TRecordingAudioOutput.h"
#include "support/TempDir.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

// Lets a test keep the recording after the player, which owns its output, is gone.
class TForwardingOutput : public TAudioOutput {
public:
    explicit TForwardingOutput(TAudioOutput& target)
        : m_target(target)
    {
    }
    void Start(
        std::shared_ptr<const TWavSound> sound, std::int64_t fromFrame, TEndHandler onEnd) override
    {
        m_target.Start(std::move(sound), fromFrame, std::move(onEnd));
    }
    void Stop() override { m_target.Stop(); }
    std::int64_t Position() const override { return m_target.Position(); }

private:
    TAudioOutput& m_target;
};

// A ramp, so every frame says where in which sound it comes from.
std::vector<std::int16_t> Ramp(int frames, std::int16_t first)
{
    std::vector<std::int16_t> samples;
    for (int i = 0; i < frames; ++i)
        samples.push_back(static_cast<std::int16_t>(first + i));
    return samples;
}

std::string ErrorOf(const std::function<void()>& command)
{
    try {
        command();
    } catch (const EMCIDeviceError& e) {
        return e.what();
    }
    return "no error";
}

const char* const kNotFound
    = "The specified file was not found. Make sure the path and filename are correct.";
const char* const kInvalid
    = "The specified file cannot be played on the specified MCI device. The file may be "
      "corrupt, not in the correct format, or no file handler available for this format.";

class MediaPlayerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dir.Write("a.wav", wav::Pcm16(1000, 1, Ramp(1000, 0)));
        m_dir.Write("b.wav", wav::Pcm16(1000, 1, Ramp(500, 10000)));
        player.SetAudioOutput(std::make_unique<TForwardingOutput>(output));
        player.OnNotify = [this] { notes.push_back(player.NotifyValue()); };
    }

    void OpenAndPlay(const std::string& name)
    {
        player.SetFileName(Path(name));
        player.Open();
        player.Play();
    }
    std::string Path(const std::string& name) const { return m_dir.File(name); }
    void Write(const std::string& name, const std::string& bytes) const
    {
        m_dir.Write(name, bytes);
    }
    // Notifications come from the event loop, never from inside a command.
    void Deliver() { QCoreApplication::processEvents(); }

    TTempDir m_dir;
    TRecordingAudioOutput output;
    TMediaPlayer player;
    std::vector<TNotifyValue> notes;
};

} // namespace

TEST_F(MediaPlayerTest, PlaysTheWholeSoundAndTellsItsEnd)
{
    OpenAndPlay("a.wav");
    EXPECT_TRUE(player.Opened());
    EXPECT_EQ(player.Length(), 1000);
    output.Advance(400);
    EXPECT_EQ(player.Position(), 400);
    output.AdvanceToEnd();
    EXPECT_TRUE(notes.empty());
    Deliver();
    EXPECT_EQ(notes, (std::vector<TNotifyValue> { TNotifyValue::Successful }));
    EXPECT_EQ(player.Position(), player.Length());
    std::vector<float> heard = output.Heard();
    ASSERT_EQ(heard.size(), 1000u);
    EXPECT_FLOAT_EQ(heard[999], 999 / 32768.0F);
    ASSERT_EQ(output.Plays().size(), 1u);
    EXPECT_TRUE(output.Plays()[0].finished);
    EXPECT_EQ(output.Plays()[0].framesPlayed, 1000);
}

TEST_F(MediaPlayerTest, SecondOpenMidSoundCutsTheFirst)
{
    OpenAndPlay("a.wav");
    output.Advance(300);
    OpenAndPlay("b.wav");
    output.AdvanceToEnd();
    Deliver();

    ASSERT_EQ(output.Plays().size(), 2u);
    EXPECT_TRUE(output.Plays()[0].stopped);
    EXPECT_EQ(output.Plays()[0].framesPlayed, 300);
    EXPECT_EQ(output.Plays()[1].fromFrame, 0);
    std::vector<float> heard = output.Heard();
    ASSERT_EQ(heard.size(), 800u);
    EXPECT_FLOAT_EQ(heard[299], 299 / 32768.0F);
    EXPECT_FLOAT_EQ(heard[300], 10000 / 32768.0F);
    EXPECT_EQ(
        notes, (std::vector<TNotifyValue> { TNotifyValue::Aborted, TNotifyValue::Successful }));
}

TEST_F(MediaPlayerTest, ReplayStartsFromTheBeginning)
{
    // Reopened mid-sound, and played again after its end without reopening.
    OpenAndPlay("a.wav");
    output.Advance(300);
    OpenAndPlay("a.wav");
    output.AdvanceToEnd();
    Deliver();
    player.Play();
    output.Advance(10);

    ASSERT_EQ(output.Plays().size(), 3u);
    EXPECT_EQ(output.Plays()[1].fromFrame, 0);
    EXPECT_EQ(output.Plays()[2].fromFrame, 0);
    EXPECT_EQ(output.Heard()[300], 0.0F);
    EXPECT_EQ(output.Heard()[1300], 0.0F);
}

TEST_F(MediaPlayerTest, PlayWhilePlayingGoesOnAndSupersedesTheEarlierRequest)
{
    OpenAndPlay("a.wav");
    output.Advance(200);
    player.Play();
    output.AdvanceToEnd();
    Deliver();
    ASSERT_EQ(output.Plays().size(), 1u);
    EXPECT_EQ(output.Plays()[0].framesPlayed, 1000);
    EXPECT_EQ(
        notes, (std::vector<TNotifyValue> { TNotifyValue::Superseded, TNotifyValue::Successful }));
}

TEST_F(MediaPlayerTest, FailingOpensRaiseTheirTextAndLeaveNothingOpen)
{
    OpenAndPlay("a.wav");
    output.Advance(10);

    // The previous sound is closed before the missing file is looked for.
    player.SetFileName(Path("missing.wav"));
    EXPECT_EQ(ErrorOf([&] { player.Open(); }), kNotFound);
    EXPECT_TRUE(output.Plays()[0].stopped);
    EXPECT_FALSE(player.Opened());
    EXPECT_EQ(player.Error(), TMediaError::FileNotFound);
    EXPECT_EQ(ErrorOf([&] { player.Play(); }), "No MCI device open");

    Write("bad.wav", "RIFF\x10\0\0\0WAVEjunk");
    player.SetFileName(Path("bad.wav"));
    EXPECT_EQ(ErrorOf([&] { player.Open(); }), kInvalid);
    EXPECT_EQ(player.Error(), TMediaError::InvalidFile);

    // The extension decides before the file is read: an existing sound under another
    // extension fails the same way as a missing one.
    const std::string wrongType = MediaErrorText(TMediaError::UnknownExtension);
    Write("a.mp3", wav::Pcm16(1000, 1, Ramp(10, 0)));
    for (const char* name : { "a.mp3", "missing.ogg", "noextension", "a.wav.txt" }) {
        player.SetFileName(Path(name));
        EXPECT_EQ(ErrorOf([&] { player.Open(); }), wrongType) << name;
    }
    player.SetFileName("");
    EXPECT_EQ(ErrorOf([&] { player.Open(); }), wrongType);

    std::filesystem::create_directory(Path("folder.wav"));
    player.SetFileName(Path("folder.wav"));
    EXPECT_EQ(ErrorOf([&] { player.Open(); }), MediaErrorText(TMediaError::CannotOpenFile));
    EXPECT_FALSE(player.Opened());

    // The extension is matched without regard to case.
    Write("C.WAV", wav::Pcm16(1000, 1, Ramp(10, 0)));
    player.SetFileName(Path("C.WAV"));
    EXPECT_NO_THROW(player.Open());
    EXPECT_EQ(player.Error(), TMediaError::None);
}

TEST_F(MediaPlayerTest, PlayWithoutOpenRaisesAndCloseIsQuiet)
{
    EXPECT_EQ(ErrorOf([&] { player.Play(); }), "No MCI device open");
    player.Close();
    OpenAndPlay("a.wav");
    player.Close();
    EXPECT_EQ(ErrorOf([&] { player.Play(); }), "No MCI device open");
    Deliver();
    EXPECT_EQ(notes, (std::vector<TNotifyValue> { TNotifyValue::Aborted }));
}

TEST_F(MediaPlayerTest, DeviceFailureIsToldNotRaised)
{
    OpenAndPlay("a.wav");
    output.Advance(100);
    output.Fail();
    Deliver();
    EXPECT_EQ(notes, (std::vector<TNotifyValue> { TNotifyValue::Failure }));
    // Play goes on from where the device gave up.
    player.Play();
    EXPECT_EQ(output.Plays().back().fromFrame, 100);
}

TEST_F(MediaPlayerTest, EmptySoundEndsAtOnce)
{
    Write("empty.wav", wav::Pcm16(8000, 1, {}));
    OpenAndPlay("empty.wav");
    Deliver();
    EXPECT_EQ(notes, (std::vector<TNotifyValue> { TNotifyValue::Successful }));
    EXPECT_NO_THROW(player.Play());
}

TEST_F(MediaPlayerTest, DestroyingThePlayerStopsItsSoundSilently)
{
    TRecordingAudioOutput kept;
    int told = 0;
    {
        TMediaPlayer local;
        local.SetAudioOutput(std::make_unique<TForwardingOutput>(kept));
        local.OnNotify = [&] { ++told; };
        local.SetFileName(Path("a.wav"));
        local.Open();
        local.Play();
        kept.Advance(5);
    }
    EXPECT_FALSE(kept.Playing());
    EXPECT_TRUE(kept.Plays()[0].stopped);
    Deliver();
    EXPECT_EQ(told, 0);
}

TEST_F(MediaPlayerTest, StoredLayoutSetsPropertiesByName)
{
    EXPECT_TRUE(player.setProperty("FileName", QString::fromStdString(Path("b.wav"))));
    EXPECT_TRUE(player.setProperty("Visible", false));
    player.Open();
    EXPECT_EQ(player.Length(), 500);
}

namespace {

// Plays a tenth of a second on `output` (the default one when null); the notifications
// and the milliseconds from Play to the end.
std::pair<std::vector<TNotifyValue>, qint64> PlayTenthOfASecond(
    std::unique_ptr<TAudioOutput> output)
{
    TTempDir dir;
    dir.Write("tone.wav", wav::Pcm16(8000, 2, std::vector<std::int16_t>(2 * 800, 1000)));
    TMediaPlayer player;
    if (output)
        player.SetAudioOutput(std::move(output));
    QEventLoop loop;
    std::vector<TNotifyValue> notes;
    player.OnNotify = [&] {
        notes.push_back(player.NotifyValue());
        loop.quit();
    };
    player.SetFileName(dir.File("tone.wav"));
    player.Open();
    QElapsedTimer clock;
    clock.start();
    player.Play();
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_EQ(player.Position(), player.Length());
    return { notes, clock.elapsed() };
}

} // namespace

TEST(MediaPlayerOutputs, NullOutputPlaysInSilenceForTheSoundsDuration)
{
    auto [notes, took] = PlayTenthOfASecond(std::make_unique<TNullAudioOutput>());
    EXPECT_EQ(notes, (std::vector<TNotifyValue> { TNotifyValue::Successful }));
    EXPECT_GE(took, 95);
    EXPECT_LT(took, 2000);
}

// With a sound server or without one, playing succeeds and ends in its time.
TEST(MediaPlayerOutputs, DefaultOutputPlaysAndTellsTheEnd)
{
    auto [notes, took] = PlayTenthOfASecond(nullptr);
    EXPECT_EQ(notes, (std::vector<TNotifyValue> { TNotifyValue::Successful }));
    EXPECT_GE(took, 95);
    EXPECT_LT(took, 3000);
}
