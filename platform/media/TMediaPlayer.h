#pragma once

#include "platform/media/TAudioOutput.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

// Why the last command of the player failed; None when it succeeded.
enum class TMediaError {
    None,
    FileNotFound, // no file of that name
    CannotOpenFile, // the file is there but cannot be read
    InvalidFile, // the data is no sound the decoder can play
    UnknownExtension, // no decoder for the file's extension
    OutOfMemory, // the sound is too large to hold
};

// The text shown for an error: fixed per kind, in the words of the system's media
// error messages.
std::string MediaErrorText(TMediaError error);

// How the last play ended, as told to OnNotify.
enum class TNotifyValue { Successful, Superseded, Aborted, Failure };

// The invisible media player: it owns at most one open sound at a time and plays it
// asynchronously. Opening by file name picks the decoder by the extension; a failing
// open raises EMCIDeviceError, playing never reports errors. Everything runs on the
// UI thread, and the end of a sound is told to OnNotify from the event loop.
class TMediaPlayer : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString FileName READ FileNameText WRITE SetFileNameText)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)

public:
    explicit TMediaPlayer(QObject* owner = nullptr);
    ~TMediaPlayer() override;

    void SetFileName(const std::string& fileName) { m_fileName = fileName; }
    const std::string& FileName() const { return m_fileName; }
    QString FileNameText() const { return QString::fromStdString(m_fileName); }
    void SetFileNameText(const QString& fileName) { m_fileName = fileName.toStdString(); }
    // Stored only: the player never shows anything.
    bool Visible() const { return m_visible; }
    void SetVisible(bool visible) { m_visible = visible; }

    // Closes the open sound, if any (a sound still playing stops there), and opens the
    // file; throws EMCIDeviceError with the error's text when that fails.
    void Open();
    // Plays from the current position, or from the start when the end was reached;
    // throws EMCIDeviceError "No MCI device open" when nothing is open.
    void Play();
    void Close();

    bool Opened() const { return m_sound != nullptr; }
    bool Playing() const { return m_playing; }
    TMediaError Error() const { return m_error; }
    TNotifyValue NotifyValue() const { return m_notifyValue; }
    // Of the open sound, in milliseconds; 0 when nothing is open.
    std::int64_t Length() const;
    std::int64_t Position() const;

    // Replaces the sound output; without one the player plays on the user's sound
    // server, or silently while there is none. Closes the open sound.
    void SetAudioOutput(std::unique_ptr<TAudioOutput> output);

    std::function<void()> OnNotify;

    // Larger sound files are refused as too large to hold.
    static constexpr std::size_t kMaxFileBytes = 256u << 20;

private:
    void Fail(TMediaError error);
    TAudioOutput& Output();
    std::int64_t FramePosition() const;
    void OnPlayEnd(std::uint64_t play, TPlayEnd how);
    // Tells OnNotify from the event loop, never from inside a command.
    void PostNotify(TNotifyValue value);

    std::string m_fileName;
    bool m_visible = false;
    TMediaError m_error = TMediaError::None;
    TNotifyValue m_notifyValue = TNotifyValue::Successful;
    std::shared_ptr<const TWavSound> m_sound;
    std::int64_t m_position = 0; // frame reached while not playing
    bool m_playing = false;
    std::uint64_t m_playCount = 0; // tells the end of an old play from the current one
    std::unique_ptr<TAudioOutput> m_output;
};
