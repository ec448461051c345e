#include "app/MainWindowClasses.h"

#include "app/Tfrm_main.h"
#include "controls/SUIControls.h"
#include "platform/forms/FrameworkClasses.h"
#include "platform/forms/TClassRegistry.h"
#include "platform/media/TMediaPlayer.h"
#include "skin/SUIForm.h"
#include "skin/SUIMainMenu.h"

const TClassRegistry& MainWindowClasses()
{
    static const TClassRegistry registry = [] {
        TClassRegistry classes;
        RegisterFrameworkClasses(classes);
        RegisterSkinnedControls(classes);
        classes.Register<TsuiForm>();
        classes.Register<TsuiMainMenu>();
        classes.Register<TMediaPlayer>();
        return classes;
    }();
    return registry;
}
