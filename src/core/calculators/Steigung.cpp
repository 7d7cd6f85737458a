// The gradient window's rows and its edits of gradients and heights.
#include "core/calculators/Steigung.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "core/editor/Editor.h"
#include "core/model/Bogen.h"
#include "core/model/Element.h"
#include "core/model/Gleis.h"
#include "core/model/Modul.h"
#include "core/model/Verbindungen.h"
#include "core/model/Zahlformat.h"
#include "core/render/Canvas.h"
#include "core/render/Farben.h"
#include "core/render/Profilstift.h"

namespace trm {

namespace {

constexpr int kRand = 10;
constexpr int kJeBogen = 100;

/// The selected element of the current module that has a height of its own (a turntable).
TElement* HoehenElement(Editor& ed) {
  const TModul* m = ed.modul();
  if (!m) return nullptr;
  for (const auto& e : m->Elemente)
    if (e->Markiert && e->EigeneHoehe()) return e.get();
  return nullptr;
}

/// A track's start height, through its element when it has one.
void StarthoeheSetzen(TGleis& g, double z) {
  if (g.Element) {
    g.Element->StarthoeheSetzen(z);
    return;
  }
  g.ZAnfWert = z;
}

std::int32_t Gerundet(double x) { return static_cast<std::int32_t>(std::lround(x)); }

}  // namespace

TGleis* Profilgleis(Editor& ed) {
  TGleis* g = ed.gleis();
  if (!g || !g->Element) return g;
  // The track the element hangs on: a turnout's main track, or its branch when attached there.
  if (TGleis* a = g->Element->Anschlussgleis()) return a;
  return g->Element->Stammgleis() ? g->Element->Stammgleis() : g;
}

void Steigungsdaten::Waehlen() {
  TGleis* g = Profilgleis(ed_);
  bogen = g && g == ed_.gleis() ? std::max(0, g->AktBogen) : 0;
  if (g && bogen >= static_cast<int>(g->Boegen.size())) bogen = 0;
}

void Steigungsdaten::Zurueck() {
  const TGleis* g = Profilgleis(ed_);
  if (!g || g->Boegen.empty()) return;
  const int n = static_cast<int>(g->Boegen.size());
  bogen = (bogen - 1 + n) % n;
}

void Steigungsdaten::Vor() {
  const TGleis* g = Profilgleis(ed_);
  if (!g || g->Boegen.empty()) return;
  bogen = (bogen + 1) % static_cast<int>(g->Boegen.size());
}

TSteigungsanzeige Steigungsdaten::Anzeige() const {
  TSteigungsanzeige z;
  const TGleis* g = Profilgleis(ed_);
  if (const TElement* e = HoehenElement(ed_)) {
    z.drehscheibe = true;
    z.drehscheibenhoehe = FestText(*e->EigeneHoehe());
  }
  if (!g || bogen < 0 || bogen >= static_cast<int>(g->Boegen.size())) return z;
  const TBogen& b = *g->Boegen[static_cast<std::size_t>(bogen)];
  z.vorhanden = true;
  z.zeilen[0] = b.Name;
  z.zeilen[1] = FestText(b.Laenge());
  z.zeilen[2] = FestText(b.Steigung());
  z.zeilen[3] = FestText(b.ZAnf());
  z.zeilen[4] = FestText(b.ZEnde - b.ZAnf());
  z.zeilen[5] = FestText(b.Vertikalradius());
  z.ausrundung = b.Ausrunden();
  z.gewoehnlich = g->IstGewoehnlich() && !g->Element;
  z.vorgaenger = g->Vorgaenger != nullptr;
  z.nachfolger = !g->Nachfolger.empty();
  return z;
}

bool Steigungsdaten::SteigungSetzen(const std::string& text) {
  const auto s = ed_.Zahl(text);
  TGleis* g = Profilgleis(ed_);
  if (!s || !g || bogen >= static_cast<int>(g->Boegen.size())) return false;
  return ed_.Ausfuehren("Steigung", [&] {
    const bool element = g->Element != nullptr;
    const std::size_t von = element ? 0 : static_cast<std::size_t>(bogen);
    const std::size_t bis = element || nachfolgendeUebernehmen ? g->Boegen.size() : von + 1;
    for (std::size_t i = von; i < bis; ++i) g->Boegen[i]->SetSteigung(*s);
    if (element) g->Element->VomAnfangBerechnen();
    LageWeitergeben(*g->Modul, g);
    return true;
  });
}

bool Steigungsdaten::HoeheSetzen(const std::string& text) {
  const auto z = ed_.Zahl(text);
  TGleis* g = Profilgleis(ed_);
  if (!z || !g) return false;
  return ed_.Ausfuehren("Höhe", [&] {
    StarthoeheSetzen(*g, *z);
    LageWeitergeben(*g->Modul, g);
    return true;
  });
}

bool Steigungsdaten::DifferenzSetzen(const std::string& text) {
  const auto d = ed_.Zahl(text);
  TGleis* g = Profilgleis(ed_);
  if (!d || !g || bogen >= static_cast<int>(g->Boegen.size())) return false;
  return ed_.Ausfuehren("Höhendifferenz", [&] {
    const bool element = g->Element != nullptr;
    const std::size_t von = element || vorhergehendeEinbeziehen ? 0 : static_cast<std::size_t>(bogen);
    const std::size_t bis = element ? g->Boegen.size() : static_cast<std::size_t>(bogen) + 1;
    double laenge = 0;
    for (std::size_t i = von; i < bis; ++i) laenge += g->Boegen[i]->Laenge();
    const double s = laenge != 0 ? *d / laenge * 100 : 0;
    for (std::size_t i = von; i < bis; ++i) g->Boegen[i]->SetSteigung(s);
    if (element) g->Element->VomAnfangBerechnen();
    LageWeitergeben(*g->Modul, g);
    return true;
  });
}

bool Steigungsdaten::AusrundungSetzen(bool an) {
  TGleis* g = Profilgleis(ed_);
  if (!g || bogen >= static_cast<int>(g->Boegen.size())) return false;
  TBogen& b = *g->Boegen[static_cast<std::size_t>(bogen)];
  if (b.Ausrunden() == an) return false;
  return ed_.Ausfuehren("Ausrundung", [&] {
    b.SetAusrunden(an);
    if (g->Element) g->Element->VomAnfangBerechnen();
    LageWeitergeben(*g->Modul, g);
    return true;
  });
}

bool Steigungsdaten::HoeheVomVorgaenger() {
  TGleis* g = Profilgleis(ed_);
  if (!g || !g->Vorgaenger || g->Vorgaenger->Boegen.empty()) return false;
  return ed_.Ausfuehren("Höhe vom Vorgängergleis", [&] {
    StarthoeheSetzen(*g, g->Vorgaenger->ZEnde());
    LageWeitergeben(*g->Modul, g);
    return true;
  });
}

bool Steigungsdaten::HoeheAufNachfolger() {
  TGleis* g = Profilgleis(ed_);
  if (!g || g->Nachfolger.empty() || g->Boegen.empty()) return false;
  return ed_.Ausfuehren("Höhe auf Nachfolgergleis", [&] {
    const double z = g->ZEnde();
    for (TGleis* n : std::vector<TGleis*>(g->Nachfolger)) StarthoeheSetzen(*n, z);
    LageWeitergeben(*g->Modul, g);
    return true;
  });
}

bool Steigungsdaten::DrehscheibenhoeheSetzen(const std::string& text) {
  const auto z = ed_.Zahl(text);
  TElement* e = HoehenElement(ed_);
  if (!z || !e) return false;
  return ed_.Ausfuehren("Höhe der Drehscheibe", [&] {
    e->EigeneHoeheSetzen(*z);
    return true;
  });
}

int Steigungsdaten::ProfilBreite(const TGleis& g) {
  const int n = g.Element && g.Element->Art() != Elementart::Weiche ? 4 : static_cast<int>(g.Boegen.size());
  return 2 * kRand + n * kJeBogen + 50;
}

int Steigungsdaten::ProfilHoehe(const TGleis& g, int sichtHoehe) {
  double plus = 0, minus = 0;
  for (const auto& b : g.Boegen) {
    const double s = std::round(b->Steigung());
    (s > 0 ? plus : minus) += s;
  }
  const double spanne = 2 * std::max(std::fabs(plus), std::fabs(minus));
  return static_cast<int>(std::max<double>(sichtHoehe - 25, std::min(spanne, 1e6))) + 2 * kRand;
}

void Steigungsdaten::ProfilZeichnen(Canvas& c, int hoehe) const {
  const TGleis* g = Profilgleis(ed_);
  c.Fuellen(farbe::Weiss);
  if (!g || g->Boegen.empty()) return;
  const int y0 = hoehe / 2;
  auto text = [&](int x, int y, double z) { c.Text({x, y}, FestText(z), farbe::Schwarz, false, 0); };
  c.SetStift({farbe::Schwarz, false});
  // Turnouts and crossings draw a sign with the heights of their ends.
  if (g->Element && g->Element->ProfilZeichnen(Profilstift{c, kRand, y0})) return;
  int x = kRand, y = y0;
  for (std::size_t i = 0; i < g->Boegen.size(); ++i) {
    const TBogen& b = *g->Boegen[i];
    c.SetStift({farbe::Schwarz, false});
    c.Linie({x, y - 5}, {x, y + 5});
    text(x, y + 15, b.ZAnf());
    const std::int32_t farbe = static_cast<int>(i) == bogen ? farbe::Rot : b.FarbeWert();
    if (b.Ausrunden()) {
      c.SetStift({farbe, true});
      const int yEnde = y - Gerundet(b.Steigung() + 2);
      c.Linie({x, y}, {x + kJeBogen, yEnde});
      y = yEnde;
    } else {
      c.SetStift({farbe, false});
      const int yEnde = y - Gerundet(b.Steigung());
      Profilstift{c, kRand, y0}.Strich({x, y}, {x + kJeBogen, yEnde});
      y = yEnde;
    }
    x += kJeBogen;
  }
  c.SetStift({farbe::Schwarz, false});
  c.Linie({x, y - 5}, {x, y + 5});
  text(x, y + 15, g->Boegen.back()->ZEnde);
}

}  // namespace trm
