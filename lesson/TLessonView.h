#pragma once

#include <string>

// What the playback engine needs of the main window. The window implements it with its
// controls; tests implement it with recorders.
class TLessonView {
public:
    virtual ~TLessonView() = default;

    // Ticks between words: the interval slider's position (0..30).
    virtual int IntervalPosition() const = 0;
    // Whether the Replay box is checked: the timer repeats the word instead of advancing.
    virtual bool ReplayChecked() const = 0;

    // Status panel 0 holds the course name, panel 1 the position in the course.
    virtual void SetStatusText(int panel, const std::string& text) = 0;
    virtual void SetPlayTimerEnabled(bool enabled) = 0;

    // Each raises the load's error; a failing picture keeps the previous one on screen.
    virtual void LoadPicture(const std::string& path) = 0;
    virtual void LoadNote(const std::string& path) = 0;
    // Sets the media player's file name, opens it (closing the previous sound) and plays.
    virtual void PlaySound(const std::string& path) = 0;
};
