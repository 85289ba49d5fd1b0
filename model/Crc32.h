#pragma once

#include <cstdint>
#include <span>

// CRC-32 as zip and PNG compute it (reflected polynomial 0xEDB88320, initial value and
// final mask all ones). A sum over several pieces is the sum of their concatenation:
// Crc32(b, Crc32(a)) == Crc32(a + b).
std::uint32_t Crc32(std::span<const std::uint8_t> bytes, std::uint32_t previous = 0);
