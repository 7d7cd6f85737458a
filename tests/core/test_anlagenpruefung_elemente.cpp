// The layout check with elements: the loop whose turnout is lengthened by a radius change, a
// turnout ladder, and the shipped plans of turnouts, crossings and slips without false errors.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "Editorumgebung.h"
#include "core/check/Anlagenpruefung.h"
#include "core/model/Anlage.h"
#include "core/model/AnlageDatei.h"
#include "core/model/Neuberechnung.h"
#include "core/model/Typliste.h"
#include "core/model/Verbindungen.h"
#include "core/turnouts/Weiche.h"
#include "core/turnouts/WeichenBefehle.h"

namespace trm {
namespace {

class PruefungMitElementen : public test::Editorumgebung {
 protected:
  void SetUp() override {
    Editorumgebung::SetUp();
    ASSERT_TRUE(dok->Neu());
    m = ed->modul();
    m->Breite = 4000;
    m->Hoehe = 3000;
    g0 = m->AktuellesGleis();
    g0->XAnf = 1000;
    g0->YAnf = 500;
    g0->PunkteBerechnen();
  }
  /// Type record k of the shipped turnout list (1: R 907,97 / 15° left).
  Zeilen Weichentyp(std::size_t k) {
    return TTypliste::Laden(std::string(TRM_QUELLDATEN) + "/stdWListe.w88", ZeilenWeiche).Satz(k);
  }
  /// A track of one segment behind `vor`.
  TGleis* Dahinter(TGleis* vor, double radius, double laenge) {
    TGleis* g = m->GleisAnhaengen();
    g->Nummer = ed->anlage().NeueNummer(BereichNeuesGleis);
    auto b = std::make_unique<TBogen>();
    b->SetAnfRadius(radius);
    b->SetEndRadius(radius);
    b->SetLaenge(laenge);
    g->BogenAnhaengen(std::move(b));
    AlsNachfolgerEinfuegen(*m, vor, g);
    LageWeitergeben(*m, vor);
    return g;
  }
  std::vector<TBefund> Fehler() {
    ModulBerechnen(*m);
    std::vector<TBefund> b = AnlagePruefen(ed->anlage(), TPruefregeln{});
    b.erase(std::remove_if(b.begin(), b.end(), [](const TBefund& x) { return !x.Fehler(); }), b.end());
    return b;
  }
  static double Laenge(const TGleis& g) {
    double l = 0;
    for (const auto& b : g.Boegen) l += b->Laenge();
    return l;
  }
  TModul* m = nullptr;
  TGleis* g0 = nullptr;
};

TEST_F(PruefungMitElementen, SchleifeNachRadiusAenderung) {
  // 200 mm to a turnout R 907,97, 300 mm, a half circle of 500, back, and a half circle that
  // ends on the first track's start.
  ASSERT_TRUE(ed->ElementEinsetzen(Elementart::Weiche, Weichentyp(1)));
  TEWeiche* w = Weiche(*ed);
  TGleis* stamm = w->Stammgleis();
  const double vorher = Laenge(*stamm);
  TGleis* s1 = Dahinter(stamm, 0, 300);
  TGleis* b1 = Dahinter(s1, 500, 500 * Pi);
  TGleis* s2 = Dahinter(b1, 0, 200 + vorher + 300);
  TGleis* b2 = Dahinter(s2, 500, 500 * Pi);
  b2->Nachfolger.push_back(g0);
  g0->Vorgaenger = b2;
  for (const TBefund& b : Fehler()) ADD_FAILURE() << b.text;
  // The radius of 1200 lengthens the turnout; what follows moves round the loop, and the first
  // track's end now lies inside the turnout, still joined to it.
  m->GleisWaehlen(m->GleisIndex(stamm));
  ASSERT_TRUE(WeicheFeldSetzen(*ed, Weichenfeld::Radius, "1200"));
  const double mehr = Laenge(*w->Stammgleis()) - vorher;
  EXPECT_NEAR(mehr, 77, 1);
  const auto f = Fehler();
  ASSERT_EQ(f.size(), 1u);
  EXPECT_EQ(f[0].regel, Regel::Luecke);
  EXPECT_NEAR(f[0].wert, mehr, 1e-6);
  EXPECT_EQ(f[0].gleise, (std::vector<std::int32_t>{g0->Nummer, w->Stammgleis()->Nummer}));
}

TEST_F(PruefungMitElementen, Weichenstrasse) {
  // Three turnouts in a row, each branch going on 400 mm: branches side by side 65 mm apart.
  TGleis* zweige[3];
  for (int i = 0; i < 3; ++i) {
    ASSERT_TRUE(ed->ElementEinsetzen(Elementart::Weiche, Weichentyp(1)));
    zweige[i] = Dahinter(Weiche(*ed)->Zweiggleis(), 0, 400);
    m->GleisWaehlen(m->GleisIndex(Weiche(*ed)->Stammgleis()));
  }
  Dahinter(Weiche(*ed)->Stammgleis(), 0, 300);
  for (const TBefund& b : Fehler()) ADD_FAILURE() << b.text;
  // A track laid 30 mm beside the second branch track: too close to it, and to its neighbour
  // on that side (62 mm from the second).
  TGleis* x = Dahinter(zweige[1], 0, 10);
  x->Vorgaenger = nullptr;
  zweige[1]->Nachfolger.clear();
  x->SetWAnf(zweige[1]->WAnf());
  x->XAnf = zweige[1]->XAnf - 30 * std::sin(x->WAnf());
  x->YAnf = zweige[1]->YAnf + 30 * std::cos(x->WAnf());
  x->Boegen[0]->SetLaenge(300);
  std::vector<double> abstaende;
  for (const TBefund& b : Fehler())
    if (b.regel == Regel::Gleisabstand) abstaende.push_back(b.wert);
  std::sort(abstaende.begin(), abstaende.end());
  ASSERT_EQ(abstaende.size(), 2u);
  EXPECT_NEAR(abstaende[0], 30, 1e-6);
  EXPECT_LT(abstaende[1], 45.5);
}

TEST(Anlagenpruefung, MitgelieferteElementplaeneOhneFehler) {
  for (const char* plan : {"weichenplan.m88", "kreuzungsweichenplan.m88"}) {
    SCOPED_TRACE(plan);
    auto a = AnlageLaden(std::string(TRM_TESTDATEN) + "/" + plan, std::string(TRM_QUELLDATEN) + "/", nullptr);
    for (auto& mod : a->Module) ModulBerechnen(*mod);
    for (const TBefund& b : AnlagePruefen(*a, TPruefregeln{}))
      if (b.Fehler()) ADD_FAILURE() << b.text;
  }
}

}  // namespace
}  // namespace trm
