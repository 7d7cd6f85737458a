// Letter case of ASCII texts: file names and words in files are compared without it.
#pragma once

#include <string>
#include <string_view>

namespace trm {

/// The text with A..Z turned into a..z; other bytes (UTF-8 included) stay.
inline std::string AsciiKlein(std::string_view text) {
  std::string s(text);
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

}  // namespace trm
