// Track lists and height values of special elements, and their removal from a module.
#include "core/model/Element.h"

#include <algorithm>

#include "core/model/Bogen.h"
#include "core/model/Modul.h"
#include "core/model/Verbindungen.h"

namespace trm {

TGleis* TUmsetzung::Gleis(const TGleis* g) const {
  const auto it = gleise.find(g);
  return it == gleise.end() ? nullptr : it->second;
}

TBogen* TUmsetzung::Bogen(const TBogen* b) const {
  const auto it = boegen.find(b);
  return it == boegen.end() ? nullptr : it->second;
}

TElement* TUmsetzung::Element(const TElement* e) const {
  const auto it = elemente.find(e);
  return it == elemente.end() ? nullptr : it->second;
}

std::vector<TGleis*> TElement::AlleGleise() const {
  std::vector<TGleis*> gleise;
  for (TGleis* g : {Stammgleis(), Zweiggleis(), KreuzungsgleisA(), KreuzungsgleisB()})
    if (g) gleise.push_back(g);
  for (TGleis* g : Zweiggleise())
    if (g) gleise.push_back(g);
  return gleise;
}

std::vector<THoehenwert> TElement::Hoehenwerte() const {
  std::vector<THoehenwert> werte;
  if (const TGleis* a = Anschlussgleis(); a && !a->Boegen.empty()) {
    const TBogen& b = *a->Boegen.front();
    werte.push_back({b.XAnf(), b.YAnf(), b.ZAnf(), 0, 2});
  }
  for (const TGleis* g : {Stammgleis(), Zweiggleis(), KreuzungsgleisA(), KreuzungsgleisB()})
    if (g && !g->Boegen.empty()) {
      const TBogen& b = *g->Boegen.back();
      werte.push_back({b.XEnde, b.YEnde, b.ZEnde, 2, 0});
    }
  return werte;
}

std::vector<TGleis*> TElement::Abzweige() const {
  std::vector<TGleis*> gleise = AlleGleise();
  std::erase(gleise, Stammgleis());
  return gleise;
}

std::vector<TGleis*> TElement::Mitnachfolger(const TGleis*) const { return {}; }

bool ElementEntfernen(TModul& m, const TElement* e) {
  const auto pos = std::find_if(m.Elemente.begin(), m.Elemente.end(),
                                [e](const auto& p) { return p.get() == e; });
  if (e == nullptr || pos == m.Elemente.end()) return false;
  // The element's tracks are found in the module itself, so that a track removed by other
  // means is never touched through a stale reference.
  auto eigenes = [e](const TGleis* g) { return g->Element == e; };

  std::vector<TGleis*> folgende;
  auto sammeln = [&](TGleis* g) {
    if (g && !eigenes(g) && std::find(folgende.begin(), folgende.end(), g) == folgende.end())
      folgende.push_back(g);
  };
  for (const auto& g : m.Gleise) {
    if (!eigenes(g.get())) continue;
    for (TGleis* s : g->Nachfolger) {
      sammeln(s);
      if (s->Element)
        for (TGleis* t : s->Element->AlleGleise()) sammeln(t);
    }
  }
  // All are released before any group is rebuilt: rebuilding one track of a crossing and then
  // releasing the next would take that one out of the crossing's group again.
  for (TGleis* g : folgende) GleisLoesen(m, g);
  for (TGleis* g : folgende) VerbundAufbauen(m, g);

  for (int k = static_cast<int>(m.Gleise.size()) - 1; k >= 0; --k)
    if (eigenes(m.Gleise[static_cast<std::size_t>(k)].get())) m.GleisEntfernen(k);
  // What hung on the element begins trees of its own (in a loop, one that was never closed).
  for (TGleis* g : folgende) LageWeitergeben(m, g);

  m.GleisWaehlen(std::max(0, static_cast<int>(m.Gleise.size()) - 1));
  const int index = m.ElementIndex(e);
  m.Elemente.erase(pos);
  if (m.AktElement > index) --m.AktElement;
  m.AktElement = std::clamp(m.AktElement, 0, std::max(0, static_cast<int>(m.Elemente.size()) - 1));
  return true;
}

}  // namespace trm
