#include "controls/SUIControls.h"

#include "platform/forms/TClassRegistry.h"

void RegisterSkinnedControls(TClassRegistry& registry)
{
    (void)registry;
}
