#include "controls/SUIControls.h"

#include "controls/SUIButton.h"
#include "controls/SUIGroupBox.h"
#include "controls/SUIImagePanel.h"
#include "controls/SUIMemo.h"
#include "controls/SUIPageControl.h"
#include "controls/SUIPopupMenu.h"
#include "controls/SUIScrollBar.h"
#include "controls/SUISideChannel.h"
#include "controls/SUIStatusBar.h"
#include "controls/SUITrackBar.h"
#include "controls/SUIURLLabel.h"

#include "platform/forms/TClassRegistry.h"

void RegisterSkinnedControls(TClassRegistry& registry)
{
    registry.Register<TsuiCustomButton>();
    registry.Register<TsuiImageButton>();
    registry.Register<TsuiCheckBox>();
    registry.Register<TsuiImagePanel>();
    registry.Register<TsuiPageControl>();
    registry.Register<TsuiTabSheet>();
    registry.Register<TsuiPanel>();
    registry.Register<TsuiGroupBox>();
    registry.Register<TsuiTrackBar>();
    registry.Register<TsuiScrollTrackBar>();
    registry.Register<TsuiScrollBar>();
    registry.Register<TsuiMemo>();
    registry.Register<TsuiSideChannel>();
    registry.Register<TsuiStatusBar>();
    registry.Register<TsuiURLLabel>();
    registry.Register<TsuiPopupMenu>();
    registry.Register<TsuiMenuItem>();
}
