#include "tools/course/ProgressBar.h"

#include <cmath>
#include <cstdio>

namespace {

constexpr std::size_t kBarWidth = 30;

} // namespace

std::string TProgressBar::Line(std::size_t done, std::size_t total, std::chrono::duration<double> elapsed)
{
    std::size_t filled = total == 0 ? kBarWidth : kBarWidth * done / total;
    std::string line = "[" + std::string(filled, '#') + std::string(kBarWidth - filled, '-') + "]  "
        + std::to_string(done) + "/" + std::to_string(total) + " words";
    if (done == 0 || done >= total)
        return line;
    long left = std::lround(elapsed.count() / double(done) * double(total - done));
    char time[32];
    std::snprintf(time, sizeof time, "  %ld:%02ld left", left / 60, left % 60);
    return line + time;
}

void TProgressBar::Show(std::size_t done, std::size_t total, TClock::time_point now)
{
    // Trailing blanks cover the end of a longer line drawn before.
    m_out << "\r" << Line(done, total, now - m_start) << "      " << std::flush;
    m_shown = true;
}
