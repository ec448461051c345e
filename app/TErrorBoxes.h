#pragma once

#include <QPointer>
#include <QWidget>

#include <exception>
#include <string>

#include <QMessageBox>

// The message boxes errors are reported in: captioned with the application title, an
// error icon and OK.
class TErrorBoxes {
public:
    explicit TErrorBoxes(std::string title);
    ~TErrorBoxes();

    // The message as the box shows it: a full stop appended when its last character
    // sorts after ".".
    static std::string WithFullStop(const std::string& message);

    const std::string& Title() const { return m_title; }
    // The window the boxes belong to.
    void SetMainWindow(QWidget* window) { m_mainWindow = window; }

    // The default error handler's box: modal, it returns when the learner presses OK.
    void ShowModal(const std::exception& error);
    // Errors of timed playback: one box that stays non-modal, so Stop and Pause remain
    // reachable; while it is open a repeated failure only updates its text.
    void ShowTimed(const std::exception& error);

    // The box of timed errors while it is on screen, else nullptr.
    QMessageBox* TimedBox() const { return m_timedBox; }

private:
    QMessageBox* MakeBox(const std::exception& error);

    std::string m_title;
    QPointer<QWidget> m_mainWindow;
    QPointer<QMessageBox> m_timedBox;
};
