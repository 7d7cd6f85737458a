// Key filters of the numeric edit fields and the check of ratio fields ("1:n").
#pragma once

#include <string_view>

namespace trm {

/// What an edit field does with a typed character.
enum class Tastenwirkung {
  Annehmen,      ///< the character goes into the field
  Verwerfen,     ///< the character is discarded
  NaechstesFeld  ///< the character is discarded and the focus moves to the next control
};

/// Integer fields: Backspace (U+0008) and the digits 0 to 9 are accepted, Enter (U+000D) moves
/// to the next field, everything else is discarded.
Tastenwirkung IntFilter(char32_t taste);

/// Real fields: as IntFilter, and also ',', '-' and '.' are accepted.
Tastenwirkung RealFilter(char32_t taste);

/// True when the text, with all spaces removed, starts with "1:" or "1/" (a ratio 1:n).
bool IstVerhaeltnis(std::string_view text);

}  // namespace trm
