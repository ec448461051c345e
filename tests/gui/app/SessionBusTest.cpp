#include "app/SessionBus.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// Sets or clears an environment variable for one test and puts it back afterwards.
class TEnvironmentValue {
public:
    TEnvironmentValue(const char* name, const std::optional<std::string>& value)
        : m_name(name)
    {
        if (const char* old = std::getenv(name))
            m_old = old;
        Set(value);
    }
    ~TEnvironmentValue() { Set(m_old); }

private:
    void Set(const std::optional<std::string>& value)
    {
        if (value)
            ::setenv(m_name, value->c_str(), 1);
        else
            ::unsetenv(m_name);
    }
    const char* m_name;
    std::optional<std::string> m_old;
};

std::optional<std::string> AddressAfterwards()
{
    KeepSessionBusFromAutolaunching();
    const char* address = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    return address ? std::optional<std::string>(address) : std::nullopt;
}

} // namespace

TEST(SessionBus, OnlyAMissingBusIsTurnedOff)
{
    TTempDir withBus;
    TTempDir withoutBus;
    int listening = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    const std::string path = withBus.File("bus");
    ASSERT_LT(path.size(), sizeof address.sun_path);
    path.copy(address.sun_path, path.size());
    ASSERT_EQ(::bind(listening, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    withoutBus.Write("bus", "a file, not a bus");

    struct TRow {
        std::optional<std::string> given;
        std::optional<std::string> runtimeDir;
        std::optional<std::string> kept;
    };
    const TRow rows[] = {
        {"unix:path=/run/user/1000/bus", withoutBus.Path(), "unix:path=/run/user/1000/bus"},
        {std::nullopt, withBus.Path(), std::nullopt},
        {std::nullopt, withoutBus.Path(), "disabled:"},
        {"", std::nullopt, "disabled:"},
    };
    for (const TRow& row : rows) {
        TEnvironmentValue runtime("XDG_RUNTIME_DIR", row.runtimeDir);
        TEnvironmentValue bus("DBUS_SESSION_BUS_ADDRESS", row.given);
        EXPECT_EQ(AddressAfterwards(), row.kept) << row.given.value_or("(none)");
    }
    ::close(listening);
}
