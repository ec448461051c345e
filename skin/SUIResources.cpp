#include "skin/SUIThemes.h"

#include <QImage>
#include <QResource>
#include <QString>
#include <QtEndian>

#include <map>
#include <string>

namespace {

// Skin bitmaps are compiled in under this prefix (see skin/CMakeLists.txt).
constexpr const char* kResourcePrefix = ":/skin/";
constexpr const char* kResourceSuffix = ".pixels";
constexpr qint64 kHeaderBytes = 8;
constexpr quint32 kMaxSide = 4096;

// Every name asked for, found or not, made once. The cached images are never written
// to, so the copies handed out share their pixels until their holders write.
std::map<std::string, QImage, std::less<>>& Cache()
{
    static std::map<std::string, QImage, std::less<>> cache;
    return cache;
}

// The bitmap as the build stored it: width and height as 32-bit little-endian numbers,
// then the rows of 32-bit pixels, read where they lie in the program. Null if the entry
// is not of that form.
QImage PixelsOf(const QResource& resource)
{
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression
        || resource.size() < kHeaderBytes)
        return {};
    const uchar* data = resource.data();
    const quint32 width = qFromLittleEndian<quint32>(data);
    const quint32 height = qFromLittleEndian<quint32>(data + 4);
    if (width == 0 || height == 0 || width > kMaxSide || height > kMaxSide
        || qint64(width) * height * 4 != resource.size() - kHeaderBytes)
        return {};
    const uchar* pixels = data + kHeaderBytes;
    const QImage image(pixels, int(width), int(height), qsizetype(width) * 4, QImage::Format_RGB32);
    // Pixels must lie on 32-bit boundaries to be used in place; otherwise they are copied.
    if (reinterpret_cast<quintptr>(pixels) % alignof(quint32) != 0)
        return image.copy();
    return image;
}

} // namespace

QImage LoadSkinBitmap(std::string_view name)
{
    auto& cache = Cache();
    if (auto found = cache.find(name); found != cache.end())
        return found->second;
    QImage image;
    if (!name.empty()) {
        image = PixelsOf(QResource(QString::fromLatin1(kResourcePrefix)
            + QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()))
            + QString::fromLatin1(kResourceSuffix)));
    }
    return cache.emplace(std::string(name), image).first->second;
}
