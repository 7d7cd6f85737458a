// The colours of the colour mixer and the palette pop-up: the 49 palette swatches, the greys,
// the 16 standard colours, and the user colours' add and delete rules. Colours are 0x00BBGGRR.
#pragma once

#include <array>
#include <cstdint>

namespace trm {

using Farbspeicher = std::array<std::int32_t, 16>;

inline constexpr std::int32_t Rgb(int r, int g, int b) { return r | (g << 8) | (b << 16); }
inline constexpr int Rot(std::int32_t f) { return f & 0xFF; }
inline constexpr int Gruen(std::int32_t f) { return (f >> 8) & 0xFF; }
inline constexpr int Blau(std::int32_t f) { return (f >> 16) & 0xFF; }

/// Palette swatch i (0..48), 7 per row: each row moves one channel from the previous row's end.
std::int32_t Palettenfarbe(int i);
/// Grey swatch i (0..6): level i · 36.
std::int32_t Graustufe(int i);
/// Black, maroon, green, olive, navy, purple, teal, grey, silver, red, lime, blue, fuchsia,
/// aqua, yellow, white.
inline constexpr std::array<std::int32_t, 16> Standardfarben{
    0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0x808080,
    0xC0C0C0, 0x0000FF, 0x00FF00, 0xFF0000, 0xFF00FF, 0xFFFF00, 0x00FFFF, 0xFFFFFF};

/// The colour goes first; the others move one place back and the last falls out.
void NutzerfarbeHinzufuegen(Farbspeicher& f, std::int32_t farbe);
/// Removes the user colour of swatch tag (1..16; 0 or 1: the first), moves the following ones
/// forward and fills the last place with white.
void NutzerfarbeLoeschen(Farbspeicher& f, int tag);

}  // namespace trm
