// Turnouts: basic-form formulas, forms, segment geometry for every connection mode and side,
// turning, records (type and layout) with their round trips and bad lines, propagation
// through a turnout, and deleting a turnout with tracks attached.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <set>

#include "Pruefhilfe.h"
#include "core/model/Anlage.h"
#include "core/model/Fehler.h"
#include "core/model/Neuberechnung.h"
#include "core/model/Satz.h"
#include "core/model/Verbindungen.h"
#include "core/model/Zahlformat.h"
#include "Testelement.h"
#include "Testplan.h"
#include "core/turnouts/Weiche.h"
#include "core/turnouts/WeichenRadien.h"

namespace trm {
namespace {

const double kAlpha = std::atan(1.0 / 9.0);
// 500·tan(α/2) with tan(α/2) = sin α / (1 + cos α) = 1 / (√82 + 9).
const double kT = 500.0 / (std::sqrt(82.0) + 9.0);

using test::FesteZahlen;

/// The 44 lines of a basic-form turnout R 500, 1:9, with a straight second pair of 20 mm.
Zeilen Grundsatz() {
  return {"EW 500 1:9",
          "500",
          RealText(kAlpha),
          "3",
          "255",
          "00000",
          "-1",
          "-1",
          "-1",
          "2",
          "5#9#",
          "0",
          "0",
          "0",
          "0",
          "0",
          "500",
          "0",
          "0",
          RealText(kT),
          "20",
          "0",
          "20",
          "0",
          "7,5#7,5#7,5#7,6#",
          "",
          "7,5#7,5#",
          "1,5",
          "0",
          "0",
          "0,5",
          "0",
          "0",
          "0#0#0#0#",
          "00",
          "-1",
          "1",
          "-1",
          "36",
          "NIL",
          "0",
          "0",
          "0",
          "0"};
}

struct Plan : test::Testplan {
  using Testplan::Testplan;
  /// Reads a record, computes the turnout and adds it to the module.
  TEWeiche* Weiche(Zeilen z = Grundsatz()) {
    std::size_t i = 0;
    auto w = TEWeiche::AusSatz(*m, z, i, 4242);
    EXPECT_EQ(i, ZeilenWeiche);
    return WeicheHinzufuegen(*m, std::move(w));
  }
  TGleis* Gleis(std::int32_t nr, double laenge, double x = 0, double y = 0) {
    return Testplan::Gleis(nr, {laenge}, x, y);
  }
};

Zeilen Mit(Zeilen z, std::size_t zeile, const std::string& text) {
  z[zeile - 1] = text;
  return z;
}

TEST(WeichenRadien, Grundform) {
  EXPECT_NEAR(kT, 27.6925690687083, 1e-12);
  EXPECT_NEAR(Tangente(500, kAlpha), kT, 1e-12);
  EXPECT_NEAR(Tangente(-500, kAlpha), kT, 1e-12);
  EXPECT_DOUBLE_EQ(Bogenlaenge(10, Unendlich), 20);
  EXPECT_NEAR(Bogenlaenge(kT, 500), 500 * kAlpha, 1e-12);
  EXPECT_NEAR(Bogenlaenge(kT, -500), 500 * kAlpha, 1e-12);
  EXPECT_TRUE(std::isinf(PaarRadius(false, kAlpha, 500, kT)));  // main of the basic form
  EXPECT_NEAR(PaarRadius(true, kAlpha, 0, kT), 500, 1e-9);
  EXPECT_NEAR(PaarRadius(false, kAlpha, 0, kT), -500, 1e-9);
  // Inner curve: main 800 turns 2·atan(T/800) = 0,069204; the branch α more on the same T.
  EXPECT_NEAR(PaarRadius(true, kAlpha, 800, kT), 307.102401244904, 1e-9);
  EXPECT_NEAR(PaarRadius(true, kAlpha, -800, kT), 1335.88959460542, 1e-9);
  EXPECT_NEAR(NeigungAusWinkel(kAlpha), 9, 1e-12);
  EXPECT_DOUBLE_EQ(WinkelAusNeigung(9), kAlpha);
}

TEST(Weiche, BeziehungenDerGrundform) {
  Plan p;
  TEWeiche w(p.m);
  EXPECT_FALSE(w.NeigungAendern(9));  // no tangent from an infinite radius
  w.SetRadius(500);
  ASSERT_TRUE(w.NeigungAendern(9));
  EXPECT_NEAR(w.TangLaenge, kT, 1e-12);
  ASSERT_TRUE(w.GrundradiusAendern(500));
  EXPECT_NEAR(w.TangLaenge, kT, 1e-12);
  EXPECT_TRUE(std::isinf(w.StammRadius1()));
  EXPECT_NEAR(w.ZweigRadius1(), 500, 1e-9);
  EXPECT_EQ(w.Weichenform(), FormEinfach);

  ASSERT_TRUE(w.StammRadius1Aendern(800));
  EXPECT_NEAR(w.ZweigRadius1(), 307.102401244904, 1e-9);
  EXPECT_EQ(w.Weichenform(), FormInnenbogen);
  ASSERT_TRUE(w.ZweigRadius1Aendern(1335.88959460542));
  EXPECT_NEAR(w.StammRadius1(), -800, 1e-6);
  EXPECT_EQ(w.Weichenform(), FormAussenbogen);
  ASSERT_TRUE(w.ZweigRadius1Aendern(0));  // back to the basic form
  EXPECT_TRUE(std::isinf(w.StammRadius1()));
  EXPECT_NEAR(w.ZweigRadius1(), 500, 1e-9);

  ASSERT_TRUE(w.TangenteAendern(kT));
  EXPECT_NEAR(w.Winkel, kAlpha, 1e-15);
  // An infinite basic radius would give an infinite tangent: refused, nothing changes.
  EXPECT_FALSE(w.GrundradiusAendern(0));
  EXPECT_DOUBLE_EQ(w.Radius(), 500);
  EXPECT_NEAR(w.TangLaenge, kT, 1e-12);
}

TEST(Weiche, FormAusDenRadienDesErstenPaars) {
  TEWeiche w;
  w.SetStammRadius1(500);
  w.SetZweigRadius1(800);
  EXPECT_EQ(w.Weichenform(), 1);
  w.SetZweigRadius1(-800);
  EXPECT_EQ(w.Weichenform(), 2);
  w.SetStammRadius1(0);  // radius rule: straight
  EXPECT_EQ(w.Weichenform(), 0);
  w.SetStammLaenge3(-5);  // length rule
  EXPECT_EQ(w.StammLaenge3(), 0);
}

TEST(Weiche, GrundformErzeugtSechsBoegen) {
  Plan p;
  TEWeiche* w = p.Weiche();
  ASSERT_EQ(p.m->Gleise.size(), 2u);
  TGleis* s = w->Stammgleis();
  TGleis* z = w->Zweiggleis();
  EXPECT_EQ(s->Name + z->Name, "StammgleisZweiggleis");
  EXPECT_TRUE(s->IstWeichengleis() && z->IstWeichengleis());
  EXPECT_EQ(s->Element, w);
  EXPECT_EQ(z->Element, w);
  EXPECT_EQ(p.m->AktuellesGleis(), s);
  EXPECT_EQ(s->AktuellerBogen(), w->Stammbogen(1));
  EXPECT_TRUE(w->Stammbogen(1)->Markiert);
  const char* namen[] = {"Stammbogen 1", "Stammbogen 2", "Stammbogen 3",
                         "Zweigbogen1",  "Zweigbogen 2", "Zweigbogen 3"};
  for (int k = 1; k <= 3; ++k) {
    EXPECT_EQ(w->Stammbogen(k)->Name, namen[k - 1]);
    EXPECT_EQ(w->Zweigbogen(k)->Name, namen[k + 2]);
    EXPECT_EQ(w->Stammbogen(k)->Farbe, 255);
  }
  EXPECT_TRUE(std::isinf(w->Stammbogen(1)->AnfRadius()));
  EXPECT_NEAR(w->Stammbogen(1)->Laenge(), 2 * kT, 1e-12);
  EXPECT_EQ(w->Zweigbogen(1)->AnfRadius(), 500);
  EXPECT_EQ(w->Zweigbogen(1)->EndRadius(), 500);
  EXPECT_NEAR(w->Zweigbogen(1)->Laenge(), 500 * kAlpha, 1e-12);
  EXPECT_EQ(w->Zweigbogen(2)->Laenge(), 20);
  EXPECT_EQ(w->Stammbogen(3)->Laenge(), 0);
  // Gauge 0 in the record: both tracks take the module's.
  EXPECT_EQ(s->Eigen.Spur, 16.5);
  EXPECT_EQ(z->Eigen.SpurAussen, 18.5);
}

struct Ende {
  double xs, ys, xz, yz;
};

/// End points of main and branch track, start (0,0) in direction 0, the basic form with a
/// straight second pair of 20 mm, left-hand; worked from the tangent vertex of the arc.
Ende LinksEnde(std::uint8_t anschluss) {
  const double c = std::cos(kAlpha), s = std::sin(kAlpha);
  switch (anschluss) {
    case AnschlussStammAnfang:  // vertex (T,0); the branch leaves it at α
      return {2 * kT + 20, 0, kT + kT * c + 20 * c, kT * s + 20 * s};
    case AnschlussStammEnde:  // main 20 then 2T; the branch runs back west, turning left
      return {20 + 2 * kT, 0, 20 + kT - kT * c - 20 * c, -kT * s - 20 * s};
    default:  // branch 20 then turning right to (20+T+T·cos α, -T·sin α); the main back at π-α
      return {20 + kT - kT * c - 20 * c, kT * s + 20 * s, 20 + kT + kT * c, -kT * s};
  }
}

TEST(Weiche, EndpunkteJeAnschlussUndSeite) {
  for (const char anschluss : {'0', '1', '2'})
    for (const char seite : {'0', '1'}) {
      SCOPED_TRACE(std::string("Optionen ") + anschluss + seite);
      Plan p;
      TEWeiche* w = p.Weiche(Mit(Grundsatz(), 6, std::string{anschluss, seite, '0', '0', '0'}));
      ModulBerechnen(*p.m);
      const Ende e = LinksEnde(w->Anschluss);
      const double spiegel = seite == '1' ? -1 : 1;  // a right-hand turnout is the mirror image
      EXPECT_NEAR(w->Stammgleis()->XEnde(), e.xs, 1e-9);
      EXPECT_NEAR(w->Stammgleis()->YEnde(), spiegel * e.ys, 1e-9);
      EXPECT_NEAR(w->Zweiggleis()->XEnde(), e.xz, 1e-9);
      EXPECT_NEAR(w->Zweiggleis()->YEnde(), spiegel * e.yz, 1e-9);
      EXPECT_EQ(w->XAnf, 0);
      EXPECT_EQ(w->YAnf, 0);
    }
}

TEST(Weiche, ReihenfolgeUndAngeschlossenesGleisBeimDrehen) {
  Plan p;
  TEWeiche* w = p.Weiche();
  TGleis* s = w->Stammgleis();
  TGleis* z = w->Zweiggleis();
  w->Stammbogen(2)->SetSteigung(2);
  WeicheAktualisieren(*w);
  EXPECT_EQ(w->Zweigbogen(2)->Steigung(), 2);
  EXPECT_EQ(w->AngeschlossenesGleis(), s);
  EXPECT_EQ(s->Boegen.front().get(), w->Stammbogen(1));

  w->Drehen();
  WeicheAktualisieren(*w);
  EXPECT_EQ(w->Anschluss, AnschlussStammEnde);
  EXPECT_EQ(w->WOptionen, "10000");
  EXPECT_EQ(w->AngeschlossenesGleis(), s);
  EXPECT_EQ(s->Boegen.front().get(), w->Stammbogen(3));  // entered from its end
  EXPECT_EQ(s->AktuellerBogen(), w->Stammbogen(1));      // still the same segment
  EXPECT_EQ(w->Zweigbogen(2)->Steigung(), -2);
  EXPECT_NEAR(z->XAnf, s->XEnde(), 1e-12);
  EXPECT_NEAR(z->WAnf(), Pi, 1e-12);

  w->Drehen();
  WeicheAktualisieren(*w);
  EXPECT_EQ(w->Anschluss, AnschlussZweig);
  EXPECT_EQ(w->WOptionen, "20000");
  EXPECT_EQ(w->AngeschlossenesGleis(), z);
  EXPECT_EQ(z->Boegen.front().get(), w->Zweigbogen(3));
  EXPECT_EQ(z->XAnf, 0);
  EXPECT_EQ(w->Stammbogen(2)->Steigung(), 2);  // negated again from the branch's -2

  w->Drehen();
  EXPECT_EQ(w->Anschluss, AnschlussStammAnfang);
  EXPECT_EQ(w->WOptionen, "00000");

  w->RichtungWechseln();
  EXPECT_TRUE(w->IstRechts());
  w->RichtungWechseln();
  EXPECT_TRUE(w->IstLinks());
}

TEST(Weiche, AussenbogenweicheLinksAmStammgleisanfang) {
  Plan p;
  Zeilen z = Grundsatz();
  z[12] = "800";   // StammRadius1
  z[16] = "-500";  // ZweigRadius1: the product is negative, an outer-curve turnout
  TEWeiche* w = p.Weiche(z);
  ASSERT_EQ(w->Weichenform(), FormAussenbogen);
  EXPECT_EQ(w->Stammbogen(1)->AnfRadius(), -800);  // curves right
  EXPECT_EQ(w->Zweigbogen(1)->AnfRadius(), 500);   // curves left
  ModulBerechnen(*p.m);
  EXPECT_LT(w->Stammgleis()->WEnde(), 0);
  EXPECT_GT(w->Zweiggleis()->WEnde(), 0);
}

/// The turnout as seen from its switch point: main end and branch end in the frame of the
/// switch point's direction into the turnout, with their directions out of the turnout.
struct Gestalt {
  double xs, ys, ws, xz, yz, wz;
};

Gestalt GestaltVon(const TEWeiche& w) {
  const TGleis& s = *w.Stammgleis();
  const TGleis& z = *w.Zweiggleis();
  struct Ort {
    double x, y, w;
  } weiche, stamm{s.XEnde(), s.YEnde(), s.WEnde()}, zweig{z.XEnde(), z.YEnde(), z.WEnde()};
  switch (w.Anschluss) {
    case AnschlussStammAnfang:
      weiche = {s.XAnf, s.YAnf, s.WAnf()};
      break;
    case AnschlussStammEnde:  // the main track runs from its end to the switch point
      weiche = {s.XEnde(), s.YEnde(), s.WEnde() + Pi};
      stamm = {s.XAnf, s.YAnf, s.WAnf() + Pi};
      break;
    default:  // the branch track runs from its end to the switch point
      weiche = {z.XEnde(), z.YEnde(), z.WEnde() + Pi};
      zweig = {z.XAnf, z.YAnf, z.WAnf() + Pi};
      break;
  }
  auto winkel = [&](double a) { return std::remainder(a - weiche.w, 2 * Pi); };
  const TPunkt ps = PunktDrehen(stamm.x - weiche.x, stamm.y - weiche.y, -weiche.w, 0, 0);
  const TPunkt pz = PunktDrehen(zweig.x - weiche.x, zweig.y - weiche.y, -weiche.w, 0, 0);
  return {ps.x, ps.y, winkel(stamm.w), pz.x, pz.y, winkel(zweig.w)};
}

void ErwarteGestalt(const Gestalt& ist, const Gestalt& soll) {
  EXPECT_NEAR(ist.xs, soll.xs, 1e-9);
  EXPECT_NEAR(ist.ys, soll.ys, 1e-9);
  EXPECT_NEAR(ist.ws, soll.ws, 1e-12);
  EXPECT_NEAR(ist.xz, soll.xz, 1e-9);
  EXPECT_NEAR(ist.yz, soll.yz, 1e-9);
  EXPECT_NEAR(ist.wz, soll.wz, 1e-12);
}

/// Turnouts of every form with all three arc pairs curved: the basic form (main straight),
/// a simple turnout whose branch is straight, an inner-curve and an outer-curve turnout.
std::vector<Zeilen> GekruemmteWeichen(char anpassen) {
  std::vector<Zeilen> alle;
  for (const auto& [stamm, zweig] : {std::pair{"0", "500"}, std::pair{"-500", "0"},
                                     std::pair{"800", "307,102401244904"},
                                     std::pair{"-800", "1335,88959460542"}}) {
    Zeilen z = Mit(Grundsatz(), 13, stamm);
    z[16] = zweig;   // ZweigRadius1
    z[13] = "300";   // Radius2, over 20 mm
    z[14] = "1000";  // StammRadius3
    z[18] = "-1500"; // ZweigRadius3
    z[21] = "40";    // StammLaenge3
    z[23] = "30";    // ZweigLaenge3
    z[5] = std::string{'0', '0', anpassen, '0', '0'};
    alle.push_back(z);
  }
  return alle;
}

/// The end of an arc of signed radius r (infinite: straight) and length l from (x, y) in
/// direction w.
struct Lage {
  double x, y, w;
};
Lage Bogenende(Lage p, double r, double l) {
  if (std::isinf(r)) return {p.x + l * std::cos(p.w), p.y + l * std::sin(p.w), p.w};
  const double u = l / r;
  return {p.x + r * (std::sin(p.w + u) - std::sin(p.w)), p.y - r * (std::cos(p.w + u) - std::cos(p.w)), p.w + u};
}

/// Main and branch end of a stored turnout attached at (0, 0) along +x, worked out from the
/// tables of signs and the segment order of each connection.
struct Enden {
  Lage stamm, zweig;
};
Enden TabellenEnden(const Zeilen& satz) {
  const char anschluss = satz[5][0];
  const bool rechts = satz[5][1] == '1', anpassen = satz[5][2] == '1';
  auto radius = [&](std::size_t zeile) {
    const double r = TextReal(satz[zeile - 1]);
    return r == 0 ? Unendlich : r;
  };
  const double rS = radius(13), rZ = radius(17), r2 = radius(14), zr2 = radius(18), r3 = radius(15), zr3 = radius(19);
  const double T = TextReal(satz[19]), l2 = TextReal(satz[20]), l3s = TextReal(satz[21]), l3z = TextReal(satz[23]);
  const int form = std::isinf(rS) || std::isinf(rZ) ? 0 : rS * rZ > 0 ? 1 : 2;
  // Signs of the first pair (main, branch) by connection, direction and form.
  static const int tabelle[3][2][3][2] = {{{{1, 1}, {1, 1}, {-1, 1}}, {{1, -1}, {-1, -1}, {1, -1}}},
                                          {{{1, 1}, {-1, 1}, {1, 1}}, {{1, -1}, {1, -1}, {-1, -1}}},
                                          {{{1, -1}, {1, -1}, {-1, -1}}, {{1, 1}, {-1, 1}, {1, 1}}}};
  const int a = anschluss - '0';
  int vs = tabelle[a][rechts][form][0], vz = tabelle[a][rechts][form][1];
  if (rechts && form == 0 && std::isinf(rZ) && !std::isinf(rS)) {  // the mirror of the left-hand row
    vs = -tabelle[a][0][0][0];
    vz = -tabelle[a][0][0][1];
  }
  const double s1 = vs * std::fabs(rS), z1 = vz * std::fabs(rZ);
  const double zs = std::signbit(z1) ? -1 : 1;
  const double s2 = std::isinf(r2) ? r2 : (a == 0 ? r2 * zs : -r2 * zs), z2 = std::isinf(r2) ? zr2 : r2 * zs;
  const double s3 = std::isinf(r3) || !anpassen ? r3 : r3 * (std::signbit(s1) ? -1 : 1);
  const double z3 = std::isinf(zr3) || !anpassen ? zr3 : zr3 * (std::signbit(z1) ? -1 : 1);
  auto laenge1 = [&](double r) { return std::isinf(r) ? 2 * T : 2 * r * std::atan(T / r); };
  auto lauf = [](Lage p, std::vector<std::pair<double, double>> stuecke) {
    for (const auto& [r, l] : stuecke) p = Bogenende(p, r, l);
    return p;
  };
  const std::vector<std::pair<double, double>> stamm{{s1, laenge1(rS)}, {s2, l2}, {s3, l3s}};
  const std::vector<std::pair<double, double>> zweig{{z1, laenge1(rZ)}, {z2, l2}, {z3, l3z}};
  auto rueckwaerts = [](std::vector<std::pair<double, double>> v) { return decltype(v)(v.rbegin(), v.rend()); };
  const Lage null{0, 0, 0};
  if (a == 0) return {lauf(null, stamm), lauf(null, zweig)};
  if (a == 1) {
    const Lage s = lauf(null, rueckwaerts(stamm));
    return {s, lauf({s.x, s.y, s.w + Pi}, zweig)};
  }
  const Lage z = lauf(null, rueckwaerts(zweig));
  return {lauf({z.x, z.y, z.w + Pi}, stamm), z};
}

TEST(Weiche, GespeicherteWeichenWieDieTabellen) {
  for (const char anpassen : {'0', '1'})
    for (const Zeilen& satz : GekruemmteWeichen(anpassen))
      for (const char anschluss : {'0', '1', '2'})
        for (const char seite : {'0', '1'}) {
          Zeilen z = satz;
          z[5][0] = anschluss;
          z[5][1] = seite;
          SCOPED_TRACE(z[12] + " / " + z[16] + ", Optionen " + z[5]);
          Plan p;
          TEWeiche* w = p.Weiche(z);
          ModulBerechnen(*p.m);
          const Enden soll = TabellenEnden(z);
          EXPECT_NEAR(w->Stammgleis()->XEnde(), soll.stamm.x, 1e-9);
          EXPECT_NEAR(w->Stammgleis()->YEnde(), soll.stamm.y, 1e-9);
          EXPECT_NEAR(std::remainder(w->Stammgleis()->WEnde() - soll.stamm.w, 2 * Pi), 0, 1e-12);
          EXPECT_NEAR(w->Zweiggleis()->XEnde(), soll.zweig.x, 1e-9);
          EXPECT_NEAR(w->Zweiggleis()->YEnde(), soll.zweig.y, 1e-9);
          EXPECT_NEAR(std::remainder(w->Zweiggleis()->WEnde() - soll.zweig.w, 2 * Pi), 0, 1e-12);
        }
  // Main radius -500, branch straight, left-hand: the main curves left by α over 500·α and runs
  // 20 mm straight on; the right-hand one is its mirror.
  const double c = std::cos(kAlpha), s = std::sin(kAlpha);
  for (const char seite : {'0', '1'}) {
    Zeilen z = Mit(Grundsatz(), 13, "-500");
    z[16] = "0";
    z[5][1] = seite;
    Plan p;
    TEWeiche* w = p.Weiche(z);
    ModulBerechnen(*p.m);
    EXPECT_NEAR(w->Stammgleis()->XEnde(), 500 * s + 20 * c, 1e-9);
    EXPECT_NEAR(w->Stammgleis()->YEnde(), (seite == '0' ? 1 : -1) * (500 * (1 - c) + 20 * s), 1e-9);
    EXPECT_NEAR(w->Zweiggleis()->XEnde(), 2 * kT + 20, 1e-9);
    EXPECT_NEAR(w->Zweiggleis()->YEnde(), 0, 1e-9);
  }
  // Right-hand basic form with "Radius anpassen": the straight main keeps its sign (+), so its
  // third arc turns left while the branch's turns right.
  Plan p;
  Zeilen z = Mit(Grundsatz(), 6, "01100");
  z[13] = "300";
  z[14] = "1000";
  z[18] = "1000";
  TEWeiche* w = p.Weiche(z);
  EXPECT_EQ(w->Zweigbogen(2)->AnfRadius(), -300);
  EXPECT_EQ(w->Stammbogen(2)->AnfRadius(), -300);
  EXPECT_EQ(w->Stammbogen(3)->AnfRadius(), 1000);
  EXPECT_EQ(w->Zweigbogen(3)->AnfRadius(), -1000);
  // Length 0 with a finite radius: both segments keep their radii.
  w->SetStammLaenge2(0);
  w->SetRadius2(700);
  w->GeometrieBerechnen();
  EXPECT_EQ(w->Zweigbogen(2)->AnfRadius(), -300);
  EXPECT_EQ(w->Stammbogen(2)->AnfRadius(), -300);
}

TEST(Weiche, DrehenBehaeltUndWechselnSpiegeltDieGestalt) {
  for (const char anpassen : {'0', '1'})
    for (const Zeilen& satz : GekruemmteWeichen(anpassen))
      for (const char seite : {'0', '1'}) {
        SCOPED_TRACE(satz[12] + " / " + satz[16] + ", Seite " + seite + ", anpassen " + anpassen);
        Plan p;
        Zeilen z = satz;
        z[5][1] = seite;
        TEWeiche* w = p.Weiche(z);
        ModulBerechnen(*p.m);
        const Gestalt vorher = GestaltVon(*w);
        for (int k = 0; k < 3; ++k) {
          w->Drehen();
          WeicheAktualisieren(*w);
          ErwarteGestalt(GestaltVon(*w), vorher);
          // Flipping mirrors the shape about the switch point's direction; twice gives it back.
          w->RichtungWechseln();
          WeicheAktualisieren(*w);
          const Gestalt g = GestaltVon(*w);
          ErwarteGestalt(g, {vorher.xs, -vorher.ys, -vorher.ws, vorher.xz, -vorher.yz, -vorher.wz});
          w->RichtungWechseln();
          WeicheAktualisieren(*w);
          ErwarteGestalt(GestaltVon(*w), vorher);
        }
        // Back at the start, the stored radii are the file's again.
        EXPECT_EQ(w->Anschluss, AnschlussStammAnfang);
        EXPECT_EQ(w->WOptionen.substr(0, 3), z[5].substr(0, 3));
        Zeilen wieder;
        w->TypSchreiben(wieder);
        for (std::size_t zeile : {14, 15, 18, 19}) EXPECT_EQ(wieder[zeile - 1], z[zeile - 1]) << zeile;
      }
}

TEST(Weiche, AnschlussMitBehaeltDieGestalt) {
  // "Anschluss mit" to each end keeps the shape; a simple turnout with a straight branch
  // attached at its main track's end changes its direction to do so.
  for (const Zeilen& satz : GekruemmteWeichen('1'))
    for (const std::uint8_t anschluss : {AnschlussStammEnde, AnschlussZweig, AnschlussStammAnfang}) {
      SCOPED_TRACE(satz[12] + " / " + satz[16]);
      Plan p;
      TEWeiche* w = p.Weiche(satz);
      ModulBerechnen(*p.m);
      const Gestalt vorher = GestaltVon(*w);
      w->AnschlussSetzen(anschluss);
      WeicheAktualisieren(*w);
      EXPECT_EQ(w->Anschluss, anschluss);
      ErwarteGestalt(GestaltVon(*w), vorher);
      const bool gewechselt = satz[16] == "0" && anschluss == AnschlussStammEnde;
      EXPECT_EQ(w->IstRechts(), gewechselt);
    }
}

TEST(Weiche, FolgtDemVorgaenger) {
  Plan p;
  TGleis* vor = p.Gleis(1, 100);
  TEWeiche* w = p.Weiche(Mit(Grundsatz(), 34, "100#0#0#0#"));
  TGleis* hinter = p.Gleis(2, 50, -7, -7);
  AlsNachfolgerEinfuegen(*p.m, vor, w->Stammgleis());
  AlsNachfolgerEinfuegen(*p.m, w->Stammgleis(), hinter);
  vor->Boegen[0]->SetLaenge(150);
  LageWeitergeben(*p.m, vor);
  EXPECT_EQ(w->XAnf, 150);
  EXPECT_EQ(w->Zweiggleis()->XAnf, 150);
  EXPECT_NEAR(hinter->XAnf, 150 + 2 * kT + 20, 1e-9);
  EXPECT_NEAR(w->Zweiggleis()->XEnde(), 150 + LinksEnde(AnschlussStammAnfang).xz, 1e-9);
  ERWARTE_GESUND(p.a);
}

TEST(Weiche, TypsatzRundlauf) {
  Plan p;
  p.m->Eigen.SwAbst = 8;
  TEWeiche* w = p.Weiche(Mit(Grundsatz(), 34, "100#50#0#0#"));
  Zeilen eins;
  w->TypSchreiben(eins);
  ASSERT_EQ(eins.size(), ZeilenWeiche);
  Zeilen erwartet = Grundsatz();
  erwartet[33] = "-1";    // type records hold no start, group, numbers or predecessor
  erwartet[6] = "8";      // -1: the module's spacing
  erwartet[7] = "3";      // the layout's width
  erwartet[8] = "30";     // the layout's length
  erwartet[40] = "16,5";  // gauge 0: the layout's gauge
  erwartet[41] = "18,5";
  // An automatic plan is computed from the geometry, not taken from the record; its user
  // lengths are one (0, 0) pair per sleeper.
  for (std::size_t k : {24u, 25u, 26u}) erwartet[k] = eins[k];
  EXPECT_EQ(eins[39].find_first_not_of("0#"), std::string::npos) << eins[39];
  EXPECT_FALSE(eins[39].empty());
  erwartet[39] = eins[39];
  EXPECT_EQ(eins, erwartet);

  Plan q;
  TEWeiche* v = q.Weiche(eins);
  EXPECT_EQ(v->XAnf, 0);  // "-1" is no start point
  Zeilen zwei;
  v->TypSchreiben(zwei);
  EXPECT_EQ(zwei, eins);
}

TEST(Weiche, AnlagensatzRundlauf) {
  auto lesen = [](Plan& p, const Zeilen& z) {
    p.Gleis(77, 100);
    TEWeiche* w = p.Weiche(z);
    VerbindungenAufbauen(p.a);
    ModulBerechnen(*p.m);
    Zeilen out;
    w->DatenSchreiben(out);
    return out;
  };
  Zeilen z = Grundsatz();
  z[33] = "100#0#2,5#0#";
  z[34] = "123#456#77#";
  z[35] = "123#456";
  z[37] = "77";
  z[6] = z[7] = z[8] = "4";
  z[40] = "12";
  z[41] = "14";
  z[5] = "00001";  // a user-defined plan is kept as it stands
  z[39] = "-1#31#0#0#0#0#-1#12,5#";
  Plan p;
  const Zeilen eins = lesen(p, z);
  EXPECT_EQ(eins, z);
  TEWeiche* w = static_cast<TEWeiche*>(p.m->Elemente[0].get());
  EXPECT_EQ(w->Stammgleis()->Nummer, 123);
  EXPECT_EQ(w->Zweiggleis()->Nummer, 456);
  EXPECT_EQ(w->Stammgleis()->Vorgaenger, p.m->Gleise[0].get());
  EXPECT_EQ(w->Zweiggleis()->ZAnf(), 2.5);
  EXPECT_TRUE(p.a.IDListe.empty());  // numbers from the record are not drawn
  Plan q;
  EXPECT_EQ(lesen(q, eins), eins);
}

TEST(Weiche, NeueGleisnummern) {
  auto zahlen = std::make_shared<FesteZahlen>(std::vector<std::int64_t>{5, 5});
  Plan p(zahlen);
  p.Gleis(5, 10);
  TEWeiche* w = p.Weiche();
  EXPECT_EQ(w->Stammgleis()->Nummer, 6);
  EXPECT_EQ(w->Zweiggleis()->Nummer, 7);
  EXPECT_EQ(zahlen->grenzen, (std::vector<std::int64_t>{1'410'065'407, 9'999'999}));
  EXPECT_EQ(p.a.IDListe, (std::unordered_set<std::string>{"6", "7"}));
  EXPECT_EQ(w->Stammgleis()->VorgaengerNr, -1);
}

TEST(Weiche, UnvollstaendigeOderUnbekannteAngaben) {
  for (const std::string anfang : {"1#2#3#", "-1", "", "1#2#3#4#5#"}) {
    Plan p;
    TEWeiche* w = p.Weiche(Mit(Grundsatz(), 34, anfang));
    EXPECT_EQ(w->XAnf, 0);
    EXPECT_EQ(w->YAnf, 0);
    EXPECT_EQ(w->ZAnf, 0);
    EXPECT_EQ(w->WAnf, 0);
  }
  Plan p;
  TEWeiche* w = p.Weiche(Mit(Grundsatz(), 6, "x0000"));
  EXPECT_EQ(w->Anschluss, 0);
  EXPECT_EQ(w->AngeschlossenesGleis(), nullptr);
  ModulBerechnen(*p.m);
  WeicheAktualisieren(*w);
  EXPECT_NEAR(w->Stammgleis()->XEnde(), 2 * kT + 20, 1e-9);  // lengths are still made
  Zeilen out;
  w->DatenSchreiben(out);
  EXPECT_EQ(out[5], "x0000");
  w->Drehen();
  EXPECT_EQ(w->Anschluss, AnschlussStammAnfang);
  EXPECT_EQ(w->WOptionen, "00000");
  // A short option text reads as zeros and is padded when set.
  w->WOptionen = "1";
  EXPECT_TRUE(w->IstLinks());
  w->SetRechts();
  EXPECT_EQ(w->WOptionen, "11000");
}

TEST(Weiche, SchlechteZeilenGebenLeseFehler) {
  const std::size_t zahlen[] = {2,  3,  4,  5,  7,  8,  9,  10, 12, 13, 14, 15, 16, 17, 18, 19,
                                20, 21, 22, 23, 24, 28, 29, 30, 31, 32, 33, 37, 39, 41, 42};
  auto pruefen = [](std::size_t zeile, const std::string& text) {
    SCOPED_TRACE("Zeile " + std::to_string(zeile) + ": " + text);
    Plan p;
    std::size_t i = 0;
    try {
      (void)TEWeiche::AusSatz(*p.m, Mit(Grundsatz(), zeile, text), i, 1);
      ADD_FAILURE() << "kein Fehler";
    } catch (const LeseFehler& e) {
      EXPECT_NE(std::string(e.what()).find("Zeile " + std::to_string(zeile) + ":"),
                std::string::npos)
          << e.what();
    }
    EXPECT_TRUE(p.m->Gleise.empty());
  };
  for (std::size_t k : zahlen) pruefen(k, "1.5x");
  for (std::size_t k : {11, 25, 26, 27, 34, 35, 40}) pruefen(k, "a#b#c#d#");
  pruefen(36, "5");  // the branch number is missing
  pruefen(36, "x#1");
  pruefen(38, "");

  Plan p;
  Zeilen kurz = Grundsatz();
  kurz.pop_back();
  std::size_t i = 0;
  EXPECT_THROW((void)TEWeiche::AusSatz(*p.m, kurz, i, 1), LeseFehler);
}

TEST(Weiche, BeliebigeBytesLesen) {
  std::mt19937 gen(99);
  const std::string zahlig = "0123456789,#-", roh = "0123456789,#-E NIL\"x\x01\xff";
  int gelesen = 0;
  for (int runde = 0; runde < 600; ++runde) {
    Zeilen z = Grundsatz();
    for (int k = 0; k < 3; ++k) {
      const std::string& zeichen = gen() % 5 == 0 ? roh : zahlig;
      std::string text;
      for (int n = static_cast<int>(gen() % 10); n > 0; --n)
        text += zeichen[gen() % zeichen.size()];
      z[gen() % z.size()] = text;
    }
    Plan p;
    std::size_t i = 0;
    try {
      TEWeiche* w = WeicheHinzufuegen(*p.m, TEWeiche::AusSatz(*p.m, z, i, 1));
      ModulBerechnen(*p.m);
      Zeilen out;
      w->DatenSchreiben(out);
      EXPECT_EQ(out.size(), ZeilenWeiche);
      ++gelesen;
    } catch (const LeseFehler&) {
    }
  }
  EXPECT_GT(gelesen, 30);  // not every record fails on the same line
}

/// A crossing stand-in with a main and one crossing track.
class TestKreuzung : public Testelement<TestKreuzung> {
 public:
  TestKreuzung(std::int32_t nr, TGleis* a, TGleis* b) : Testelement(Elementart::Kreuzung), nr_(nr), a_(a), b_(b) {
    for (TGleis* g : {a, b}) {
      g->KrGleis = true;
      g->KrNr = nr;
      g->Element = this;
    }
  }
  void Umsetzen(const TUmsetzung& u) {
    a_ = u.Gleis(a_);
    b_ = u.Gleis(b_);
  }
  std::int32_t Nummer() const override { return nr_; }
  TGleis* Stammgleis() const override { return a_; }
  TGleis* KreuzungsgleisA() const override { return b_; }
  void VomAnfangBerechnen() override {}

 private:
  std::int32_t nr_;
  TGleis *a_, *b_;
};

TEST(Weiche, EntfernenGibtAngehaengteGleiseFrei) {
  Plan p;
  TGleis* vor = p.Gleis(1, 100);
  TEWeiche* w = p.Weiche(Mit(Grundsatz(), 34, "100#0#0#0#"));
  TGleis* hinterStamm = p.Gleis(2, 30);
  TGleis* kreuzA = p.Gleis(3, 30);
  TGleis* kreuzB = p.Gleis(4, 30);
  p.m->ElementHinzufuegen(std::make_unique<TestKreuzung>(9, kreuzA, kreuzB));
  AlsNachfolgerEinfuegen(*p.m, vor, w->Stammgleis());
  AlsNachfolgerEinfuegen(*p.m, w->Stammgleis(), hinterStamm);
  AlsNachfolgerEinfuegen(*p.m, w->Zweiggleis(), kreuzA);
  VerbundAufbauen(*p.m, vor);
  ASSERT_EQ(vor->Nachfolger.size(), 2u);  // main and the branch entry
  ASSERT_GE(vor->Verbund.size(), 5u);

  EXPECT_FALSE(ElementEntfernen(*p.m, nullptr));
  ASSERT_TRUE(ElementEntfernen(*p.m, p.m->Elemente[0].get()));
  EXPECT_EQ(p.m->Anzahl(Elementart::Weiche), 0);
  ASSERT_EQ(p.m->Gleise.size(), 4u);
  std::set<const TGleis*> da;
  for (const auto& g : p.m->Gleise) {
    EXPECT_FALSE(g->IstWeichengleis());
    da.insert(g.get());
  }
  for (const auto& g : p.m->Gleise) {
    for (const TGleis* v : g->Verbund) EXPECT_TRUE(da.count(v));
    for (const TGleis* n : g->Nachfolger) EXPECT_TRUE(da.count(n));
    EXPECT_TRUE(g->Vorgaenger == nullptr || da.count(g->Vorgaenger));
  }
  EXPECT_TRUE(vor->Nachfolger.empty());
  EXPECT_EQ(hinterStamm->Vorgaenger, nullptr);
  EXPECT_EQ(kreuzA->Vorgaenger, nullptr);
  EXPECT_EQ(vor->Verbund, std::vector<TGleis*>{vor});
  EXPECT_EQ(hinterStamm->Verbund, std::vector<TGleis*>{hinterStamm});
  // The crossing's tracks are released and rebuilt as one group of their own.
  EXPECT_EQ(kreuzA->Verbund, (std::vector<TGleis*>{kreuzA, kreuzB}));
  EXPECT_EQ(p.m->AktuellesGleis(), kreuzB);
  EXPECT_TRUE(kreuzB->Markiert);
  ModulBerechnen(*p.m);
  ERWARTE_GESUND(p.a);
}

TEST(Weiche, WaehlenUndZugehoerigeWeiche) {
  Plan p;
  TEWeiche* a = p.Weiche();
  Zeilen z = Grundsatz();
  std::size_t i = 0;
  TEWeiche* b = WeicheHinzufuegen(*p.m, TEWeiche::AusSatz(*p.m, z, i, 5));
  TGleis* gewoehnlich = p.Gleis(1, 10);
  EXPECT_EQ(WeicheZuGleis(*p.m, *b->Zweiggleis()), b);
  EXPECT_TRUE(b->Markiert);
  EXPECT_FALSE(a->Markiert);
  EXPECT_EQ(p.m->AktElement, 1);
  EXPECT_EQ(WeicheZuGleis(*p.m, *gewoehnlich), a);  // no turnout track: the first turnout
  EXPECT_FALSE(b->Markiert);
  ASSERT_TRUE(ElementEntfernen(*p.m, p.m->Elemente[0].get()));
  EXPECT_EQ(p.m->Gleise.size(), 3u);
  EXPECT_EQ(p.m->AktElement, 0);
  ERWARTE_GESUND(p.a);
}

}  // namespace
}  // namespace trm
