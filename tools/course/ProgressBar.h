#pragma once

#include <chrono>
#include <cstddef>
#include <ostream>
#include <string>

// One line redrawn in place: a bar, the words done and the time left.
class TProgressBar {
public:
    using TClock = std::chrono::steady_clock;

    explicit TProgressBar(std::ostream& out, TClock::time_point start = TClock::now())
        : m_out(out)
        , m_start(start)
    {
    }

    void Show(std::size_t done, std::size_t total, TClock::time_point now = TClock::now());
    bool Shown() const { return m_shown; }

    // "[#####-----]  5/10 words  0:07 left"; the time left from the pace so far.
    static std::string Line(std::size_t done, std::size_t total, std::chrono::duration<double> elapsed);

private:
    std::ostream& m_out;
    TClock::time_point m_start;
    bool m_shown = false;
};
