#pragma once

#include "app/TErrorBoxes.h"

#include <QApplication>

#include <string>

// The application object: its title, and the default error handler that reports every
// error escaping an event handler in a modal box captioned with that title.
class TApplication : public QApplication {
public:
    TApplication(int& argc, char** argv);
    ~TApplication() override;

    // The executable's file name without folder and without anything from its first "."
    // on, every character after the first in lower case: "ZINTARO.bin" gives "Zintaro".
    static std::string TitleFromExecutable(const std::string& path);

    const std::string& Title() const { return m_errorBoxes.Title(); }
    TErrorBoxes& ErrorBoxes() { return m_errorBoxes; }

private:
    TErrorBoxes m_errorBoxes;
};
