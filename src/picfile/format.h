#pragma once

// The calculator picture file (".89i"): one monochrome picture variable for the
// TI-89 / TI-92 Plus. Offsets in bytes from the start of the file.
namespace picfile {

inline constexpr char kSignature[] = "**TI92P*";
// What every calculator's variable file begins with, whatever the model.
inline constexpr char kFamilySignature[] = "**TI";
inline constexpr char kFileSuffix[] = ".89i";
// Folder and variable names: at most this many characters.
inline constexpr int kNameLength = 8;

inline constexpr int kFolderOffset = 10;
inline constexpr int kNameOffset = 64;
inline constexpr int kFileLengthOffset = 76;
// The data length, then height and width (big-endian), the bitmap and the tag.
inline constexpr int kDataLengthOffset = 86;
inline constexpr int kHeightOffset = 88;
inline constexpr int kWidthOffset = 90;
// Everything before the bitmap; a file shorter than this holds no picture.
inline constexpr int kHeaderSize = 92;
// After the bitmap: the picture tag and a two-byte checksum.
inline constexpr int kTrailerSize = 3;
inline constexpr char kPictureTag = char(0xDF);
// The longest row: 65535 pixels, one bit each.
inline constexpr int kMaxRowBytes = 8192;

} // namespace picfile
