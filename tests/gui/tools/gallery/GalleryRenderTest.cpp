#include "platform/core/Paths.h"
#include "skin/SUIMgr.h"
#include "support/TempDir.h"
#include "tools/gallery/GalleryRows.h"
#include "tools/gallery/GallerySheet.h"

#include <QImage>
#include <QProcess>
#include <QSet>

#include <gtest/gtest.h>

namespace {

const QString kJade = QString(ZINTARO_SOURCE_DIR) + "/resources/themes/Jade.theme";

int RunGallery(const QStringList& arguments)
{
    QProcess gallery;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    gallery.setProcessEnvironment(environment);
    gallery.start(QString::fromStdString(ExecutableDirectory() + "zintaro-gallery"), arguments);
    gallery.waitForFinished(60000);
    return gallery.exitStatus() == QProcess::NormalExit ? gallery.exitCode() : -1;
}

int ColourCount(const QImage& image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return int(colours.size());
}

TEST(Gallery, RendersEveryStyleAndATheme)
{
    TsuiFileTheme jade;
    jade.SetThemeFile(kJade.toStdString());
    ASSERT_TRUE(jade.Loaded());
    std::vector<TGalleryStyle> withJade = BuiltInGalleryStyles();
    withJade.push_back({ "Jade.theme", FromThemeFile, &jade });

    struct Run {
        const char* what;
        QStringList arguments;
        std::vector<TGalleryStyle> styles;
    };
    for (const Run& run : { Run { "built-in styles", {}, BuiltInGalleryStyles() },
             Run { "with a theme", { kJade }, withJade } }) {
        TTempDir dir;
        const QString png = QString::fromStdString(dir.File("sheet.png"));
        ASSERT_EQ(RunGallery(run.arguments + QStringList { "--render", png }), 0) << run.what;
        const QImage shot(png);

        TGallerySheet sheet(run.styles);
        AddAllRows(sheet);
        ASSERT_EQ(shot.size(), sheet.size()) << run.what;
        for (int column = 0; column < sheet.ColumnCount(); ++column) {
            const QImage cells = shot.copy(sheet.ColumnRect(column));
            EXPECT_GT(ColourCount(cells), 20) << run.what << ", column " << column;
        }
        if (run.styles.back().theme) {
            const int deepBlue = 2;
            EXPECT_NE(shot.copy(sheet.ColumnRect(deepBlue)), shot.copy(sheet.ColumnRect(5)))
                << "the theme column is not the fallback style";
        }
    }
}

TEST(Gallery, RefusesAThemeFileThatIsNotThere)
{
    TTempDir dir;
    const QString png = QString::fromStdString(dir.File("sheet.png"));
    EXPECT_NE(RunGallery({ QString::fromStdString(dir.File("none.theme")), "--render", png }), 0);
    EXPECT_FALSE(QFile::exists(png));
    EXPECT_EQ(RunGallery({ "--render" }), 2) << "no file to render to";
}

} // namespace
