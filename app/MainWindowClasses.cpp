#include "app/MainWindowClasses.h"

#include "app/TPlainFormFrame.h"
#include "app/TPlainMemo.h"
#include "app/Tfrm_main.h"
#include "controls/SUIControls.h"
#include "platform/forms/FrameworkClasses.h"
#include "platform/forms/TClassRegistry.h"
#include "platform/media/TMediaPlayer.h"

const TClassRegistry& MainWindowClasses()
{
    static const TClassRegistry registry = [] {
        TClassRegistry classes;
        RegisterFrameworkClasses(classes);
        RegisterSkinnedControls(classes);
        classes.Register<TMediaPlayer>();
        // Plain stand-ins for the skinned controls still to come.
        classes.Register<TPlainFormFrame>();
        classes.Register<TPlainMemo>();
        return classes;
    }();
    return registry;
}
