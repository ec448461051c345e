#include "app/SessionBus.h"
#include "app/TApplication.h"
#include "app/Tfrm_main.h"

#include <cstdio>

int main(int argc, char** argv)
{
    KeepSessionBusFromAutolaunching();
    TApplication application(argc, argv);
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
