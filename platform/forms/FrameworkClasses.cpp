#include "platform/forms/FrameworkClasses.h"

#include "platform/core/TTimer.h"
#include "platform/forms/TClassRegistry.h"
#include "platform/forms/TImage.h"
#include "platform/forms/TLabel.h"
#include "platform/forms/TPlainButton.h"
#include "platform/forms/TPlainCaptionPanel.h"
#include "platform/forms/TPlainCheckBox.h"
#include "platform/forms/TPlainFormFrame.h"
#include "platform/forms/TPlainGroupBox.h"
#include "platform/forms/TPlainMemo.h"
#include "platform/forms/TPlainPageControl.h"
#include "platform/forms/TPlainSideChannel.h"
#include "platform/forms/TPlainTrackBar.h"
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
    registry.Register<TPlainFormFrame>();
    registry.Register<TPlainCaptionPanel>();
    registry.Register<TPlainSideChannel>();
    registry.Register<TPlainGroupBox>();
    registry.Register<TPlainButton>();
    registry.Register<TPlainTrackBar>();
    registry.Register<TPlainCheckBox>();
    registry.Register<TPlainMemo>();
    registry.Register<TPlainPageControl>();
    registry.Register<TPlainTabSheet>();
}
