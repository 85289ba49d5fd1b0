#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

// Fields of the little-endian .per file on any host: on a little-endian one a field is one
// plain copy, elsewhere shifts spell the order out.
namespace LittleEndian {

template <int Width> void PutUInt(std::uint8_t* out, std::uint64_t value) {
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(out, &value, Width);
    } else {
        for (int i = 0; i < Width; ++i)
            out[i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

template <int Width> std::uint64_t GetUInt(const std::uint8_t* in) {
    std::uint64_t value = 0;
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(&value, in, Width);
    } else {
        for (int i = 0; i < Width; ++i)
            value |= std::uint64_t{in[i]} << (8 * i);
    }
    return value;
}

inline void PutInt32(std::uint8_t* out, std::int32_t value) {
    PutUInt<4>(out, static_cast<std::uint32_t>(value));
}

inline std::int32_t GetInt32(const std::uint8_t* in) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(GetUInt<4>(in)));
}

inline void PutInt64(std::uint8_t* out, std::int64_t value) {
    PutUInt<8>(out, static_cast<std::uint64_t>(value));
}

inline std::int64_t GetInt64(const std::uint8_t* in) {
    return static_cast<std::int64_t>(GetUInt<8>(in));
}

// Copying the bit pattern keeps every NaN payload the file holds.
inline void PutDouble(std::uint8_t* out, double value) {
    PutUInt<8>(out, std::bit_cast<std::uint64_t>(value));
}

inline double GetDouble(const std::uint8_t* in) {
    return std::bit_cast<double>(GetUInt<8>(in));
}

} // namespace LittleEndian
