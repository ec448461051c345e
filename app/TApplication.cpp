#include "app/TApplication.h"

#include "platform/core/Paths.h"
#include "platform/core/TEvents.h"

TApplication::TApplication(int& argc, char** argv)
    : QApplication(argc, argv)
    , m_errorBoxes(TitleFromExecutable(ExecutablePath()))
{
    setApplicationName(QString::fromStdString(Title()));
    // Lets desktops match the window to its installed entry and icon.
    setDesktopFileName(QStringLiteral("org.example.Zintaro"));
    SetApplicationErrorHandler([this](const std::exception& error) { m_errorBoxes.ShowModal(error); });
}

TApplication::~TApplication() { SetApplicationErrorHandler(nullptr); }

std::string TApplication::TitleFromExecutable(const std::string& path)
{
    std::string name = ExtractFileName(path);
    name = name.substr(0, name.find('.'));
    for (std::size_t i = 1; i < name.size(); ++i) {
        if (name[i] >= 'A' && name[i] <= 'Z')
            name[i] = static_cast<char>(name[i] - 'A' + 'a');
    }
    return name;
}
