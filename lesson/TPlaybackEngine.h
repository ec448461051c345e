#pragma once

#include <cstdint>
#include <string>

class TLessonView;

// Which course is open, which word is current, and the one-second stepping through it.
// The handlers keep the window's names; each reports failure by raising an error.
class TPlaybackEngine {
public:
    // `programFolder` (with a trailing "/") holds the Demo course Play falls back to.
    TPlaybackEngine(TLessonView& view, std::string programFolder);

    // Reads the course's index.ini and, when it has words, starts at word 1.
    void ReadIndex();
    // Shows and plays the current word.
    void PlayWord();

    void tmr_playTimer();
    void sIB_PlayClick();
    void sIB_StopClick();
    void sIB_PauseClick();
    void sIB_BackWardClick();
    void sIB_forwardClick();

    // The end of the Open command, once the learner has picked `folder`.
    void OpenCourse(const std::string& folder);

    const std::string& CourseFolder() const { return m_courseFolder; }
    // The Open command forgets a course folder that no longer exists.
    void ForgetCourseFolder() { m_courseFolder.clear(); }
    int32_t WordNumber() const { return m_wordNumber; }
    int32_t WordCount() const { return m_wordCount; }
    const std::string& CourseName() const { return m_courseName; }
    int32_t TickCount() const { return m_tickCount; }

private:
    friend class TPlaybackEngineTestAccess;
    void FallBackToDemo();

    TLessonView& m_view;
    std::string m_programFolder;
    std::string m_courseFolder;
    int32_t m_wordNumber = 0;
    int32_t m_wordCount = 0;
    std::string m_courseName;
    int32_t m_tickCount = 0;
};
