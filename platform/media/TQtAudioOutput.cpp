#include "platform/media/TQtAudioOutput.h"

#include <QMediaDevices>

#include <algorithm>
#include <climits>

namespace {

// What a device adds to the sink's own buffer before a sample is heard.
constexpr int kDeviceLatencyMs = 50;

QAudioFormat FormatOf(const TWavSound& sound)
{
    QAudioFormat format;
    format.setSampleRate(sound.sampleRate);
    format.setChannelCount(sound.channels);
    format.setSampleFormat(
        sound.type == TSampleType::Int16 ? QAudioFormat::Int16 : QAudioFormat::Float);
    return format;
}

} // namespace

TQtAudioOutput::TQtAudioOutput(const QAudioDevice& device)
    : m_device(device)
{
    m_endTimer.setSingleShot(true);
    m_endTimer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_endTimer, &QTimer::timeout, [this] { OnEndTimer(); });
}

TQtAudioOutput::~TQtAudioOutput()
{
    Stop();
}

void TQtAudioOutput::Start(
    std::shared_ptr<const TWavSound> sound, std::int64_t fromFrame, TEndHandler onEnd)
{
    Stop();
    m_sound = std::move(sound);
    m_fromFrame = std::clamp<std::int64_t>(fromFrame, 0, m_sound->FrameCount());
    m_stoppedAt = m_fromFrame;
    m_onEnd = std::move(onEnd);

    const auto* data = static_cast<const char*>(m_sound->Data());
    const std::int64_t bytesPerFrame = m_sound->BytesPerFrame();
    m_buffer.setData(QByteArray::fromRawData(
        data + m_fromFrame * bytesPerFrame, (m_sound->FrameCount() - m_fromFrame) * bytesPerFrame));
    m_buffer.open(QIODevice::ReadOnly);

    m_sink = std::make_unique<QAudioSink>(m_device, FormatOf(*m_sound));
    QObject::connect(m_sink.get(), &QAudioSink::stateChanged, m_sink.get(),
        [this](QAudio::State state) { OnStateChanged(state); });
    m_clock.start();
    m_sink->start(&m_buffer);
    if (m_sink->error() != QAudio::NoError && m_sink->error() != QAudio::UnderrunError)
        End(TPlayEnd::Failed, 0);
}

void TQtAudioOutput::OnStateChanged(QAudio::State state)
{
    if (!m_sink || m_endTimer.isActive())
        return;
    if (state == QAudio::IdleState && m_buffer.atEnd()) {
        // The sink has taken the last sample, but the device has yet to play what it
        // holds: never less than the rest of the sound, at most a full buffer of it.
        const int bytesPerSecond = m_sound->BytesPerFrame() * m_sound->sampleRate;
        const std::int64_t frames = m_sound->FrameCount() - m_fromFrame;
        const std::int64_t soundMs = frames * 1000 / m_sound->sampleRate;
        const std::int64_t bufferedMs
            = std::min(soundMs, std::int64_t { m_sink->bufferSize() } * 1000 / bytesPerSecond);
        const std::int64_t delay
            = std::max<std::int64_t>(soundMs - m_clock.elapsed(), bufferedMs) + kDeviceLatencyMs;
        End(TPlayEnd::Finished, static_cast<int>(std::clamp<std::int64_t>(delay, 0, INT_MAX)));
    } else if (state == QAudio::StoppedState && m_sink->error() != QAudio::NoError) {
        End(TPlayEnd::Failed, 0);
    }
}

void TQtAudioOutput::End(TPlayEnd how, int delayMs)
{
    m_pendingEnd = how;
    m_endTimer.start(delayMs);
}

void TQtAudioOutput::OnEndTimer()
{
    TEndHandler onEnd = std::move(m_onEnd);
    const TPlayEnd how = m_pendingEnd;
    const std::int64_t reached = how == TPlayEnd::Finished ? m_sound->FrameCount() : Position();
    Stop();
    m_stoppedAt = reached;
    if (onEnd)
        onEnd(how);
}

void TQtAudioOutput::Stop()
{
    m_endTimer.stop();
    m_onEnd = nullptr;
    if (m_sink) {
        m_stoppedAt = Position();
        QObject::disconnect(m_sink.get(), nullptr, nullptr, nullptr);
        // Dropping what the device has buffered makes a cut-off sound stop at once.
        m_sink->reset();
        m_sink->stop();
        m_sink.reset();
        m_buffer.close();
    }
    m_sound.reset();
}

std::int64_t TQtAudioOutput::Position() const
{
    if (!m_sink)
        return m_stoppedAt;
    const std::int64_t played = m_clock.elapsed() * m_sound->sampleRate / 1000;
    return std::min(m_fromFrame + played, m_sound->FrameCount());
}

bool TQtAudioOutput::IsStale() const
{
    return QMediaDevices::defaultAudioOutput().id() != m_device.id();
}
