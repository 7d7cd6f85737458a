// The 29-line module record with its content.
#include <cmath>
#include <vector>

#include "core/model/Fehler.h"
#include "core/model/Anlage.h"
#include "core/model/Modul.h"
#include "core/model/Satz.h"
#include "core/model/Schwellenbudget.h"
#include "core/model/Zahlformat.h"
#include "core/model/Element.h"
#include "core/model/Elementart.h"
#include "core/model/Gleisarbeit.h"
#include "core/model/Neuberechnung.h"
#include "core/model/Zitat.h"

namespace trm {

void ModulSchreiben(const TModul& m, Zeilen& out, const Satzabgabe& abgabe) {
  std::int64_t gewoehnlich = 0;
  for (const auto& g : m.Gleise)
    if (g->IstGewoehnlich()) ++gewoehnlich;

  out.push_back("trmModul");
  out.push_back(m.Name);
  out.push_back(RealText(m.MmProPixel));
  out.push_back(RealText(m.Breite));
  out.push_back(RealText(m.Hoehe));
  for (int k = 0; k < 6; ++k) out.push_back("00");
  out.push_back(RealText(m.MaxKruemmung()));
  out.push_back(RealText(m.SwAbst()));
  out.push_back(RealText(m.SwBrt()));
  out.push_back(RealText(m.Spur()));
  out.push_back(RealText(m.SwLen()));
  out.push_back(RealText(m.TrBrt()));
  out.push_back(IntText(m.HintergrundFarbe()));
  out.push_back(RealText(m.SpurAussen()));
  for (int k = 0; k < 3; ++k) out.push_back("00");
  // One count line per kind, at the place its value names.
  std::vector<int> anzahl(Elementarten().size());
  for (const TElementart& art : Elementarten()) anzahl.at(static_cast<std::size_t>(art.art)) = m.Anzahl(art.art);
  for (const int n : anzahl) out.push_back(IntText(n));
  out.push_back(IntText(gewoehnlich));
  for (const auto& g : m.Gleise)
    if (g->IstGewoehnlich()) {
      GleisSchreiben(*g, out);
      if (abgabe) abgabe(out);
    }
  for (const TElementart& art : Elementarten())
    for (const TElement* e : m.ElementeDerArt(art.art)) {
      e->DatenSchreiben(out);
      if (abgabe) abgabe(out);
    }
}

void ModulLesen(TModul& m, const Zeilenquelle& z, std::size_t& i, Satzanfaenge* anfaenge, Schwellenbudget* budget) {
  // The sleepers counted up to a record: beyond the bounds the record is refused, before the
  // next one adds to what it costs.
  auto zaehlen = [budget](std::size_t anfang) {
    if (budget == nullptr) return;
    if (const std::string t = budget->Ueberschritten(); !t.empty())
      throw LeseFehler("Zeile " + std::to_string(anfang + 1) + ": " + t);
  };
  Zeilenleser l(z, i);
  l.Ueberspringen();  // tag
  m.Name = l.Text();
  const std::size_t zeileMassstab = l.Index() + 1;
  m.MmProPixel = l.Real();
  if (!(m.MmProPixel > 0))
    throw LeseFehler("Zeile " + std::to_string(zeileMassstab) + ": Der Darstellungsmaßstab des Moduls \"" +
                     Zitat(m.Name) + "\" muss größer als 0 sein.");
  m.Breite = l.IntAusReal();
  m.Hoehe = l.IntAusReal();
  l.Ueberspringen(6);
  m.Eigen.MaxKruemmung = l.Real();
  m.Eigen.SwAbst = l.Real();
  m.Eigen.SwBrt = l.Real();
  m.Eigen.Spur = l.Real();
  m.Eigen.SwLen = l.Real();
  m.Eigen.TrBrt = l.Real();
  m.Farbe = l.Int();
  m.Eigen.SpurAussen = l.Real();
  l.Ueberspringen(3);
  std::vector<std::int32_t> anzahl(Elementarten().size());
  for (auto& n : anzahl) n = l.Anzahl();
  const std::int32_t gleise = l.Anzahl();
  for (std::int32_t k = 0; k < gleise; ++k) {
    TGleis* g = m.GleisAnhaengen();
    const std::size_t anfang = i;
    if (anfaenge) anfaenge->gleise[g] = anfang;
    GleisLesen(*g, z, i);
    if (budget) budget->Gleis(*g);
    zaehlen(anfang);
  }
  for (const TElementart& art : Elementarten())
    for (std::int32_t k = 0; k < anzahl.at(static_cast<std::size_t>(art.art)); ++k) {
      const std::size_t anfang = i;
      const TElement* e = art.Lesen(m, z, i, k);
      if (anfaenge && e) anfaenge->elemente[e] = anfang;
      if (budget && e) budget->Element(*e);
      zaehlen(anfang);
    }
}

namespace {

/// Whether an ordinary track's positions and directions compute to finite values whatever it
/// holds, seen from its start and the bounds of its segments (TBogen::LageGewissEndlich).
bool LageGewissEndlich(const TGleis& g) {
  if (!(std::fabs(g.XAnf) <= 1e200 && std::fabs(g.YAnf) <= 1e200 && std::isfinite(g.WAnf()))) return false;
  for (const auto& b : g.Boegen)
    if (!b->LageGewissEndlich()) return false;
  return true;
}

}  // namespace

void LagePruefen(TModul& m, const Satzanfaenge& anfaenge, bool wirdBerechnet) {
  // Ordinary tracks compute their end values only, by the same steps as their points, so a
  // value that does not stay finite carries on to the end; nothing holds a point for every
  // sleeper (the drawing computes those). A track whose positions and directions are known to
  // stay finite computes its heights only: they are checked, and they are what the geometry
  // pass after opening reads of this one (vertical roundings); that pass computes every track
  // from its start. Elements place their own tracks.
  std::vector<TGleis*> gewoehnliche;
  for (const auto& g : m.Gleise)
    if (g->Element)
      g->PunkteBerechnenWennNoetig();
    else if (wirdBerechnet && LageGewissEndlich(*g))
      for (const auto& b : g->Boegen) b->HoeheBerechnen();
    else
      gewoehnliche.push_back(g.get());
  GleiseBearbeiten(gewoehnliche, [](TGleis& g) {
    for (const auto& b : g.Boegen) b->EndeBerechnen();
  });
  for (const auto& e : m.Elemente) e->Platzieren();
  const std::string grund =
      " lässt sich nicht berechnen: ein Radius, eine Länge, eine Steigung oder ein Anfangspunkt "
      "liegt außerhalb des Rechenbereichs.";
  for (const auto& g : m.Gleise) {
    if (g->Element) {
      bool endlich = true;
      for (const auto& b : g->Boegen) endlich = endlich && LageEndlich(*b);
      const auto it = anfaenge.elemente.find(g->Element);
      if (endlich || it == anfaenge.elemente.end()) continue;
      const TElementart* art = ElementartInfo(g->Element->Art());
      throw LeseFehler("Zeile " + std::to_string(it->second + 1) + ": Die Lage von " +
                       (art ? art->name : "Element") + " \"" + Zitat(g->Element->Typname()) + "\"" +
                       grund);
    }
    const auto it = anfaenge.gleise.find(g.get());
    if (it == anfaenge.gleise.end()) continue;
    for (std::size_t k = 0; k < g->Boegen.size(); ++k) {
      const TBogen& b = *g->Boegen[k];
      if (LageEndlich(b)) continue;
      const std::size_t zeile = it->second + ZeilenGleis + k * ZeilenBogen + 1;
      throw LeseFehler("Zeile " + std::to_string(zeile) + ": Die Lage von Bogen \"" + Zitat(b.Name) +
                       "\" im Gleis \"" + Zitat(g->Name) + "\"" + grund);
    }
  }
}

}  // namespace trm
