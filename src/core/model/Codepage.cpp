// Windows-1252 <-> UTF-8 conversion at the file boundary.
#include "core/model/Codepage.h"

#include <array>
#include <cstdint>

namespace trm {

namespace {

// Code points of the bytes 0x80-0x9F; the undefined bytes keep their own value.
constexpr std::array<char32_t, 32> kC1{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 0x98
};

void Utf8Anhaengen(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    // The table holds nothing beyond the Basic Multilingual Plane.
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

char ZuByte(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
  for (std::size_t i = 0; i < kC1.size(); ++i)
    if (kC1[i] == cp) return static_cast<char>(0x80 + i);
  return '?';
}

// Decodes one well-formed UTF-8 sequence at the start of s; returns its length, 0 if invalid.
std::size_t Dekodieren(std::string_view s, char32_t& cp) {
  const auto b0 = static_cast<unsigned char>(s[0]);
  std::size_t laenge = 0;
  char32_t min = 0;
  if (b0 < 0x80) {
    cp = b0;
    return 1;
  } else if (b0 >= 0xC2 && b0 <= 0xDF) {
    laenge = 2, cp = b0 & 0x1F, min = 0x80;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    laenge = 3, cp = b0 & 0x0F, min = 0x800;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    laenge = 4, cp = b0 & 0x07, min = 0x10000;
  } else {
    return 0;
  }
  if (s.size() < laenge) return 0;
  for (std::size_t i = 1; i < laenge; ++i) {
    const auto b = static_cast<unsigned char>(s[i]);
    if ((b & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (b & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return laenge;
}

}  // namespace

std::string Cp1252ZuUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    Utf8Anhaengen(out, (b >= 0x80 && b <= 0x9F) ? kC1[b - 0x80] : char32_t{b});
  }
  return out;
}

std::string Utf8ZuCp1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    char32_t cp = 0;
    const std::size_t laenge = Dekodieren(utf8.substr(i), cp);
    if (laenge == 0) {
      out += '?';
      ++i;
    } else {
      out += ZuByte(cp);
      i += laenge;
    }
  }
  return out;
}

bool IstUtf8(std::string_view bytes) {
  char32_t cp = 0;
  for (std::size_t i = 0; i < bytes.size();) {
    const std::size_t n = Dekodieren(bytes.substr(i), cp);
    if (n == 0) return false;
    i += n;
  }
  return true;
}

}  // namespace trm
