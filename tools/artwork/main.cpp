// zintaro-artwork: draws every skin bitmap and the program icon.
//
//   zintaro-artwork --out resources/skin [--icons resources/icons]
//   zintaro-artwork --contact-sheet sheet.png [--mockup mockup.png]
//
// Output is deterministic: the same build writes the same files.

#include "tools/artwork/Catalogue.h"
#include "tools/artwork/Sheets.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>

#include <cstdio>

namespace {

// Fonts come from files so that the output never depends on the font configuration.
const char* const kFontFiles[] = {
    "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
    "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
    "/usr/share/fonts/opentype/noto/NotoSerifCJK-Bold.ttc",
    "/usr/share/fonts/opentype/noto/NotoSansCJK-Bold.ttc",
};

void Usage()
{
    std::fprintf(stderr,
        "usage: zintaro-artwork [--out DIR] [--icons DIR] [--contact-sheet FILE] "
        "[--mockup FILE]\n"
        "  --out DIR            write every skin bitmap as DIR/<NAME>.png; the icons\n"
        "                       go to DIR/../icons unless --icons is given\n"
        "  --icons DIR          write the program icon as DIR/zintaro-<size>.png\n"
        "  --contact-sheet FILE every bitmap enlarged, grouped by style\n"
        "  --mockup FILE        a window drawn from each style's bitmaps\n");
}

bool Save(const QImage& image, const QString& path)
{
    if (image.save(path, "PNG"))
        return true;
    std::fprintf(stderr, "zintaro-artwork: cannot write %s\n", qPrintable(path));
    return false;
}

bool MakeDir(const QString& dir)
{
    if (QDir().mkpath(dir))
        return true;
    std::fprintf(stderr, "zintaro-artwork: cannot create %s\n", qPrintable(dir));
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QString outDir, iconDir, sheetFile, mockupFile;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        const QString& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--out" && hasValue)
            outDir = args[++i];
        else if (arg == "--icons" && hasValue)
            iconDir = args[++i];
        else if (arg == "--contact-sheet" && hasValue)
            sheetFile = args[++i];
        else if (arg == "--mockup" && hasValue)
            mockupFile = args[++i];
        else {
            Usage();
            return 2;
        }
    }
    if (outDir.isEmpty() && iconDir.isEmpty() && sheetFile.isEmpty() && mockupFile.isEmpty()) {
        Usage();
        return 2;
    }
    if (!outDir.isEmpty() && iconDir.isEmpty())
        iconDir = QFileInfo(outDir + "/../icons").absoluteFilePath();

    for (const char* file : kFontFiles) {
        if (QFontDatabase::addApplicationFont(file) < 0) {
            std::fprintf(stderr, "zintaro-artwork: cannot load the font %s\n", file);
            return 1;
        }
    }

    const std::vector<art::TArtwork> artworks = art::AllArtworks();
    const std::vector<QString> problems = art::Validate(artworks);
    for (const QString& problem : problems)
        std::fprintf(stderr, "zintaro-artwork: %s\n", qPrintable(problem));

    // The sheets still help to find what is wrong; the resources are never written wrong.
    bool ok = problems.empty();
    if (!outDir.isEmpty() && ok) {
        ok = MakeDir(outDir) && ok;
        for (const art::TArtwork& a : artworks)
            ok = Save(a.image, outDir + "/" + a.name + ".png") && ok;
    }
    if (!iconDir.isEmpty() && problems.empty()) {
        ok = MakeDir(iconDir) && ok;
        for (int size : art::kIconSizes)
            ok = Save(art::RenderIcon(size), QString("%1/zintaro-%2.png").arg(iconDir).arg(size))
                && ok;
    }
    if (!sheetFile.isEmpty())
        ok = Save(art::RenderContactSheet(artworks), sheetFile) && ok;
    if (!mockupFile.isEmpty())
        ok = Save(art::RenderMockups(artworks), mockupFile) && ok;
    return ok ? 0 : 1;
}
