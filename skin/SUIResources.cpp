#include "skin/SUIThemes.h"

#include <QImage>
#include <QString>

#include <map>
#include <string>

namespace {

// Skin bitmaps are compiled in under this prefix (see skin/CMakeLists.txt).
constexpr const char* kResourcePrefix = ":/skin/";
constexpr const char* kResourceSuffix = ".png";

// Every name asked for, found or not, decoded once. The cached images are never written
// to, so the copies handed out share their pixels until their holders write.
std::map<std::string, QImage, std::less<>>& Cache()
{
    static std::map<std::string, QImage, std::less<>> cache;
    return cache;
}

} // namespace

QImage LoadSkinBitmap(std::string_view name)
{
    auto& cache = Cache();
    if (auto found = cache.find(name); found != cache.end())
        return found->second;
    QImage image;
    if (!name.empty()) {
        const QString path = QString::fromLatin1(kResourcePrefix)
            + QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()))
            + QString::fromLatin1(kResourceSuffix);
        image.load(path, "PNG");
        if (!image.isNull() && image.format() != QImage::Format_RGB32)
            image.convertTo(QImage::Format_RGB32);
    }
    return cache.emplace(std::string(name), image).first->second;
}
