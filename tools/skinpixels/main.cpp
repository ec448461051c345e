// zintaro-skin-pixels <out dir> <NAME.png>...: writes each picture as <out dir>/<NAME>.pixels,
// the form the skin library finds its bitmaps in (see skin/SUIResources.cpp): the width and
// the height as 32-bit little-endian numbers, then the rows of 32-bit RGB pixels. The build
// runs it, so the program uses its bitmaps where they lie instead of decoding them at
// every start.
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QtEndian>

#include <cstdio>

namespace {

bool Convert(const QString& png, const QString& outDir)
{
    QImage image(png, "PNG");
    if (image.isNull()) {
        std::fprintf(stderr, "zintaro-skin-pixels: cannot read %s\n", qPrintable(png));
        return false;
    }
    image.convertTo(QImage::Format_RGB32);
    const QString path = outDir + "/" + QFileInfo(png).completeBaseName() + ".pixels";
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "zintaro-skin-pixels: cannot write %s\n", qPrintable(path));
        return false;
    }
    const quint32 size[]
        = { qToLittleEndian(quint32(image.width())), qToLittleEndian(quint32(image.height())) };
    bool written = out.write(reinterpret_cast<const char*>(size), sizeof size) == sizeof size;
    const qsizetype rowBytes = qsizetype(image.width()) * 4;
    for (int y = 0; y < image.height() && written; ++y)
        written = out.write(reinterpret_cast<const char*>(image.constScanLine(y)), rowBytes)
            == rowBytes;
    if (!written || !out.flush()) {
        std::fprintf(stderr, "zintaro-skin-pixels: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: zintaro-skin-pixels <out dir> <NAME.png>...\n");
        return 2;
    }
    bool ok = true;
    for (int i = 2; i < argc; ++i)
        ok = Convert(QString::fromLocal8Bit(argv[i]), QString::fromLocal8Bit(argv[1])) && ok;
    return ok ? 0 : 1;
}
