#include "platform/core/ProfileReader.h"
#include "platform/core/StrToInt.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

// The reader takes a path, so each input becomes an index.ini of its own.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string path = "/tmp/zintaro-fuzz-profile-" + std::to_string(getpid()) + ".ini";
    if (std::FILE* file = std::fopen(path.c_str(), "wb")) {
        std::fwrite(data, 1, size, file);
        std::fclose(file);
    }
    StrToIntDef(GetPrivateProfileString("set", "MaxLength", "", path), 0);
    GetPrivateProfileString("set", "Course", "Please select a book.", path);
    return 0;
}
