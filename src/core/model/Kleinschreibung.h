// Letter case of ASCII texts (file names and words in files are compared without it) and the
// blanks around a typed or read text.
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

/// The text without the spaces and tabs before and after it.
inline std::string_view OhneLeerzeichen(std::string_view t) {
  while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
  while (!t.empty() && (t.back() == ' ' || t.back() == '\t')) t.remove_suffix(1);
  return t;
}

}  // namespace trm
