// The fixed colours of the drawing (0x00BBGGRR).
#pragma once

#include <cstdint>

namespace trm::farbe {

inline constexpr std::int32_t Rot = 255;                 ///< current track or segment
inline constexpr std::int32_t Cyan = 16776960;           ///< marker fill
inline constexpr std::int32_t Grau = 8421504;            ///< group lines
inline constexpr std::int32_t Hellgruen = 12639424;      ///< ends of group lines
inline constexpr std::int32_t Violett = 6697932;         ///< turntable markers, slip arrows, heights
inline constexpr std::int32_t Schwarz = 0;
inline constexpr std::int32_t Weiss = 16777215;

}  // namespace trm::farbe
