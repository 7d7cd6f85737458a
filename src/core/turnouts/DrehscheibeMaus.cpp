// The turntables' tool of the mouse machine and the turntable's alignment search.
#include "core/turnouts/DrehscheibeMaus.h"

#include <memory>
#include <unordered_set>
#include <vector>

#include "core/base/Ausrichten.h"
#include "core/editor/Maus.h"
#include "core/editor/Mauswerkzeug.h"
#include "core/model/Modul.h"
#include "core/turnouts/Drehscheibe.h"
#include "core/turnouts/Drehscheibenliste.h"

namespace trm {

namespace {

/// The connected tracks and everything attached behind them: they move with the turntable.
std::unordered_set<const TGleis*> Mitbewegte(const TDrehscheibe& d) {
  std::unordered_set<const TGleis*> gesehen;
  std::vector<const TGleis*> offen(d.Anschluesse().begin(), d.Anschluesse().end());
  while (!offen.empty()) {
    const TGleis* g = offen.back();
    offen.pop_back();
    if (!gesehen.insert(g).second) continue;
    for (const TGleis* s : g->Nachfolger) offen.push_back(s);
  }
  return gesehen;
}

}  // namespace

bool DrehscheibeAusrichtungSuchen(TDrehscheibe& d, double fang) {
  if (d.Modul == nullptr) return false;
  const std::unordered_set<const TGleis*> eigene = Mitbewegte(d);
  for (const TAnschlusspunkt& a : d.Anschlusspunkte()) {
    const TRichtpunkt p{a.x, a.y, a.w};
    for (const auto& g : d.Modul->Gleise) {
      if (eigene.count(g.get()) || g->Boegen.empty()) continue;
      // A track leaves the rim from its start; its end comes in towards the centre.
      const TRichtpunkt kandidaten[] = {{g->XAnf, g->YAnf, g->WAnf()}, {g->XEnde(), g->YEnde(), g->WEnde() - Pi}};
      for (const TRichtpunkt& q : kandidaten) {
        if (!ImFang(p, q, fang)) continue;
        d.AusrichtungDx = q.x - p.x;
        d.AusrichtungDy = q.y - p.y;
        d.AusrichtungDw = q.w - p.w;
        d.AusrichtungX = p.x;
        d.AusrichtungY = p.y;
        return true;
      }
    }
  }
  return false;
}

void DrehscheibeAusrichten(TDrehscheibe& d) {
  d.Bewegen(d.AusrichtungDx, d.AusrichtungDy, d.AusrichtungDw, d.AusrichtungX, d.AusrichtungY);
  DrehscheibeAktualisieren(d);
}

namespace {

/// Turntables in the mouse work: selected and taken by a press inside, moved with their
/// tracks, snapped by their own search; their connections are snap points for dragged tracks.
class Drehscheibenwerkzeug : public Mauswerkzeug {
 public:
  explicit Drehscheibenwerkzeug(Editor& ed) : ed_(ed) {}

  bool Nehmen(double x, double y) override {
    TModul* m = ed_.modul();
    if (!m) return false;
    TDrehscheibe* getroffen = nullptr;
    for (TElement* e : m->ElementeDerArt(Elementart::Drehscheibe)) {
      e->Markiert = false;
      auto* d = static_cast<TDrehscheibe*>(e);
      if (d->Enthaelt(x, y)) getroffen = d;
    }
    if (!getroffen) return false;
    m->ElementWaehlen(m->ElementIndex(getroffen));
    getroffen->GriffX = x - getroffen->XMitte;
    getroffen->GriffY = y - getroffen->YMitte;
    getroffen->AnschlussWaehlen(x, y);
    return true;
  }
  void Ziehen(double x, double y) override {
    if (TDrehscheibe* d = Gewaehlte()) {
      d->MitteSetzen(x - d->GriffX, y - d->GriffY);
      DrehscheibeAktualisieren(*d);
    }
  }
  bool Suchen(double fangabstand) override {
    TDrehscheibe* d = Gewaehlte();
    return d && DrehscheibeAusrichtungSuchen(*d, fangabstand);
  }
  void Einrasten(const TAusrichtung*) override {
    if (TDrehscheibe* d = Gewaehlte()) DrehscheibeAusrichten(*d);
  }
  const char* Schrittname() const override { return "Drehscheibe verschieben"; }
  std::vector<TRichtpunkt> Zielpunkte(const TModul& m) const override {
    std::vector<TRichtpunkt> punkte;
    for (const TElement* e : m.ElementeDerArt(Elementart::Drehscheibe))
      for (const TAnschlusspunkt& a : static_cast<const TDrehscheibe*>(e)->Anschlusspunkte())
        punkte.push_back({a.x, a.y, a.w});
    return punkte;
  }

 private:
  TDrehscheibe* Gewaehlte() const {
    const TModul* m = ed_.modul();
    return m ? GewaehlteDrehscheibe(*m) : nullptr;
  }
  Editor& ed_;
};

}  // namespace

void DrehscheibenMaus(Mausbedienung& maus) {
  maus.WerkzeugHinzufuegen(std::make_unique<Drehscheibenwerkzeug>(maus.editor()));
}

}  // namespace trm
