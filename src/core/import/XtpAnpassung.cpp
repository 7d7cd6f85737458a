// Laying a turnout's routes onto the arc pairs: the first pair shares one tangent length T, the
// second pair is either one radius for both or a straight main beside a free branch radius,
// the third pair is free. Every layout that the routes allow is tried; the first whose computed
// ends meet the file's is taken.
#include "core/import/XtpAnpassung.h"

#include <array>
#include <cmath>
#include <memory>
#include <stdexcept>
#include <vector>

#include "core/model/Anlage.h"
#include "core/model/Fehler.h"
#include "core/model/Geometrie.h"
#include "core/model/Gleis.h"
#include "core/model/Modul.h"
#include "core/turnouts/Weiche.h"

namespace trm {

namespace {

using Stuecke = std::vector<XtpStueck>;
const XtpStueck Leer{0, Unendlich};

/// Tangent length of a whole piece: half a straight, |R|·tan(θ/2) of an arc below half a turn.
double Tangente(const XtpStueck& s) {
  if (s.Gerade()) return s.laenge / 2;
  const double theta = s.laenge / std::fabs(s.radius);
  return theta < Pi ? std::fabs(s.radius) * std::tan(theta / 2) : Unendlich;
}

/// The first `T` of tangent length of a piece, and what is left of it.
std::pair<XtpStueck, XtpStueck> Teilen(const XtpStueck& s, double T) {
  const double l = s.Gerade() ? 2 * T : 2 * std::fabs(s.radius) * std::atan(T / std::fabs(s.radius));
  if (l >= s.laenge - 1e-9) return {s, Leer};
  return {{l, s.radius}, {s.laenge - l, s.radius}};
}

/// Where the pieces after the first pair go: second and third pair.
std::vector<std::array<XtpStueck, 2>> Plaetze(const Stuecke& rest) {
  if (rest.empty()) return {{Leer, Leer}};
  if (rest.size() == 1) return {{rest[0], Leer}, {Leer, rest[0]}};
  if (rest.size() == 2) return {{rest[0], rest[1]}};
  return {};
}

/// The six segments of a layout: stamm[k], zweig[k] for pairs 1..3, and the tangent length.
struct Belegung {
  std::array<XtpStueck, 3> s{Leer, Leer, Leer}, z{Leer, Leer, Leer};
  double T = 0;
};

std::vector<Belegung> Belegungen(const Stuecke& stamm, const Stuecke& zweig) {
  std::vector<Belegung> ergebnis;
  if (stamm.empty() || zweig.empty()) return ergebnis;
  // First pair: the first pieces up to the shorter tangent, or nothing.
  const double t = std::min(Tangente(stamm[0]), Tangente(zweig[0]));
  for (double T : {t, 0.0}) {
    if (!std::isfinite(T)) continue;
    Belegung b;
    b.T = T;
    Stuecke rs(stamm.begin(), stamm.end()), rz(zweig.begin(), zweig.end());
    if (T > 0) {
      auto [s1, s] = Teilen(stamm[0], T);
      auto [z1, z] = Teilen(zweig[0], T);
      b.s[0] = s1;
      b.z[0] = z1;
      rs.erase(rs.begin());
      rz.erase(rz.begin());
      if (s.laenge > 0) rs.insert(rs.begin(), s);
      if (z.laenge > 0) rz.insert(rz.begin(), z);
    }
    for (const auto& ps : Plaetze(rs))
      for (const auto& pz : Plaetze(rz)) {
        b.s[1] = ps[0];
        b.s[2] = ps[1];
        b.z[1] = pz[0];
        b.z[2] = pz[1];
        ergebnis.push_back(b);
      }
  }
  return ergebnis;
}

/// The turnout of layout b, or none where the second pair cannot hold its pieces.
std::unique_ptr<TEWeiche> Weiche(const Belegung& b, const XtpWeichenform& f) {
  auto w = std::make_unique<TEWeiche>();
  // The side: how the first arc of the first pair turns, else where the branch ends.
  bool rechts = f.zweigEnde.y < 0;
  if (!b.z[0].Gerade() && b.z[0].laenge > 0) rechts = b.z[0].radius < 0;
  else if (!b.s[0].Gerade() && b.s[0].laenge > 0) rechts = b.s[0].radius < 0;
  const double zweigSeite = rechts ? -1.0 : 1.0;  // the way the branch leaves (ErstesPaar)
  if (rechts) w->SetRechts();
  else w->SetLinks();

  w->TangLaenge = b.T;
  w->SetStammRadius1(b.s[0].laenge > 0 ? b.s[0].radius : Unendlich);
  w->SetZweigRadius1(b.z[0].laenge > 0 ? b.z[0].radius : Unendlich);
  if (!b.s[1].Gerade() && b.s[1].laenge > 0) {
    // One radius for both, turning the way the branch leaves.
    if (b.z[1].laenge > 0 && std::fabs(b.z[1].radius - b.s[1].radius) > 1e-4) return nullptr;
    w->SetRadius2(b.s[1].radius * zweigSeite);
  } else {
    w->SetRadius2(Unendlich);
    w->SetZweigRadius2(b.z[1].radius);
  }
  w->SetStammLaenge2(b.s[1].laenge);
  w->SetZweigLaenge2(b.z[1].laenge);
  w->SetStammRadius3(b.s[2].radius);
  w->SetZweigRadius3(b.z[2].radius);
  w->SetStammLaenge3(b.s[2].laenge);
  w->SetZweigLaenge3(b.z[2].laenge);

  // The basic form as the data window shows it: the branch's (first) arc and the angle between
  // the two ends.
  w->Winkel = std::fabs(Winkeldifferenz(f.zweigEnde.w - f.stammEnde.w));
  double radius = Unendlich;
  for (const XtpStueck& s : f.zweig)
    if (!s.Gerade()) {
      radius = std::fabs(s.radius);
      break;
    }
  w->SetRadius(radius);
  return w;
}

bool Trifft(const TGleis& g, const XtpEndlage& e) {
  return Abstand(g.XEnde(), g.YEnde(), e.x, e.y) <= XtpLageToleranz &&
         std::fabs(Winkeldifferenz(g.WEnde() - e.w)) <= XtpRichtungToleranz;
}

/// Reads the record back into a layout of its own, places it at the origin along +x and
/// compares its ends with the file's.
bool Passt(const Zeilen& satz, const XtpWeichenform& f) {
  Anlage a(std::make_shared<MersenneZufall>(1));
  TModul* m = a.ModulAnhaengen();
  a.ModulWaehlen(0);
  std::size_t i = 0;
  try {
    TEWeiche* w = WeicheHinzufuegen(*m, TEWeiche::AusSatz(*m, satz, i, 1));
    return w->Vollstaendig() && Trifft(*w->Stammgleis(), f.stammEnde) && Trifft(*w->Zweiggleis(), f.zweigEnde);
  } catch (const std::runtime_error&) {
    return false;  // a record that does not read back
  }
}

std::optional<Zeilen> Versuchen(const XtpWeichenform& f, const std::string& name, double maxSwLaenge) {
  for (const Belegung& b : Belegungen(f.stamm, f.zweig)) {
    auto w = Weiche(b, f);
    if (!w) continue;
    w->Name = name;
    w->MaxSwLaenge = maxSwLaenge;
    Zeilen satz;
    try {
      w->TypSchreiben(satz);
    } catch (const SchreibFehler&) {
      continue;
    }
    if (Passt(satz, f)) return satz;
  }
  return std::nullopt;
}

}  // namespace

std::optional<Zeilen> XtpWeichentyp(const XtpWeichenform& f, const std::string& name, double maxSwLaenge) {
  if (auto satz = Versuchen(f, name, maxSwLaenge)) return satz;
  if (!f.gebogen) return std::nullopt;
  // A curved turnout may fit with its routes the other way round.
  XtpWeichenform g = f;
  std::swap(g.stamm, g.zweig);
  std::swap(g.stammEnde, g.zweigEnde);
  return Versuchen(g, name, maxSwLaenge);
}

}  // namespace trm
