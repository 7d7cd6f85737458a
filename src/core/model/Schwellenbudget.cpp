// Counting the sleepers of a layout against what a real layout holds.
#include "core/model/Schwellenbudget.h"

#include <algorithm>
#include <cmath>

#include "core/model/Anlage.h"
#include "core/model/Elementart.h"
#include "core/model/Zahlformat.h"
#include "core/model/Zitat.h"

namespace trm {

namespace {

/// A whole number with a space between groups of three digits ("1 000 000").
std::string Gruppiert(double x) {
  std::string ziffern = std::to_string(static_cast<long long>(std::floor(x)));
  for (std::size_t k = ziffern.size(); k > 3; k -= 3) ziffern.insert(k - 3, " ");
  return ziffern;
}

}  // namespace

double Schwellenzahl(const TBogen& b) {
  const double n = b.Laenge() / b.SwAbst();
  return n >= 0 && n <= MaxSchwellenJeBogen ? n : 0.0;
}

std::string ZuVieleSchwellenImBogen(const TBogen& b) {
  if (!(b.Laenge() / b.SwAbst() > MaxSchwellenJeBogen)) return {};
  return "Der Bogen \"" + Zitat(b.Name) + "\" hätte mehr als " + Gruppiert(MaxSchwellenJeBogen) +
         " Schwellen (Länge " + RealText(b.Laenge()) + " mm, Schwellenabstand " + RealText(b.SwAbst()) +
         " mm).";
}

void Schwellenbudget::Gleis(const TGleis& g) {
  for (const auto& b : g.Boegen) schwellen_ += Schwellenzahl(*b);
  boegen_ += static_cast<double>(g.Boegen.size());
}

void Schwellenbudget::Element(const TElement& e) {
  for (const TGleis* g : e.AlleGleise()) {
    if (g == nullptr) continue;
    // The element's values make its tracks: one that no track can be refuses the element.
    for (const auto& b : g->Boegen)
      if (std::string t = ZuVieleSchwellenImBogen(*b); !t.empty() && zuViele_.empty())
        zuViele_ = "Im Gleis \"" + Zitat(g->Name) + "\": " + t;
    Gleis(*g);
  }
  plan_ += static_cast<double>(e.Planschwellen());
  elemente_ += 1;
}

std::string Schwellenbudget::Ueberschritten() const {
  if (!zuViele_.empty()) return zuViele_;
  if (schwellen_ > std::min(Hoechstens, Grundmenge + JeBogen * boegen_))
    return "Die Anlage hätte bis hier " + Gruppiert(schwellen_) + " Schwellen in " + Gruppiert(boegen_) +
           " Bögen. Mehr als " + Gruppiert(Grundmenge) + " Schwellen und " + Gruppiert(JeBogen) +
           " je Bogen (zusammen höchstens " + Gruppiert(Hoechstens) + ") hat keine Anlage.";
  if (plan_ > std::min(Hoechstens, PlanGrundmenge + JePlan * elemente_))
    return "Die Schwellenpläne der Anlage hätten bis hier " + Gruppiert(plan_) + " Schwellen in " +
           Gruppiert(elemente_) + " Elementen. Mehr als " + Gruppiert(PlanGrundmenge) + " Schwellen und " +
           Gruppiert(JePlan) + " je Element (zusammen höchstens " + Gruppiert(Hoechstens) +
           ") hat keine Anlage.";
  return {};
}

std::string SchwellenUeberschritten(const Anlage& a) {
  Schwellenbudget budget;
  for (const auto& m : a.Module) {
    const std::string modul = " (Modul \"" + Zitat(m->Name) + "\")";
    for (const auto& g : m->Gleise) {
      if (!g->IstGewoehnlich()) continue;
      for (const auto& b : g->Boegen)
        if (std::string t = ZuVieleSchwellenImBogen(*b); !t.empty())
          return "Gleis \"" + Zitat(g->Name) + "\"" + modul + ": " + t;
      budget.Gleis(*g);
      if (std::string t = budget.Ueberschritten(); !t.empty())
        return "Gleis \"" + Zitat(g->Name) + "\"" + modul + ": " + t;
    }
    for (const TElementart& art : Elementarten())
      for (const TElement* e : m->ElementeDerArt(art.art)) {
        budget.Element(*e);
        if (std::string t = budget.Ueberschritten(); !t.empty())
          return std::string(art.name) + " \"" + Zitat(e->Typname()) + "\"" + modul + ": " + t;
      }
  }
  return {};
}

}  // namespace trm
