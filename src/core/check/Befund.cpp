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
  // Sorted by a key of plain numbers through indices; the findings are moved once.
  struct Schluessel {
    bool hinweis;
    int modul, regel;
    std::int32_t g0, g1;
    std::size_t gleise;
    double x, y;
    std::size_t i;
  };
  std::vector<Schluessel> k(befunde.size());
  for (std::size_t i = 0; i < befunde.size(); ++i) {
    const TBefund& b = befunde[i];
    k[i] = {!b.Fehler(), b.modul, static_cast<int>(b.regel), b.gleise.empty() ? 0 : b.gleise[0],
            b.gleise.size() > 1 ? b.gleise[1] : 0, b.gleise.size(), b.x, b.y, i};
  }
  std::sort(k.begin(), k.end(), [&](const Schluessel& a, const Schluessel& b) {
    const auto ta = std::tie(a.hinweis, a.modul, a.regel, a.g0, a.g1, a.gleise, a.x, a.y);
    const auto tb = std::tie(b.hinweis, b.modul, b.regel, b.g0, b.g1, b.gleise, b.x, b.y);
    if (ta != tb) return ta < tb;
    if (befunde[a.i].gleise != befunde[b.i].gleise) return befunde[a.i].gleise < befunde[b.i].gleise;
    return a.i < b.i;
  });
  std::vector<TBefund> geordnet;
  geordnet.reserve(befunde.size());
  for (const Schluessel& s : k) geordnet.push_back(std::move(befunde[s.i]));
  befunde = std::move(geordnet);
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
