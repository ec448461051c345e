#include "platform/core/TEvents.h"

#include <cstdio>
#include <utility>

namespace {

TErrorHandler& ApplicationErrorHandler()
{
    static TErrorHandler handler;
    return handler;
}

} // namespace

void SetApplicationErrorHandler(TErrorHandler handler) { ApplicationErrorHandler() = std::move(handler); }

void HandleApplicationError(const std::exception& error)
{
    if (ApplicationErrorHandler())
        ApplicationErrorHandler()(error);
    else
        std::fprintf(stderr, "%s\n", error.what());
}

void FireEvent(const TNotifyEvent& event)
{
    if (!event)
        return;
    try {
        event();
    } catch (const std::exception& error) {
        HandleApplicationError(error);
    }
}
