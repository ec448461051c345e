// zintaro-theme: makes and reads the theme files that skinned controls draw from.

#include "ThemeFolder.h"

#include <exception>
#include <iostream>
#include <string>

namespace {

constexpr const char* kUsage = R"(usage:
  zintaro-theme pack <folder> <out.theme>     images <Key>.png|.bmp and values.txt to a theme file
  zintaro-theme unpack <file.theme> <folder>  a theme file back to such a folder (new or empty)
  zintaro-theme dump <file.theme>             list the header and every record
  zintaro-theme export <style> <folder>       a built-in style (MacOS, WinXP, ...) as such a folder
  zintaro-theme tint <folder> <from-hue> <to-hue> <saturation%> <lightness%>
                                              recolour one hue of the folder's images, in place

values.txt holds one element a line, "#" starts a comment:
  FormBorderColor = $C82C00        colours: $BBGGRR (or 0x..., or decimal)
  FormBorderWidthInt = 3           integers
  ButtonTransparentBool = true     booleans: true/false
)";

int Number(const std::string& text)
{
    std::size_t used = 0;
    int value = 0;
    try {
        value = std::stoi(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used == 0 || used != text.size())
        throw TToolError("\"" + text + "\" is no whole number");
    return value;
}

int Usage()
{
    std::cerr << kUsage;
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return Usage();
    std::string command = argv[1];
    try {
        if (command == "pack" && argc == 4)
            PackThemeFolder(argv[2], argv[3], std::cerr);
        else if (command == "unpack" && argc == 4)
            UnpackThemeFile(argv[2], argv[3], std::cerr);
        else if (command == "dump" && argc == 3)
            DumpThemeFile(argv[2], std::cout);
        else if (command == "export" && argc == 4)
            ExportBuiltInStyle(argv[2], argv[3], std::cerr);
        else if (command == "tint" && argc == 7)
            TintImages(argv[2], Number(argv[3]), Number(argv[4]), Number(argv[5]), Number(argv[6]));
        else
            return Usage();
    } catch (const std::exception& error) {
        std::cerr << "zintaro-theme: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
