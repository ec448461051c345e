#include "controls/SUIControls.h"

#include "controls/SUIURLLabel.h"

#include "platform/forms/TClassRegistry.h"

void RegisterSkinnedControls(TClassRegistry& registry)
{
    registry.Register<TsuiURLLabel>();
}
