#include "app/SessionBus.h"

#include <cstdlib>
#include <string>
#include <sys/stat.h>

namespace {

bool IsSet(const char* value) { return value && *value; }

} // namespace

void KeepSessionBusFromAutolaunching()
{
    if (IsSet(std::getenv("DBUS_SESSION_BUS_ADDRESS")))
        return;
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    struct stat info {};
    if (IsSet(runtime) && ::stat((std::string(runtime) + "/bus").c_str(), &info) == 0 && S_ISSOCK(info.st_mode))
        return;
    // An address no version of libdbus connects to: asking for the bus fails at once.
    ::setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
}
