// Track connections and link groups: chains, branch entries through a turnout, release,
// dissolve, split, loops of tracks (also through a turnout, and cut open), further successors,
// and the links after saving and reopening.
#include <gtest/gtest.h>

#include <cmath>

#include "Pruefhilfe.h"
#include "core/model/AnlageDatei.h"
#include "core/model/Neuberechnung.h"
#include "core/model/Verbindungen.h"
#include "Testelement.h"
#include "Testplan.h"

namespace trm {
namespace {

/// A turnout stand-in: main and branch track start at the main track's start; the branch
/// turns off by a fixed angle.
class TestWeiche : public Testelement<TestWeiche> {
 public:
  TestWeiche(std::int32_t nr, TGleis* stamm, TGleis* zweig)
      : Testelement(Elementart::Weiche), nr_(nr), stamm_(stamm), zweig_(zweig) {
    for (TGleis* g : {stamm, zweig}) {
      g->SetWeichengleis(true);
      g->WeichenNr = nr;
      g->Element = this;
    }
  }
  void Umsetzen(const TUmsetzung& u) {
    stamm_ = u.Gleis(stamm_);
    zweig_ = u.Gleis(zweig_);
  }
  std::vector<TGleis*> Mitnachfolger(const TGleis*) const override { return {zweig_}; }
  std::int32_t Nummer() const override { return nr_; }
  TGleis* Stammgleis() const override { return stamm_; }
  TGleis* Zweiggleis() const override { return zweig_; }
  void VomAnfangBerechnen() override {
    ++berechnet;
    zweig_->XAnf = stamm_->XAnf;
    zweig_->YAnf = stamm_->YAnf;
    zweig_->SetWAnf(stamm_->WAnf() + 0.2);
    stamm_->PunkteBerechnen();
    zweig_->PunkteBerechnen();
  }
  int berechnet = 0;

 private:
  std::int32_t nr_;
  TGleis* stamm_;
  TGleis* zweig_;
};

struct Plan : test::Testplan {
  Plan() : Testplan(std::make_shared<MersenneZufall>(11)) {
    m->Breite = 3000;
    m->Hoehe = 1000;
  }
  /// A track of straight segments of the given lengths; the first one is marked current.
  TGleis* Gleis(std::int32_t nr, std::vector<double> laengen = {100}, double x = 0, double y = 0) {
    TGleis* g = Testplan::Gleis(nr, std::move(laengen), x, y);
    g->Markiert = m->Gleise.size() == 1;
    return g;
  }
  void Anhaengen(TGleis* vor, TGleis* nach) { AlsNachfolgerEinfuegen(*m, vor, nach); }
  std::vector<std::int32_t> Nummern(const std::vector<TGleis*>& v) {
    std::vector<std::int32_t> n;
    for (auto* g : v) n.push_back(g->Nummer);
    return n;
  }
};

using N = std::vector<std::int32_t>;

TEST(Verbindungen, KetteFolgtDerLaengeDesErsten) {
  Plan p;
  TGleis* a = p.Gleis(1, {100});
  TGleis* b = p.Gleis(2, {50}, 500, 500);
  TGleis* c = p.Gleis(3, {70}, -9, -9);
  p.Anhaengen(a, b);
  p.Anhaengen(b, c);
  EXPECT_EQ(b->Vorgaenger, a);
  EXPECT_EQ(c->Vorgaenger, b);
  a->Boegen[0]->SetLaenge(250);
  LageWeitergeben(*p.m, a);
  EXPECT_DOUBLE_EQ(b->XAnf, 250);
  EXPECT_DOUBLE_EQ(b->YAnf, 0);
  EXPECT_DOUBLE_EQ(c->XAnf, 300);
  EXPECT_DOUBLE_EQ(c->XEnde(), 370);
}

TEST(Verbindungen, EinfuegenZwischenGleisUndNachfolger) {
  Plan p;
  TGleis* t = p.Gleis(1, {100});
  TGleis* u = p.Gleis(2, {100});
  p.Anhaengen(t, u);
  TGleis* neu = p.Gleis(3, {40});
  p.Anhaengen(t, neu);
  LageWeitergeben(*p.m, t);
  EXPECT_EQ(p.Nummern(t->Nachfolger), N{3});
  EXPECT_EQ(p.Nummern(neu->Nachfolger), N{2});
  EXPECT_EQ(u->Vorgaenger, neu);
  EXPECT_DOUBLE_EQ(u->XAnf, neu->XEnde());
  EXPECT_DOUBLE_EQ(u->XAnf, 140);
  ERWARTE_GESUND(p.a);
}

TEST(Verbindungen, RichtungUndHoeheBeimWeitergeben) {
  Plan p;
  TGleis* a = p.Gleis(1, {});
  auto bogen = std::make_unique<TBogen>();
  bogen->SetAnfRadius(500);
  bogen->SetEndRadius(500);
  bogen->SetLaenge(500 * 3 * Pi);  // one and a half turns: the end direction is normalised
  a->BogenAnhaengen(std::move(bogen));
  TGleis* b = p.Gleis(2, {10});
  b->ZAnfWert = 33;
  p.Anhaengen(a, b);
  LageWeitergeben(*p.m, a);
  EXPECT_NEAR(b->WAnf(), Pi, 1e-9);
  EXPECT_NEAR(b->XAnf, 0, 1e-9);
  EXPECT_NEAR(b->YAnf, 1000, 1e-9);
  EXPECT_EQ(b->ZAnfWert, 33);  // the start height is not taken over
}

struct MitWeiche : Plan {
  TGleis *zufahrt, *stamm, *zweig, *hinterStamm, *hinterZweig;
  TestWeiche* weiche;
  MitWeiche() {
    zufahrt = Gleis(1, {100});
    stamm = Gleis(2, {60});
    zweig = Gleis(3, {60});
    weiche = static_cast<TestWeiche*>(m->ElementHinzufuegen(std::make_unique<TestWeiche>(77, stamm, zweig)));
    hinterStamm = Gleis(4, {30});
    hinterZweig = Gleis(5, {30});
    Anhaengen(zufahrt, stamm);
    Anhaengen(stamm, hinterStamm);
    Anhaengen(zweig, hinterZweig);
    VerbundAufbauen(*m, zufahrt);
    LageWeitergeben(*m, zufahrt);
  }
};

TEST(Verbindungen, ZweiggleisDerWeicheIstAuchNachfolger) {
  MitWeiche p;
  EXPECT_EQ(p.Nummern(p.zufahrt->Nachfolger), (N{2, 3}));
  ZweigNachfolgerEntfernen(*p.m);
  EXPECT_EQ(p.Nummern(p.zufahrt->Nachfolger), N{2});
  ZweigNachfolgerSetzen(*p.m);
  EXPECT_EQ(p.Nummern(p.zufahrt->Nachfolger), (N{2, 3}));
  EXPECT_EQ(p.stamm->Element, p.zweig->Element);
}

TEST(Verbindungen, LageGehtDurchDieWeicheInBeideZweige) {
  MitWeiche p;
  p.zufahrt->Boegen[0]->SetLaenge(200);
  LageWeitergeben(*p.m, p.zufahrt);
  EXPECT_GE(p.weiche->berechnet, 1);
  EXPECT_DOUBLE_EQ(p.stamm->XAnf, 200);
  EXPECT_DOUBLE_EQ(p.hinterStamm->XAnf, 260);
  EXPECT_DOUBLE_EQ(p.zweig->XAnf, 200);
  EXPECT_NEAR(p.hinterZweig->XAnf, 200 + 60 * std::cos(0.2), 1e-9);
  EXPECT_NEAR(p.hinterZweig->YAnf, 60 * std::sin(0.2), 1e-9);
}

TEST(Verbindungen, GruppeUeberKetteUndWeiche) {
  MitWeiche p;
  // The group of the feeding track reaches along the chain and into the branch.
  EXPECT_EQ(p.Nummern(p.zufahrt->Verbund), (N{1, 2, 4, 3, 5}));
  EXPECT_EQ(p.zufahrt->Verbund.front(), p.zufahrt);
  for (TGleis* g : {p.stamm, p.zweig, p.hinterStamm, p.hinterZweig})
    EXPECT_EQ(g->Verbund.front(), g);
  ERWARTE_GESUND(p.a);
}

TEST(Verbindungen, WeichengleisLoesenLoestBeideUndLeertDieZufahrt) {
  MitWeiche p;
  GleisLoesenBefehl(*p.m, p.zweig);
  EXPECT_TRUE(p.zufahrt->Nachfolger.empty());
  EXPECT_EQ(p.stamm->Vorgaenger, nullptr);
  EXPECT_EQ(p.zweig->Vorgaenger, nullptr);
  // The turnout's tracks keep their own successors and form their groups anew.
  EXPECT_EQ(p.hinterStamm->Vorgaenger, p.stamm);
  EXPECT_EQ(p.zufahrt->Verbund, std::vector<TGleis*>{p.zufahrt});  // the turnout left its group
  EXPECT_EQ(p.stamm->Verbund.front(), p.stamm);
  EXPECT_TRUE(std::find(p.stamm->Verbund.begin(), p.stamm->Verbund.end(), p.zweig) != p.stamm->Verbund.end());
  ERWARTE_GESUND(p.a);
}

TEST(Verbindungen, LoesenEinesGleisesMitGemeinsamemVorgaenger) {
  Plan p;
  TGleis* vor = p.Gleis(1);
  TGleis* a = p.Gleis(2);
  TGleis* b = p.Gleis(3);
  vor->Nachfolger = {a, b};
  a->Vorgaenger = vor;
  b->Vorgaenger = vor;
  VerbundAufbauen(*p.m, vor);
  LageWeitergeben(*p.m, vor);
  GleisLoesenBefehl(*p.m, a);
  EXPECT_EQ(a->Vorgaenger, nullptr);
  EXPECT_EQ(vor->Nachfolger, std::vector<TGleis*>{b});
  EXPECT_EQ(b->Vorgaenger, vor);
  EXPECT_EQ(a->Verbund, std::vector<TGleis*>{a});
  ERWARTE_GESUND(p.a);
}

TEST(Verbindungen, AlleVerbindungenLoesenGibtDreiEinzelgruppen) {
  Plan p;
  TGleis* a = p.Gleis(1);
  TGleis* b = p.Gleis(2);
  TGleis* c = p.Gleis(3);
  p.Anhaengen(a, b);
  p.Anhaengen(b, c);
  VerbundAufbauen(*p.m, a);
  ASSERT_EQ(b->Verbund.size(), 3u);
  VerbundAufloesen(*p.m, b);
  for (TGleis* g : {a, b, c}) {
    EXPECT_EQ(g->Verbund, std::vector<TGleis*>{g});
    EXPECT_EQ(g->Vorgaenger, nullptr);
    EXPECT_TRUE(g->Nachfolger.empty());
  }
  ERWARTE_GESUND(p.a);
}

TEST(Verbindungen, AufloesenBehaeltDenWeichenpartner) {
  MitWeiche p;
  VerbundAufloesen(*p.m, p.stamm);
  EXPECT_EQ(p.Nummern(p.stamm->Verbund), (N{2, 3}));
  EXPECT_EQ(p.Nummern(p.zweig->Verbund), (N{3, 2}));
  EXPECT_EQ(p.hinterStamm->Vorgaenger, nullptr);
  ERWARTE_GESUND(p.a);
}

TEST(Verbindungen, GruppenVereinenUndVerbinden) {
  Plan p;
  TGleis* a = p.Gleis(1);
  TGleis* b = p.Gleis(2);
  TGleis* c = p.Gleis(3);
  TGleis* d = p.Gleis(4);
  VerbundVereinen(a, b);
  EXPECT_EQ(p.Nummern(a->Verbund), (N{1, 2}));
  EXPECT_EQ(p.Nummern(b->Verbund), (N{2, 1}));
  VerbundVereinen(c, d);
  GleisVerbinden(a, c);
  EXPECT_TRUE(p.a.VerbindungenZeigen);
  EXPECT_EQ(p.Nummern(a->Verbund), (N{1, 2, 3, 4}));
  EXPECT_EQ(p.Nummern(c->Verbund), (N{3, 4, 1, 2}));
  EXPECT_EQ(p.Nummern(b->Verbund), (N{2, 1, 3, 4}));
  EXPECT_EQ(p.Nummern(d->Verbund), (N{4, 3, 1, 2}));
  ERWARTE_GESUND(p.a);
}

TEST(Verbindungen, AlsNachfolgerVerbindenMitAblehnung) {
  Plan p;
  TGleis* g = p.Gleis(1, {100}, 0, 0);
  TGleis* c = p.Gleis(2, {80}, 300, 200);
  TGleis* alt = p.Gleis(3, {10});
  p.Anhaengen(alt, g);
  EXPECT_EQ(AlsNachfolgerVerbinden(*p.m, g, g), Anhaengen::Ignoriert);
  EXPECT_EQ(AlsNachfolgerVerbinden(*p.m, g, c), Anhaengen::Verbunden);
  EXPECT_EQ(g->Vorgaenger, c);
  EXPECT_DOUBLE_EQ(g->XAnf, 380);
  EXPECT_DOUBLE_EQ(g->YAnf, 200);
  EXPECT_TRUE(alt->Nachfolger.empty());  // the former predecessor no longer moves g
  EXPECT_EQ(AlsNachfolgerVerbinden(*p.m, g, c), Anhaengen::Ignoriert);  // already attached
  EXPECT_EQ(AlsNachfolgerVerbinden(*p.m, c, g), Anhaengen::Abgelehnt);  // c's predecessor... is none
  ERWARTE_GESUND(p.a);
}

TEST(Verbindungen, WeicheFolgtAlsGanzeMitBeidenGleisen) {
  // Whichever track of the turnout is current, both leave the feeding track together; the
  // branch left behind alone became the successor of two tracks at the next link command.
  for (bool ueberZweig : {false, true}) {
    SCOPED_TRACE(ueberZweig);
    MitWeiche p;
    TGleis* c = p.Gleis(6, {50}, 400, 300);
    TGleis* g = ueberZweig ? p.zweig : p.stamm;
    ASSERT_EQ(AlsNachfolgerVerbinden(*p.m, g, c), Anhaengen::Verbunden);
    EXPECT_TRUE(p.zufahrt->Nachfolger.empty());
    EXPECT_EQ(p.Nummern(c->Nachfolger), (N{2, 3}));
    EXPECT_EQ(p.zweig->Vorgaenger, c);
    EXPECT_DOUBLE_EQ(p.stamm->XAnf, 450);
    EXPECT_DOUBLE_EQ(p.zweig->XAnf, 450);
    ERWARTE_GESUND(p.a);
    p.Anhaengen(c, p.Gleis(7, {20}));
    LageWeitergeben(*p.m, c);
    ERWARTE_GESUND(p.a);
  }
  MitWeiche p;
  EXPECT_EQ(AlsNachfolgerVerbinden(*p.m, p.stamm, p.zweig), Anhaengen::Ignoriert);  // its own track
  EXPECT_EQ(p.Nummern(p.zufahrt->Nachfolger), (N{2, 3}));
}

TEST(Verbindungen, AblehnungWennDasGeklickteGleisSchonFolgt) {
  Plan p;
  TGleis* g = p.Gleis(1);
  TGleis* c = p.Gleis(2);
  p.Anhaengen(g, c);
  EXPECT_EQ(AlsNachfolgerVerbinden(*p.m, g, c), Anhaengen::Abgelehnt);
  EXPECT_EQ(c->Vorgaenger, g);
  EXPECT_TRUE(c->Nachfolger.empty());
}

TEST(Verbindungen, TeilenHinterBogenI) {
  Plan p;
  TGleis* g = p.Gleis(1, {100, 50, 30});
  g->Boegen[1]->SetAnfRadius(300);
  g->Boegen[1]->SetEndRadius(400);
  g->Boegen[1]->Name = "Übergang";
  g->Boegen[1]->SetSteigung(3);
  g->Eigen.Spur = 12;
  TGleis* t = GleisTeilen(p.a, *p.m, g, 0, 500, 20, 7);
  ASSERT_NE(t, nullptr);
  ASSERT_EQ(g->Boegen.size(), 1u);
  ASSERT_EQ(t->Boegen.size(), 2u);
  EXPECT_LT(t->Nummer, 1'000'000);
  EXPECT_TRUE(p.a.IDListe.count(std::to_string(t->Nummer)));
  EXPECT_EQ(t->XAnf, 500);
  EXPECT_DOUBLE_EQ(t->WAnf(), 7 - 2 * Pi);
  const TBogen& kopie = *t->Boegen[0];
  EXPECT_EQ(kopie.Name, "Übergang");
  EXPECT_EQ(kopie.AnfRadius(), 300);
  EXPECT_EQ(kopie.EndRadius(), 400);
  EXPECT_EQ(kopie.Eigen.Spur, 12);  // resolved value copied
  EXPECT_EQ(kopie.Steigung(), 0);   // creation values
  EXPECT_EQ(t->Boegen[1]->Vorgaenger, t->Boegen[0].get());
  EXPECT_EQ(t->Vorgaenger, nullptr);
  EXPECT_EQ(t->Verbund, std::vector<TGleis*>{t});
  EXPECT_EQ(GleisTeilen(p.a, *p.m, g, 0, 0, 0, 0), nullptr);  // nothing after segment 0
  ERWARTE_GESUND(p.a);
}

TEST(Verbindungen, BogenZusammenfassenUndTauschen) {
  Plan p;
  TGleis* g = p.Gleis(1, {100, 50});
  g->Boegen[1]->SetEndRadius(-600);
  g->Boegen[1]->SetAnfRadius(-600);
  g->BogenWaehlen(0);
  ASSERT_TRUE(BogenMitNachfolgerVerbinden(*g));
  ASSERT_EQ(g->Boegen.size(), 1u);
  EXPECT_EQ(g->Boegen[0]->Laenge(), 150);
  EXPECT_EQ(g->Boegen[0]->EndRadius(), -600);
  EXPECT_TRUE(std::isinf(g->Boegen[0]->AnfRadius()));
  EXPECT_FALSE(BogenMitNachfolgerVerbinden(*g));

  TGleis* h = p.Gleis(2, {10, 20});
  h->Boegen[0]->Name = "erster";
  h->Boegen[1]->Name = "zweiter";
  h->Boegen[1]->SetAnfRadius(250);
  h->Boegen[1]->SetSteigung(4);
  h->BogenWaehlen(1);
  ASSERT_TRUE(BogenMitVorgaengerTauschen(*h));
  EXPECT_EQ(h->Boegen[0]->Name, "zweiter");
  EXPECT_EQ(h->Boegen[0]->Laenge(), 20);
  EXPECT_EQ(h->Boegen[0]->AnfRadius(), 250);
  EXPECT_EQ(h->Boegen[1]->Laenge(), 10);
  EXPECT_EQ(h->Boegen[1]->Steigung(), 4);  // other fields stay in place
  h->BogenWaehlen(0);
  EXPECT_FALSE(BogenMitVorgaengerTauschen(*h));
}

TEST(Verbindungen, GeschlosseneSchleifeEndet) {
  Plan p;
  std::vector<TGleis*> ring;
  for (int i = 0; i < 4; ++i) {
    ring.push_back(p.Gleis(10 + i, {}));
    auto b = std::make_unique<TBogen>();
    b->SetAnfRadius(400);
    b->SetEndRadius(400);
    b->SetLaenge(400 * Pi / 2);
    ring.back()->BogenAnhaengen(std::move(b));
  }
  for (int i = 0; i < 4; ++i) {
    ring[i]->Nachfolger.push_back(ring[(i + 1) % 4]);
    ring[(i + 1) % 4]->Vorgaenger = ring[i];
  }
  ring[0]->XAnf = 1000;
  LageWeitergeben(*p.m, ring[0]);
  // Four quarter circles close on the first start, which itself does not move.
  EXPECT_EQ(ring[0]->XAnf, 1000);
  EXPECT_NEAR(ring[3]->XEnde(), 1000, 1e-9);
  EXPECT_NEAR(ring[3]->YEnde(), 0, 1e-9);
  EXPECT_NEAR(ring[2]->XAnf, 1000, 1e-9);
  EXPECT_NEAR(ring[2]->YAnf, 800, 1e-9);

  VerbundAufbauen(*p.m, ring[1]);
  EXPECT_EQ(ring[1]->Verbund.size(), 4u);
  GleisLoesenBefehl(*p.m, ring[2]);
  VerbundAufloesen(*p.m, ring[0]);
  for (TGleis* g : ring) EXPECT_EQ(g->Verbund.front(), g);
  ERWARTE_GESUND(p.a);
}

TEST(Verbindungen, OffeneStelleEinerSchleifeSchliesstSichBeimAuftrennen) {
  // Three straight tracks in a loop cannot close: the loop stays open where the propagation
  // began. Once the loop is cut elsewhere, what is left is a tree, and every start follows.
  struct Ring : Plan {
    TGleis *x, *y, *z;
    Ring() {
      x = Gleis(1, {100});
      y = Gleis(2, {100});
      z = Gleis(3, {100});
      Anhaengen(x, y);
      Anhaengen(y, z);
      Anhaengen(z, x);
      LageWeitergeben(*m, x);
      EXPECT_EQ(x->XAnf, 0);
      EXPECT_EQ(z->XEnde(), 300);
    }
  };
  {
    Ring r;
    ERWARTE_GESUND(r.a);
    GleisLoesenBefehl(*r.m, r.y);
    EXPECT_EQ(r.x->XAnf, 300);
    ERWARTE_GESUND(r.a);
  }
  {
    Ring r;
    VerbundAufloesen(*r.m, r.y);  // y's group is y alone: z begins a tree
    EXPECT_EQ(r.x->XAnf, 300);
    ERWARTE_GESUND(r.a);
  }
  {
    // A loop through a turnout: removing the turnout leaves the tracks behind it as a tree.
    MitWeiche p;
    p.Anhaengen(p.hinterStamm, p.zufahrt);
    LageWeitergeben(*p.m, p.zufahrt);
    ASSERT_TRUE(ElementEntfernen(*p.m, p.weiche));
    EXPECT_EQ(p.zufahrt->Vorgaenger, p.hinterStamm);
    EXPECT_DOUBLE_EQ(p.zufahrt->XAnf, p.hinterStamm->XEnde());
    ERWARTE_GESUND(p.a);
  }
}

TEST(Verbindungen, SchleifeUeberDieWeicheEndetAmErstenGleis) {
  // The loop closes through the turnout: its branch feeds the track ahead of the turnout. The
  // propagation begins at the branch, which the turnout itself places: the turnout is not
  // recomputed on the way round, so the branch stays and what hangs on it follows it.
  for (bool zufahrtZuletzt : {false, true}) {
    SCOPED_TRACE(zufahrtZuletzt);
    MitWeiche p;
    TGleis* h = p.hinterZweig;
    p.zweig->Nachfolger =
        zufahrtZuletzt ? std::vector<TGleis*>{h, p.zufahrt} : std::vector<TGleis*>{p.zufahrt, h};
    p.zufahrt->Vorgaenger = p.zweig;
    p.zweig->XAnf = 500;
    p.zweig->PunkteBerechnen();
    const int vorher = p.weiche->berechnet;
    LageWeitergeben(*p.m, p.zweig);
    EXPECT_EQ(p.weiche->berechnet, vorher);
    EXPECT_EQ(p.zweig->XAnf, 500);
    for (TGleis* t : {p.zufahrt, h}) {
      EXPECT_NEAR(t->XAnf, p.zweig->XEnde(), 1e-9);
      EXPECT_NEAR(t->YAnf, p.zweig->YEnde(), 1e-9);
    }
    // The main track hangs on the track ahead; what hangs on the main track follows it.
    EXPECT_NEAR(p.hinterStamm->XAnf, p.stamm->XEnde(), 1e-9);
    ERWARTE_GESUND(p.a);
  }
}

TEST(Verbindungen, WeitereNachfolgerGehoerenZurGruppeUndFolgen) {
  // d is attached to b's end after c, and e hangs on c: releasing the chain and building it
  // again keeps d in the group, so that moving the group takes d along; a longer first track
  // moves all of them, not only the chain of b's last successor.
  Plan p;
  TGleis* a = p.Gleis(1);
  TGleis* b = p.Gleis(2);
  TGleis* c = p.Gleis(3);
  TGleis* d = p.Gleis(4, {50}, 0, 300);
  TGleis* e = p.Gleis(5, {30});
  p.Anhaengen(a, b);
  p.Anhaengen(b, c);
  p.Anhaengen(c, e);
  VerbundAufbauen(*p.m, a);
  ASSERT_EQ(AlsNachfolgerVerbinden(*p.m, d, b), Anhaengen::Verbunden);
  GleisLoesenBefehl(*p.m, a);
  EXPECT_EQ(p.Nummern(a->Verbund), (N{1, 2, 3, 5, 4}));
  EXPECT_EQ(p.Nummern(d->Verbund), (N{4, 1, 2, 3, 5}));
  for (TGleis* t : b->Verbund) t->YAnf += 40;
  ModulBerechnen(*p.m);
  ERWARTE_GESUND(p.a);
  a->Boegen[0]->SetLaenge(150);
  LageWeitergeben(*p.m, a);
  EXPECT_DOUBLE_EQ(e->XAnf, 350);
  EXPECT_DOUBLE_EQ(d->XAnf, 250);
  ERWARTE_GESUND(p.a);
}

TEST(Verbindungen, GleisHinterSichSelbstEndet) {
  Plan p;
  TGleis* g = p.Gleis(1, {50});
  g->Nachfolger.push_back(g);
  g->Vorgaenger = g;
  LageWeitergeben(*p.m, g);
  EXPECT_EQ(g->XAnf, 0);
  VerbundAufbauen(*p.m, g);
  GleisLoesen(*p.m, g);
  VerbundAufbauen(*p.m, g);
  EXPECT_EQ(g->Verbund, std::vector<TGleis*>{g});
  ERWARTE_GESUND(p.a);
}

TEST(Verbindungen, NachSpeichernUndOeffnenGleicheVerbindungen) {
  Plan p;
  TGleis* a = p.Gleis(1, {100});
  TGleis* b = p.Gleis(2, {100, 100});
  TGleis* c = p.Gleis(3, {100});
  TGleis* d = p.Gleis(4, {100});
  p.Anhaengen(a, b);
  p.Anhaengen(b, c);
  VerbundAufbauen(*p.m, a);
  GleisVerbinden(d, a);
  TGleis* t = GleisTeilen(p.a, *p.m, b, 0, 0, 0, 0);
  p.Anhaengen(b, t);
  LageWeitergeben(*p.m, a);

  auto zurueck = AnlageAusZeilen(AnlageZeilen(p.a), "/tmp/", nullptr);
  const TModul& m2 = *zurueck->Module[0];
  ASSERT_EQ(m2.Gleise.size(), p.m->Gleise.size());
  for (std::size_t i = 0; i < m2.Gleise.size(); ++i) {
    const TGleis& vorher = *p.m->Gleise[i];
    const TGleis& nachher = *m2.Gleise[i];
    EXPECT_EQ(p.Nummern(vorher.Verbund), p.Nummern(nachher.Verbund)) << i;
    EXPECT_EQ(p.Nummern(vorher.Nachfolger), p.Nummern(nachher.Nachfolger)) << i;
    EXPECT_EQ(vorher.Vorgaenger ? vorher.Vorgaenger->Nummer : -1,
              nachher.Vorgaenger ? nachher.Vorgaenger->Nummer : -1);
    EXPECT_DOUBLE_EQ(vorher.XAnf, nachher.XAnf);
  }
  const Zeilen vorher = AnlageZeilen(p.a), nachher = AnlageZeilen(*zurueck);
  ASSERT_EQ(vorher.size(), nachher.size());
  EXPECT_EQ(Zeilen(vorher.begin() + 34, vorher.end()), Zeilen(nachher.begin() + 34, nachher.end()));
  ERWARTE_GESUND(p.a);
  ERWARTE_GESUND(*zurueck);
}

}  // namespace
}  // namespace trm
