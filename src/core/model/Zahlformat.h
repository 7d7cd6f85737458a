// The number texts of all files: reals in general format with a decimal comma and up to
// 15 significant digits, integers, booleans "-1"/"0". Independent of the process locale.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace trm {

/// Real in general format: fixed notation with a decimal comma when 1e-5 <= |x| and the value
/// has at most 15 integer digits, else exponent notation ("1E-7", "1,5E20"). 0 gives "0".
/// The few doubles at the top of the range that 15 digits would round beyond the largest double
/// are written with the fewest digits that read back exactly (up to 17). Every finite value
/// reads back through TextReal; an infinity or NaN throws SchreibFehler.
std::string RealText(double x);

/// Room RealZeichen needs.
inline constexpr std::size_t RealZeichenMax = 32;
/// RealText into `out` (at least RealZeichenMax characters) without allocating; returns the end.
char* RealZeichen(double x, char* out);

/// Integer as decimal digits with a leading "-" when negative.
std::string IntText(std::int64_t n);

/// Boolean as "-1" (true) or "0" (false).
std::string BoolText(bool b);

/// Fixed-point text with the given number of decimals and a decimal comma ("12,500"), as the
/// windows show numbers; "INF", "-INF" or "NAN" for a value that is not finite.
std::string FestText(double x, int stellen = 3);

/// Reads a real with decimal comma. Surrounding spaces are allowed; a decimal point, letters,
/// an empty text or a value that is not finite throw LeseFehler naming the text. A value above
/// the largest double up to its 15-digit text 1,79769313486232E308 reads as the largest double.
double TextReal(std::string_view text);

/// TextReal, then the value written and read again (what a file keeps of it), as one read:
/// a text of at most 15 significant digits in the normal range is that value already.
double TextRealWieGeschrieben(std::string_view text);

/// As TextReal, but a decimal point is taken like a comma (texts written in another locale).
double TextRealPunktOderKomma(std::string_view text);

/// Reads a 32-bit integer. Surrounding spaces are allowed; anything else throws LeseFehler.
std::int32_t TextInt(std::string_view text);

/// Reads an integer that the file writes in real format (whole numbers without comma); a
/// fraction is rounded to the nearest integer. Out of the 32-bit range throws LeseFehler.
std::int32_t TextIntAusReal(std::string_view text);

/// Reads a boolean: "0" (or any number equal to 0) is false, any other number true; the words
/// "True" and "False" (any letter case) are accepted too.
bool TextBool(std::string_view text);

/// Rounds to the nearest integer, halves to even (the rounding of screen coordinates).
std::int64_t RundenGerade(double x);

}  // namespace trm
