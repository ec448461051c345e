#pragma once

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
