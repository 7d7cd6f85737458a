// The layout model: inherited settings, identity, selection and the removal of tracks.
#include <gtest/gtest.h>

#include "Testplan.h"

#include <deque>

#include "core/model/Anlage.h"

namespace trm {
namespace {

struct Aufbau : test::Testplan {
  Aufbau() : Testplan(std::make_shared<MersenneZufall>(3)) {
    a.Werte.Spur = 9;
    a.Werte.SwAbst = 5;
    a.Farbe = 0x00FFFFFF;
  }
  TGleis* Gleis(std::int32_t nr, int boegen = 1) { return Testplan::Gleis(nr, std::vector<double>(static_cast<std::size_t>(boegen), 100)); }
};

TEST(Anlage, EinstellungenErbenVonObenBisSieGesetztSind) {
  Aufbau x;
  TGleis* g = x.Gleis(1);
  TBogen* b = g->Boegen[0].get();
  EXPECT_EQ(g->Spur(), 9);  // layout value through an unset module
  EXPECT_EQ(b->Spur(), 9);
  x.m->Eigen.Spur = 16.5;
  EXPECT_EQ(g->Spur(), 16.5);
  EXPECT_EQ(b->Spur(), 16.5);
  g->Eigen.Spur = 12;
  x.m->Eigen.Spur = 32;
  EXPECT_EQ(g->Spur(), 12);  // the module no longer matters
  b->Eigen.Spur = 0;         // only exactly -1 means unset
  EXPECT_EQ(b->Spur(), 0);
  b->Eigen.SwAbst = -1.0000001;
  EXPECT_EQ(b->SwAbst(), -1.0000001);
  EXPECT_EQ(x.m->MaxKruemmung(), x.a.Werte.MaxKruemmung);
}

TEST(Anlage, FarbenWerdenNichtVomModulGeerbt) {
  Aufbau x;
  TGleis* g = x.Gleis(1);
  g->Farbe = 0x0000FF;
  x.m->Farbe = 0x00FF00;
  EXPECT_EQ(g->Boegen[0]->FarbeWert(), 0x0000FF);
  g->Boegen[0]->Farbe = 0x123456;
  EXPECT_EQ(g->Boegen[0]->FarbeWert(), 0x123456);
  EXPECT_EQ(x.m->HintergrundFarbe(), 0x00FF00);
  x.m->Farbe = -1;
  EXPECT_EQ(x.m->HintergrundFarbe(), 0x00FFFFFF);
}

TEST(Anlage, AnfangshoeheMinusEinsIstNull) {
  Aufbau x;
  TGleis* g = x.Gleis(1);
  EXPECT_EQ(g->ZAnfWert, -1);
  EXPECT_EQ(g->ZAnf(), 0);
  EXPECT_EQ(g->Boegen[0]->ZAnf(), 0);
  g->ZAnfWert = 12;
  EXPECT_EQ(g->Boegen[0]->ZAnf(), 12);
}

TEST(Anlage, AuswahlMarkiertGenauEinGleisUndEinenBogen) {
  Aufbau x;
  for (int i = 0; i < 5; ++i) x.Gleis(i, 2);
  x.m->GleisWaehlen(1);
  x.m->Gleise[1]->BogenWaehlen(1);
  x.m->GleisWaehlen(3);
  x.m->Gleise[3]->BogenWaehlen(0);
  int gleise = 0, boegen = 0;
  for (auto& g : x.m->Gleise) {
    gleise += g->Markiert;
    for (auto& b : g->Boegen) boegen += b->Markiert;
  }
  EXPECT_EQ(gleise, 1);
  EXPECT_EQ(boegen, 1);
  EXPECT_TRUE(x.m->Gleise[3]->Markiert);
  EXPECT_TRUE(x.m->Gleise[3]->Boegen[0]->Markiert);
  EXPECT_EQ(x.m->AktuellesGleis(), x.m->Gleise[3].get());

  TModul* zweites = x.a.ModulAnhaengen();
  x.a.ModulWaehlen(1);
  EXPECT_FALSE(x.m->Aktiv);
  EXPECT_TRUE(zweites->Aktiv);
  EXPECT_EQ(x.a.AktuellesModul(), zweites);
}

TEST(Anlage, SucheNachNummerFindetDasLetzteGleis) {
  Aufbau x;
  TGleis* erstes = x.Gleis(77);
  TModul* m2 = x.a.ModulAnhaengen();
  TGleis* spaeteres = m2->GleisAnhaengen();
  spaeteres->Nummer = 77;
  EXPECT_EQ(x.a.GleisMitNummer(77), spaeteres);
  EXPECT_NE(x.a.GleisMitNummer(77), erstes);
  EXPECT_EQ(x.a.GleisMitNummer(78), nullptr);
}

TEST(Anlage, NeueNummerZaehltHochBisSieFreiIst) {
  auto zahlen = std::make_shared<test::FesteZahlen>(std::vector<std::int64_t>{5, 5, 100});
  Anlage a(zahlen);
  TModul* m = a.ModulAnhaengen();
  m->GleisAnhaengen()->Nummer = 5;
  m->GleisAnhaengen()->Nummer = 6;
  EXPECT_EQ(a.NeueNummer(BereichModul), 7);
  EXPECT_EQ(zahlen->grenzen.back(), 9'999'999);
  EXPECT_TRUE(a.IDListe.count("7"));
  EXPECT_EQ(a.NeueNummer(BereichNeuesGleis), 8);  // 7 was handed out, though no track has it
  EXPECT_EQ(a.NeueNummer(BereichWeiche), 100);
  EXPECT_FALSE(a.IDFrei(100));
  EXPECT_TRUE(a.IDFrei(101));
}

TEST(Anlage, EntferntesGleisHinterlaesstKeineVerweise) {
  Aufbau x;
  TGleis* a = x.Gleis(1);
  TGleis* b = x.Gleis(2);
  TGleis* c = x.Gleis(3);
  b->Vorgaenger = a;
  a->Nachfolger.push_back(b);
  c->Vorgaenger = b;
  b->Nachfolger.push_back(c);
  a->Verbund = {a, b, c};
  b->Verbund = {b, a, c};
  c->XAnf = 123;
  c->YAnf = 45;
  x.m->GleisEntfernen(1);  // b
  ASSERT_EQ(x.m->Gleise.size(), 2u);
  EXPECT_EQ(c->Vorgaenger, nullptr);
  EXPECT_TRUE(a->Nachfolger.empty());
  EXPECT_EQ(a->Verbund, (std::vector<TGleis*>{a, c}));
  EXPECT_EQ(c->XAnf, 123);  // start stays where it was
  EXPECT_EQ(c->YAnf, 45);
  x.m->GleisEntfernen(7);  // out of range: nothing happens
  EXPECT_EQ(x.m->Gleise.size(), 2u);
}

TEST(Anlage, GleisTypUndDrehscheibenKennungBleibenGleich) {
  TGleis g;
  EXPECT_FALSE(g.IstWeichengleis());
  g.SetWeichengleis(true);
  EXPECT_EQ(g.GlsTyp, "10");
  g.SetDSGleis(true);
  EXPECT_EQ(g.GlsTyp, "11");
  EXPECT_TRUE(g.DSGleis);
  EXPECT_FALSE(g.IstGewoehnlich());
  g.SetWeichengleis(false);
  EXPECT_TRUE(g.IstGewoehnlich());
  EXPECT_EQ(g.Verbund, (std::vector<TGleis*>{&g}));
  g.SetWAnf(7);
  EXPECT_DOUBLE_EQ(g.WAnf(), 7 - 2 * Pi);
}

}  // namespace
}  // namespace trm
