#include "platform/media/TPulseLibrary.h"

#include <cstdio>
#include <dlfcn.h>
#include <map>
#include <mutex>
#include <optional>
#include <string>

namespace {

std::optional<TPulseLibrary> Open(const char* name)
{
    // Global, so that a library preloaded in front of it (a test's shim) is found first.
    if (!dlopen(name, RTLD_NOW | RTLD_GLOBAL)) {
        std::fprintf(stderr, "Zintaro plays no sound: %s\n", dlerror());
        return std::nullopt;
    }
    TPulseLibrary library;
    bool complete = true;
#define ZINTARO_PULSE_RESOLVE(name)                                                                \
    library.name = reinterpret_cast<decltype(library.name)>(dlsym(RTLD_DEFAULT, "pa_" #name));     \
    complete = complete && library.name;
    ZINTARO_PULSE_FUNCTIONS(ZINTARO_PULSE_RESOLVE)
#undef ZINTARO_PULSE_RESOLVE
    if (!complete) {
        std::fprintf(stderr, "Zintaro plays no sound: %s lacks a function it needs\n", name);
        return std::nullopt;
    }
    return library;
}

} // namespace

const TPulseLibrary* TPulseLibrary::Load(const char* name)
{
    static std::mutex lock;
    static std::map<std::string, std::optional<TPulseLibrary>, std::less<>> loaded;
    std::lock_guard guard(lock);
    auto it = loaded.find(name);
    if (it == loaded.end())
        it = loaded.emplace(name, Open(name)).first;
    return it->second ? &*it->second : nullptr;
}
