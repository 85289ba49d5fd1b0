#include "Crc32.h"

#include <array>

namespace {

constexpr std::array<std::uint32_t, 256> Table = [] {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}();

} // namespace

std::uint32_t Crc32(std::span<const std::uint8_t> bytes, std::uint32_t previous) {
    std::uint32_t c = ~previous;
    for (const std::uint8_t b : bytes)
        c = Table[(c ^ b) & 0xFFu] ^ (c >> 8);
    return ~c;
}
