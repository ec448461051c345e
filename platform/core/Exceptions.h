#pragma once

#include <stdexcept>
#include <string>

// Errors carry the user's message exactly as it is shown; the application's default
// error handler is the one place that catches them.
class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message)
        : std::runtime_error(message)
    {
    }
    std::string Message() const { return what(); }
};

// A file that cannot be opened: "Cannot open file "<path>". <system text>".
class EFOpenError : public Exception {
public:
    using Exception::Exception;
};

// A picture whose JPEG data the decoder rejects: "JPEG error #<n>".
class EJPEG : public Exception {
public:
    using Exception::Exception;
};

// A sound the media player cannot open or play.
class EMCIDeviceError : public Exception {
public:
    using Exception::Exception;
};

// A system resource ran out: timers, memo capacity.
class EOutOfResources : public Exception {
public:
    using Exception::Exception;
};

// A stored window layout that cannot be read; the message names the line.
class EReadError : public Exception {
public:
    using Exception::Exception;
};

// A component property set to a value it refuses; the old value is kept.
class EInvalidOperation : public Exception {
public:
    using Exception::Exception;
};
