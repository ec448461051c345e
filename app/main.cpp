#include "app/SessionBus.h"
#include "app/TApplication.h"
#include "app/Tfrm_main.h"

#include <QFontDatabase>

#include <cstdio>
#include <thread>

#include <fontconfig/fontconfig.h>

int main(int argc, char** argv)
{
    KeepSessionBusFromAutolaunching();
    // Reading the font configuration is the largest single part of the start: it runs
    // beside the connection to the window system and the building of the window, which
    // would otherwise wait for it at the first text they measure.
    std::jthread fontConfiguration([] { FcInit(); });
    TApplication application(argc, argv);
    // Qt fills its font database at the first text measured; filled here, beside the
    // building of the window, it is ready before the window measures much. The database
    // serialises its own access.
    std::jthread fontDatabase([] { QFontDatabase::families(); });
    try {
        Tfrm_main window(application.ErrorBoxes());
        window.show();
        return application.exec();
    } catch (const std::exception& error) {
        // Only a damaged program gets here: the window could not be built.
        std::fprintf(stderr, "%s\n", error.what());
        application.ErrorBoxes().ShowModal(error);
        return 1;
    }
}
