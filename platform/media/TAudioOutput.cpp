#include "platform/media/TAudioOutput.h"

#include "platform/media/TPulseAudioOutput.h"

std::unique_ptr<TAudioOutput> MakeDefaultAudioOutput()
{
    return std::make_unique<TPulseAudioOutput>();
}
