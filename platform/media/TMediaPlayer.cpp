#include "platform/media/TMediaPlayer.h"

#include "platform/core/Exceptions.h"
#include "platform/core/FileBytes.h"
#include "platform/core/Paths.h"
#include "platform/core/TEvents.h"

#include <algorithm>
#include <filesystem>
#include <new>
#include <system_error>

namespace {

std::string LowerAscii(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : static_cast<char>(c);
    });
    return text;
}

std::int64_t FramesToMs(std::int64_t frames, int sampleRate)
{
    return frames * 1000 / sampleRate;
}

} // namespace

std::string MediaErrorText(TMediaError error)
{
    switch (error) {
    case TMediaError::None:
        return "";
    case TMediaError::FileNotFound:
        return "The specified file was not found. Make sure the path and filename are correct.";
    case TMediaError::CannotOpenFile:
        return "The specified file cannot be opened. Make sure it is a file and that you are "
               "allowed to read it.";
    case TMediaError::InvalidFile:
        return "The specified file cannot be played on the specified MCI device. The file may be "
               "corrupt, not in the correct format, or no file handler available for this format.";
    case TMediaError::UnknownExtension:
        return "No MCI device can play files with the specified filename extension. Make sure the "
               "filename extension is correct.";
    case TMediaError::OutOfMemory:
        return "There is not enough memory available for this task. The specified file is too "
               "large to be played.";
    }
    return "Unknown error code";
}

TMediaPlayer::TMediaPlayer(QObject* owner)
    : QObject(owner)
{
    // The output connects as soon as the event loop runs, so the first sound is not late
    // for it; one set before then (tests, tools) is kept.
    QMetaObject::invokeMethod(
        this, [this] { Output(); }, Qt::QueuedConnection);
}

TMediaPlayer::~TMediaPlayer()
{
    // Gone with the player: nobody is left to notify.
    if (m_playing)
        m_output->Stop();
}

void TMediaPlayer::Fail(TMediaError error)
{
    m_error = error;
    throw EMCIDeviceError(MediaErrorText(error));
}

void TMediaPlayer::Open()
{
    Close();

    // The device is chosen by the extension before the file is looked at.
    if (LowerAscii(ExtractFileExt(m_fileName)) != ".wav")
        Fail(TMediaError::UnknownExtension);
    std::error_code failed;
    const auto status = std::filesystem::status(m_fileName, failed);
    if (!std::filesystem::exists(status))
        Fail(TMediaError::FileNotFound);
    if (std::filesystem::is_directory(status))
        Fail(TMediaError::CannotOpenFile);

    std::string bytes;
    try {
        bytes = ReadFileBytes(m_fileName, TFileLimit { kMaxFileBytes, "too large" });
    } catch (const EOutOfResources&) {
        Fail(TMediaError::OutOfMemory);
    } catch (const EFOpenError&) {
        Fail(TMediaError::CannotOpenFile);
    }
    try {
        m_sound = std::make_shared<const TWavSound>(TWavDecoder::Decode(bytes));
    } catch (const TWavError&) {
        Fail(TMediaError::InvalidFile);
    } catch (const std::bad_alloc&) {
        Fail(TMediaError::OutOfMemory);
    }
    m_position = 0;
    m_error = TMediaError::None;
}

void TMediaPlayer::Play()
{
    if (!Opened())
        throw EMCIDeviceError("No MCI device open");
    m_error = TMediaError::None;
    if (m_playing) {
        // Playing on from where it is; the earlier request will not be told its end.
        PostNotify(TNotifyValue::Superseded);
        return;
    }
    if (m_position >= m_sound->FrameCount())
        m_position = 0;
    if (m_sound->FrameCount() == 0) {
        PostNotify(TNotifyValue::Successful);
        return;
    }
    const std::uint64_t play = ++m_playCount;
    m_playing = true;
    Output().Start(m_sound, m_position, [this, play](TPlayEnd how) { OnPlayEnd(play, how); });
}

void TMediaPlayer::Close()
{
    if (m_playing) {
        m_output->Stop();
        m_playing = false;
        PostNotify(TNotifyValue::Aborted);
    }
    m_sound.reset();
    m_position = 0;
    m_error = TMediaError::None;
}

std::int64_t TMediaPlayer::Length() const
{
    return m_sound ? FramesToMs(m_sound->FrameCount(), m_sound->sampleRate) : 0;
}

std::int64_t TMediaPlayer::Position() const
{
    return m_sound ? FramesToMs(FramePosition(), m_sound->sampleRate) : 0;
}

std::int64_t TMediaPlayer::FramePosition() const
{
    return m_playing ? m_output->Position() : m_position;
}

void TMediaPlayer::SetAudioOutput(std::unique_ptr<TAudioOutput> output)
{
    Close();
    m_output = output ? std::move(output) : MakeDefaultAudioOutput();
}

TAudioOutput& TMediaPlayer::Output()
{
    if (!m_output)
        m_output = MakeDefaultAudioOutput();
    return *m_output;
}

void TMediaPlayer::OnPlayEnd(std::uint64_t play, TPlayEnd how)
{
    if (play != m_playCount || !m_playing)
        return;
    m_playing = false;
    m_position = how == TPlayEnd::Finished ? m_sound->FrameCount() : m_output->Position();
    PostNotify(how == TPlayEnd::Finished ? TNotifyValue::Successful : TNotifyValue::Failure);
}

void TMediaPlayer::PostNotify(TNotifyValue value)
{
    QMetaObject::invokeMethod(
        this,
        [this, value] {
            m_notifyValue = value;
            FireEvent(OnNotify);
        },
        Qt::QueuedConnection);
}
