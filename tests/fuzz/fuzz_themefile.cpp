// Theme files come from anywhere: reading one must stay inside it and end.
#include "skin/SUIThemeFile.h"
#include "skin/SUIThemes.h"

#include <QImage>

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    auto reader
        = TsuiThemeFileReader::FromBytes(std::string(reinterpret_cast<const char*>(data), size));
    for (int element = 1; element <= kThemeElementCount; ++element) {
        std::string_view key = ThemeElementKey(element);
        reader->GetInteger(key);
        reader->GetBoolean(key);
        reader->GetString(key);
        if (auto bmp = reader->GetStream(key))
            QImage::fromData(
                QByteArrayView(bmp->data(), static_cast<qsizetype>(bmp->size())), "BMP");
    }
    return 0;
}
