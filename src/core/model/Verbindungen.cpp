// Link groups, successor propagation, release and split of tracks.
#include "core/model/Verbindungen.h"

#include <algorithm>
#include <deque>
#include <unordered_map>
#include <unordered_set>
#include <utility>

#include "core/model/Anlage.h"
#include "core/model/Modul.h"

namespace trm {

namespace {

using Menge = std::unordered_set<const TGleis*>;

bool Enthaelt(const std::vector<TGleis*>& v, const TGleis* g) {
  return std::find(v.begin(), v.end(), g) != v.end();
}

void Entfernen(std::vector<TGleis*>& v, const TGleis* g) { std::erase(v, g); }

/// Own entry first in the group list (added when missing).
void SichSelbstVoran(TGleis* g) {
  if (!Enthaelt(g->Verbund, g)) g->Verbund.insert(g->Verbund.begin(), g);
}

/// How often one propagation may place or pass on one track. Once is enough along a chain;
/// an element that is recomputed later in the same propagation (a turnout attached by its
/// branch whose branch entry comes second) moves its tracks again, so their successors must
/// follow again. The bound keeps loops of tracks finite.
constexpr int kMaxWeitergaben = 4;

struct Weitergabe {
  TModul& m;
  TGleis* ursprung;
  std::unordered_map<const TGleis*, int> verteilt;  ///< times a track passed on its end
  std::unordered_map<const TGleis*, int> gesetzt;   ///< times a track was placed
  Menge bewegt;  ///< tracks moved since they last passed on their end

  /// Whether g passes on its end now: the first time, or again after it was moved.
  bool Weitergeben(TGleis* g) {
    int& n = verteilt[g];
    if (n >= kMaxWeitergaben || (n > 0 && !bewegt.count(g))) return false;
    ++n;
    bewegt.erase(g);
    return true;
  }

  /// The element moved these tracks: they pass on their ends again.
  void ElementGleis(TGleis* g) {
    if (g == nullptr) return;
    bewegt.insert(g);
    Von(g);
  }

  void Von(TGleis* g) {
    // The chain of last successors is followed in a loop; element branches recurse.
    while (g != nullptr && Weitergeben(g)) {
      TGleis* letzter = nullptr;
      for (std::size_t i = 0, n = g->Nachfolger.size(); i < n && i < g->Nachfolger.size(); ++i) {
        TGleis* s = g->Nachfolger[i];
        letzter = s;
        if (s == ursprung || g->Boegen.empty() || gesetzt[s] >= kMaxWeitergaben) continue;
        g->PunkteBerechnen();
        const double x = g->XEnde(), y = g->YEnde(), w = g->WEnde();
        // Placed before and already there: nothing behind it changes.
        if (gesetzt[s] > 0 && s->XAnf == x && s->YAnf == y && s->WAnf() == WinkelNorm(w)) continue;
        ++gesetzt[s];
        bewegt.insert(s);
        s->XAnf = x;
        s->YAnf = y;
        s->SetWAnf(w);
        s->PunkteBerechnen();
        if (TElement* e = s->Element) {
          e->VomAnfangBerechnen();
          for (TGleis* t : e->Folgegleise()) ElementGleis(t);
        }
      }
      g = letzter;
    }
  }
};

struct Loesen {
  TModul& m;
  Menge geloest;

  void Gleis(TGleis* g) {
    if (g == nullptr || !geloest.insert(g).second) return;
    const std::vector<TGleis*> gruppe = g->Verbund;
    for (TGleis* t : gruppe) Entfernen(t->Verbund, g);
    g->Verbund.clear();

    std::vector<TGleis*> warteschlange;
    Menge gegangen{g};
    TGleis* akt = g;
    while (!akt->Nachfolger.empty()) {
      TGleis* s = akt->Nachfolger.front();
      if (!gegangen.insert(s).second) break;  // a loop of tracks: walked once
      if (s->Element)
        for (TGleis* z : s->Element->Abzweige()) warteschlange.push_back(z);
      const std::vector<TGleis*> sGruppe = s->Verbund;
      for (TGleis* t : sGruppe) Entfernen(t->Verbund, s);
      s->Verbund.clear();
      geloest.insert(s);
      akt = s;
    }
    for (TGleis* x : warteschlange) Gleis(x);
  }
};

struct Aufbauen {
  TModul& m;
  Menge aufgebaut;

  void Gleis(TGleis* g) {
    if (g == nullptr || !aufgebaut.insert(g).second) return;
    SichSelbstVoran(g);
    std::vector<TGleis*> warteschlange;
    Menge gegangen{g};
    TGleis* akt = g;
    while (true) {
      if (const TElement* e = akt->Element) {
        const std::vector<TGleis*> zweige = e->Abzweige();
        if (!Enthaelt(zweige, akt))
          for (TGleis* z : zweige) warteschlange.push_back(z);
        const std::vector<TGleis*> kern = e->Kerngleise();
        for (std::size_t k = 1; k < kern.size(); ++k) VerbundVereinen(kern[k], kern[0]);
      }
      if (akt->Nachfolger.empty()) break;
      TGleis* n = akt->Nachfolger.front();
      if (!gegangen.insert(n).second) break;  // a loop of tracks: walked once
      SichSelbstVoran(n);
      VerbundVereinen(akt, n);
      akt = n;
    }
    for (auto it = warteschlange.rbegin(); it != warteschlange.rend(); ++it) {
      VerbundVereinen(g, *it);
      Gleis(*it);
    }
  }
};

}  // namespace

void VerbundVereinen(TGleis* a, TGleis* b) {
  if (a == nullptr || b == nullptr) return;
  // Counted once at the start: the lists grow while they are walked.
  for (std::size_t i = 0, n = a->Verbund.size(); i < n && i < a->Verbund.size(); ++i) {
    TGleis* t = a->Verbund[i];
    if (!Enthaelt(t->Verbund, b)) t->Verbund.push_back(b);
  }
  for (std::size_t i = 0, n = a->Verbund.size(); i < n && i < a->Verbund.size(); ++i) {
    TGleis* t = a->Verbund[i];
    if (t != b && !Enthaelt(b->Verbund, t)) b->Verbund.push_back(t);
  }
}

void ZweigNachfolgerEntfernen(TModul& m) {
  for (auto& t : m.Gleise) {
    for (std::size_t i = t->Nachfolger.size(); i-- > 0;) {
      if (i >= t->Nachfolger.size()) continue;
      TGleis* s = t->Nachfolger[i];
      if (s->Element == nullptr) continue;
      // The track attached there stays; the entries beside it go, with their predecessor.
      for (TGleis* z : s->Element->Mitnachfolger(s)) {
        if (z == s) continue;
        Entfernen(t->Nachfolger, z);
        if (z->Vorgaenger == t.get()) z->Vorgaenger = nullptr;
      }
    }
  }
}

void ZweigNachfolgerSetzen(TModul& m) {
  for (auto& t : m.Gleise) {
    for (std::size_t i = 0, n = t->Nachfolger.size(); i < n; ++i) {
      TGleis* s = t->Nachfolger[i];
      if (s->Element == nullptr) continue;
      for (TGleis* z : s->Element->Mitnachfolger(s))
        if (!Enthaelt(t->Nachfolger, z)) {
          t->Nachfolger.push_back(z);
          z->Vorgaenger = t.get();
        }
    }
  }
}

void AlsNachfolgerEinfuegen(TModul& m, TGleis* a, TGleis* b) {
  ZweigNachfolgerEntfernen(m);
  const std::vector<TGleis*> alte = a->Nachfolger;
  b->Vorgaenger = a;
  for (TGleis* s : alte) s->Vorgaenger = b;
  a->Nachfolger.push_back(b);
  for (TGleis* s : alte) {
    b->Nachfolger.push_back(s);
    Entfernen(a->Nachfolger, s);
  }
  ZweigNachfolgerSetzen(m);
}

void LageWeitergeben(TModul& m, TGleis* g) {
  if (g == nullptr) return;
  Weitergabe w{m, g, {}, {}, {}};
  w.Von(g);
}

void GleisLoesen(TModul& m, TGleis* g) {
  ZweigNachfolgerEntfernen(m);
  Loesen l{m, {}};
  l.Gleis(g);
  ZweigNachfolgerSetzen(m);
}

void VerbundAufbauen(TModul& m, TGleis* g) {
  ZweigNachfolgerEntfernen(m);
  Aufbauen a{m, {}};
  a.Gleis(g);
  ZweigNachfolgerSetzen(m);
}

void VerbundAufloesen(TModul& /*m*/, TGleis* g) {
  const std::vector<TGleis*> gruppe = g->Verbund;
  for (auto it = gruppe.rbegin(); it != gruppe.rend(); ++it) {
    TGleis* a = *it;
    // Both sides of the attachment go: the former predecessor forgets a as its successor.
    if (a->Vorgaenger) Entfernen(a->Vorgaenger->Nachfolger, a);
    a->Vorgaenger = nullptr;
    a->Verbund.clear();
    for (TGleis* s : a->Nachfolger)
      if (s->Vorgaenger == a) s->Vorgaenger = nullptr;
    a->Nachfolger.clear();
    a->Verbund.push_back(a);
    if (a->Element)
      for (TGleis* k : a->Element->Kerngleise())
        if (k != a) VerbundVereinen(a, k);
  }
}

TGleis* GleisTeilen(Anlage& an, TModul& m, TGleis* g, int i, double x, double y, double w) {
  if (i < 0 || i + 1 >= static_cast<int>(g->Boegen.size())) return nullptr;
  const std::int32_t nummer = an.NeueNummer(999'999);
  TGleis* t = m.GleisAnhaengen();
  t->Markiert = false;
  t->Nummer = nummer;
  t->XAnf = x;
  t->YAnf = y;
  t->SetWAnf(w);
  for (std::size_t k = static_cast<std::size_t>(i) + 1; k < g->Boegen.size(); ++k) {
    const TBogen& alt = *g->Boegen[k];
    auto b = std::make_unique<TBogen>();
    b->Name = alt.Name;
    b->SetLaenge(alt.Laenge());
    b->SetAnfRadius(alt.AnfRadius());
    b->SetEndRadius(alt.EndRadius());
    b->Farbe = alt.FarbeWert();
    b->Eigen.GlsAbst = alt.GlsAbst();
    b->Eigen.SwAbst = alt.SwAbst();
    b->Eigen.SwBrt = alt.SwBrt();
    b->Eigen.Spur = alt.Spur();
    b->Eigen.SpurAussen = alt.SpurAussen();
    b->Eigen.SwLen = alt.SwLen();
    b->Eigen.TrBrt = alt.TrBrt();
    t->BogenAnhaengen(std::move(b));
  }
  g->Boegen.resize(static_cast<std::size_t>(i) + 1);
  if (g->AktBogen > i) g->AktBogen = i;
  g->BogenVorgaengerNeu();
  return t;
}

void GleisVerbinden(TGleis* g, TGleis* c) {
  if (g->Modul && g->Modul->Anlage_) g->Modul->Anlage_->VerbindungenZeigen = true;
  for (std::size_t i = 0, n = g->Verbund.size(); i < n && i < g->Verbund.size(); ++i)
    VerbundVereinen(g->Verbund[i], c);
  for (std::size_t i = 0, n = c->Verbund.size(); i < n && i < c->Verbund.size(); ++i)
    VerbundVereinen(g, c->Verbund[i]);
}

Anhaengen AlsNachfolgerVerbinden(TModul& m, TGleis* g, TGleis* c) {
  if (m.Anlage_) m.Anlage_->VerbindungenZeigen = true;
  if (c->Vorgaenger == g) return Anhaengen::Abgelehnt;
  if (g == c || Enthaelt(c->Nachfolger, g) || c->Boegen.empty()) return Anhaengen::Ignoriert;
  // An element cannot follow one of its own tracks.
  if (g->Element && g->Element == c->Element) return Anhaengen::Ignoriert;
  // An element track goes with the tracks that stand beside it in successor lists: a turnout's
  // branch is attached through its main track, and the branch leaves the former predecessor
  // together with the main track.
  TGleis* h = g;
  if (g->Element)
    for (TGleis* k : g->Element->AlleGleise())
      if (k != g && Enthaelt(g->Element->Mitnachfolger(k), g)) h = k;
  ZweigNachfolgerEntfernen(m);
  // H leaves its former predecessor, so that only C moves it from now on.
  if (h->Vorgaenger) Entfernen(h->Vorgaenger->Nachfolger, h);
  c->Nachfolger.push_back(h);
  h->Vorgaenger = c;
  h->XAnf = c->XEnde();
  h->YAnf = c->YEnde();
  h->SetWAnf(c->WEnde());
  ZweigNachfolgerSetzen(m);
  GleisVerbinden(g, c);
  LageWeitergeben(m, c);
  return Anhaengen::Verbunden;
}

void GleisLoesenBefehl(TModul& m, TGleis* c) {
  std::vector<TGleis*> menge;
  if (c->Element) menge = c->Element->AlleGleise();
  if (menge.empty()) menge = {c};
  for (TGleis* x : menge) GleisLoesen(m, x);
  for (TGleis* x : menge) {
    VerbundAufbauen(m, x);
    if (TGleis* p = x->Vorgaenger) {
      Entfernen(p->Nachfolger, x);
      x->Vorgaenger = nullptr;
    }
  }
}

bool BogenMitNachfolgerVerbinden(TGleis& g) {
  const int i = g.AktBogen;
  if (i < 0 || i + 1 >= static_cast<int>(g.Boegen.size())) return false;
  TBogen& b = *g.Boegen[static_cast<std::size_t>(i)];
  const TBogen& n = *g.Boegen[static_cast<std::size_t>(i) + 1];
  b.SetLaenge(b.Laenge() + n.Laenge());
  b.SetEndRadius(n.EndRadius());
  g.Boegen.erase(g.Boegen.begin() + i + 1);
  g.BogenVorgaengerNeu();
  return true;
}

bool BogenMitVorgaengerTauschen(TGleis& g) {
  const int i = g.AktBogen;
  if (i < 1 || i >= static_cast<int>(g.Boegen.size())) return false;
  TBogen& b = *g.Boegen[static_cast<std::size_t>(i)];
  TBogen& p = *g.Boegen[static_cast<std::size_t>(i) - 1];
  const double laenge = b.Laenge(), r1 = b.AnfRadius(), r2 = b.EndRadius();
  b.SetLaenge(p.Laenge());
  b.SetAnfRadius(p.AnfRadius());
  b.SetEndRadius(p.EndRadius());
  p.SetLaenge(laenge);
  p.SetAnfRadius(r1);
  p.SetEndRadius(r2);
  std::swap(b.Name, p.Name);
  return true;
}

}  // namespace trm
