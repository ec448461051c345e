#include "platform/media/TAudioOutput.h"

#include "platform/media/TNullAudioOutput.h"
#include "platform/media/TQtAudioOutput.h"

#include <QAudioDevice>
#include <QMediaDevices>

std::unique_ptr<TAudioOutput> MakeDefaultAudioOutput()
{
    QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return std::make_unique<TNullAudioOutput>();
    return std::make_unique<TQtAudioOutput>(device);
}
