#pragma once
// Signed 32-bit integers stored as four little-endian bytes, as both file formats hold them.

#include <cstdint>

namespace orvane {

inline void PutInt32(std::uint8_t* out, std::int32_t value) {
    const auto u = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        out[i] = static_cast<std::uint8_t>(u >> (8 * i));
}

inline std::int32_t GetInt32(const std::uint8_t* in) {
    std::uint32_t u = 0;
    for (int i = 0; i < 4; ++i)
        u |= static_cast<std::uint32_t>(in[i]) << (8 * i);
    return static_cast<std::int32_t>(u);
}

} // namespace orvane
