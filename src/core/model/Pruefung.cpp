// The structure validator: walks every module, track, segment and element of a layout and
// collects what does not fit together.
#include "core/model/Pruefung.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include "core/model/Anlage.h"
#include "core/model/Element.h"
#include "core/model/Geometrie.h"
#include "core/model/Modul.h"

namespace trm {

namespace {

/// How far a start may lie from its predecessor's end, in mm and in radians: rounding only.
constexpr double kLageToleranz = 1e-6;
constexpr double kRichtungToleranz = 1e-9;

struct Pruefer {
  const Anlage& a;
  bool lagen = true;
  std::vector<std::string> fehler;
  /// Every track of the layout with its name in messages and its place in file order.
  std::unordered_map<const TGleis*, std::pair<std::string, std::size_t>> gleise;
  /// Every element of the layout.
  std::unordered_set<const TElement*> alleElemente;
  /// Tracks on a loop, through predecessors and elements (SchleifenFinden).
  std::unordered_set<const TGleis*> schleife;

  explicit Pruefer(const Anlage& anlage) : a(anlage) {
    for (std::size_t mi = 0; mi < a.Module.size(); ++mi) {
      if (!a.Module[mi]) continue;
      const TModul& m = *a.Module[mi];
      for (std::size_t gi = 0; gi < m.Gleise.size(); ++gi)
        if (const TGleis* g = m.Gleise[gi].get())
          gleise.emplace(g,
                         std::pair{"Modul " + std::to_string(mi) + ", Gleis " + std::to_string(gi) +
                                       " (Nr. " + std::to_string(g->Nummer) + ")",
                                   gleise.size()});
      for (const auto& e : m.Elemente)
        if (e) alleElemente.insert(e.get());
    }
  }

  void Fehler(const std::string& wo, const std::string& was) { fehler.push_back(wo + ": " + was); }
  bool Bekannt(const TGleis* g) const { return gleise.count(g) > 0; }
  const std::string& Name(const TGleis* g) const { return gleise.at(g).first; }

  /// Reports the entries of a list that are no track of the layout or appear twice; true when
  /// every entry is a track of the layout.
  bool ListePruefen(const std::string& wo, const char* liste, const std::vector<TGleis*>& v) {
    bool gut = true;
    std::unordered_set<const TGleis*> gesehen;
    for (const TGleis* t : v) {
      if (!Bekannt(t)) {
        Fehler(wo, std::string(liste) + " verweist auf ein Gleis, das nicht zur Anlage gehört");
        gut = false;
      } else if (!gesehen.insert(t).second) {
        Fehler(wo, std::string(liste) + " enthält " + Name(t) + " mehrfach");
      }
    }
    return gut;
  }

  void Index(const std::string& wo, const char* name, int i, std::size_t n) {
    if (n > 0 && (i < 0 || static_cast<std::size_t>(i) >= n))
      Fehler(wo, std::string(name) + " " + std::to_string(i) + " außerhalb von 0.." +
                     std::to_string(n - 1));
  }

  void Boegen(const TGleis& g, const std::string& wo) {
    const TBogen* vorher = nullptr;
    for (std::size_t k = 0; k < g.Boegen.size(); ++k) {
      const TBogen* b = g.Boegen[k].get();
      const std::string bwo = wo + ", Bogen " + std::to_string(k);
      if (b == nullptr) {
        Fehler(bwo, "fehlt");
        continue;
      }
      if (b->Gleis != &g) Fehler(bwo, "gehört laut Verweis zu einem anderen Gleis");
      if (b->Vorgaenger != vorher)
        Fehler(bwo, k == 0 ? "erster Bogen mit Vorgänger" : "Vorgänger ist nicht der vorige Bogen");
      vorher = b;
    }
    Index(wo, "AktBogen", g.AktBogen, g.Boegen.size());
  }

  /// A track's link group, sorted, and the number of the first track whose group has the
  /// same members: equal numbers mean equal groups. Built once per track.
  struct Gruppe {
    std::vector<const TGleis*> glieder;
    std::size_t art = 0;
  };
  std::unordered_map<const TGleis*, Gruppe> gruppen;
  std::unordered_map<std::size_t, std::vector<const Gruppe*>> nachStreuwert;

  const Gruppe& GruppeVon(const TGleis* g) {
    const auto da = gruppen.find(g);
    if (da != gruppen.end()) return da->second;
    Gruppe neu{std::vector<const TGleis*>(g->Verbund.begin(), g->Verbund.end()), gruppen.size()};
    std::sort(neu.glieder.begin(), neu.glieder.end(), std::less<>());
    neu.glieder.erase(std::unique(neu.glieder.begin(), neu.glieder.end()), neu.glieder.end());
    std::size_t h = neu.glieder.size();
    for (const TGleis* t : neu.glieder) h = h * 1000003u ^ std::hash<const TGleis*>{}(t);
    std::vector<const Gruppe*>& gleiche = nachStreuwert[h];
    for (const Gruppe* x : gleiche)
      if (x->glieder == neu.glieder) {
        neu.art = x->art;
        break;
      }
    Gruppe& eingetragen = gruppen.emplace(g, std::move(neu)).first->second;
    if (eingetragen.art == gruppen.size() - 1) gleiche.push_back(&eingetragen);
    return eingetragen;
  }

  static bool Enthaelt(const Gruppe& gr, const TGleis* t) {
    return std::binary_search(gr.glieder.begin(), gr.glieder.end(), t, std::less<>());
  }

  /// The group's checks in time near-linear in its entries: each group sorted once, groups
  /// with the same members told by one number, membership by binary search.
  void Verbund(const TGleis& g, const std::string& wo) {
    const bool gut = ListePruefen(wo, "Verbund", g.Verbund);
    const Gruppe& eigene = GruppeVon(&g);
    // Twice is reported as a duplicate above.
    if (!Enthaelt(eigene, &g)) Fehler(wo, "Verbund enthält das Gleis selbst nicht");
    if (!gut) return;
    for (const TGleis* v : g.Verbund) {
      if (v == &g) continue;
      const Gruppe& andere = GruppeVon(v);
      if (andere.art == eigene.art) continue;  // the same members, so g is among them too
      if (!Enthaelt(andere, &g)) {
        Fehler(wo, "Verbund enthält " + Name(v) + ", dessen Verbund das Gleis nicht enthält");
        continue;
      }
      // Each pair once: the later track of the two compares.
      if (gleise.at(v).second > gleise.at(&g).second) continue;
      Fehler(wo, "Verbund hat andere Mitglieder als der von " + Name(v));
    }
  }

  void Nachbarn(const TGleis& g, const std::string& wo) {
    auto daneben = [&g](const TGleis* z) {
      return std::find(g.Nachfolger.begin(), g.Nachfolger.end(), z) != g.Nachfolger.end();
    };
    if (ListePruefen(wo, "Nachfolger", g.Nachfolger))
      for (const TGleis* s : g.Nachfolger) {
        if (s->Vorgaenger != &g)
          Fehler(wo, "Nachfolger " + Name(s) + " hat einen anderen Vorgänger");
        if (!alleElemente.count(s->Element)) continue;
        // A turnout's branch stands beside its main track wherever that is a successor.
        for (const TGleis* z : s->Element->Mitnachfolger(s))
          if (!daneben(z))
            Fehler(wo, "Nachfolger " + Name(s) + " ohne " +
                           (Bekannt(z) ? Name(z) : "sein Element-Gleis") + " daneben");
        // A track the element places itself follows only together with the attached one.
        const TGleis* an = s->Element->Anschlussgleis();
        if (an != nullptr && !daneben(an))
          Fehler(wo, "Nachfolger " + Name(s) + " ohne das angeschlossene Gleis " +
                         (Bekannt(an) ? Name(an) : "seines Elements") + " daneben");
      }
    if (g.Vorgaenger == nullptr) return;
    if (!Bekannt(g.Vorgaenger)) {
      Fehler(wo, "Vorgänger ist ein Gleis, das nicht zur Anlage gehört");
      return;
    }
    const auto& liste = g.Vorgaenger->Nachfolger;
    if (std::find(liste.begin(), liste.end(), &g) == liste.end())
      Fehler(wo, "fehlt in den Nachfolgern seines Vorgängers " + Name(g.Vorgaenger));
    if (lagen) Lage(g, wo);
  }

  /// The start of a track that follows its predecessor lies on the predecessor's end, as last
  /// computed. A loop of tracks (also one closed through an element) need not close, and the
  /// propagation ends it where it began, so tracks of loops are not checked; nor are tracks an
  /// element places itself, nor predecessors whose points were never computed.
  void Lage(const TGleis& g, const std::string& wo) {
    const TGleis& p = *g.Vorgaenger;
    if (schleife.count(&g) || p.Boegen.empty() || !p.Boegen.back() || !p.Boegen.back()->Berechnet)
      return;
    if (g.Element && alleElemente.count(g.Element) && !g.Element->FolgtVorgaenger(&g)) return;
    const double abstand = std::hypot(g.XAnf - p.XEnde(), g.YAnf - p.YEnde());
    const double dw = Winkeldifferenz(g.WAnf() - p.WEnde());
    if (!(abstand <= kLageToleranz))
      Fehler(wo, "beginnt " + std::to_string(abstand) + " mm neben dem Ende seines Vorgängers " +
                     Name(&p));
    else if (!(std::fabs(dw) <= kRichtungToleranz))
      Fehler(wo, "beginnt in anderer Richtung als das Ende seines Vorgängers " + Name(&p) + " (" +
                     std::to_string(dw) + " rad)");
  }

  /// The track a track takes its place from: the attached track of its element for a track
  /// the element places itself, else its predecessor.
  const TGleis* Herkunft(const TGleis* t) const {
    if (t->Element && alleElemente.count(t->Element) && !t->Element->FolgtVorgaenger(t))
      return t->Element->Anschlussgleis();
    return t->Vorgaenger;
  }

  /// The tracks that lie on a loop: following where each takes its place from comes back to
  /// the track itself, through predecessors and through elements.
  void SchleifenFinden() {
    std::unordered_map<const TGleis*, int> zustand;  // 1 on the present path, 2 done
    for (const auto& [start, info] : gleise) {
      std::vector<const TGleis*> pfad;
      const TGleis* t = start;
      while (t != nullptr && Bekannt(t) && zustand[t] == 0) {
        zustand[t] = 1;
        pfad.push_back(t);
        t = Herkunft(t);
      }
      if (t != nullptr && Bekannt(t) && zustand[t] == 1)
        for (auto it = std::find(pfad.begin(), pfad.end(), t); it != pfad.end(); ++it)
          schleife.insert(*it);
      for (const TGleis* q : pfad) zustand[q] = 2;
    }
  }

  void Elemente(const TModul& m, const std::string& mwo) {
    const std::unordered_set<const TGleis*> eigene = [&] {
      std::unordered_set<const TGleis*> s;
      for (const auto& g : m.Gleise) s.insert(g.get());
      return s;
    }();
    std::unordered_map<const TGleis*, int> zugehoerig;
    std::unordered_set<const TElement*> elemente;
    for (std::size_t ei = 0; ei < m.Elemente.size(); ++ei) {
      const TElement* e = m.Elemente[ei].get();
      const std::string ewo = mwo + ", Element " + std::to_string(ei);
      if (e == nullptr) {
        Fehler(ewo, "fehlt");
        continue;
      }
      elemente.insert(e);
      if (e->Modul != &m) Fehler(ewo, "gehört laut Verweis zu einem anderen Modul");
      for (const TGleis* t : e->AlleGleise()) {
        if (!eigene.count(t)) {
          Fehler(ewo, "Gleis gehört nicht zum Modul");
          continue;
        }
        ++zugehoerig[t];
        if (t->Element != e) Fehler(ewo, Name(t) + " verweist nicht auf sein Element");
        // Element tracks are written with their element, never as ordinary tracks.
        if (t->IstGewoehnlich())
          Fehler(ewo, Name(t) + " ist nicht als Gleis eines Elements (Nr. " + std::to_string(e->Nummer()) +
                          ") gekennzeichnet");
      }
      // Connected tracks stay ordinary tracks of the module.
      for (const TGleis* t : e->AngeschlosseneGleise()) {
        if (!eigene.count(t)) Fehler(ewo, "angeschlossenes Gleis gehört nicht zum Modul");
        else if (!t->IstGewoehnlich() || t->Element) Fehler(ewo, Name(t) + " ist angeschlossen, aber kein gewöhnliches Gleis");
      }
    }
    for (const auto& g : m.Gleise) {
      if (!g) continue;
      if (g->Element && !elemente.count(g->Element)) Fehler(Name(g.get()), "verweist auf ein Element, das es nicht gibt");
      const int n = zugehoerig.count(g.get()) ? zugehoerig.at(g.get()) : 0;
      if ((!g->IstGewoehnlich() || g->Element) && n != 1)
        Fehler(Name(g.get()), "als Gleis eines Elements gekennzeichnet, gehört zu " + std::to_string(n) + " Elementen");
    }
  }

  void Alles() {
    SchleifenFinden();
    Index("Anlage", "AktModul", a.AktModul, a.Module.size());
    for (std::size_t mi = 0; mi < a.Module.size(); ++mi) {
      const std::string mwo = "Modul " + std::to_string(mi);
      const TModul* m = a.Module[mi].get();
      if (m == nullptr) {
        Fehler(mwo, "fehlt");
        continue;
      }
      if (m->Anlage_ != &a) Fehler(mwo, "gehört laut Verweis zu einer anderen Anlage");
      Index(mwo, "AktGleis", m->AktGleis, m->Gleise.size());
      Index(mwo, "AktElement", m->AktElement, m->Elemente.size());
      for (std::size_t gi = 0; gi < m->Gleise.size(); ++gi) {
        const TGleis* g = m->Gleise[gi].get();
        if (g == nullptr) {
          Fehler(mwo + ", Gleis " + std::to_string(gi), "fehlt");
          continue;
        }
        const std::string& wo = Name(g);
        if (g->Modul != m) Fehler(wo, "gehört laut Verweis zu einem anderen Modul");
        Boegen(*g, wo);
        Verbund(*g, wo);
        Nachbarn(*g, wo);
      }
      Elemente(*m, mwo);
    }
  }
};

}  // namespace

std::vector<std::string> VerbindungenPruefen(const Anlage& a, bool lagen) {
  Pruefer p(a);
  p.lagen = lagen;
  p.Alles();
  return std::move(p.fehler);
}

}  // namespace trm
