// Key filters of the numeric edit fields and the check of ratio fields.
#include "core/model/Eingabefilter.h"

#include <string>

namespace trm {

namespace {

constexpr char32_t kRueckschritt = U'\u0008';
constexpr char32_t kEnter = U'\r';

}  // namespace

Tastenwirkung IntFilter(char32_t taste) {
  if (taste == kEnter) return Tastenwirkung::NaechstesFeld;
  if (taste == kRueckschritt || (taste >= U'0' && taste <= U'9')) return Tastenwirkung::Annehmen;
  return Tastenwirkung::Verwerfen;
}

Tastenwirkung RealFilter(char32_t taste) {
  if (taste == U',' || taste == U'-' || taste == U'.') return Tastenwirkung::Annehmen;
  return IntFilter(taste);
}

bool IstVerhaeltnis(std::string_view text) {
  std::string ohne;
  for (const char c : text)
    if (c != ' ') ohne += c;
  return ohne.size() >= 2 && ohne[0] == '1' && (ohne[1] == ':' || ohne[1] == '/');
}

}  // namespace trm
