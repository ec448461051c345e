#pragma once

#include "lesson/TLessonView.h"
#include "lesson/TPlaybackEngine.h"
#include "support/TempDir.h"

#include <cstdint>
#include <string>
#include <vector>

// A window stand-in that loads the word files for real and records what was shown.
// Pictures whose content is "broken" fail like undecodable JPEG data.
class TRecordingView : public TLessonView {
public:
    int IntervalPosition() const override { return interval; }
    bool ReplayChecked() const override { return replay; }
    void SetStatusText(int panel, const std::string& text) override;
    void SetPlayTimerEnabled(bool enabled) override { timerEnabled = enabled; }
    void LoadPicture(const std::string& path) override;
    void LoadNote(const std::string& path) override;
    void PlaySound(const std::string& path) override;

    // One timer tick, delivered only while the timer is enabled, as the window's would be.
    void Tick(TPlaybackEngine& engine);

    int interval = 3;
    bool replay = false;
    bool timerEnabled = false;
    std::string status[2];
    std::string picture; // content of the picture on screen
    std::string note;
    std::string sound;   // path of the sound last played
    std::vector<std::string> log;
};

// Writes a course of `count` words into `dir/name`; word N's files hold "picture N",
// "note N" and "sound N". Returns the folder path.
std::string MakeCourse(const TTempDir& dir, const std::string& name, int32_t count,
                       const std::string& courseName = "Test course");
