#include "app/MainWindowClasses.h"

#include "app/TPlainMemo.h"
#include "app/Tfrm_main.h"
#include "controls/SUIControls.h"
#include "platform/forms/FrameworkClasses.h"
#include "platform/forms/TClassRegistry.h"
#include "platform/media/TMediaPlayer.h"
#include "skin/SUIForm.h"

const TClassRegistry& MainWindowClasses()
{
    static const TClassRegistry registry = [] {
        TClassRegistry classes;
        RegisterFrameworkClasses(classes);
        RegisterSkinnedControls(classes);
        classes.Register<TsuiForm>();
        classes.Register<TMediaPlayer>();
        // Plain stand-ins for the skinned controls still to come.
        classes.Register<TPlainMemo>();
        return classes;
    }();
    return registry;
}
