#pragma once

#include "Profile.h"
#include "ProfileExtension.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// The bytes of a .per file, little-endian: the main part, int32 count N, N records of 72
// bytes, int32 material index; then, only when the profile needs it, the extension block
// (ProfileExtension.h). Every record field goes through unchanged, alignment gaps and
// Reserved included, NaN payloads and unknown Kind values too.

inline constexpr std::size_t ProfileRecordSize = 72;
inline constexpr std::size_t ProfileMainMaxSize = 8 + ProfileRecordSize * TProfile::Capacity;
inline constexpr std::size_t ProfileFileMaxSize = ProfileMainMaxSize + ExtensionMaxSize;

// The one message for a file that is not a profile: a count outside 0..255, a file shorter
// than 8 + 72 * count, or bytes after the material index that are no extension block.
inline constexpr const char* InvalidProfileFileMessage = "Arquivo de perfil inválido";

// What a file holds; Records has at most TProfile::Capacity elements.
struct TProfileFileContents {
    std::vector<TProfileObject> Records;
    std::int32_t MaterialIndex = 0;
    // From the block; without one, the list item at MaterialIndex and the defaults.
    TProfileInfo Info;
    // Why the block was not used, as the notice to the user ("dados estendidos ignorados:
    // ..."); empty when there was none or it was used.
    std::string Notice;
};

// The main part alone, as a writer of the original layout writes it: the points'
// whole millimetres. Throws std::length_error for more than TProfile::Capacity records.
std::vector<std::uint8_t> EncodeProfile(std::span<const TProfileObject> records,
                                        std::int32_t materialIndex);

// The whole file: the main part, then the block when NeedsExtension says so, so a profile
// that needs none gives the main part alone. Throws std::length_error as above and for a
// name or material text longer than TProfileInfo::MaxTextBytes.
std::vector<std::uint8_t> EncodeProfile(std::span<const TProfileObject> records,
                                        std::int32_t materialIndex, const TProfileInfo& info);

// Throws PerfilError(InvalidProfileFileMessage) for bytes that are not a profile file. A
// block that cannot be used leaves the main part's profile and a notice.
TProfileFileContents DecodeProfile(std::span<const std::uint8_t> bytes);
