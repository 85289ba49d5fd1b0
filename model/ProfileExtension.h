#pragma once

#include "ProfileInfo.h"
#include "ProfileObject.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// The extension block that may follow the material index of a .per file: what the
// original layout cannot hold. A reader of that layout stops at the material index and
// never sees it. Little-endian, offsets from the block's first byte:
//
//   0   8  signature "PERFIL-X"
//   8   4  uint32 version, 1
//  12   4  uint32 length of the block in bytes, signature included
//  16   4  uint32 CRC-32 of the file's main part (from its first byte to the material
//          index included) followed by the block without these four bytes
//  20  32N per record, in file order: P1.X, P1.Y, P2.X, P2.Y, int64 hundredths of a mm;
//          each rounds (ties to even) to the whole millimetres of the main part
//   .   4  uint32 byte length n of the name, then n bytes of UTF-8
//   .   4  uint32 byte length m of the material text, then m bytes of UTF-8
//   .   8  float64 density in g/cm3 as the text gives it (0 when it gives none), for
//          readers that do not read the text; perfil reads the text
//   .   8  float64 E, MPa
//   .   8  float64 Poisson's ratio
//   .   8  float64 fy, MPa
//   version 2 and later:
//   .   8  float64 inner bend radius, mm
//
// A later version appends its fields after these and raises the version; a reader takes
// the fields it knows and passes over the rest, which the length and the checksum still
// cover. A writer writes the lowest version that holds the profile, so that a profile
// without the newer data gives the bytes it gave before.

inline constexpr char ExtensionSignature[8] = {'P', 'E', 'R', 'F', 'I', 'L', '-', 'X'};
inline constexpr std::uint32_t ExtensionVersion = 2;
// The longest block a file may carry, for a newer version's fields too.
inline constexpr std::size_t ExtensionMaxSize = 64 * 1024;

// The start of the notice given when a block is read but not used.
inline constexpr const char* IgnoredExtensionNotice = "dados estendidos ignorados: ";

// True when the profile holds something the original layout cannot: a point off the whole
// millimetres, a name, a material text other than the list item at materialIndex,
// material constants other than the defaults, or bends.
bool NeedsExtension(std::span<const TProfileObject> records, std::int32_t materialIndex,
                    const TProfileInfo& info);

// Appends the block for records and info to file, which holds the main part. Throws
// std::length_error for a name or material text longer than TProfileInfo::MaxTextBytes.
void AppendExtension(std::vector<std::uint8_t>& file, std::span<const TProfileObject> records,
                     const TProfileInfo& info);

// True when bytes (all that follows the material index) begin with the signature.
bool StartsExtension(std::span<const std::uint8_t> bytes);

// Reads the block that follows mainPart and, when it is sound and agrees with the main part,
// writes its points into records and its name and material into info. Otherwise nothing
// changes and the result says why, in the user's language ("soma de verificação não
// confere", ...); it is empty when the block was used.
std::string ReadExtension(std::span<const std::uint8_t> mainPart,
                          std::span<const std::uint8_t> block,
                          std::span<TProfileObject> records, TProfileInfo& info);
