// The 12-line turntable record (layout and type form), reading it into a module and connecting
// the tracks it names.
#include <cmath>
#include <unordered_set>

#include "core/model/Anlage.h"
#include "core/model/Fehler.h"
#include "core/model/Gleis.h"
#include "core/model/Listen.h"
#include "core/model/Modul.h"
#include "core/model/Zahlformat.h"
#include "core/turnouts/Drehscheibe.h"
#include "core/model/Zitat.h"

namespace trm {

namespace {

/// Line 8 without connected tracks: "-1" (a type, or a turntable nothing is connected to).
bool KeineGleise(std::string_view t) {
  const auto a = t.find_first_not_of(' ');
  const auto e = t.find_last_not_of(' ');
  return a == std::string_view::npos || t.substr(a, e - a + 1) == "-1";
}

std::vector<std::int32_t> Gleisnummern(std::string_view t) {
  return KeineGleise(t) ? std::vector<std::int32_t>{} : IntListeLesen(t);
}

/// The start angle as a file keeps it, in 0..2π: a value just below a full turn that reads
/// back as a full turn is 0, so that what is written reads back unchanged.
double GelesenerWinkel(double w) {
  double r = std::fmod(w, 2.0 * Pi);
  if (r < 0) r += 2.0 * Pi;
  r = AlsGeschrieben(r);
  return r >= 2.0 * Pi ? 0 : r + 0.0;  // + 0.0: never -0
}

}  // namespace

void TDrehscheibe::DSLaden(const Zeilenquelle& z, std::size_t& i) {
  const std::size_t anfang = i;
  Zeilenleser l(z, i);
  Name = l.Text();
  XMitte = l.Real();
  YMitte = l.Real();
  ZMitte = l.Real();
  startwinkel_ = GelesenerWinkel(l.Real());
  Innendurchmesser = l.Real();
  Aussendurchmesser = l.Real();
  GleisIDs = ListenZeile(l, [](const std::string& t) {
    (void)Gleisnummern(t);
    return t;
  });
  Teilung = l.Real();
  l.Ueberspringen(3);
  AktAnschluss = 1;
  const std::string fehler = Fehlerhaft();
  if (!fehler.empty()) {
    // Named by its line: pit diameter 6, outer diameter 7, division 9.
    std::size_t k = 9;
    if (fehler.find("Innendurchmesser") != std::string::npos) k = 6;
    else if (fehler.find("Außendurchmesser") != std::string::npos) k = 7;
    throw LeseFehler("Zeile " + std::to_string(anfang + k) + ": " + fehler + " (\"" + Zitat(Name) + "\")");
  }
}

void TDrehscheibe::Verknuepfen() {
  if (Modul == nullptr) return;
  const std::vector<std::int32_t> liste = Gleisnummern(GleisIDs);
  const std::unordered_set<std::int32_t> nummern(liste.begin(), liste.end());
  // Only ordinary tracks: a track of a turnout or crossing goes where its element puts it.
  for (const auto& g : Modul->Gleise)
    if (g->IstGewoehnlich() && g->Element == nullptr && nummern.count(g->Nummer)) Anschliessen(g.get());
}

void TDrehscheibe::DatenSchreiben(Zeilen& out) const { Schreiben(out, false); }
void TDrehscheibe::TypSchreiben(Zeilen& out) const { Schreiben(out, true); }

void TDrehscheibe::Schreiben(Zeilen& out, bool typ) const {
  out.push_back(Name);
  for (double x : {XMitte, YMitte, ZMitte}) out.push_back(typ ? "0" : RealText(x));
  out.push_back(RealText(startwinkel_));
  out.push_back(RealText(Innendurchmesser));
  out.push_back(RealText(Aussendurchmesser));
  std::vector<std::int32_t> nummern;
  if (!typ)
    for (const TGleis* g : anschluesse_) nummern.push_back(g->Nummer);
  out.push_back(nummern.empty() ? "-1" : IntListeText(nummern));
  out.push_back(RealText(Teilung));
  for (int k = 0; k < 3; ++k) out.push_back("00");
}

TElement* TDrehscheibe::Lesen(TModul& m, const Zeilenquelle& z, std::size_t& i, std::int32_t k) {
  auto d = std::make_unique<TDrehscheibe>(&m);
  d->DSLaden(z, i);
  d->DSNr = m.Anlage_ ? m.Anlage_->NeueElementnummer(BereichDrehscheibe) : k + 1;
  d->Verknuepfen();
  return m.ElementHinzufuegen(std::move(d));
}

}  // namespace trm
