// The rules of nearness between two tracks: rails that touch at one height ("overlap"), beds
// that cross with too little height between them ("vertical_clearance"), and tracks that run
// side by side closer than the track spacing ("track_spacing"). Tracks of one element, the
// surroundings of the joints where two tracks meet, and tracks within an element's length of
// the element they both join are left out.
#include <algorithm>
#include <cmath>
#include <tuple>

#include "core/check/Pruefstand.h"
#include "core/model/Geometrie.h"
#include "core/model/Zahlformat.h"

namespace trm {

namespace {

constexpr double kGleicheHoehe = 1;      // mm: below this the tracks lie at one height
constexpr double kMindestLauf = 100;     // mm side by side before the spacing counts
/// Chords a chord is compared with at most: more lie on one spot only in a plan that piles
/// tracks onto each other (or a track coiled up by values typed far too large), where the
/// findings are plain already; the bound keeps such a plan from costing the square of its
/// chords.
constexpr int kHoechstensNachbarn = 512;
const double kParallel = std::sin(Pi / 180);  // directions within 1°

/// The nearest points of two chords in plan: the distance and the parameters on both.
struct TNaechste {
  double d = 0, s = 0, t = 0;
};

TNaechste Naechste(const TSehne& a, const TSehne& b) {
  // Closest points of two segments (clamped parameters), as in Ericson's Real-Time Collision
  // Detection, 5.1.9.
  const double d1x = a.x1 - a.x0, d1y = a.y1 - a.y0, d2x = b.x1 - b.x0, d2y = b.y1 - b.y0;
  const double rx = a.x0 - b.x0, ry = a.y0 - b.y0;
  const double aa = d1x * d1x + d1y * d1y, ee = d2x * d2x + d2y * d2y, ff = d2x * rx + d2y * ry;
  double s = 0, t = 0;
  if (aa <= 1e-18 && ee <= 1e-18) {
  } else if (aa <= 1e-18) {
    t = std::clamp(ff / ee, 0.0, 1.0);
  } else {
    const double c = d1x * rx + d1y * ry;
    if (ee <= 1e-18) {
      s = std::clamp(-c / aa, 0.0, 1.0);
    } else {
      const double bb = d1x * d2x + d1y * d2y, nenner = aa * ee - bb * bb;
      s = nenner > 1e-18 ? std::clamp((bb * ff - c * ee) / nenner, 0.0, 1.0) : 0.0;
      t = (bb * s + ff) / ee;
      if (t < 0) {
        t = 0;
        s = std::clamp(-c / aa, 0.0, 1.0);
      } else if (t > 1) {
        t = 1;
        s = std::clamp((bb - c) / aa, 0.0, 1.0);
      }
    }
  }
  const double px = a.x0 + d1x * s, py = a.y0 + d1y * s, qx = b.x0 + d2x * t, qy = b.y0 + d2y * t;
  return {std::sqrt((px - qx) * (px - qx) + (py - qy) * (py - qy)), s, t};
}

/// What one chord of the first track of a pair has nearest on the second.
struct TNah {
  std::uint64_t paar = 0;  ///< key of the pair of slots
  int a = 0;  ///< chord index on the first track
  double d = 0, dz = 0, x = 0, y = 0;
  bool parallel = false;
  double spur = 0, trasse = 0, abstand = 0;  ///< the limits: outer rail width, bed width, spacing - 0,5
  /// The stretch of the first track (distance along it) beside the second one's chord; for
  /// the chord's record, the stretch beside every chord running side by side with it.
  double u0 = 0, u1 = 0;
  bool nebeneinander() const { return parallel && d < abstand && d >= spur && u1 > u0; }
};

}  // namespace

void NaehePruefen(TPruefstand& st, const std::vector<int>& schmutzig) {
  const std::size_t n = st.slots.size();
  std::vector<char> inD(n, 0);
  for (int s : schmutzig) inD[static_cast<std::size_t>(s)] = 1;
  auto vorher = [&](int a, int b) {
    return std::make_tuple(st.slots[static_cast<std::size_t>(a)].nummer, a) <
           std::make_tuple(st.slots[static_cast<std::size_t>(b)].nummer, b);
  };
  const double q = st.reichweite;
  std::vector<TNah> nah;
  std::size_t sehnen = 0;
  for (int x : schmutzig) sehnen += st.slots[static_cast<std::size_t>(x)].sehnen.size();
  nah.reserve(sehnen);

  // One chord pair: chord c of track x against chord k of track y.
  auto pruefenPaar = [&](int x, std::size_t c, const TSehne& a, int y, int k) {
    const TGleiseintrag& ex = st.slots[static_cast<std::size_t>(x)];
    if (y == x ? k <= static_cast<int>(c) : (inD[static_cast<std::size_t>(y)] && y < x)) return;
    const TGleiseintrag& ey = st.slots[static_cast<std::size_t>(y)];
    if (ex.element && ex.element == ey.element) return;
    const TSehne& b = ey.sehnen[static_cast<std::size_t>(k)];
    const double spur = (a.spurAussen + b.spurAussen) / 2, trasse = (a.trasse + b.trasse) / 2;
    const double abstand = std::min(a.glsAbst, b.glsAbst) - 0.5;
    const double weite = std::min(std::max({spur, trasse, abstand}), q);
    const TNaechste p = Naechste(a, b);
    if (!(p.d < weite)) return;
    if (y == x && std::max(a.s0, b.s0) - std::min(a.s1, b.s1) < 4 * weite) return;  // the track's own run
    const double pax = a.x0 + (a.x1 - a.x0) * p.s, pay = a.y0 + (a.y1 - a.y0) * p.s;
    const double pbx = b.x0 + (b.x1 - b.x0) * p.t, pby = b.y0 + (b.y1 - b.y0) * p.t;
    if (const auto it = st.enden.stoesse.find(PaarSchluessel(x, y)); it != st.enden.stoesse.end()) {
      const double rs = 1.5 * weite + 1;
      for (const TStoss& s : it->second)
        if (std::hypot(pax - s.x, pay - s.y) <= rs && std::hypot(pbx - s.x, pby - s.y) <= rs) return;
    }
    for (const TElementstoss& sx : st.enden.elementstoesse[static_cast<std::size_t>(x)])
      for (const TElementstoss& sy : st.enden.elementstoesse[static_cast<std::size_t>(y)])
        if (sx.element == sy.element && std::hypot(pax - sx.x, pay - sx.y) <= sx.laenge &&
            std::hypot(pbx - sy.x, pby - sy.y) <= sy.laenge)
          return;
    // A track's end at an element lies in the element's throat: the element's own tracks
    // come near it there.
    for (const TElementstoss& sx : st.enden.elementstoesse[static_cast<std::size_t>(x)])
      if (sx.element == ey.element && std::hypot(pax - sx.x, pay - sx.y) <= sx.laenge) return;
    for (const TElementstoss& sy : st.enden.elementstoesse[static_cast<std::size_t>(y)])
      if (sy.element == ex.element && std::hypot(pbx - sy.x, pby - sy.y) <= sy.laenge) return;
    const double za = a.z0 + (a.z1 - a.z0) * p.s, zb = b.z0 + (b.z1 - b.z0) * p.t;
    const double ux = a.x1 - a.x0, uy = a.y1 - a.y0, vx = b.x1 - b.x0, vy = b.y1 - b.y0;
    const double kreuz = ux * vy - uy * vx;
    const bool parallel = kreuz * kreuz <= kParallel * kParallel * (ux * ux + uy * uy) * (vx * vx + vy * vy);
    const bool xZuerst = y == x || vorher(x, y);
    // The stretch of the first track's chord that lies beside the other chord: the other
    // chord's ends projected onto it.
    const TSehne& f = xZuerst ? a : b;
    const TSehne& o = xZuerst ? b : a;
    const double fx = f.x1 - f.x0, fy = f.y1 - f.y0, fl2 = fx * fx + fy * fy;
    double u0 = 0, u1 = 1;
    if (fl2 > 1e-18) {
      u0 = ((o.x0 - f.x0) * fx + (o.y0 - f.y0) * fy) / fl2;
      u1 = ((o.x1 - f.x0) * fx + (o.y1 - f.y0) * fy) / fl2;
      if (u0 > u1) std::swap(u0, u1);
      u0 = std::clamp(u0, 0.0, 1.0);
      u1 = std::clamp(u1, 0.0, 1.0);
    }
    nah.push_back({PaarSchluessel(x, y), xZuerst ? static_cast<int>(c) : k, p.d, std::abs(za - zb), (pax + pbx) / 2,
                   (pay + pby) / 2, parallel, spur, trasse, abstand, f.s0 + (f.s1 - f.s0) * u0,
                   f.s0 + (f.s1 - f.s0) * u1});
  };

  for (int x : schmutzig) {
    const TGleiseintrag& ex = st.slots[static_cast<std::size_t>(x)];
    if (!ex.gleis) continue;
    for (std::size_t c = 0; c < ex.sehnen.size(); ++c) {
      const TSehne& a = ex.sehnen[c];
      TRechteck box = a.Box();
      box.xmin -= q;
      box.ymin -= q;
      box.xmax += q;
      box.ymax += q;
      int nachbarn = 0;
      st.raster.Abfragen(box, [&](int y, int k) {
        if (++nachbarn > kHoechstensNachbarn) return false;
        pruefenPaar(x, c, a, y, k);
        return true;
      });
    }
  }

  const double durchfahrt = st.durchfahrt;
  std::sort(nah.begin(), nah.end(),
            [](const TNah& l, const TNah& r) { return std::tie(l.paar, l.a, l.d) < std::tie(r.paar, r.a, r.d); });
  for (std::size_t anfang = 0; anfang < nah.size();) {
    std::size_t ende = anfang;
    while (ende < nah.size() && nah[ende].paar == nah[anfang].paar) ++ende;
    const std::uint64_t schluessel = nah[anfang].paar;
    std::vector<TNah> liste(nah.begin() + static_cast<std::ptrdiff_t>(anfang), nah.begin() + static_cast<std::ptrdiff_t>(ende));
    anfang = ende;
    int x = static_cast<int>(schluessel >> 32), y = static_cast<int>(schluessel & 0xffffffffu);
    if (x != y && !vorher(x, y)) std::swap(x, y);
    const TGleiseintrag& ex = st.slots[static_cast<std::size_t>(x)];
    const TGleiseintrag& ey = st.slots[static_cast<std::size_t>(y)];
    // The nearest of every chord of the first track.
    std::size_t frei = 0;
    for (std::size_t i = 0; i < liste.size();) {
      std::size_t j = i;
      TNah beste = liste[i];
      bool neben = false;
      for (; j < liste.size() && liste[j].a == liste[i].a; ++j)
        if (liste[j].nebeneinander()) {
          beste.u0 = neben ? std::min(beste.u0, liste[j].u0) : liste[j].u0;
          beste.u1 = neben ? std::max(beste.u1, liste[j].u1) : liste[j].u1;
          neben = true;
        }
      liste[frei++] = beste;
      i = j;
    }
    liste.resize(frei);
    std::vector<std::int32_t> gleise{ex.nummer};
    if (x != y) gleise.push_back(ey.nummer);
    const std::string paar = x == y ? "Gleis " + std::to_string(ex.nummer) + " mit sich selbst" : GleisText(gleise);
    std::vector<TBefund>& befunde = st.paare[schluessel];
    // Runs of neighbouring chords that meet a condition: one finding each, at the run's
    // chosen record (the smallest by `wahl`), given the run's length.
    auto laeufe = [&](Regel regel, auto bedingung, auto wahl, auto melden) {
      if (!st.regeln.Aktiv(regel)) return;
      for (std::size_t i = 0; i < liste.size();) {
        if (!bedingung(liste[i])) {
          ++i;
          continue;
        }
        std::size_t j = i, beste = i;
        double von = liste[i].u0, bis = liste[i].u1;
        while (j < liste.size() && bedingung(liste[j]) && (j == i || liste[j].a == liste[j - 1].a + 1)) {
          von = std::min(von, liste[j].u0);
          bis = std::max(bis, liste[j].u1);
          if (wahl(liste[j]) < wahl(liste[beste])) beste = j;
          ++j;
        }
        melden(liste[beste], bis - von);
        i = j;
      }
    };
    auto befund = [&](Regel regel, const TNah& r, double wert, double grenze, std::string text) {
      befunde.push_back({regel, st.modulIndex, r.x, r.y, gleise, wert, grenze, std::move(text)});
    };
    laeufe(
        Regel::Ueberschneidung, [](const TNah& r) { return r.d < r.spur && r.dz < kGleicheHoehe; },
        [](const TNah& r) { return r.d; },
        [&](const TNah& r, double) {
          befund(Regel::Ueberschneidung, r, r.d, r.spur,
                 paar + " überschneiden sich: die Gleismitten liegen " + FestText(r.d, 3) + " mm auseinander.");
        });
    laeufe(
        Regel::Durchfahrtshoehe,
        [&](const TNah& r) { return r.d < r.trasse && r.dz >= kGleicheHoehe && r.dz < durchfahrt; },
        [](const TNah& r) { return r.dz; },
        [&](const TNah& r, double) {
          befund(Regel::Durchfahrtshoehe, r, r.dz, durchfahrt,
                 paar + " kreuzen mit " + FestText(r.dz, 3) + " mm Höhenunterschied (nötig " +
                     FestText(durchfahrt, 3) + " mm).");
        });
    laeufe(
        Regel::Gleisabstand, [](const TNah& r) { return r.nebeneinander(); },
        [](const TNah& r) { return r.d; },
        [&](const TNah& r, double laenge) {
          if (laenge < kMindestLauf) return;
          befund(Regel::Gleisabstand, r, r.d, r.abstand + 0.5,
                 paar + " laufen auf " + FestText(laenge, 0) + " mm Länge im Abstand " + FestText(r.d, 3) +
                     " mm nebeneinander (Gleisabstand " + FestText(r.abstand + 0.5, 3) + " mm).");
        });
    if (befunde.empty()) {
      st.paare.erase(schluessel);
      continue;
    }
    if (st.paareVon.size() < n) st.paareVon.resize(n);
    for (const int s : {x, y}) {
      auto& v = st.paareVon[static_cast<std::size_t>(s)];
      v.push_back(schluessel);
      // Keys of pairs gone since are dropped whenever the list reaches a power of two.
      if (v.size() >= 64 && (v.size() & (v.size() - 1)) == 0) {
        std::sort(v.begin(), v.end());
        v.erase(std::unique(v.begin(), v.end()), v.end());
        v.erase(std::remove_if(v.begin(), v.end(), [&](std::uint64_t k) { return !st.paare.count(k); }), v.end());
      }
    }
  }
}

}  // namespace trm
