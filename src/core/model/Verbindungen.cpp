// Link groups, successor propagation, release and split of tracks.
#include "core/model/Verbindungen.h"

#include <algorithm>
#include <deque>
#include <unordered_map>
#include <unordered_set>
#include <utility>

#include "core/model/Anlage.h"
#include "core/model/Modul.h"
#include "core/model/Neuberechnung.h"

namespace trm {

namespace {

using Menge = std::unordered_set<const TGleis*>;

bool Enthaelt(const std::vector<TGleis*>& v, const TGleis* g) {
  return std::find(v.begin(), v.end(), g) != v.end();
}

void Entfernen(std::vector<TGleis*>& v, const TGleis* g) { std::erase(v, g); }

/// Own entry first in the group list (added when missing).
void SichSelbstVoran(TGleis* g) {
  if (g->Verbund.empty())
    g->Verbund.push_back(g);
  else if (!Enthaelt(g->Verbund, g))
    g->Verbund.insert(g->Verbund.begin(), g);
}

/// A new number for marking tracks (TGleis::Marke); no track carries it yet.
std::uint64_t NeueMarke() {
  static std::uint64_t zaehler = 0;
  return ++zaehler;
}

/// How often one propagation may place one track. Every track takes its place from one other
/// (its predecessor, or its element's attached track), and a loop ends at the track the walk
/// began with, so each track is placed once; the bound only keeps a broken structure (a track
/// in two successor lists) from running on.
constexpr int kMaxSetzen = 2;

/// Propagation as a worklist of tracks whose end may have moved. A track is placed on its
/// predecessor's end the first time the walk reaches it, and again only when that end moved
/// since; an element is recomputed when its attached track is placed, and then all its tracks
/// pass on their ends. Each track passes on its end after everything that moves it in the same
/// round has moved it, so that a branch-attached turnout does not send its subtree twice.
struct Weitergabe {
  TGleis* ursprung;
  struct Stand {
    bool erreicht = false;  ///< the walk came to the track
    bool offen = false;     ///< waits in the worklist
    int gesetzt = 0;        ///< times placed
  };
  std::unordered_map<const TGleis*, Stand> stand;
  std::deque<TGleis*> offen;

  void Vormerken(TGleis* t) {
    Stand& st = stand[t];
    st.erreicht = true;
    if (st.offen) return;
    st.offen = true;
    offen.push_back(t);
  }

  void Lauf() {
    Vormerken(ursprung);
    while (!offen.empty()) {
      TGleis* t = offen.front();
      offen.pop_front();
      stand[t].offen = false;
      Verteilen(t);
    }
  }

  void Verteilen(TGleis* t) {
    if (t->Boegen.empty() || t->Nachfolger.empty()) return;
    t->Versetzen(t->XAnf, t->YAnf, t->WAnf());  // points for its present start
    const double x = t->XEnde(), y = t->YEnde(), w = t->WEnde();
    for (std::size_t i = 0; i < t->Nachfolger.size(); ++i) {
      TGleis* s = t->Nachfolger[i];
      if (s == ursprung) continue;  // a loop of tracks ends where it began
      Stand& st = stand[s];
      const bool erstmals = !st.erreicht;
      TElement* e = s->Element;
      // The element puts its other tracks where they belong when its attached track is placed.
      if (e && !e->FolgtVorgaenger(s)) {
        if (erstmals) Vormerken(s);
        continue;
      }
      // Already there since the walk came here: nothing behind it changes.
      if (!erstmals && s->XAnf == x && s->YAnf == y && s->WAnf() == w) continue;
      // An element that places the track where the walk began would move that track: the
      // loop through the element ends here, as a loop of tracks ends at its first track.
      if (e && ursprung->Element == e && !e->FolgtVorgaenger(ursprung)) continue;
      if (st.gesetzt >= kMaxSetzen) continue;
      ++st.gesetzt;
      st.erreicht = true;
      s->Versetzen(x, y, w);
      if (e) {
        e->VomAnfangBerechnen();
        for (TGleis* f : e->Folgegleise()) Vormerken(f);
      } else {
        Vormerken(s);
      }
    }
  }
};

/// VerbundVereinen for lists that need not hold each other symmetrically: every member's list
/// is searched.
void VereinenDurchSuchen(TGleis* a, TGleis* b) {
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

/// Queues the successors of t besides the first, which the walk follows: a track attached to
/// an end that already had a successor belongs to the group as much as the first one. (Its
/// element's branches are queued when its own walk begins.)
void Weitere(const TGleis* t, std::vector<TGleis*>& warteschlange) {
  for (std::size_t i = 1; i < t->Nachfolger.size(); ++i) warteschlange.push_back(t->Nachfolger[i]);
}

/// The tracks that "Gleis lösen" of g takes out of their groups: g and its chain of first
/// successors, with further successors and the branches of elements on the way, and their
/// chains in turn: the tracks VerbundAufbauen of g walks.
struct Loesen {
  Menge geloest;
  std::vector<TGleis*> reihe;

  void Gleis(TGleis* g) {
    if (g == nullptr || !geloest.insert(g).second) return;
    reihe.push_back(g);
    std::vector<TGleis*> warteschlange;
    Menge gegangen{g};
    TGleis* akt = g;
    while (!akt->Nachfolger.empty()) {
      // Further successors as the first, with the branches of their elements.
      for (std::size_t i = 1; i < akt->Nachfolger.size(); ++i) {
        TGleis* w = akt->Nachfolger[i];
        warteschlange.push_back(w);
        if (w->Element)
          for (TGleis* z : w->Element->Abzweige()) warteschlange.push_back(z);
      }
      TGleis* s = akt->Nachfolger.front();
      if (!gegangen.insert(s).second) break;  // a loop of tracks: walked once
      if (s->Element)
        for (TGleis* z : s->Element->Abzweige()) warteschlange.push_back(z);
      if (geloest.insert(s).second) reihe.push_back(s);
      akt = s;
    }
    for (TGleis* x : warteschlange) Gleis(x);
  }
};

/// B's list holds B alone: with symmetric lists, no other list holds B.
bool Frisch(const TGleis* b) { return b->Verbund.size() == 1 && b->Verbund[0] == b; }

struct Aufbauen {
  TModul& m;
  Menge aufgebaut;
  /// A run of joins along a chain of fresh tracks, written out at once: VerbundVereinen(a, n0),
  /// then (n0, n1), (n1, n2) ... with every n fresh gives each member T of a's list its list
  /// followed by n0, n1, ..., and each nj the list nj, ..., n0, a's members, nj+1, ... Written
  /// list by list instead of one entry into every list per step, which is the same result.
  std::vector<TGleis*> mitglieder;  ///< a's list at the run's start, each member once
  std::vector<TGleis*> neue;        ///< n0, n1, ...
  std::uint64_t lauf = 0;           ///< the mark of the run's tracks

  void Vereinen(TGleis* a, TGleis* b) {
    // A track of the run is not what its list says until the run is written out.
    if (!neue.empty() && a == neue.back() && b->Marke != lauf && Frisch(b)) {
      b->Marke = lauf;
      neue.push_back(b);
      return;
    }
    Ausschreiben();
    if (a == b || !Frisch(b)) {
      VerbundVereinen(a, b);
      return;
    }
    lauf = NeueMarke();
    for (TGleis* t : a->Verbund)
      if (t->Marke != lauf) {
        t->Marke = lauf;
        mitglieder.push_back(t);
      }
    b->Marke = lauf;
    neue.push_back(b);
  }

  void Ausschreiben() {
    if (neue.empty()) return;
    for (TGleis* t : mitglieder) t->Verbund.insert(t->Verbund.end(), neue.begin(), neue.end());
    for (std::size_t j = 0; j < neue.size(); ++j) {
      std::vector<TGleis*>& v = neue[j]->Verbund;  // holds neue[j] alone
      v.reserve(neue.size() + mitglieder.size());
      for (std::size_t i = j; i-- > 0;) v.push_back(neue[i]);
      v.insert(v.end(), mitglieder.begin(), mitglieder.end());
      v.insert(v.end(), neue.begin() + static_cast<std::ptrdiff_t>(j) + 1, neue.end());
    }
    mitglieder.clear();
    neue.clear();
  }

  void Gleis(TGleis* g) {
    if (g == nullptr || !aufgebaut.insert(g).second) return;
    Ausschreiben();
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
        for (std::size_t k = 1; k < kern.size(); ++k) Vereinen(kern[k], kern[0]);
      }
      if (akt->Nachfolger.empty()) break;
      Weitere(akt, warteschlange);
      TGleis* n = akt->Nachfolger.front();
      if (!gegangen.insert(n).second) break;  // a loop of tracks: walked once
      SichSelbstVoran(n);
      Vereinen(akt, n);
      akt = n;
    }
    for (auto it = warteschlange.rbegin(); it != warteschlange.rend(); ++it) {
      Vereinen(g, *it);
      Gleis(*it);
    }
    Ausschreiben();
  }
};

}  // namespace

void VerbundVereinen(TGleis* a, TGleis* b) {
  if (a == nullptr || b == nullptr) return;
  // Counted once at the start: A's list grows by B while it is walked.
  const std::size_t n = a->Verbund.size();
  // The lists hold each other symmetrically: B alone in its list is in no other list. Then
  // every member of A's list learns of B, and B of it, once; a member listed twice finds B
  // at the end of its list already.
  if (b->Verbund.size() == 1 && b->Verbund[0] == b) {
    b->Verbund.reserve(n + 1);
    for (std::size_t i = 0; i < n; ++i) {
      TGleis* t = a->Verbund[i];
      if (!t->Verbund.empty() && t->Verbund.back() == b) continue;
      t->Verbund.push_back(b);
      if (t != b) b->Verbund.push_back(t);
    }
    return;
  }
  // Otherwise the tracks that list B are the members of B's own list: marked once, they are
  // found without searching every member's list.
  const std::uint64_t marke = NeueMarke();
  for (TGleis* t : b->Verbund) t->Marke = marke;
  std::vector<TGleis*> neu;
  for (std::size_t i = 0; i < n; ++i) {
    TGleis* t = a->Verbund[i];
    if (t->Marke == marke) continue;
    t->Marke = marke;
    t->Verbund.push_back(b);
    if (t != b) neu.push_back(t);
  }
  // B learns of exactly those that learnt of it, in the same order.
  b->Verbund.insert(b->Verbund.end(), neu.begin(), neu.end());
}

namespace {

/// Appends to g's list the tracks of `neu` that it lacks, in their order; returns how many.
std::size_t Ergaenzen(TGleis* g, const std::vector<TGleis*>& neu) {
  const std::uint64_t marke = NeueMarke();
  for (TGleis* t : g->Verbund) t->Marke = marke;
  std::size_t n = 0;
  for (TGleis* t : neu)
    if (t->Marke != marke) {
      t->Marke = marke;
      g->Verbund.push_back(t);
      ++n;
    }
  return n;
}

/// The tracks of one element share one list: a file holds one group line for all of them.
/// Every one gets what any of them lists, and the element's tracks themselves.
std::size_t ElementgleiseGleich(Anlage& a) {
  std::size_t ergaenzt = 0;
  for (const auto& m : a.Module)
    for (const auto& e : m->Elemente) {
      std::vector<TGleis*> gleise = e->AlleGleise();
      std::erase(gleise, nullptr);
      if (gleise.size() < 2) continue;
      std::vector<TGleis*> alle = gleise.front()->Verbund;
      for (TGleis* g : gleise) alle.insert(alle.end(), g->Verbund.begin(), g->Verbund.end());
      alle.insert(alle.end(), gleise.begin(), gleise.end());
      for (TGleis* g : gleise) ergaenzt += Ergaenzen(g, alle);
    }
  return ergaenzt;
}

/// A track listed by another that it does not list gets that one appended, in track order.
std::size_t Gegenseitig(Anlage& a) {
  // Who lists each track, gathered once: linear in the entries of all lists.
  std::unordered_map<const TGleis*, std::vector<TGleis*>> nennen;
  for (const auto& m : a.Module)
    for (const auto& g : m->Gleise)
      for (TGleis* v : g->Verbund)
        if (v != g.get()) nennen[v].push_back(g.get());
  std::size_t ergaenzt = 0;
  for (const auto& m : a.Module)
    for (const auto& g : m->Gleise)
      if (const auto it = nennen.find(g.get()); it != nennen.end()) ergaenzt += Ergaenzen(g.get(), it->second);
  return ergaenzt;
}

}  // namespace

std::size_t VerbuendeSymmetrisch(Anlage& a) {
  // Until nothing changes: what one rule adds may call for the other. The result is what a
  // file holds again: every written list symmetric, an element's tracks one group.
  std::size_t ergaenzt = 0;
  for (bool weiter = true; weiter;) {
    const std::size_t n = ElementgleiseGleich(a) + Gegenseitig(a);
    ergaenzt += n;
    weiter = n > 0;
  }
  return ergaenzt;
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

void LageWeitergeben(TModul&, TGleis* g) {
  if (g == nullptr) return;
  Weitergabe w{g, {}, {}};
  w.Lauf();
}

void GleisLoesen(TModul& m, TGleis* g) {
  ZweigNachfolgerEntfernen(m);
  Loesen l;
  l.Gleis(g);
  // Every released track leaves the lists of its group. The lists hold each other
  // symmetrically, so the lists to clean are those of the released tracks' members; each is
  // cleaned once, of all released tracks at a time.
  const std::uint64_t frei = NeueMarke(), sauber = NeueMarke();
  for (TGleis* s : l.reihe) s->Marke = frei;
  for (TGleis* s : l.reihe)
    for (TGleis* t : s->Verbund) {
      if (t->Marke == frei || t->Marke == sauber) continue;
      t->Marke = sauber;
      std::erase_if(t->Verbund, [frei](const TGleis* v) { return v->Marke == frei; });
    }
  for (TGleis* s : l.reihe) s->Verbund.clear();
  ZweigNachfolgerSetzen(m);
}

void VerbundAufbauen(TModul& m, TGleis* g) {
  ZweigNachfolgerEntfernen(m);
  Aufbauen a{m, {}, {}, {}, 0};
  a.Gleis(g);
  ZweigNachfolgerSetzen(m);
}

void VerbundAufloesen(TModul& m, TGleis* g) {
  const std::vector<TGleis*> gruppe = g->Verbund;
  std::vector<TGleis*> losgeloest;
  for (auto it = gruppe.rbegin(); it != gruppe.rend(); ++it) {
    TGleis* a = *it;
    // Both sides of the attachment go: the former predecessor forgets a as its successor.
    if (a->Vorgaenger) Entfernen(a->Vorgaenger->Nachfolger, a);
    a->Vorgaenger = nullptr;
    a->Verbund.clear();
    for (TGleis* s : a->Nachfolger)
      if (s->Vorgaenger == a) {
        s->Vorgaenger = nullptr;
        losgeloest.push_back(s);
      }
    a->Nachfolger.clear();
    a->Verbund.push_back(a);
    // Members not dissolved yet still list a: the lists do not hold each other symmetrically
    // until the end, so the partners are joined by searching the lists.
    if (a->Element)
      for (TGleis* k : a->Element->Kerngleise())
        if (k != a) VereinenDurchSuchen(a, k);
  }
  // Tracks outside the group that hung on it begin trees of their own.
  for (TGleis* s : losgeloest) LageWeitergeben(m, s);
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

void HinterBogenEinhaengen(Anlage& a, TModul& m, TGleis* akt, TGleis* stamm, bool teilen) {
  AlsNachfolgerEinfuegen(m, akt, stamm);
  if (teilen && akt->AktBogen + 1 < static_cast<int>(akt->Boegen.size())) {
    ModulBerechnen(m);
    if (TGleis* rest = GleisTeilen(a, m, akt, akt->AktBogen, stamm->XEnde(), stamm->YEnde(), stamm->WEnde())) {
      AlsNachfolgerEinfuegen(m, stamm, rest);
      VerbundVereinen(akt, rest);
    }
  }
  LageWeitergeben(m, stamm);
  ModulBerechnen(m);
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
  if (g->Element) {
    for (TGleis* k : g->Element->AlleGleise())
      if (k != g && Enthaelt(g->Element->Mitnachfolger(k), g)) h = k;
    // A track the element places itself (a crossing track, a slip branch) cannot start on C's
    // end: the element goes as a whole, through the track it is attached by.
    // (A turnout's tracks stand beside each other instead.)
    TGleis* an = g->Element->Anschlussgleis();
    if (an != nullptr && g->Element->Mitnachfolger(g).empty() && !g->Element->FolgtVorgaenger(g)) h = an;
  }
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
  for (TGleis* x : menge) LageWeitergeben(m, x);
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
