// The sleeper plan of a crossing or slip, one side at a time. Side 0 is the B side (StInnenB,
// BP2Laenge, BP2Endabst), side 1 the A side. Common sleepers lie across both tracks in the acute
// angle: centred on a reference line along the bisector from the crossing centre, they grow
// with the distance from the centre until one is longer than the largest sleeper length (that
// one is still laid). Single sleepers are laid under each track from its outer end inwards up to
// the last common sleeper; on a leg that carries switch blades they stop at the end of the outer
// segment, and blade-region sleepers span the track and the slip branch from there inwards.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "core/crossings/Kreuzung.h"
#include "core/model/Bogen.h"
#include "core/model/Zahlformat.h"

namespace trm {

namespace {

/// Counts are kept within this many sleepers per group, whatever the values say.
constexpr double MaxSchwellen = 10000;

bool Null(double x) { return std::fabs(x) <= 1e-12; }
bool IstGerade(double rho) { return !std::isfinite(rho) || Null(rho); }
/// Negated; an infinite radius stays as it is.
double Gegen(double r) { return std::isinf(r) ? r : -r; }
/// Nearest whole number (halves to even) within 0..MaxSchwellen; 0 for no number.
std::int64_t Anzahl(double x) {
  if (!std::isfinite(x)) return 0;
  return RundenGerade(std::clamp(x, 0.0, MaxSchwellen));
}

void Anhaengen(TSchwellenARR& aus, const std::array<TPaar, 4>& u) {
  // A value that computed to no number draws nothing.
  for (const TPaar& p : u)
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) return;
  aus.push_back(u);
}

/// One part of the reference line: start, direction, radius, length.
struct Teil {
  double x, y, h, rho, laenge;
};

/// A leg of the element as the single sleepers walk it, from its outer end inwards.
struct Bein {
  const TBogen* aussen;
  const TBogen* mitte;  ///< none for a plain crossing
  const TBogen* innen;
  bool vorwaerts;       ///< walked in the track's direction (main track A)
  double paarlaenge;    ///< BP1Laenge or BP2Laenge
  double endabst;       ///< BP1Endabst or BP2Endabst
  double* rest;         ///< RestStA, RestKrA, RestStB or RestKrB
  bool zungen;          ///< the blades of a slip curve lie in this leg (outside blades)
  bool beruehrt;        ///< a slip curve touches this leg
  int tOhneZungen;      ///< the value of t for which no slip curve touches this leg
  bool kreuzungsgleis;  ///< a half of the crossing track
};

double BogenLaenge(const TBogen* b) { return b ? b->Laenge() : 0.0; }

/// Where the walk of a segment starts: its outer end, directed inwards.
TLinienpunkt Einstieg(const TBogen& b, bool vorwaerts, double& rho) {
  if (vorwaerts) {
    rho = b.AnfRadius();
    return {b.XAnf(), b.YAnf(), b.WAnf()};
  }
  rho = Gegen(b.AnfRadius());
  return {b.XEnde, b.YEnde, b.WEnde + Pi};
}

}  // namespace

TLinienpunkt Sehnenpunkt(double x0, double y0, double h0, double rho, double q) {
  if (IstGerade(rho)) return {x0 + q * std::cos(h0), y0 + q * std::sin(h0), h0};
  const double u = q / rho;
  const double sehne = 2.0 * rho * std::sin(u / 2.0);
  return {x0 + sehne * std::cos(h0 + u / 2.0), y0 + sehne * std::sin(h0 + u / 2.0), h0 + u};
}

std::array<TPaar, 4> KrSwUmriss(double cx, double cy, double h, double len, double w, double e1, double e2,
                                int k, int v) {
  bool l1 = k == 1 || k == 3, r1 = k == 2 || k == 3, l2 = false, r2 = false;
  const bool mitE2 = !Null(e2);
  if (v == 1 || v == 3) {
    l2 = true;
    if (mitE2) l1 = false;
  }
  if (v == 2 || v == 3) {
    r2 = true;
    if (mitE2) r1 = false;
  }
  const double hl = len / 2.0 + (l1 ? e1 : 0.0) + (l2 ? e2 : 0.0);
  const double hr = len / 2.0 + (r1 ? e1 : 0.0) + (r2 ? e2 : 0.0);
  const double fx = std::cos(h), fy = std::sin(h), nx = -fy, ny = fx;
  const double b = w / 2.0;
  return {TPaar{cx + b * fx + hl * nx, cy + b * fy + hl * ny}, TPaar{cx - b * fx + hl * nx, cy - b * fy + hl * ny},
          TPaar{cx - b * fx - hr * nx, cy - b * fy - hr * ny}, TPaar{cx + b * fx - hr * nx, cy + b * fy - hr * ny}};
}

double KrSwVersatz(double q, double rStrich, double rho) {
  const double d = Null(rho) ? std::fabs(rStrich) : std::fabs(rho);
  if (!std::isfinite(d) || Null(d)) return 0;
  return d * std::tan(q / d) * std::tan(q / (2.0 * d));
}

double MittlererRadius(double x, double y) {
  auto kehrwert = [](double r) { return IstGerade(r) ? 0.0 : 1.0 / r; };
  const double mittel = (kehrwert(x) + kehrwert(y)) / 2.0;
  return mittel == 0 || !std::isfinite(mittel) ? 0.0 : 1.0 / mittel;
}

namespace {

/// Stage 1: the reference line of the common sleepers, along the bisector from the centre.
struct Bezugslinie {
  std::vector<Teil> teile;  ///< inner part, middle part (slips with inside blades), outer part
  double innen = 0;         ///< length of the inner part
  double mitte = 0;         ///< length of the middle part (0 without one)
  double aussen = 0;        ///< length of the outer part (the outer curve pair)
  double endabstand = 0;    ///< space kept free before the outer end
  double kernabstand = 0;   ///< the first sleeper's distance from the centre
};

Bezugslinie LinieBestimmen(const TKreuzung& k, const TSchwellenZweig& z, int seite) {
  Bezugslinie linie;
  const bool weiche = z.zweige > 0;
  const double winkel = k.Winkel, radius = k.Radius();
  const double cosHalb = std::cos(winkel / 2.0);
  double innenLaenge = k.Laenge / 2.0;
  if (weiche) {
    innenLaenge = (z.t == 1 ? k.StInnenA() : k.KrInnenA())->Laenge();
    if (z.innen) innenLaenge = (seite == 0 ? k.StInnenB() : k.StInnenA())->Laenge();
    if (z.zweige == 2) innenLaenge = k.StInnenA()->Laenge() + 2.0 * z.T;
  }
  linie.innen = cosHalb * innenLaenge;
  if (!k.Gerade()) linie.innen = 2.0 * std::fabs(radius) * std::atan(linie.innen / (2.0 * std::fabs(radius)));
  const double neigung = k.Richtung == 1 ? winkel / 2.0 : -winkel / 2.0;
  const TBogen& innen = seite == 0 ? *k.StInnenB() : *k.KrInnenA();
  // Side A runs from the centre backwards along the curve; its outer part keeps that turning.
  const double rhoLinie = seite == 0 ? radius : Gegen(radius);
  linie.teile.push_back({innen.XAnf(), innen.YAnf(), seite == 0 ? innen.WAnf() + neigung : innen.WAnf() - neigung,
                         rhoLinie, linie.innen});
  auto weiter = [&](double rho, double laenge) {
    const Teil& t = linie.teile.back();
    const TLinienpunkt e = Sehnenpunkt(t.x, t.y, t.h, t.rho, t.laenge);
    linie.teile.push_back({e.x, e.y, e.w, rho, laenge});
  };
  if (weiche && z.innen) {
    linie.mitte = cosHalb * BogenLaenge(seite == 0 ? z.stMitteB : z.stMitteA);
    const double rhoMitte = seite == 0 ? MittlererRadius(z.stMitteB->AnfRadius(), z.krMitteB->AnfRadius())
                                       : MittlererRadius(z.krMitteA->AnfRadius(), Gegen(z.stMitteA->AnfRadius()));
    if (!Null(linie.mitte)) weiter(rhoMitte, linie.mitte);
  }
  linie.aussen = cosHalb * (seite == 0 ? k.BP2Laenge : k.BP1Laenge);
  weiter(rhoLinie, linie.aussen);
  linie.endabstand = cosHalb * (seite == 0 ? k.BP2Endabst : k.BP1Endabst);
  linie.kernabstand = cosHalb * k.AbstKMP;
  return linie;
}

/// Stage 2: the row of common sleepers: spacing, places, base lengths, extensions and where the
/// row ends.
struct Schwellenreihe {
  std::size_t anzahl = 0;        ///< spaces of the even spacing along the line
  std::vector<double> abstand;   ///< space before each sleeper (double sleepers: the width)
  std::vector<double> lage;      ///< each sleeper's distance from the centre along the line
  std::vector<double> grundlaenge;            ///< across both tracks in the acute angle
  std::vector<double> verlaengerung;          ///< towards a slip curve (e1)
  std::vector<double> zungenverlaengerung;    ///< under outside blades (e2)
  std::size_t letzte = 0;        ///< the last sleeper laid: the first longer than the largest length
};

Schwellenreihe ReiheBestimmen(const TKreuzung& k, const TSchwellenZweig& z, const Bezugslinie& linie) {
  Schwellenreihe r;
  const double swAbstand = k.KrSwAbst, swLaenge = k.KrSwLen, swBreite = k.SwBrt();
  const double winkel = k.Winkel, zweigradius = k.EKWRadius;
  const double cosHalb = std::cos(winkel / 2.0), tanHalb = std::tan(winkel / 2.0);
  const double weg = linie.innen + linie.mitte + linie.aussen - linie.endabstand - linie.kernabstand;
  const std::size_t n = static_cast<std::size_t>(Anzahl(weg / swAbstand));
  r.anzahl = n;
  r.abstand.assign(n + 1, n > 0 ? weg / static_cast<double>(n) : 0.0);
  for (const std::int32_t i : k.DSwIndizes)
    if (i >= 0 && static_cast<std::size_t>(i) <= n) r.abstand[static_cast<std::size_t>(i)] = swBreite;
  r.abstand[0] = linie.kernabstand;
  r.lage.assign(n + 1, 0.0);
  r.grundlaenge.assign(n + 1, 0.0);
  r.verlaengerung.assign(n + 1, 0.0);
  r.zungenverlaengerung.assign(n + 1, 0.0);
  const std::vector<double>& p = r.lage;
  for (std::size_t i = 0; i <= n; ++i) {
    r.lage[i] = (i == 0 ? 0.0 : p[i - 1]) + r.abstand[i];
    r.grundlaenge[i] = 2.0 * tanHalb * p[i] + swLaenge;
  }
  auto zahl = [](double x) { return std::isfinite(x) ? x : 0.0; };
  const bool weiche = z.zweige > 0;
  if (weiche && z.innen) {
    // The slip curve of radius a round the obtuse angle widens the sleepers towards it.
    const double a = zweigradius;
    for (std::size_t i = 0; i <= n; ++i) {
      const double g = std::asin(p[i] / a);
      if (!(g <= winkel / 2.0)) break;
      r.verlaengerung[i] = zahl(a / cosHalb - a - (r.grundlaenge[i] - swLaenge) / 2.0 + p[i] * std::tan(g / 2.0));
    }
  } else if (weiche) {
    // Outside blades: the branch of the straight base form, its middle arc rho and the blades.
    const double alpha = winkel, L = k.Laenge, a = zweigradius, T = z.T, beta = z.beta;
    const double mu = 2.0 * std::atan(T / a), e = alpha - 2.0 * mu, psi = alpha / 2.0 - mu;
    const double tau = (std::sin(alpha) * L / 2.0 - T * (std::sin(alpha) + std::sin(mu + e) + std::sin(mu))) /
                       (2.0 * std::sin(mu + e / 2.0) * std::cos(e / 2.0));
    const double rho = tau / std::tan(e / 2.0);
    const double D0 = std::sin(alpha / 2.0) * L / 2.0 - rho * std::sin(psi) * std::tan(psi / 2.0) -
                      T * std::sin(psi) - T * std::sin(alpha / 2.0);
    const double J = rho * std::sin(psi);
    for (std::size_t i = 0; i <= n && p[i] <= cosHalb * L / 2.0; ++i) {
      double x;
      if (p[i] <= J) {
        const double g = std::asin(p[i] / rho);
        x = D0 + rho * std::sin(g) * std::tan(g / 2.0) - p[i] * tanHalb;
      } else {
        const double gJ = std::asin(J / rho), delta = std::asin(p[i] / a);
        x = D0 + rho * std::sin(psi) * std::tan(psi / 2.0) +
            (p[i] - J) * (std::sin(delta / 2.0) + std::cos(gJ + delta) * std::tan(delta / 2.0) - std::tan(delta / 2.0)) -
            p[i] * tanHalb;
      }
      r.verlaengerung[i] = x > 0 ? x : 0.0;  // also for no number
    }
    const double kappa = alpha / 2.0 - beta, Y0 = rho * std::tan(kappa);
    for (std::size_t i = 0; i <= n; ++i) {
      if (!(p[i] > Y0)) continue;
      const double g1 = (p[i] - Y0) / cosHalb, g2 = (p[i] - Y0) / std::cos(kappa);
      const double x = std::sqrt((T - g2) * (T - g2) + (T - g1) * (T - g1) - 2.0 * std::cos(beta) * (T - g2) * (T - g1));
      r.zungenverlaengerung[i] = zahl(g2 >= T ? -x : x);
    }
  }
  const double lmax = k.SwLenMaxWert();
  r.letzte = n;
  for (std::size_t i = 0; i <= n; ++i)
    if (r.grundlaenge[i] + z.zweige * r.verlaengerung[i] > lmax) {
      r.letzte = i;
      break;
    }
  return r;
}

/// Stage 3: the common sleepers, part by part along the reference line.
void GemeinsameLegen(const TKreuzung& k, const TSchwellenZweig& z, int seite, const Bezugslinie& linie,
                     const Schwellenreihe& r, TSchwellenARR& aus) {
  const int richtung = k.Richtung == 1 ? 1 : 0;
  const double swBreite = k.SwBrt();
  // Which sides get the extension (1 left, 2 right, 3 both) and which take the blades' one.
  int seiten = 0, tausch = 0;
  if (z.zweige > 0) {
    const bool gleich = z.t == richtung;
    seiten = seite == 0 ? (gleich ? 2 : 1) : (gleich ? 1 : 2);
    tausch = (seite == 0 ? z.tauschRe : z.tauschLi) ? seiten : 0;
    if (z.zweige == 2) {
      seiten = 3;
      const bool erste = seite == 0 ? z.tausch1Re : z.tausch2Li;
      const bool zweite = seite == 0 ? z.tausch2Re : z.tausch1Li;
      if (erste && zweite) tausch = 3;
      else if (erste) tausch = richtung == 0 ? 1 : 2;
      else if (zweite) tausch = richtung == 0 ? 2 : 1;
    }
  }
  const std::vector<Teil>& teile = linie.teile;
  const std::vector<double>& H = r.abstand;
  std::size_t teil = 0;
  double x = 0;
  for (std::size_t i = 0; i <= r.letzte; ++i) {
    x += H[i];
    // A sleeper beyond the end of a part begins the next one at -rest + H[i], where rest is
    // how far the spacing before it, H[i - 1], leaves the end of the part from x - H[i - 1]:
    // with even spacing as far past the new start as it was past the end.
    while (teil < teile.size() && x > teile[teil].laenge) {
      const double vorher = i > 0 ? H[i - 1] : H[i];
      x = -std::fabs(teile[teil++].laenge - (x - vorher)) + H[i];
    }
    if (teil == teile.size()) break;
    const Teil& t = teile[teil];
    const TLinienpunkt pkt = Sehnenpunkt(t.x, t.y, t.h, t.rho, x);
    // A first sleeper that touches the centre lies square to the bisector there.
    const double h = i == 0 && std::fabs(H[0] - swBreite / 2.0) <= 0.01 ? teile[0].h : pkt.w;
    Anhaengen(aus, KrSwUmriss(pkt.x, pkt.y, h, r.grundlaenge[i], swBreite, r.verlaengerung[i],
                              r.zungenverlaengerung[i], seiten, tausch));
  }
}

/// Stage 4: single sleepers under each track from its outer end inwards, then for slips the
/// blade-region sleepers.
void EinzelneLegen(TKreuzung& k, const TSchwellenZweig& z, int seite, const Schwellenreihe& r, TSchwellenARR& aus) {
  const bool weiche = z.zweige > 0;
  const double swAbstand = k.KrSwAbst, swLaenge = k.KrSwLen, swBreite = k.SwBrt();
  const double cosHalb = std::cos(k.Winkel / 2.0);
  const std::size_t n = r.anzahl;
  const double xWeg = r.lage[r.letzte] / cosHalb;
  // The legs a slip curve touches: by t for a single slip, all four for a double slip. The
  // single-sleeper walk stops at their outer segment only with blades outside; the
  // blade-region sleepers are laid on them whatever the blades.
  auto beruehrt = [&](bool amStammA) { return z.zweige == 2 || (z.zweige == 1 && amStammA == (z.t == 0)); };
  auto zungen = [&](bool amStammA) { return !z.innen && beruehrt(amStammA); };
  std::array<Bein, 2> beine;
  if (seite == 1) {
    beine = {Bein{k.StAussenA(), z.stMitteA, k.StInnenA(), true, k.BP1Laenge, k.BP1Endabst, &k.RestStA, zungen(true),
                  beruehrt(true), 1, false},
             Bein{k.KrAussenA(), z.krMitteA, k.KrInnenA(), false, k.BP1Laenge, k.BP1Endabst, &k.RestKrA, zungen(false),
                  beruehrt(false), 0, true}};
  } else {
    beine = {Bein{k.StAussenB(), z.stMitteB, k.StInnenB(), false, k.BP2Laenge, k.BP2Endabst, &k.RestStB,
                  zungen(false), beruehrt(false), 0, false},
             Bein{k.KrAussenB(), z.krMitteB, k.KrInnenB(), false, k.BP2Laenge, k.BP2Endabst, &k.RestKrB, zungen(true),
                  beruehrt(true), 1, true}};
  }
  auto abstand = [&](std::int64_t k2) {
    return k2 >= 0 && static_cast<std::size_t>(k2) <= n ? r.abstand[static_cast<std::size_t>(k2)] : swAbstand;
  };
  for (const Bein& bein : beine) {
    std::vector<const TBogen*> kette = {bein.aussen};
    if (BogenLaenge(bein.mitte) > 0) kette.push_back(bein.mitte);
    kette.push_back(bein.innen);
    const double innenLaenge = BogenLaenge(bein.innen) + BogenLaenge(bein.mitte);
    const std::int64_t anzahl = Anzahl((innenLaenge + bein.paarlaenge - xWeg - bein.endabst) / swAbstand);
    std::vector<TLinienpunkt> punkte;
    std::size_t glied = 0;
    double q = bein.endabst;
    for (std::int64_t j = 0; j < anzahl; ++j) {
      double rho = 0;
      const TLinienpunkt start = Einstieg(*kette[glied], bein.vorwaerts, rho);
      punkte.push_back(Sehnenpunkt(start.x, start.y, start.w, rho, q));
      q += abstand(static_cast<std::int64_t>(n) - j) / cosHalb;
      if (glied == 0 && q > bein.aussen->Laenge() && bein.zungen) {
        *bein.rest = q - bein.aussen->Laenge();
        if (bein.paarlaenge == 0) punkte.clear();
        break;
      }
      while (glied + 1 < kette.size() && q > kette[glied]->Laenge()) q -= kette[glied++]->Laenge();
    }
    const bool kuerzen =
        !weiche || xWeg + swAbstand >= innenLaenge || (Null(BogenLaenge(bein.mitte)) && z.t == bein.tOhneZungen);
    for (std::size_t j = 0; j < punkte.size(); ++j) {
      double laenge = swLaenge;
      if (kuerzen && j + 1 == punkte.size()) laenge = 0.85 * swLaenge;
      else if (kuerzen && j + 2 == punkte.size()) laenge = 0.88 * swLaenge;
      Anhaengen(aus, KrSwUmriss(punkte[j].x, punkte[j].y, punkte[j].w, laenge, swBreite, 0, 0, 0, 0));
    }
  }
  if (!weiche) return;
  for (const Bein& bein : beine) {
    if (!bein.beruehrt || bein.mitte == nullptr) continue;
    // The blade region continues the rhythm of the single sleepers up to the common ones; the
    // remainder is the one the last walk with blades on this leg left (0 at first).
    const bool ohneAussen = Null(bein.aussen->Laenge());
    const double vorlauf = ohneAussen ? bein.endabst : swAbstand - *bein.rest;
    const double bereich = BogenLaenge(bein.innen) + BogenLaenge(bein.mitte) - xWeg - vorlauf;
    if (bereich < 0) continue;
    const std::int64_t anzahl = Anzahl(bereich / swAbstand);
    const double teilung = anzahl > 0 ? bereich / static_cast<double>(anzahl) : 0.0;
    const TBogen& m = *bein.mitte;
    const TLinienpunkt start = bein.vorwaerts ? TLinienpunkt{m.XAnf(), m.YAnf(), m.WAnf()}
                                              : TLinienpunkt{m.XEnde, m.YEnde, m.WEnde + Pi};
    const double rStrich = Gegen(k.Radius());
    double rb = (seite == 1 ? z.zwLinks : z.zwRechts)->AnfRadius();
    if (IstGerade(rb)) rb = z.zwMitte->AnfRadius();
    double rhoB = MittlererRadius(Gegen(rb), rStrich);
    if (bein.kreuzungsgleis) rhoB = Gegen(rhoB);
    double q = ohneAussen ? bein.endabst : teilung - *bein.rest;
    for (std::int64_t j = 0; j < anzahl; ++j, q += teilung) {
      const double y = KrSwVersatz(q, rStrich, rhoB);
      const TLinienpunkt pkt = Sehnenpunkt(start.x, start.y, start.w, rhoB, q);
      const double laenge = (2.0 * y + swLaenge) * (j + 2 >= anzahl ? 0.9 : 1.0);
      Anhaengen(aus, KrSwUmriss(pkt.x, pkt.y, pkt.w, laenge, swBreite, 0, 0, 3, 0));
    }
  }
}

}  // namespace

void TKreuzung::KrSchwellenplan(int seite) {
  TSchwellenARR& aus = seite == 0 ? SwUmrisseB : SwUmrisseA;
  aus.clear();
  const double d = KrSwAbst;
  if (!Vollstaendig() || !(d > 0) || !std::isfinite(d)) return;
  const TSchwellenZweig z = SchwellenZweig();
  const Bezugslinie linie = LinieBestimmen(*this, z, seite);
  const Schwellenreihe reihe = ReiheBestimmen(*this, z, linie);
  GemeinsameLegen(*this, z, seite, linie, reihe, aus);
  EinzelneLegen(*this, z, seite, reihe, aus);
}

}  // namespace trm
