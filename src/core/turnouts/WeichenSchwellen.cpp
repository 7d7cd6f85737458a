// The sleeper plan of a turnout: the automatic plan, centre points, outlines and checks.
#include "core/turnouts/WeichenSchwellen.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "core/model/Anlage.h"
#include "core/model/Bogen.h"
#include "core/model/Geometrie.h"
#include "core/model/Modul.h"
#include "core/model/Zahlformat.h"

namespace trm {

namespace {

/// The allowance of the plan loops: a sleeper may lie this fraction beyond its segment.
constexpr double kZugabe = 1.0005;

/// "Count": the nearest whole number (halves to even), at least 1; none when it is not a number
/// or more than a plan may hold.
std::optional<std::int64_t> Anzahl(double x) {
  if (std::isnan(x) || x > static_cast<double>(MaxSchwellen)) return std::nullopt;
  return std::max<std::int64_t>(1, RundenGerade(x));
}

/// A double-sleeper number D (plan index of the sleeper that touches its predecessor); 0, a
/// negative or a missing number is none (-1).
std::int64_t Doppel(const TIndexDoppelSw& d, std::size_t k) {
  return k < d.size() && d[k] > 0 ? d[k] : -1;
}

double Massstab(const TEWeiche& w) {
  return w.Modul && w.Modul->Anlage_ ? w.Modul->Anlage_->Massstab : 87.0;
}

/// Fan-shaped position on an arc of radius r for the position x along the tangent.
double Faecher(double x, double r) {
  return std::isinf(r) ? x : 2.0 * r * std::atan(x / (2.0 * r));
}

bool Endlich(const TSchwellenpaare& p) {
  for (const auto& paar : p)
    for (const TPaar& e : paar)
      if (!std::isfinite(e.x) || !std::isfinite(e.y)) return false;
  return true;
}

TSchwellenpunkt Kein() { return {-1, -1, -1, false}; }

}  // namespace

double DmAbrunden(double x, double massstab) {
  if (!(massstab > 0) || !std::isfinite(massstab)) return x;
  return std::floor(x * massstab / 100.0) * 100.0 / massstab;
}

double DmRunden(double x, double massstab) {
  if (!(massstab > 0) || !std::isfinite(massstab)) return x;
  return static_cast<double>(RundenGerade(x * massstab / 100.0)) * 100.0 / massstab;
}

TSchwellenplan Schwellenplan(const TEWeiche& w) {
  return {{w.SwAbst1, w.SwAbst2, w.SwAbst3}, w.SwLaengen, w.SenkrechtBis};
}

double SenkrechtAufZweig(double x, double rs, double rz) {
  // The normal does not always meet the branch (a tight branch, a long main): the sine is then
  // taken at its limit, the furthest point the normal can reach.
  auto asinK = [](double s) { return std::asin(std::clamp(s, -1.0, 1.0)); };
  if (std::isinf(rz)) return std::isinf(rs) ? x : rs * std::tan(x / rs);
  if (std::isinf(rs)) return rz * asinK(x / rz);
  const double f = x / rs;
  return rz * (f + asinK(std::sin(f) * (rs - rz) / rz));
}

TSchwellenpaare SchwellenplanAuto(const TEWeiche& w) {
  if (!w.Vollstaendig()) return {};
  const double a = w.SwAbst();
  const double breite = w.SwBrt();
  if (!(a > 0) || !std::isfinite(a)) return {};
  const std::int64_t d1 = Doppel(w.IndexDoppelSw, 0), d2 = Doppel(w.IndexDoppelSw, 1);
  auto istDoppel = [&](std::int64_t i) { return i == d1 || i == d2; };
  const double S1 = w.Stammbogen(1)->Laenge(), S2 = w.Stammbogen(2)->Laenge(),
               S3 = w.Stammbogen(3)->Laenge();
  const double Z1 = w.Zweigbogen(1)->Laenge(), Z3 = w.Zweigbogen(3)->Laenge();
  const double RS = w.StammRadius1(), RZ = w.ZweigRadius1();
  const double rS1 = std::fabs(w.Stammbogen(1)->AnfRadius()),
               rZ1 = std::fabs(w.Zweigbogen(1)->AnfRadius());
  TSchwellenpaare plan;
  std::size_t gesamt = 0;
  // Every loop ends by its own rule; the bound only keeps a plan of absurd values finite.
  auto voll = [&] { return ++gesamt > MaxSchwellen; };

  // Arc pair 1.
  {
    double PS = S1 - w.AnfAbst1 - w.EndAbst1, PZ = Z1 - w.AnfAbst1 - w.EndAbst1;
    const auto anzahl = Anzahl(PS / a);
    if (!anzahl) return {};
    const std::int64_t n = *anzahl;
    for (std::int64_t d : {d1, d2})
      if (d > 0 && n >= d) {
        PS -= breite;
        PZ -= breite;
      }
    double cS = PS / static_cast<double>(n), cZ = PZ / static_cast<double>(n);
    double remS = PS, remZ = PZ, summe = 0, posS = 0, posZ = 0, g = 0;
    std::int64_t uebrig = n;
    for (std::int64_t i = 0; (S1 - g) * kZugabe >= summe; ++i) {
      bool regulaer = true;
      double o;
      if (i < w.SenkrechtBis) {
        g = cS;
        o = SenkrechtAufZweig(posS + g, RS, RZ) - posZ;
      } else {
        g = std::isinf(rS1) ? cS : Faecher(posS + cS, rS1) - posS;
        o = std::isinf(rZ1) ? cZ : Faecher(posS + cS, rZ1) - posZ;
      }
      if (i == 0) {
        g = o = w.AnfAbst1;
        regulaer = false;
      }
      if (i > 0 && istDoppel(i)) {
        g = o = breite;
        regulaer = false;
      }
      // A step that does not advance (a segment too short for its distances, a fan past its
      // arc) would never end the loop: the pair ends there.
      if (regulaer && !(g > 0)) break;
      if (regulaer) {
        remS -= g;
        remZ -= o;
        if (--uebrig > 0) {
          cS = remS / static_cast<double>(uebrig);
          cZ = remZ / static_cast<double>(uebrig);
        }
      }
      if (voll()) return {};
      summe += g;
      posS += g;
      posZ += o;
      plan[0].push_back({g, o});
    }
  }

  // Arc pair 2: both tracks take the same distances.
  {
    const auto N1 = static_cast<std::int64_t>(plan[0].size());
    double P = S2 - w.AnfAbst2 - w.EndAbst2;
    const auto anzahl = Anzahl(P / a);
    if (!anzahl) return {};
    const std::int64_t n = *anzahl;
    for (std::int64_t d : {d1, d2})
      if (N1 < d && d <= N1 + n) P -= breite;
    const double c = S2 > 0 ? P / static_cast<double>(n) : 0.0;
    double summe = 0, g = 0;
    for (std::int64_t j = 0; (S2 - g) * kZugabe > summe; ++j) {
      bool regulaer = j > 0;
      g = c;
      if (j == 0) g = w.AnfAbst2;
      if (istDoppel(N1 + j)) {
        g = breite;
        regulaer = false;
      }
      // Start and end distance longer than the pair: one sleeper just beyond it.
      if (S2 * kZugabe < w.AnfAbst2 + w.EndAbst2) {
        g = S2 + 1;
        regulaer = false;
      }
      if (regulaer && !(g > 0)) break;
      if (voll()) return {};
      summe += g;
      plan[1].push_back({g, g});
    }
  }

  // Arc pair 3: each track its own spacing; a track that has ended gets the marker.
  {
    const auto N12 = static_cast<std::int64_t>(plan[0].size() + plan[1].size());
    double PS = S3 - w.AnfAbst3 - w.EndAbst3, PZ = Z3 - w.AnfAbst3 - w.EndAbst3;
    if (PS < 0.001) PS = w.AnfAbst3;
    if (PZ < 0.001) PZ = w.AnfAbst3;
    const auto nS = Anzahl(PS / a), nZ = Anzahl(PZ / a);
    if (!nS || !nZ) return {};
    for (std::int64_t d : {d1, d2}) {
      if (N12 < d && d <= N12 + *nS) PS -= breite;
      if (N12 < d && d <= N12 + *nZ) PZ -= breite;
    }
    const double cS = S3 > 0 ? PS / static_cast<double>(*nS) : 0.0;
    const double cZ = Z3 > 0 ? PZ / static_cast<double>(*nZ) : 0.0;
    double remS = S3, remZ = Z3, summe = 0, g = 0;
    for (std::int64_t k = 0; std::max(S3, Z3) - g > summe; ++k) {
      g = cS;
      double o = cZ;
      bool regulaer = k > 0;
      if (k == 0) g = o = w.AnfAbst3;
      if (istDoppel(N12 + k)) {
        g = o = breite;
        regulaer = false;
      }
      if (regulaer && !(std::max(g, o) > 0)) break;
      summe += std::max(g, o);
      remS -= g;
      remZ -= o;
      // A track of length 0 (or one used up) does not advance: no sleeper stacked on the last.
      if (remS < 0 || (regulaer && !(g > 0))) g = KeineSchwelle;
      if (remZ < 0 || (regulaer && !(o > 0))) o = KeineSchwelle;
      if (voll()) return {};
      plan[2].push_back({g, o});
    }
  }
  return Endlich(plan) ? plan : TSchwellenpaare{};
}

TSchwellenmitten Schwellenmitten(const TEWeiche& w, const TSchwellenpaare& p) {
  TSchwellenmitten m;
  if (!w.Vollstaendig()) return m;
  for (const bool stamm : {true, false}) {
    const bool rueckwaerts =
        stamm ? w.Anschluss == AnschlussStammEnde : w.Anschluss == AnschlussZweig;
    TSchwellenpunkte& punkte = stamm ? m.Stamm : m.Zweig;
    for (int k = 1; k <= 3; ++k) {
      const TBogen& b = stamm ? *w.Stammbogen(k) : *w.Zweigbogen(k);
      double x, y, h, r;
      if (rueckwaerts) {
        x = b.XEnde;
        y = b.YEnde;
        h = b.WEnde + Pi;
        r = std::isinf(b.AnfRadius()) ? b.AnfRadius() : -b.AnfRadius();
      } else {
        x = b.XAnf();
        y = b.YAnf();
        h = b.WAnf();
        r = b.AnfRadius();
      }
      bool zuEnde = false;
      for (const TPaar& e : p[static_cast<std::size_t>(k - 1)]) {
        const double s = stamm ? e.x : e.y;
        // A track that has ended in this pair does not start again.
        if (zuEnde || s < 0) {
          zuEnde = true;
          punkte.push_back(Kein());
          continue;
        }
        const double u = std::isinf(r) ? 0.0 : s / r;
        const double sehne = std::isinf(r) ? s : 2.0 * r * std::sin(u / 2.0);
        x += sehne * std::cos(h + u / 2.0);
        y += sehne * std::sin(h + u / 2.0);
        h += u;
        punkte.push_back({x, y, h, true});
      }
    }
  }
  return m;
}

namespace {

/// A sleeper of length u and width b centred on (x, y) whose width runs along direction t. Its
/// corners lie e = √((u/2)² + (b/2)²) from the centre along the long axis, as turnout sleepers
/// have always been drawn.
TSchwelle Legen(double x, double y, double t, double u, double b, std::size_t index,
                Schwellenlage lage) {
  const double e = std::sqrt(u * u / 4.0 + b * b / 4.0);
  const double ax = std::sin(t) * e, ay = -std::cos(t) * e;
  const double bx = std::cos(t) * b / 2.0, by = std::sin(t) * b / 2.0;
  TSchwelle s;
  s.Ecken = {TPaar{x - ax + bx, y - ay + by}, TPaar{x - ax - bx, y - ay - by},
             TPaar{x + ax - bx, y + ay - by}, TPaar{x + ax + bx, y + ay + by}};
  s.Index = index;
  s.Lage = lage;
  s.Laenge = u;
  return s;
}

}  // namespace

std::vector<TSchwelle> SchwellenLegen(const TEWeiche& w, const TSchwellenmitten& m,
                                      const TSwLen& laengen) {
  std::vector<TSchwelle> out;
  const double M = Massstab(w);
  const double L = w.SwLen(), b = w.SwBrt(), Lmax = w.MaxSwLaenge, k = w.Korrekturfaktor;
  const std::size_t n = std::min(m.Stamm.size(), m.Zweig.size());
  out.reserve(2 * n);
  for (std::size_t i = 0; i < n; ++i) {
    const TSchwellenpunkt& ps = m.Stamm[i];
    const TSchwellenpunkt& pz = m.Zweig[i];
    const bool benutzer = i < laengen.size() && laengen[i].x < 0;
    auto laenge = [&](double automatisch) { return benutzer ? laengen[i].y : automatisch; };
    if (!ps.Gueltig && !pz.Gueltig) continue;
    if (!ps.Gueltig || !pz.Gueltig) {
      // The other track has ended: the single sleeper of normal length.
      const TSchwellenpunkt& p = ps.Gueltig ? ps : pz;
      out.push_back(Legen(p.x, p.y, p.w, laenge(DmRunden(L, M)), b, i,
                          ps.Gueltig ? Schwellenlage::Stamm : Schwellenlage::Zweig));
      continue;
    }
    const double d = std::hypot(ps.x - pz.x, ps.y - pz.y);
    if (L + d <= Lmax || std::fabs(L + d - Lmax) <= 1e-16 * std::fabs(Lmax)) {
      // The common sleeper lies along the line from one centre point to the other.
      double t;
      const double masz = std::max({1.0, std::fabs(ps.x), std::fabs(ps.y)});
      if (i == 0 || d <= 1e-9 * masz)
        t = ps.w;
      else if (std::fabs(pz.y - ps.y) <= 1e-12 * masz)
        t = Pi / 2.0;
      else
        t = std::atan((ps.x - pz.x) / (pz.y - ps.y));
      out.push_back(Legen((ps.x + pz.x) / 2.0, (ps.y + pz.y) / 2.0, t,
                          laenge(DmAbrunden(0.975 * (L + d), M)), b, i, Schwellenlage::Gemeinsam));
      continue;
    }
    const bool kurz = d < L && std::fabs(d - L) > 1e-16 * std::fabs(L);
    const double u = laenge(kurz ? DmAbrunden(d, M) * k : DmRunden(L, M));
    out.push_back(Legen(ps.x, ps.y, ps.w, u, b, i, Schwellenlage::Stamm));
    out.push_back(Legen(pz.x, pz.y, pz.w, u, b, i, Schwellenlage::Zweig));
  }
  return out;
}

void ZweigAbstaendeNeu(const TEWeiche& w, TSchwellenplan& p) {
  if (!w.Vollstaendig()) return;
  const double rZ1 = std::fabs(w.Zweigbogen(1)->AnfRadius());
  double posS = 0, posZ = 0;
  for (std::size_t i = 0; i < p.Paare[0].size(); ++i) {
    TPaar& e = p.Paare[0][i];
    if (!(e.x >= 0)) continue;
    double o;
    if (i == 0)
      o = e.x;
    else if (static_cast<std::int64_t>(i) < p.SenkrechtBis)
      o = SenkrechtAufZweig(posS + e.x, w.StammRadius1(), w.ZweigRadius1()) - posZ;
    else
      o = Faecher(posS + e.x, rZ1) - posZ;
    if (!std::isfinite(o)) o = e.x;
    e.y = o;
    posS += e.x;
    posZ += o;
  }
  for (TPaar& e : p.Paare[1]) e.y = e.x;
  for (TPaar& e : p.Paare[2])
    if (e.x >= 0 && e.y >= 0) e.y = e.x;
}

bool SchwellenplanPasst(const TEWeiche& w, const TSchwellenpaare& p) {
  if (!w.Vollstaendig()) return true;
  for (int k = 1; k <= 3; ++k) {
    double s = 0, z = 0;
    for (const TPaar& e : p[static_cast<std::size_t>(k - 1)]) {
      if (e.x > 0) s += e.x;
      if (e.y > 0) z += e.y;
    }
    // The automatic plan itself reaches a little beyond: its last sleeper by the loops'
    // allowance, perpendicular sleepers past the branch's end, and pair 2 by 1 mm when its
    // distances are longer than the pair. Only a plan clearly longer counts as not fitting.
    const double laenge = std::max(w.Stammbogen(k)->Laenge(), w.Zweigbogen(k)->Laenge());
    if (std::max(s, z) > laenge * 1.02 + 1.0) return false;
  }
  return true;
}

// ---- the turnout's own plan ----

void TEWeiche::SchwellenplanBerechnen() {
  const TSchwellenpaare p = SchwellenplanAuto(*this);
  SwAbst1 = p[0];
  SwAbst2 = p[1];
  SwAbst3 = p[2];
}

void TEWeiche::SchwellenpunkteBerechnen() {
  const TSchwellenmitten m = Schwellenmitten(*this, {SwAbst1, SwAbst2, SwAbst3});
  // An empty list of user lengths gets one (0, 0) pair per sleeper index: no length fixed.
  if (SwLaengen.empty()) SwLaengen.assign(std::min(m.Stamm.size(), m.Zweig.size()), TPaar{0, 0});
  SwPolygone.clear();
  for (const TSchwelle& s : SchwellenLegen(*this, m, SwLaengen)) SwPolygone.push_back(s.Ecken);
  SwPunkteStamm = m.Stamm;
  SwPunkteZweig = m.Zweig;
}

}  // namespace trm
