#include "lesson/TPlaybackEngine.h"

#include "lesson/CourseFolder.h"
#include "lesson/TLessonView.h"
#include "platform/core/WrappingInt.h"

#include <exception>
#include <utility>

namespace {

constexpr int kCoursePanel = 0;
constexpr int kPositionPanel = 1;

} // namespace

TPlaybackEngine::TPlaybackEngine(TLessonView& view, std::string programFolder)
    : m_view(view)
    , m_programFolder(std::move(programFolder))
{
}

void TPlaybackEngine::ReadIndex()
{
    TCourseDescriptor descriptor = ReadCourseDescriptor(m_courseFolder);
    m_wordCount = descriptor.wordCount;
    m_courseName = descriptor.courseName;
    m_view.SetStatusText(kCoursePanel, m_courseName);
    m_view.SetStatusText(kPositionPanel, std::to_string(m_wordCount));
    if (m_wordCount <= 0)
        return;
    m_wordNumber = WrappingAdd(m_wordNumber, 1);
    PlayWord();
    m_view.SetPlayTimerEnabled(true);
}

void TPlaybackEngine::PlayWord()
{
    m_view.SetStatusText(kPositionPanel,
                         "  " + std::to_string(m_wordNumber) + " / " + std::to_string(m_wordCount));
    LoadWord(m_view, m_courseFolder, m_wordNumber);
}

void TPlaybackEngine::tmr_playTimer()
{
    m_tickCount = WrappingAdd(m_tickCount, 1);
    if (m_view.IntervalPosition() > m_tickCount)
        return;
    if (!m_view.ReplayChecked()) {
        m_wordNumber = WrappingAdd(m_wordNumber, 1);
        if (m_wordNumber > m_wordCount)
            m_wordNumber = 1;
    }
    PlayWord();
    m_tickCount = 0;
}

void TPlaybackEngine::sIB_PlayClick()
{
    try {
        PlayWord();
        m_view.SetPlayTimerEnabled(true);
    } catch (const std::exception&) {
        // The learner pressed Play without a usable course: the Demo course stands in.
        FallBackToDemo();
    }
}

void TPlaybackEngine::FallBackToDemo()
{
    m_courseFolder = m_programFolder + "Demo";
    m_wordNumber = 0;
    ReadIndex();
}

void TPlaybackEngine::sIB_StopClick()
{
    m_view.SetPlayTimerEnabled(false);
    m_wordNumber = 1;
}

void TPlaybackEngine::sIB_PauseClick() { m_view.SetPlayTimerEnabled(false); }

void TPlaybackEngine::sIB_BackWardClick() { m_wordNumber = WrappingSub(m_wordNumber, 1); }

void TPlaybackEngine::sIB_forwardClick() { m_wordNumber = WrappingAdd(m_wordNumber, 1); }

void TPlaybackEngine::OpenCourse(const std::string& folder)
{
    m_courseFolder = folder;
    m_wordNumber = 0;
    ReadIndex();
}
