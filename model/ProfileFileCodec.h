#pragma once

#include "Profile.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// The bytes of a .per file, little-endian: int32 count N, N records of 72 bytes, int32
// material index. Every record field goes through unchanged, alignment gaps and
// Reserved included, NaN payloads and unknown Kind values too.

inline constexpr std::size_t ProfileRecordSize = 72;
inline constexpr std::size_t ProfileFileMaxSize = 8 + ProfileRecordSize * TProfile::Capacity;

// The one message for a file that is not a profile: a count outside 0..255 or a length
// other than 8 + 72 * count.
inline constexpr const char* InvalidProfileFileMessage = "Arquivo de perfil inválido";

// What a file holds; Records has at most TProfile::Capacity elements.
struct TProfileFileContents {
    std::vector<TProfileObject> Records;
    std::int32_t MaterialIndex = 0;
};

// Throws std::length_error for more than TProfile::Capacity records.
std::vector<std::uint8_t> EncodeProfile(std::span<const TProfileObject> records,
                                        std::int32_t materialIndex);

// Throws PerfilError(InvalidProfileFileMessage) for bytes that are not a profile file.
TProfileFileContents DecodeProfile(std::span<const std::uint8_t> bytes);
