// zintaro-gallery [file.theme] [--render out.png]
//
// Every skinned control in each of its states, side by side in the five built-in styles
// and, given a theme file, in the look it holds. With --render the sheet is drawn
// offscreen into a PNG and the program exits.

#include "skin/SUIMgr.h"
#include "tools/gallery/GalleryRows.h"
#include "tools/gallery/GallerySheet.h"
#include "tools/gallery/GalleryWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>

#include <cstdio>
#include <exception>
#include <optional>

namespace {

constexpr int kActivationWaitMs = 2000;

struct TOptions {
    QString themeFile;
    QString renderTo;
};

std::optional<TOptions> ParseOptions(const QStringList& arguments)
{
    TOptions options;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == "--render" && i + 1 < arguments.size())
            options.renderTo = arguments[++i];
        else if (!argument.startsWith("-") && options.themeFile.isEmpty())
            options.themeFile = argument;
        else
            return std::nullopt;
    }
    return options;
}

int Fail(const QString& message)
{
    std::fprintf(stderr, "zintaro-gallery: %s\n", qPrintable(message));
    return 1;
}

// The focused cells need the sheet's window active; the wait is bounded, and a desktop that
// does not activate the window leaves those cells unfocused.
int Render(TGallerySheet& sheet, const QString& path)
{
    sheet.show();
    sheet.activateWindow();
    QElapsedTimer waited;
    waited.start();
    while (!sheet.TakeFocusStills() && waited.elapsed() < kActivationWaitMs)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    if (!sheet.Render().save(path, "PNG"))
        return Fail(QString("cannot write %1").arg(path));
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const std::optional<TOptions> options = ParseOptions(application.arguments());
    if (!options) {
        std::fprintf(stderr, "usage: zintaro-gallery [file.theme] [--render out.png]\n");
        return 2;
    }

    std::vector<TGalleryStyle> styles = BuiltInGalleryStyles();
    TsuiFileTheme theme;
    if (!options->themeFile.isEmpty()) {
        try {
            theme.SetThemeFile(options->themeFile.toStdString());
        } catch (const std::exception& error) {
            return Fail(QString("%1: %2").arg(options->themeFile, error.what()));
        }
        if (!theme.Loaded())
            return Fail(QString("%1: no such theme file").arg(options->themeFile));
        styles.push_back({ QFileInfo(options->themeFile).fileName(), FromThemeFile, &theme });
    }

    auto* sheet = new TGallerySheet(styles);
    AddAllRows(*sheet);
    if (!options->renderTo.isEmpty()) {
        const int result = Render(*sheet, options->renderTo);
        delete sheet;
        return result;
    }
    TGalleryWindow window(sheet);
    window.show();
    window.activateWindow();
    return QApplication::exec();
}
