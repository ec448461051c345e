#include "platform/forms/FrameworkClasses.h"

#include "platform/core/TTimer.h"
#include "platform/forms/TClassRegistry.h"
#include "platform/forms/TImage.h"
#include "platform/forms/TLabel.h"
#include "platform/forms/TSpeedButton.h"
#include "platform/forms/TStaticText.h"
#include "platform/forms/TStatusBar.h"

void RegisterFrameworkClasses(TClassRegistry& registry)
{
    registry.Register<TLabel>();
    registry.Register<TStaticText>();
    registry.Register<TSpeedButton>();
    registry.Register<TImage>();
    registry.Register<TStatusBar>();
    registry.Register<TTimer>();
}
