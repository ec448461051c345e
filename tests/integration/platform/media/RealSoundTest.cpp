#include "platform/core/FileBytes.h"
#include "platform/core/Paths.h"
#include "platform/media/TMediaPlayer.h"
#include "platform/media/TWavDecoder.h"
#include "support/TempDir.h"
#include "unit/platform/media/WavBytes.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QThread>
#include <QTimer>

#include <cmath>
#include <cstdlib>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <numbers>
#include <sys/file.h>
#include <unistd.h>

// Plays sounds through the real player on the sound server's default sink and records
// that sink's monitor from outside, to prove the samples reach the device intact.

namespace {

constexpr int kSinkRate = 44100;
constexpr int kSinkChannels = 2;

// parec on the monitor, writing raw 16-bit frames to a file while it lives.
class TMonitorRecording {
public:
    TMonitorRecording(const std::string& monitor, const std::string& file, int rate, int channels)
        : m_file(file)
        , m_channels(channels)
    {
        m_parec.setStandardOutputFile(QString::fromStdString(file));
        m_parec.start("parec",
            { QString::fromStdString("--device=" + monitor), "--format=s16le",
                QString("--rate=%1").arg(rate), QString("--channels=%1").arg(channels),
                "--latency-msec=20" });
    }
    ~TMonitorRecording() { Stop(); }

    // Waits until the monitor stream delivers; false when it never does.
    bool WaitUntilRunning()
    {
        if (!m_parec.waitForStarted(3000))
            return false;
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 5000) {
            if (QFileInfo(QString::fromStdString(m_file)).size() > 0)
                return true;
            QThread::msleep(20);
        }
        return false;
    }

    void Stop()
    {
        if (m_parec.state() != QProcess::NotRunning) {
            m_parec.terminate();
            m_parec.waitForFinished(3000);
        }
    }

    // Channel `channel` of everything recorded, on a -1..1 scale.
    std::vector<float> Heard(int channel = 0) const
    {
        std::string bytes = ReadFileBytes(m_file);
        std::vector<float> samples;
        const std::size_t frameBytes = 2 * static_cast<std::size_t>(m_channels);
        for (std::size_t i = 0; i + frameBytes <= bytes.size(); i += frameBytes) {
            const auto* p = reinterpret_cast<const unsigned char*>(bytes.data() + i + 2 * channel);
            samples.push_back(static_cast<std::int16_t>(p[0] | p[1] << 8) / 32768.0F);
        }
        return samples;
    }

private:
    QProcess m_parec;
    std::string m_file;
    int m_channels;
};

// One channel of a decoded sound, on a -1..1 scale.
std::vector<float> Channel(const TWavSound& sound, int channel)
{
    std::vector<float> samples;
    for (std::int64_t i = 0; i < sound.FrameCount(); ++i)
        samples.push_back(sound.SampleAt(i, std::min(channel, sound.channels - 1)));
    return samples;
}

// A sweep from f0 to f1 Hz: no stretch of it looks like another, so a match means
// the right samples at the right place.
std::vector<double> Chirp(int rate, double seconds, double f0, double f1, double amplitude)
{
    std::vector<double> signal;
    const int n = static_cast<int>(rate * seconds);
    for (int i = 0; i < n; ++i) {
        double t = static_cast<double>(i) / rate;
        double phase = 2 * std::numbers::pi * (f0 * t + (f1 - f0) * t * t / (2 * seconds));
        signal.push_back(amplitude * std::sin(phase));
    }
    return signal;
}

std::vector<double> TwoTones(int rate, double seconds, double f0, double f1, double amplitude)
{
    std::vector<double> signal;
    const int n = static_cast<int>(rate * seconds);
    for (int i = 0; i < n; ++i) {
        double t = static_cast<double>(i) / rate;
        signal.push_back(amplitude
            * (std::sin(2 * std::numbers::pi * f0 * t) + std::sin(2 * std::numbers::pi * f1 * t))
            / 2);
    }
    return signal;
}

// The server may lose the first milliseconds a new stream plays, as recordings of its
// own players show too, so every test sound starts with a little silence.
constexpr double kLeadSeconds = 0.05;

std::string Stereo16(int rate, const std::vector<double>& left, const std::vector<double>& right)
{
    std::vector<std::int16_t> samples(2 * static_cast<std::size_t>(rate * kLeadSeconds), 0);
    for (std::size_t i = 0; i < left.size(); ++i) {
        samples.push_back(static_cast<std::int16_t>(std::lround(left[i] * 32767)));
        samples.push_back(static_cast<std::int16_t>(std::lround(right[i] * 32767)));
    }
    return wav::Pcm16(rate, 2, samples);
}

std::string Mono24(int rate, const std::vector<double>& signal)
{
    std::string data(3 * static_cast<std::size_t>(rate * kLeadSeconds), '\0');
    for (double s : signal)
        data += wav::Le24(static_cast<std::int32_t>(std::lround(s * 8388607)));
    return wav::Riff(wav::Chunk("fmt ", wav::Fmt(1, 1, static_cast<std::uint32_t>(rate), 24))
        + wav::Chunk("data", data));
}

std::size_t FirstSound(
    const std::vector<float>& recording, std::size_t from = 0, float threshold = 0.01F)
{
    for (std::size_t i = from; i < recording.size(); ++i)
        if (std::fabs(recording[i]) > threshold)
            return i;
    return recording.size();
}

// Where in [from, to) the first `length` samples of `wanted` line up best, by the
// normalised cross-correlation; the score is 1 for a perfect copy.
std::pair<std::size_t, double> BestMatch(const std::vector<float>& recording,
    const std::vector<float>& wanted, std::size_t from, std::size_t to, std::size_t length)
{
    std::pair<std::size_t, double> best { from, -1.0 };
    double wantedEnergy = 0;
    for (std::size_t i = 0; i < length; ++i)
        wantedEnergy += double(wanted[i]) * wanted[i];
    for (std::size_t at = from; at < to && at + length <= recording.size(); ++at) {
        double dot = 0;
        double energy = 0;
        for (std::size_t i = 0; i < length; ++i) {
            dot += double(recording[at + i]) * wanted[i];
            energy += double(recording[at + i]) * recording[at + i];
        }
        double score = energy > 0 ? dot / std::sqrt(energy * wantedEnergy) : 0;
        if (score > best.second)
            best = { at, score };
    }
    return best;
}

// The largest difference between the recording from `at` and `wanted` over `length`.
float MaxDifference(const std::vector<float>& recording, std::size_t at,
    const std::vector<float>& wanted, std::size_t length)
{
    float worst = 0;
    for (std::size_t i = 0; i < length; ++i) {
        float heard = at + i < recording.size() ? recording[at + i] : 0.0F;
        worst = std::max(worst, std::fabs(heard - wanted[i]));
    }
    return worst;
}

float Loudest(const std::vector<float>& recording, std::size_t from, std::size_t to)
{
    float loudest = 0;
    for (std::size_t i = from; i < std::min(to, recording.size()); ++i)
        loudest = std::max(loudest, std::fabs(recording[i]));
    return loudest;
}

void RunEventLoopFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Every sound played on the sink is on the recording, so tests that play take turns:
// CTest runs test cases side by side.
class TSinkTurn {
public:
    TSinkTurn()
    {
        const char* runtime = std::getenv("XDG_RUNTIME_DIR");
        std::string path
            = std::string(runtime && *runtime ? runtime : "/tmp") + "/zintaro-sink.lock";
        m_fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        for (int waited = 0; m_fd >= 0 && waited < 120000; waited += 50) {
            if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0) {
                m_held = true;
                return;
            }
            QThread::msleep(50);
        }
    }
    ~TSinkTurn()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    bool Held() const { return m_held; }

private:
    int m_fd = -1;
    bool m_held = false;
};

class RealSound : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* monitor = std::getenv("ZINTARO_SINK_MONITOR");
        if (!monitor || !*monitor)
            GTEST_SKIP()
                << "ZINTARO_SINK_MONITOR is not set: no sound server with a null sink to record "
                   "from (test.sh starts one)";
        m_monitor = monitor;
        m_turn = std::make_unique<TSinkTurn>();
        ASSERT_TRUE(m_turn->Held()) << "another test kept the sound sink for two minutes";
        player.OnNotify = [this] {
            notes.push_back(player.NotifyValue());
            if (player.NotifyValue() == TNotifyValue::Successful)
                m_ended.quit();
        };
    }

    std::unique_ptr<TMonitorRecording> Record(int rate = kSinkRate, int channels = kSinkChannels)
    {
        auto recording = std::make_unique<TMonitorRecording>(
            m_monitor, dir.File("monitor.raw"), rate, channels);
        EXPECT_TRUE(recording->WaitUntilRunning()) << "parec recorded nothing from " << m_monitor;
        RunEventLoopFor(100);
        return recording;
    }

    void OpenAndPlay(const std::string& file)
    {
        player.SetFileName(file);
        player.Open();
        player.Play();
    }

    // Runs the event loop until the sound has ended; the milliseconds that took.
    qint64 WaitForEnd(int timeoutMs = 15000)
    {
        QElapsedTimer clock;
        clock.start();
        QTimer::singleShot(timeoutMs, &m_ended, &QEventLoop::quit);
        m_ended.exec();
        qint64 took = clock.elapsed();
        RunEventLoopFor(400); // let the device's tail reach the recording
        return took;
    }

    // Held until everything below has gone quiet.
    std::unique_ptr<TSinkTurn> m_turn;
    TTempDir dir;
    TMediaPlayer player;
    std::vector<TNotifyValue> notes;

private:
    std::string m_monitor;
    QEventLoop m_ended;
};

} // namespace

TEST_F(RealSound, StereoSamplesReachTheDeviceUnchanged)
{
    std::vector<double> left = Chirp(kSinkRate, 1.0, 300, 3000, 0.5);
    std::vector<double> right = TwoTones(kSinkRate, 1.0, 440, 1250, 0.4);
    dir.Write("word.wav", Stereo16(kSinkRate, left, right));
    std::vector<float> wantedLeft(left.begin(), left.end());
    std::vector<float> wantedRight(right.begin(), right.end());

    auto recording = Record();
    OpenAndPlay(dir.File("word.wav"));
    qint64 took = WaitForEnd();
    recording->Stop();
    std::vector<float> heardLeft = recording->Heard(0);
    std::vector<float> heardRight = recording->Heard(1);

    EXPECT_EQ(notes, (std::vector<TNotifyValue> { TNotifyValue::Successful }));
    EXPECT_GE(took, 1000) << "the end was told before the sound had played";
    EXPECT_LT(took, 3000);

    std::size_t onset = FirstSound(heardLeft);
    ASSERT_LT(onset, heardLeft.size()) << "the recording is silent";
    auto [at, score]
        = BestMatch(heardLeft, wantedLeft, onset > 64 ? onset - 64 : 0, onset + 64, 4410);
    EXPECT_GT(score, 0.999);
    // Every sample of both channels, to the last one.
    EXPECT_LT(MaxDifference(heardLeft, at, wantedLeft, wantedLeft.size()), 0.002F);
    EXPECT_LT(MaxDifference(heardRight, at, wantedRight, wantedRight.size()), 0.002F);
    EXPECT_LT(Loudest(heardLeft, at + wantedLeft.size(), heardLeft.size()), 0.002F)
        << "sound after the end";
}

TEST_F(RealSound, SecondWordOpenedMidSoundCutsTheFirst)
{
    std::vector<double> first = Chirp(kSinkRate, 2.0, 200, 1200, 0.5);
    dir.Write("first.wav", Stereo16(kSinkRate, first, first));
    std::vector<double> second = TwoTones(kSinkRate, 0.8, 1700, 2300, 0.5);
    dir.Write("second.wav", Stereo16(kSinkRate, second, second));
    std::vector<float> wantedFirst(first.begin(), first.end());
    std::vector<float> wantedSecond(second.begin(), second.end());

    auto recording = Record();
    OpenAndPlay(dir.File("first.wav"));
    RunEventLoopFor(500);
    OpenAndPlay(dir.File("second.wav"));
    WaitForEnd();
    recording->Stop();
    std::vector<float> heard = recording->Heard(0);

    EXPECT_EQ(
        notes, (std::vector<TNotifyValue> { TNotifyValue::Aborted, TNotifyValue::Successful }));
    std::size_t onset = FirstSound(heard);
    ASSERT_LT(onset, heard.size()) << "the recording is silent";
    auto [firstAt, firstScore]
        = BestMatch(heard, wantedFirst, onset > 64 ? onset - 64 : 0, onset + 64, 4410);
    EXPECT_GT(firstScore, 0.999);
    EXPECT_LT(MaxDifference(heard, firstAt, wantedFirst, kSinkRate / 4), 0.002F);

    // The second sound starts about half a second in, and plays whole.
    auto [secondAt, secondScore] = BestMatch(
        heard, wantedSecond, firstAt + kSinkRate / 4, firstAt + 3 * kSinkRate / 2, 2048);
    EXPECT_GT(secondScore, 0.999);
    double gap = double(secondAt - firstAt) / kSinkRate;
    EXPECT_GT(gap, 0.4);
    EXPECT_LT(gap, 1.2);
    EXPECT_LT(MaxDifference(heard, secondAt, wantedSecond, wantedSecond.size()), 0.002F);
    // Had the first gone on, it would still sound here, after the second has ended.
    std::size_t secondEnd = secondAt + wantedSecond.size();
    EXPECT_LT(Loudest(heard, secondEnd + 2000, secondEnd + kSinkRate / 3), 0.002F);
}

TEST_F(RealSound, DeepSamplesAtAnotherRatePlayFaithfully)
{
    // 24-bit mono at 48 kHz: the float path, channel up-mixing and resampling by the server.
    constexpr int kRate = 48000;
    std::vector<double> signal = Chirp(kRate, 0.8, 400, 2500, 0.6);
    dir.Write("deep.wav", Mono24(kRate, signal));
    std::vector<float> wanted(signal.begin(), signal.end());

    auto recording = Record(kRate, 1);
    OpenAndPlay(dir.File("deep.wav"));
    WaitForEnd();
    recording->Stop();
    std::vector<float> heard = recording->Heard(0);

    EXPECT_EQ(notes, (std::vector<TNotifyValue> { TNotifyValue::Successful }));
    std::size_t onset = FirstSound(heard, 0, 0.05F);
    ASSERT_LT(onset, heard.size()) << "the recording is silent";
    auto [at, score]
        = BestMatch(heard, wanted, onset > 200 ? onset - 200 : 0, onset + 200, kRate / 2);
    EXPECT_GT(score, 0.98);
}

TEST_F(RealSound, DemoWordIsHeard)
{
    std::string file = ExecutableDirectory() + "Demo/1.wav";
    if (!FileExists(file))
        file = std::string(ZINTARO_SOURCE_DIR) + "/Demo/1.wav";
    if (!FileExists(file))
        GTEST_SKIP() << "no Demo course with a 1.wav to play";
    TWavSound sound = TWavDecoder::Decode(ReadFileBytes(file));
    std::vector<float> wanted = Channel(sound, 0);

    auto recording = Record(sound.sampleRate, sound.channels);
    OpenAndPlay(file);
    WaitForEnd();
    recording->Stop();
    std::vector<float> heard = recording->Heard(0);

    EXPECT_EQ(notes, (std::vector<TNotifyValue> { TNotifyValue::Successful }));
    std::size_t first = FirstSound(wanted, 0, 0.05F);
    std::size_t onset = FirstSound(heard, 0, 0.05F);
    ASSERT_LT(first, wanted.size()) << "the Demo word is silent";
    ASSERT_LT(onset, heard.size()) << "the recording is silent";
    std::vector<float> voiced(wanted.begin() + static_cast<std::ptrdiff_t>(first), wanted.end());
    const std::size_t length = std::min<std::size_t>(voiced.size(), sound.sampleRate / 2);
    auto [at, score] = BestMatch(heard, voiced, onset > 400 ? onset - 400 : 0, onset + 400, length);
    EXPECT_GT(score, 0.95);
}
