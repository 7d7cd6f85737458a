// The rule table of the layout check and the order of its findings.
#include "core/check/Befund.h"

#include <algorithm>
#include <tuple>

namespace trm {

namespace {
constexpr std::array<TRegelInfo, RegelAnzahl> kRegeln{{
    {"gap", "Lücke", true},
    {"open_end", "offenes Gleisende", false},
    {"min_radius", "Radius unter Mindestradius", true},
    {"max_gradient", "Steigung zu groß", true},
    {"overlap", "Gleise überschneiden sich", true},
    {"vertical_clearance", "Durchfahrtshöhe zu gering", true},
    {"track_spacing", "Gleisabstand zu gering", true},
    {"outside_board", "Gleis außerhalb der Platte", true},
}};
}  // namespace

const TRegelInfo& RegelInfo(Regel r) { return kRegeln[static_cast<std::size_t>(r)]; }

std::array<Regel, RegelAnzahl> AlleRegeln() {
  std::array<Regel, RegelAnzahl> r{};
  for (int i = 0; i < RegelAnzahl; ++i) r[static_cast<std::size_t>(i)] = static_cast<Regel>(i);
  return r;
}

void BefundeOrdnen(std::vector<TBefund>& befunde) {
  std::stable_sort(befunde.begin(), befunde.end(), [](const TBefund& a, const TBefund& b) {
    const bool fa = !a.Fehler(), fb = !b.Fehler();
    return std::tie(fa, a.modul, a.regel, a.gleise, a.x, a.y) < std::tie(fb, b.modul, b.regel, b.gleise, b.x, b.y);
  });
}

std::size_t Fehlerzahl(const std::vector<TBefund>& befunde) {
  return static_cast<std::size_t>(std::count_if(befunde.begin(), befunde.end(), [](const TBefund& b) { return b.Fehler(); }));
}

std::string GleisText(const std::vector<std::int32_t>& gleise) {
  if (gleise.empty()) return "";
  if (gleise.size() == 1) return "Gleis " + std::to_string(gleise[0]);
  std::string t = "Gleise ";
  for (std::size_t i = 0; i < gleise.size(); ++i) {
    if (i > 0) t += i + 1 == gleise.size() ? " und " : ", ";
    t += std::to_string(gleise[i]);
  }
  return t;
}

}  // namespace trm
