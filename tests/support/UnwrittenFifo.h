#pragma once

#include <atomic>
#include <string>
#include <thread>

// A named pipe that nobody writes to. A reader that opens it and waits would hang the
// test for good, so after a grace period a writer comes and goes, which lets the reader
// see an empty file; Rescues() then tells the test that someone waited.
class TUnwrittenFifo {
public:
    explicit TUnwrittenFifo(std::string path);
    ~TUnwrittenFifo();
    TUnwrittenFifo(const TUnwrittenFifo&) = delete;
    TUnwrittenFifo& operator=(const TUnwrittenFifo&) = delete;

    const std::string& Path() const { return m_path; }
    int Rescues() const { return m_rescues; }

private:
    std::string m_path;
    std::atomic<bool> m_done {false};
    std::atomic<int> m_rescues {0};
    std::thread m_watch;
};
