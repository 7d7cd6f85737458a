// The optimiser over a chain of a track: reaching a target, the flags that fix or derive
// values, cancelling, the messages, and both ways of undoing a run.
#include <gtest/gtest.h>

#include <cmath>

#include "Editorumgebung.h"
#include "core/editor/Editor.h"
#include "core/model/Bogen.h"
#include "core/model/Geometrie.h"
#include "core/model/Neuberechnung.h"
#include "core/model/OptiEP.h"
#include "core/model/Zahlformat.h"
#include "core/optimiser/Optimierer.h"
#include "core/render/Ansicht.h"
#include "core/render/Aufzeichnung.h"
#include "core/render/GleisZeichnen.h"

namespace trm {
namespace {

class OptimiererTest : public test::Editorumgebung {
 protected:
  void SetUp() override {
    Editorumgebung::SetUp();
    ASSERT_TRUE(dok->Neu());
    opt = std::make_unique<Optimierer>(*ed, dialoge);
    opt->Zufall.seed(11);
    TGleis& g = G();
    g.Eigen.MaxKruemmung = 1.0 / 300;
    g.Boegen.clear();
    // Straight 100, left arc R 500 over 300 mm, straight 100.
    for (double r : {0.0, 500.0, 0.0}) {
      auto b = std::make_unique<TBogen>();
      b->SetLaenge(r == 0 ? 100 : 300);
      b->SetAnfRadius(r);
      b->SetEndRadius(r);
      g.BogenAnhaengen(std::move(b));
    }
    ModulBerechnen(*ed->modul());
  }
  TGleis& G() { return *ed->gleis(); }
  TBogen& B(int i) { return *G().Boegen[static_cast<std::size_t>(i)]; }
  /// The end of segment i as it would be with other values, the values put back afterwards.
  std::shared_ptr<TOptiEP> ZielBei(int i, double laenge, double radius) {
    TBogen& b = B(i);
    const double l = b.Laenge(), r0 = b.AnfRadius(), r1 = b.EndRadius();
    b.SetLaenge(laenge);
    b.SetAnfRadius(radius);
    b.SetEndRadius(radius);
    G().PunkteBerechnen();
    auto z = ZielAusBogen(b);
    b.SetLaenge(l);
    b.SetAnfRadius(r0);
    b.SetEndRadius(r1);
    G().PunkteBerechnen();
    return z;
  }
  TOptiStatus Status() { return {}; }

  std::unique_ptr<Optimierer> opt;
};

TEST(OptiWinkel, RichtungenGeltenModulo360) {
  EXPECT_DOUBLE_EQ(WinkelDifferenzGrad(-10, 350), 0.0);
  EXPECT_DOUBLE_EQ(WinkelDifferenzGrad(170, -170), -20.0);
  EXPECT_DOUBLE_EQ(WinkelDifferenzGrad(-170, 170), 20.0);
}

TEST_F(OptimiererTest, EinBogenMitLaengeUndRadiusTrifftDasZiel) {
  B(1).RFix = false;
  B(1).OptiAnf = true;
  B(1).OptiEnde = true;
  opt->OptiEP = ZielBei(1, 360, 650);
  const double xVorher = B(2).XEnde;
  EXPECT_EQ(opt->Optimieren(Status()), OptiAusgang::Erfolg);
  EXPECT_EQ(dialoge.infos, std::vector<std::string>{"Optimierung erfolgreich beendet"});
  EXPECT_NEAR(B(1).XEnde, opt->OptiEP->OptiX, 1e-9);
  EXPECT_NEAR(B(1).YEnde, opt->OptiEP->OptiY, 1e-9);
  EXPECT_NEAR(B(1).Laenge(), 360, 1e-6);
  EXPECT_NEAR(B(1).AnfRadius(), 650, 1e-4);
  // The simplex alone stops near 1e-6; the least-squares steps meet the target to rounding.
  EXPECT_LT(opt->Ergebnis().wert, 1e-18);
  EXPECT_LT(opt->Ergebnis().wert, opt->Ergebnis().wertVorPolitur);
  // The rest of the track follows the new end.
  EXPECT_NE(B(2).XEnde, xVorher);
  EXPECT_DOUBLE_EQ(B(2).XAnf(), B(1).XEnde);
  EXPECT_TRUE(ed->dokument().Geaendert());
  EXPECT_EQ(ed->Zustand().rueckgaengig, "Rückgängig: Optimierung");
}

TEST_F(OptimiererTest, ZuWenigFreieParameterAendertNichts) {
  B(1).OptiAnf = B(1).OptiEnde = true;  // RFix stays: only the length is free
  opt->OptiEP = ZielBei(1, 360, 650);
  EXPECT_EQ(opt->Optimieren(Status()), OptiAusgang::ZuWenigParameter);
  ASSERT_EQ(dialoge.infos.size(), 1u);
  EXPECT_EQ(dialoge.infos[0],
            "Um eine Optimierung erfolgreich durchzuführen\r müssen mindestens zwei \"freie\" Parameter vorhanden "
            "sein,\r d. h. zum Beispiel Radius und Länge, wenn nur ein Bogen\r vorhanden ist!");
  EXPECT_EQ(B(1).Laenge(), 300);
  EXPECT_FALSE(ed->Zustand().rueckgaengigAktiv);
  EXPECT_FALSE(opt->RueckgaengigMoeglich());
}

TEST_F(OptimiererTest, FehlschlagNenntDieReduzierteWinkelabweichung) {
  // An unreachable target whose direction is given 360° too high: the message shows the miss
  // in direction within -180° .. 180°.
  B(1).OptiAnf = B(1).OptiEnde = true;
  B(1).RFix = false;
  opt->OptiEP = ZielBei(1, 360, 650);
  opt->OptiEP->OptiX += 5000;
  opt->OptiEP->OptiW += 2 * Pi + 0.3;
  EXPECT_EQ(opt->Optimieren(Status()), OptiAusgang::Verworfen);
  ASSERT_EQ(dialoge.fragen.size(), 1u);
  const std::string& f = dialoge.fragen[0];
  const std::size_t p = f.find("Winkel-Abweichung: ");
  ASSERT_NE(p, std::string::npos) << f;
  const double dw = TextReal(f.substr(p + 19, f.find('\n', p) - p - 19));
  EXPECT_LE(std::fabs(dw), 180) << f;
}

TEST_F(OptimiererTest, FlexibleRadienFolgenDenNachbarnTangenteBleibt) {
  // No marks: the chain is the whole track. The arc keeps its tangent; the flexible straight
  // between arc and end straight becomes a transition from the arc's radius to straight.
  B(1).RFix = false;
  B(1).TFix = true;
  B(2).Starr = false;
  const double t = B(1).Tangentenlaenge();
  opt->OptiEP = ZielBei(1, 330, 520);
  opt->OptiEP->OptiX += 100;  // somewhere reachable near the end of the track
  const OptiAusgang a = opt->Optimieren(Status());
  ASSERT_TRUE(a == OptiAusgang::Erfolg || a == OptiAusgang::Verworfen) << static_cast<int>(a);
  if (a == OptiAusgang::Verworfen) GTEST_SKIP() << "target not met";
  EXPECT_EQ(B(2).AnfRadius(), B(1).EndRadius());
  EXPECT_TRUE(std::isinf(B(2).EndRadius()));
  const double rm = B(1).MittlererRadius();
  EXPECT_NEAR(B(1).Laenge(), 2 * rm * std::atan(t / rm), 1e-9);
}

TEST_F(OptimiererTest, KruemmungUeberKappaMaxWirdVorDerSucheBegrenzt) {
  B(1).SetAnfRadius(-100);
  B(1).SetEndRadius(-200);
  B(1).RFix = false;
  TOptiKette k(G(), 1, 1);
  ASSERT_EQ(k.ParameterZaehlen(), 2u);
  const TVector v = k.Startvektor();
  EXPECT_DOUBLE_EQ(B(1).AnfRadius(), -300);
  EXPECT_DOUBLE_EQ(B(1).EndRadius(), -300);
  EXPECT_DOUBLE_EQ(v[1], -1.0 / 300);
  // A curvature beyond the limit or a length under 1 mm is refused with the penalty.
  const TOptiZielwerte z{0, 0, 0};
  EXPECT_EQ(k.Ziel({300, -1.0 / 299}, z), kStrafe);
  EXPECT_EQ(k.Ziel({0.5, 0.001}, z), kStrafe);
  // A target of 350° and an end at -10° are the same direction.
  G().SetWAnf(-10 * Pi / 180);
  G().PunkteBerechnen();
  k.Ziel({300, 0}, z);
  EXPECT_NEAR(B(1).WEnde, -10 * Pi / 180, 1e-15);
  EXPECT_NEAR(k.Ziel({300, 0}, {B(1).XEnde, B(1).YEnde, 350}), 0.0, 1e-20);
}

TEST_F(OptimiererTest, EscStelltJedenWertWiederHer) {
  B(1).RFix = false;
  B(0).RFix = false;
  opt->OptiEP = ZielBei(1, 360, 650);
  std::vector<double> vorher;
  for (auto& b : G().Boegen) vorher.insert(vorher.end(), {b->Laenge(), b->AnfRadius(), b->EndRadius()});
  int fragen = 0;
  TOptiStatus s;
  s.abbrechen = [&] { return ++fragen == 4; };
  EXPECT_EQ(opt->Optimieren(s), OptiAusgang::Abgebrochen);
  std::vector<double> nachher;
  for (auto& b : G().Boegen) nachher.insert(nachher.end(), {b->Laenge(), b->AnfRadius(), b->EndRadius()});
  EXPECT_EQ(nachher, vorher);
  EXPECT_TRUE(dialoge.infos.empty());
  EXPECT_TRUE(dialoge.fragen.empty());
  EXPECT_FALSE(ed->Zustand().rueckgaengigAktiv);
}

TEST_F(OptimiererTest, OptimierungRueckgaengigUndIhrZustand) {
  B(1).RFix = false;
  opt->OptiEP = ZielBei(2, 100, 0);
  opt->OptiEP->OptiX += 20;
  opt->OptiEP->OptiY -= 10;
  ASSERT_EQ(opt->Optimieren(Status()), OptiAusgang::Erfolg);
  ASSERT_TRUE(opt->RueckgaengigMoeglich());
  EXPECT_TRUE(opt->Rueckgaengig());
  EXPECT_EQ(B(1).Laenge(), 300);
  EXPECT_EQ(B(1).AnfRadius(), 500);
  EXPECT_FALSE(opt->RueckgaengigMoeglich());
  // Undone from the general history as well: one step each.
  EXPECT_TRUE(ed->Rueckgaengig());
  EXPECT_NE(B(1).Laenge(), 300);
  EXPECT_TRUE(ed->Rueckgaengig());
  EXPECT_EQ(B(1).Laenge(), 300);
  // A deleted track disables the undo of its run.
  ASSERT_EQ(opt->Optimieren(Status()), OptiAusgang::Erfolg);
  ed->modul()->GleisEntfernen(0);
  EXPECT_FALSE(opt->RueckgaengigMoeglich());
}

TEST_F(OptimiererTest, EndpunktVorAnfangspunktWirdGetauscht) {
  G().AktBogen = 2;
  EXPECT_TRUE(opt->AnfangMarkieren());
  G().AktBogen = 0;
  dialoge.antworten = {Antwort::Ja};
  EXPECT_EQ(opt->EndeMarkieren(), std::optional<bool>(true));
  ASSERT_EQ(dialoge.fragen.size(), 1u);
  EXPECT_TRUE(B(0).OptiAnf);
  EXPECT_TRUE(B(2).OptiEnde);
  EXPECT_FALSE(B(2).OptiAnf || B(0).OptiEnde);
  ASSERT_EQ(opt->OptiEP, B(2).OptiEP);
  EXPECT_EQ(opt->OptiEP->OptiX, B(2).XEnde);
  // Cancel clears both marks.
  G().AktBogen = 1;
  EXPECT_EQ(opt->EndeMarkieren(), std::optional<bool>(true));
  G().AktBogen = 2;
  dialoge.antworten = {Antwort::Abbrechen};
  EXPECT_TRUE(opt->AnfangMarkieren());
  for (auto& b : G().Boegen) EXPECT_FALSE(b->OptiAnf || b->OptiEnde);
}

TEST_F(OptimiererTest, LueckeZumNaechstenGleisanfangSchliessen) {
  for (auto& b : G().Boegen) b->RFix = false;
  TGleis& h = *ed->modul()->GleisAnhaengen();
  h.XAnf = G().XEnde() + 3;
  h.YAnf = G().YEnde() + 4;
  h.SetWAnf(G().WEnde() + 2 * Pi / 180);
  auto b = std::make_unique<TBogen>();
  b->SetLaenge(100);
  h.BogenAnhaengen(std::move(b));
  ModulBerechnen(*ed->modul());
  const auto l = opt->Luecke(15);
  ASSERT_TRUE(l);
  EXPECT_EQ(l->nach, &h);
  EXPECT_NEAR(l->abstand, 5, 1e-12);
  EXPECT_NEAR(l->winkelGrad, 2, 1e-9);
  EXPECT_FALSE(opt->Luecke(4));
  EXPECT_EQ(opt->LueckeSchliessen(15, Status()), OptiAusgang::Erfolg);
  EXPECT_NEAR(G().XEnde(), h.XAnf, 1e-9);
  EXPECT_NEAR(G().YEnde(), h.YAnf, 1e-9);
  EXPECT_NEAR(WinkelDifferenzGrad(G().WEnde() * 180 / Pi, h.WAnf() * 180 / Pi), 0, 1e-9);
  EXPECT_FALSE(opt->Luecke(15));
}

TEST_F(OptimiererTest, ZieldreieckUndDistanzpunkte) {
  B(2).OptiEnde = true;
  B(2).OptiEP = std::make_shared<TOptiEP>(TOptiEP{100, 50, 0});
  // The mark's size is the largest of bed width, sleeper length and gauge: 40.
  B(2).Eigen.TrBrt = 40;
  B(2).Eigen.SwLen = 26;
  const auto d = OptiDreieck(B(2));
  EXPECT_NEAR(d[0].x, 100 - 34.641016, 1e-6);
  EXPECT_NEAR(d[0].y, 30, 1e-12);
  EXPECT_NEAR(d[1].y, 70, 1e-12);
  EXPECT_EQ(d[2], (TPunkt{100, 50}));
  // Direction 90°, spacing 50: left at x - 50, right at x + 50.
  B(2).DistEnde = true;
  B(2).Eigen.GlsAbst = 50;
  B(2).OptiEP->OptiW = Pi / 2;
  EXPECT_NEAR(OptiDistPunkte(B(2)).at(0).x, 50, 1e-12);
  EXPECT_NEAR(OptiDistPunkte(B(2)).at(1).x, 150, 1e-12);
}

TEST_F(OptimiererTest, EndeAlleinWieDieVolleRechnung) {
  B(1).SetEndRadius(-800);  // a transition curve
  B(1).SetLaenge(311.7);
  G().PunkteBerechnen();
  const double x = B(2).XEnde, y = B(2).YEnde, w = B(2).WEnde, rest = B(1).Rest;
  B(2).XEnde = B(1).XEnde = 0;
  for (auto& b : G().Boegen) b->EndeBerechnen();
  EXPECT_EQ(B(2).XEnde, x);
  EXPECT_EQ(B(2).YEnde, y);
  EXPECT_EQ(B(2).WEnde, w);
  EXPECT_EQ(B(1).Rest, rest);
}

}  // namespace
}  // namespace trm
