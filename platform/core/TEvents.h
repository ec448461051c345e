#pragma once

#include <exception>
#include <functional>
#include <string_view>

// A handler with no arguments beyond the component that fires it (OnClick, OnTimer, ...).
using TNotifyEvent = std::function<void()>;

// Components whose events a stored layout binds by name ("OnClick = sIB_PlayClick").
class IEventSource {
public:
    virtual ~IEventSource() = default;
    // The event slot called `name`, or nullptr when the component has none.
    virtual TNotifyEvent* FindEvent(std::string_view name) = 0;
};

// Where errors that escape an event handler go: the application's default error handler.
using TErrorHandler = std::function<void(const std::exception&)>;
void SetApplicationErrorHandler(TErrorHandler handler);

// Runs an event handler, if set; an error it raises goes to the application's handler
// and never unwinds through the window system.
void FireEvent(const TNotifyEvent& event);

// Hands an error to the application's handler, as an escaping one would be.
void HandleApplicationError(const std::exception& error);
