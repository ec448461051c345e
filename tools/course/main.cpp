// zintaro-course: builds a course folder from a word list.

#include "tools/course/CourseBuilder.h"
#include "tools/course/ProgressBar.h"

#include <QGuiApplication>

#include <cstdlib>
#include <exception>
#include <iostream>
#include <string>
#include <unistd.h>

namespace {

constexpr const char* kUsage = R"(usage:
  zintaro-course build LIST OUTDIR [--name "Course name"] [--force]

LIST is UTF-8 text, one word a line, fields separated by tabs (by commas in a .csv):
  Chinese  pinyin  English  [note]  [recording]
pinyin with tone marks (nǐ hǎo) or numbers (ni3 hao3); "\n" breaks a note's line; the
recording is a WAV file, relative to the list, spoken instead of the synthesised voice.
Blank lines and lines starting with # are skipped. OUTDIR gets N.jpg, N.txt, N.wav
for each word and index.ini; a folder that holds a course is replaced only with --force.
)";

// Qt's notes about its environment (no runtime folder, no session) are no concern of
// someone building a course; only its real failures are shown.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::cerr << "zintaro-course: " << message.toStdString() << "\n";
}

int Usage()
{
    std::cerr << kUsage;
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || std::string(argv[1]) != "build")
        return Usage();
    TCourseBuild build;
    std::vector<std::string> paths;
    for (int i = 2; i < argc; ++i) {
        std::string argument = argv[i];
        if (argument == "--force")
            build.force = true;
        else if (argument == "--name" && i + 1 < argc)
            build.courseName = argv[++i];
        else if (argument.starts_with("--"))
            return Usage();
        else
            paths.push_back(argument);
    }
    if (paths.size() != 2)
        return Usage();
    build.listPath = paths[0];
    build.outDir = paths[1];

    // The cards are drawn without a display.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qInstallMessageHandler(QuietQtMessages);
    QGuiApplication app(argc, argv);
    bool terminal = ::isatty(STDERR_FILENO) == 1;
    TProgressBar bar(std::cerr);
    try {
        std::size_t words = BuildCourse(build, [&](std::size_t done, std::size_t total) {
            if (terminal)
                bar.Show(done, total);
        });
        if (terminal)
            std::cerr << "\n" << words << " words in " << build.outDir << "\n";
    } catch (const std::exception& error) {
        if (terminal && bar.Shown())
            std::cerr << "\n";
        std::cerr << "zintaro-course: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
