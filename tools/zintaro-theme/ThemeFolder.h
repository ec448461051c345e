#pragma once

#include <ostream>
#include <stdexcept>
#include <string>

// A mistake in the input, told to the user as it stands.
class TToolError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The folder a theme is made from: one image per bitmap element named <Key>.png or
// <Key>.bmp, and values.txt with one "Key = value" line per colour, integer or boolean
// element. Notes (elements left out) go to `notes`.
void PackThemeFolder(const std::string& folder, const std::string& themeFile, std::ostream& notes);

// Writes a theme file's elements back as such a folder, which must be new or empty. Entries
// that packing could not take back (names that are no element key, strings, a kind that
// does not fit the key) are left out with a note.
void UnpackThemeFile(const std::string& themeFile, const std::string& folder, std::ostream& notes);

// Lists the header and every record of the chain as it is, faults included.
void DumpThemeFile(const std::string& themeFile, std::ostream& out);

// Writes a built-in style (MacOS, WinXP, DeepBlue, Protein, BlueGlass) as such a folder: its
// bitmaps as <Key>.png and its values, the start of a theme of one's own.
void ExportBuiltInStyle(
    const std::string& styleName, const std::string& folder, std::ostream& notes);

// Turns the colours of the folder's images near `fromHue` (degrees) to `toHue`, scaling their
// saturation and lightness by the percentages, in place; other hues, greys and the magenta
// key ($FF00FF) stay.
void TintImages(
    const std::string& folder, int fromHue, int toHue, int saturationPercent, int lightnessPercent);
