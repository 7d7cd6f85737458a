// The rules of the track ends: joined ends that do not meet, ends that almost meet without
// being joined (both "gap"), and ends that meet nothing ("open_end").
#include <algorithm>
#include <cmath>
#include <set>
#include <unordered_set>

#include "core/check/Pruefstand.h"
#include "core/model/Geometrie.h"
#include "core/model/Modul.h"
#include "core/model/Zahlformat.h"

namespace trm {

namespace {

constexpr double kTreffenMm = 0.01;
constexpr double kTreffenGrad = 0.01;
constexpr double kFastMm = 5;
constexpr double kFastGrad = 5;

/// An end of a track: its place and the direction pointing out of the track.
struct TEnde {
  int slot = 0;
  bool anfang = false;
  double x = 0, y = 0, w = 0;
  bool verbunden = false;  ///< meets or is joined to another end, or is part of a gap
};

/// Angle in degrees between direction a and the reverse of direction b (0: the ends meet).
double Knick(double a, double b) {
  double d = std::fmod(std::abs(a - b - Pi), 2 * Pi);
  if (d > Pi) d = 2 * Pi - d;
  return d * 180 / Pi;
}

/// Length of an element: its longest track, or for an element without tracks (a turntable)
/// the widest distance between the starts of its connected tracks.
double Elementlaenge(const TElement& e) {
  double l = 0;
  for (const TGleis* g : e.AlleGleise()) {
    double gl = 0;
    for (const auto& b : g->Boegen) gl += b->Laenge();
    l = std::max(l, gl);
  }
  const auto an = e.AngeschlosseneGleise();
  for (const TGleis* a : an)
    for (const TGleis* b : an) l = std::max(l, std::hypot(a->XAnf - b->XAnf, a->YAnf - b->YAnf));
  return l;
}

}  // namespace

TEnden EndenPruefen(const TPruefstand& st) {
  TEnden r;
  const std::size_t n = st.slots.size();
  r.elementstoesse.resize(n);
  r.nachbarn.resize(n);
  std::vector<TEnde> enden;
  std::vector<int> endeVon(2 * n, -1);  // slot*2 (+1 for the end) -> index in enden
  for (std::size_t s = 0; s < n; ++s) {
    const TGleis* g = st.slots[s].gleis;
    if (!g || g->Boegen.empty()) continue;
    endeVon[2 * s] = static_cast<int>(enden.size());
    enden.push_back({static_cast<int>(s), true, g->XAnf, g->YAnf, WinkelNorm(g->WAnf() + Pi)});
    endeVon[2 * s + 1] = static_cast<int>(enden.size());
    enden.push_back({static_cast<int>(s), false, g->XEnde(), g->YEnde(), g->WEnde()});
  }
  auto slotVon = [&](const TGleis* g) {
    const auto it = st.slotVon.find(g);
    return it == st.slotVon.end() ? -1 : it->second;
  };
  auto stoss = [&](int a, int b, double x, double y) {
    if (a == b) return;
    r.stoesse[PaarSchluessel(a, b)].push_back({x, y});
    r.nachbarn[static_cast<std::size_t>(a)].push_back(b);
    r.nachbarn[static_cast<std::size_t>(b)].push_back(a);
    const TElement* ea = st.slots[static_cast<std::size_t>(a)].element;
    const TElement* eb = st.slots[static_cast<std::size_t>(b)].element;
    if (eb && eb != ea) r.elementstoesse[static_cast<std::size_t>(a)].push_back({eb, x, y, Elementlaenge(*eb)});
    if (ea && ea != eb) r.elementstoesse[static_cast<std::size_t>(b)].push_back({ea, x, y, Elementlaenge(*ea)});
  };
  auto nummer = [&](int s) { return st.slots[static_cast<std::size_t>(s)].nummer; };
  auto befund = [&](Regel regel, double x, double y, std::vector<std::int32_t> gleise, double wert, double grenze,
                    std::string text) {
    if (!st.regeln.Aktiv(regel)) return;
    r.befunde.push_back({regel, st.modulIndex, x, y, std::move(gleise), wert, grenze, std::move(text)});
  };

  // Joined ends: every successor's start on its track's end. The successors of one track
  // that belong to one element (a turnout's main and branch track) give one finding.
  std::unordered_set<std::uint64_t> verbunden;  // (end's slot, start's slot)
  auto paar = [](int a, int b) {
    return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(a)) << 32) | static_cast<std::uint32_t>(b);
  };
  std::set<std::pair<int, const void*>> gemeldet;
  std::vector<std::vector<const TGleis*>> vorgaengerVon(n);  // tracks that name slot s as predecessor
  for (std::size_t t = 0; t < n; ++t)
    if (const TGleis* g = st.slots[t].gleis; g && g->Vorgaenger)
      if (const int v = slotVon(g->Vorgaenger); v >= 0) vorgaengerVon[static_cast<std::size_t>(v)].push_back(g);
  for (std::size_t s = 0; s < n; ++s) {
    const TGleis* g = st.slots[s].gleis;
    if (!g || g->Boegen.empty()) continue;
    std::vector<const TGleis*> folgen(g->Nachfolger.begin(), g->Nachfolger.end());
    folgen.insert(folgen.end(), vorgaengerVon[s].begin(), vorgaengerVon[s].end());
    for (const TGleis* f : folgen) {
      const int t = slotVon(f);
      if (t < 0 || f->Boegen.empty() || !verbunden.insert(paar(static_cast<int>(s), t)).second) continue;
      TEnde& e = enden[static_cast<std::size_t>(endeVon[2 * s + 1])];
      TEnde& a = enden[static_cast<std::size_t>(endeVon[2 * static_cast<std::size_t>(t)])];
      e.verbunden = a.verbunden = true;
      stoss(static_cast<int>(s), t, e.x, e.y);
      const double d = std::hypot(e.x - a.x, e.y - a.y), k = Knick(e.w, a.w);
      if (d <= kTreffenMm && k <= kTreffenGrad) continue;
      stoss(static_cast<int>(s), t, a.x, a.y);
      const void* ziel = f->Element ? static_cast<const void*>(f->Element) : f;
      if (!gemeldet.insert({static_cast<int>(s), ziel}).second) continue;
      std::string text = "Gleis " + std::to_string(nummer(static_cast<int>(s))) + " und Gleis " +
                         std::to_string(nummer(t)) + " sind verbunden, ihre Enden liegen " + FestText(d, 3) +
                         " mm auseinander";
      if (k > kTreffenGrad) text += " und knicken um " + FestText(k, 3) + "°";
      befund(Regel::Luecke, (e.x + a.x) / 2, (e.y + a.y) / 2, {nummer(static_cast<int>(s)), nummer(t)}, d, kTreffenMm,
             text + ".");
    }
  }

  // Ends that are not joined: meeting ones are fine, almost meeting ones are a gap. Found
  // through a grid of 10 mm cells over the ends.
  TRaster raster(10, 0);
  for (std::size_t i = 0; i < enden.size(); ++i)
    raster.Einfuegen(static_cast<int>(i), 0, {enden[i].x, enden[i].y, enden[i].x, enden[i].y});
  for (std::size_t i = 0; i < enden.size(); ++i) {
    TEnde& p = enden[i];
    raster.Abfragen({p.x - kFastMm, p.y - kFastMm, p.x + kFastMm, p.y + kFastMm}, [&](int j, int) {
      if (j <= static_cast<int>(i)) return;
      TEnde& q = enden[static_cast<std::size_t>(j)];
      if (q.slot == p.slot && q.anfang == p.anfang) return;
      const int a = std::min(p.slot, q.slot), b = std::max(p.slot, q.slot);
      if (p.anfang != q.anfang && verbunden.count(paar(p.anfang ? q.slot : p.slot, p.anfang ? p.slot : q.slot))) return;
      const double d = std::hypot(p.x - q.x, p.y - q.y), k = Knick(p.w, q.w);
      if (d > kFastMm || k > kFastGrad) return;
      p.verbunden = q.verbunden = true;
      stoss(a, b, p.x, p.y);
      stoss(a, b, q.x, q.y);
      const TElement* ep = st.slots[static_cast<std::size_t>(p.slot)].element;
      if (d <= kTreffenMm && k <= kTreffenGrad) return;
      if (ep && ep == st.slots[static_cast<std::size_t>(q.slot)].element) return;  // the element's own ends
      const std::string wer = a == b ? "Anfang und Ende von Gleis " + std::to_string(nummer(a))
                                     : "Die Enden von Gleis " + std::to_string(nummer(p.slot)) + " und Gleis " +
                                           std::to_string(nummer(q.slot));
      befund(Regel::Luecke, (p.x + q.x) / 2, (p.y + q.y) / 2,
             a == b ? std::vector<std::int32_t>{nummer(a)} : std::vector<std::int32_t>{nummer(a), nummer(b)}, d, kTreffenMm,
             wer + " liegen " + FestText(d, 3) + " mm und " + FestText(k, 3) + "° auseinander und sind nicht verbunden.");
    });
  }

  // Open ends. A turntable takes the starts of its connected tracks; ends of one element that
  // lie on each other in one direction (a turnout's start) are one end.
  std::set<const TGleis*> amRand;
  for (const auto& e : st.modul->Elemente)
    for (const TGleis* g : e->AngeschlosseneGleise()) {
      amRand.insert(g);
      if (const int s = slotVon(g); s >= 0) {
        for (const TGleis* h : e->AngeschlosseneGleise())
          if (const int t = slotVon(h); t >= 0 && t != s) r.elementstoesse[static_cast<std::size_t>(s)].push_back(
                {e.get(), g->XAnf, g->YAnf, Elementlaenge(*e)});
      }
    }
  for (std::size_t i = 0; i < enden.size(); ++i) {
    const TEnde& p = enden[i];
    if (p.verbunden) continue;
    const TGleiseintrag& eintrag = st.slots[static_cast<std::size_t>(p.slot)];
    if (p.anfang && amRand.count(eintrag.gleis)) continue;
    bool doppelt = false;
    if (eintrag.element)
      raster.Abfragen({p.x - kTreffenMm, p.y - kTreffenMm, p.x + kTreffenMm, p.y + kTreffenMm}, [&](int j, int) {
        const TEnde& q = enden[static_cast<std::size_t>(j)];
        if (j < static_cast<int>(i) && st.slots[static_cast<std::size_t>(q.slot)].element == eintrag.element &&
            std::hypot(p.x - q.x, p.y - q.y) <= kTreffenMm && Knick(p.w, q.w + Pi) <= kTreffenGrad)
          doppelt = true;
      });
    if (doppelt) continue;
    befund(Regel::OffenesEnde, p.x, p.y, {eintrag.nummer}, 0, 0,
           std::string(p.anfang ? "Der Anfang" : "Das Ende") + " von Gleis " + std::to_string(eintrag.nummer) +
               " trifft kein Gleis.");
  }
  for (auto& v : r.nachbarn) {
    std::sort(v.begin(), v.end());
    v.erase(std::unique(v.begin(), v.end()), v.end());
  }
  return r;
}

}  // namespace trm
