#include "app/MainWindowClasses.h"

#include "app/Tfrm_main.h"
#include "platform/forms/FrameworkClasses.h"
#include "platform/forms/TClassRegistry.h"
#include "platform/media/TMediaPlayer.h"

const TClassRegistry& MainWindowClasses()
{
    static const TClassRegistry registry = [] {
        TClassRegistry classes;
        RegisterFrameworkClasses(classes);
        classes.Register<TMediaPlayer>();
        return classes;
    }();
    return registry;
}
