// The parts list: track lengths per gauge, flexible pieces with waste and remainder, element
// counts merged by type, kept prices and the CSV form.
#include <gtest/gtest.h>

#include "Testplan.h"
#include "core/model/AnlageDatei.h"
#include "core/model/Fehler.h"
#include "core/model/Zahlformat.h"
#include "core/output/Stueckliste.h"
#include "core/turnouts/Weiche.h"
#include "core/turnouts/Weichenliste.h"

namespace trm {
namespace {

TEST(Stueckliste, FlexgleiseMitVerschnitt) {
  // 12.5 m, pieces of 914 mm, 10 % waste, 8,50 each: 16 pieces, 136,00, rest 16·914 − 13750.
  const TFlexErgebnis e = FlexBerechnen(12500, 914, 10, 8.5);
  EXPECT_EQ(e.anzahl, 16);
  EXPECT_DOUBLE_EQ(e.summe, 136.0);
  EXPECT_NEAR(e.rest, 874, 1e-9);
  // An exact multiple needs no extra piece.
  EXPECT_EQ(FlexBerechnen(9140, 914, 0, 1).anzahl, 10);
}

struct Plan : test::Testplan {
  Plan() {
    a.Name = "Bahnhof";
    a.Werte.Spur = 16.5;
    Gleis(1, {5000, 2500});
    TGleis* n = Gleis(2, {3000});
    n->Eigen.Spur = 9;
    TGleis* h = Gleis(3, {1000});
    h->Eigen.Spur = 16.5 * (1 + 1e-13);  // rounding noise: the same gauge
    TGleis* w = Gleis(4, {700});
    w->GlsTyp = "10";  // a turnout's track never counts
  }
};

TEST(Stueckliste, GleiseProSpur) {
  Plan p;
  TStueckliste s = StuecklisteAufbauen(p.a);
  ASSERT_EQ(s.gleise.size(), 2u);
  EXPECT_DOUBLE_EQ(s.gleise[0].spur, 16.5);
  EXPECT_NEAR(s.gleise[0].laengeMm, 8500, 1e-6);
  EXPECT_DOUBLE_EQ(s.gleise[1].spur, 9);
  EXPECT_NEAR(s.gleise[1].laengeMm, 3000, 1e-6);
  const TZellen z = GleisZellen(s);
  EXPECT_EQ(z[0][1], "16,5 mm");
  EXPECT_EQ(z[1][1], "8,500");
  EXPECT_EQ(z[4][1], "");  // no piece length typed: nothing computed
  s.gleise[0].stueckLaenge = "914";
  s.gleise[0].verschnitt = "10";
  s.gleise[0].preis = "8,50";
  StuecklisteBerechnen(s);
  EXPECT_EQ(*s.gleise[0].anzahl, 11);  // 9350 / 914 = 10.2
  EXPECT_FALSE(s.gleise[1].anzahl);
  const TZellen b = GleisZellen(s);
  EXPECT_EQ(b[6][1], "93,50");
  EXPECT_EQ(b[7][1], "704,000");
  EXPECT_EQ(b[8][1], "");
  EXPECT_EQ(b[8][2], "93,50");  // the total stands in the last column
}

TEST(Stueckliste, FalscheEingabenAendernNichts) {
  Plan p;
  TStueckliste s = StuecklisteAufbauen(p.a);
  s.gleise[0].stueckLaenge = "914";
  StuecklisteBerechnen(s);
  ASSERT_TRUE(s.gleise[0].anzahl);
  s.gleise[0].preis = "-";
  EXPECT_THROW(StuecklisteBerechnen(s), EingabeFehler);
  EXPECT_EQ(*s.gleise[0].anzahl, 10);
  s.gleise[0].preis = "";
  s.gleise[0].stueckLaenge = "0";
  EXPECT_THROW(StuecklisteBerechnen(s), EingabeFehler);
}

TEST(Stueckliste, WeichenZusammengefasst) {
  auto a = AnlageLaden(std::string(TRM_TESTDATEN) + "/weichenplan.m88", "/nirgends/", nullptr);
  // Two more of the left-hand type, placed from its own type record: three of one row.
  const TElement* links = a->AktuellesModul()->ElementeDerArt(Elementart::Weiche).front();
  Zeilen satz;
  links->TypSchreiben(satz);
  ASSERT_NE(WeicheEinsetzen(*a, satz), nullptr);
  ASSERT_NE(WeicheEinsetzen(*a, satz), nullptr);
  TStueckliste s = StuecklisteAufbauen(*a);
  ASSERT_EQ(s.tabellen.size(), 5u);
  const TElementtabelle& w = s.tabellen[0];
  ASSERT_EQ(w.zeilen.size(), 2u);
  EXPECT_EQ(w.zeilen[0].name, "Weiche R 500 / 15° links");
  EXPECT_EQ(w.zeilen[0].richtung, "links");
  EXPECT_EQ(w.zeilen[0].anzahl, 3);
  EXPECT_EQ(w.zeilen[1].name, "Weiche R 900 / 12° rechts");
  EXPECT_EQ(w.zeilen[1].richtung, "rechts");
  EXPECT_EQ(w.zeilen[1].anzahl, 1);
  for (TElementzeile& z : s.tabellen[0].zeilen) z.preis = "20";
  StuecklisteBerechnen(s);
  EXPECT_DOUBLE_EQ(*s.tabellen[0].summe, 80.0);
  const TZellen zellen = ElementZellen(s.tabellen[0]);
  EXPECT_EQ(zellen.front(), (std::vector<std::string>{"Weiche", "Richtung", "Anzahl", "Stückpreis"}));
  EXPECT_EQ(zellen.back().front(), "Gesamtsumme");
  EXPECT_EQ(zellen.back().back(), "80,00");
  // The other tables by their kinds' captions; no turntables: only the header row.
  EXPECT_STREQ(TabellenTitel(s.tabellen[3].art), "Doppelte Kreuzungsweichen");
  EXPECT_EQ(ElementZellen(s.tabellen[4]), (TZellen{{"Drehscheibe", "Anzahl", "Stückpreis"}}));
}

TEST(Stueckliste, PreiseBleiben) {
  Plan p;
  TStueckliste s = StuecklisteAufbauen(p.a);
  s.gleise[0].stueckLaenge = "914";
  s.gleise[0].verschnitt = "10";
  s.gleise[0].preis = "8,50";
  TPreise preise;
  PreiseMerken(s, preise);
  const TPreise gelesen = PreiseLesen(PreiseSchreiben(preise));
  TStueckliste neu = StuecklisteAufbauen(p.a);
  PreiseEintragen(neu, gelesen);
  StuecklisteBerechnen(neu);
  EXPECT_EQ(neu.gleise[0].stueckLaenge, "914");
  EXPECT_EQ(neu.gleise[0].preis, "8,50");
  EXPECT_EQ(*neu.gleise[0].anzahl, 11);
  EXPECT_EQ(neu.gleise[1].stueckLaenge, "");
  // An emptied cell forgets its value.
  neu.gleise[0].stueckLaenge = neu.gleise[0].verschnitt = neu.gleise[0].preis = "";
  PreiseMerken(neu, preise);
  EXPECT_TRUE(preise.spuren.empty());
}

TEST(Stueckliste, CSV) {
  Plan p;
  TStueckliste s = StuecklisteAufbauen(p.a);
  s.gleise[0].stueckLaenge = "914";
  StuecklisteBerechnen(s);
  const std::string csv = StuecklisteCSV(s);
  EXPECT_EQ(csv.substr(0, csv.find("\n\n")),
            "Gleise\n"
            "Spurweite;16,5 mm;9 mm\n"
            "Gesamtlänge in m;8,500;3,000\n"
            "Länge pro Flexgleis in mm;914;\n"
            "Verschnitt in %;;\n"
            "Anzahl;10;\n"
            "Preis pro Flexgleis;;\n"
            "Summe;0,00;\n"
            "Rest;640,000;\n"
            "Gesamtsumme;;0,00");
  EXPECT_NE(csv.find("\nEinfache Weichen\nWeiche;Richtung;Anzahl;Stückpreis\n"), std::string::npos);
  EXPECT_NE(csv.find("\nDrehscheiben\nDrehscheibe;Anzahl;Stückpreis\n"), std::string::npos);
}

}  // namespace
}  // namespace trm
