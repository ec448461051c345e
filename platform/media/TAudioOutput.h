#pragma once

#include "platform/media/TWavDecoder.h"

#include <cstdint>
#include <functional>
#include <memory>

enum class TPlayEnd { Finished, Failed };

// Where the media player sends a sound. An output plays one sound at a time; it is
// driven from the UI thread and reports the end there, from the event loop, never
// from inside Start or Stop.
class TAudioOutput {
public:
    using TEndHandler = std::function<void(TPlayEnd)>;

    virtual ~TAudioOutput() = default;

    // Plays `sound` from `fromFrame` to its end, replacing whatever was playing.
    virtual void Start(
        std::shared_ptr<const TWavSound> sound, std::int64_t fromFrame, TEndHandler onEnd)
        = 0;
    // Stops at once; the end handler of the stopped sound is not called.
    virtual void Stop() = 0;
    // The frame of the current sound reached so far.
    virtual std::int64_t Position() const = 0;
};

// An output on the user's sound server, silent while there is none.
std::unique_ptr<TAudioOutput> MakeDefaultAudioOutput();
