// Printing to scale: sheet tiling worked by hand, the page list, the print transform that makes
// a 1:1 print measure true, and what the print options change on the recording canvas.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "Testplan.h"
#include "core/model/AnlageDatei.h"
#include "core/model/Fehler.h"
#include "core/crossings/Kreuzung.h"
#include "core/geometry/Geo.h"
#include "core/turnouts/Weiche.h"
#include "core/model/Neuberechnung.h"
#include "core/output/Blattaufteilung.h"
#include "core/output/Druckblatt.h"
#include "core/render/Ansicht.h"
#include "core/render/Aufzeichnung.h"

namespace trm {
namespace {

using Art = Zeichenbefehl::Art;

TEST(Blattaufteilung, ModulAufA4Hochformat) {
  // 1500 x 600 at 1:1 on A4 portrait with a printable area of 200 x 287 mm: 1500/200 = 7.5 -> 8
  // columns, 600/287 = 2.09 -> 3 rows.
  const TBlattaufteilung t = Blaetter(1500, 600, 1, 200, 287);
  EXPECT_EQ(t.druckBreiteMm, 1500);
  EXPECT_EQ(t.druckHoeheMm, 600);
  EXPECT_EQ(t.spalten, 8);
  EXPECT_EQ(t.zeilen, 3);
  EXPECT_EQ(t.Anzahl(), 24);
  // Sheet 1 lies at the lower left, 8 the lower right, 9 starts the second row.
  EXPECT_EQ(BlattLage(1, 8).spalte, 0);
  EXPECT_EQ(BlattLage(1, 8).zeile, 1);
  EXPECT_EQ(BlattLage(8, 8).spalte, 7);
  EXPECT_EQ(BlattLage(9, 8).spalte, 0);
  EXPECT_EQ(BlattLage(9, 8).zeile, 2);
  // At 300 dpi a sheet of 200 x 287 mm is 2362 x 3390 pixels; sheet 10 (column 1, row 2)
  // shows model x 200..400 and y 287..574: its origin is at model (200, 574).
  const auto w = static_cast<std::int32_t>(std::lround(200 * 300 / 25.4));
  const auto h = static_cast<std::int32_t>(std::lround(287 * 300 / 25.4));
  const TDrucktransform d(300, 300, 1, w, h, BlattLage(10, 8));
  const PixelPunkt o = d.Pixel(200, 574);
  EXPECT_LE(std::abs(o.x), 1);
  EXPECT_LE(std::abs(o.y), 1);
  // Its bottom edge, model y = 287, lies at the sheet's lower border.
  EXPECT_LE(std::abs(d.Pixel(400, 287).x - w), 1);
  EXPECT_EQ(d.Pixel(200, 287 * 2).y, 2 * h - static_cast<std::int32_t>(std::lround(574 * 300 / 25.4)));
  EXPECT_EQ(d.Pixel(200, 287).y, 2 * h - static_cast<std::int32_t>(std::lround(287 * 300 / 25.4)));
}

TEST(Blattaufteilung, GroesseresModulUndMassstab) {
  const TBlattaufteilung t = Blaetter(2000, 1000, 1, 200, 287);
  EXPECT_EQ(t.spalten, 10);
  EXPECT_EQ(t.zeilen, 4);
  EXPECT_EQ(BlattLage(11, 10).zeile, 2);
  EXPECT_EQ(BlattLage(11, 10).spalte, 0);
  const TBlattaufteilung h = Blaetter(2000, 1000, 3, 200, 287);  // 667 x 334 mm printed
  EXPECT_EQ(h.druckBreiteMm, 667);
  EXPECT_EQ(h.druckHoeheMm, 334);
  EXPECT_EQ(h.spalten, 4);
  EXPECT_EQ(h.zeilen, 2);
}

TEST(Blattaufteilung, Massstab) {
  EXPECT_EQ(DruckmassstabLesen("5"), 5);
  EXPECT_EQ(DruckmassstabLesen("0"), 1);
  EXPECT_EQ(DruckmassstabLesen("-3"), 1);
  EXPECT_THROW(DruckmassstabLesen("zwei"), EingabeFehler);
  EXPECT_THROW(DruckmassstabLesen(""), EingabeFehler);
  EXPECT_THROW(DruckmassstabLesen("1,5"), EingabeFehler);
}

TEST(Blattaufteilung, Seitenliste) {
  EXPECT_EQ(Seitenliste(" 7 - 10, 1,5", 40), (std::vector<std::int64_t>{1, 5, 7, 8, 9, 10}));
  EXPECT_TRUE(Seitenliste("3-1", 40).empty());
  EXPECT_EQ(Seitenliste("2,2", 40), (std::vector<std::int64_t>{2, 2}));
  EXPECT_EQ(Seitenliste("1 - 40", 40).size(), 40u);
  EXPECT_THROW(Seitenliste("1,x", 40), EingabeFehler);
  try {
    Seitenliste("1,41", 40);
    FAIL();
  } catch (const EingabeFehler& f) {
    EXPECT_STREQ(f.what(), "Blatt 41 gibt es nicht; die Blätter sind 1 bis 40.");
  }
  EXPECT_THROW(Seitenliste("0", 40), EingabeFehler);
}

TEST(Drucktransform, EinsZuEinsMisstWahr) {
  // A 200 mm straight at 1:1 and 600 dpi: its ends lie 200 mm apart on the sheet.
  for (const double dpi : {300.0, 600.0, 1200.0}) {
    const TDrucktransform d(dpi, dpi, 1, 5000, 7000, BlattLage(1, 1));
    const PixelPunkt a = d.Pixel(10, 50), b = d.Pixel(210, 50);
    EXPECT_EQ(a.y, b.y);
    const double mm = (b.x - a.x) / dpi * 25.4;
    EXPECT_NEAR(mm, 200.0, 0.1) << dpi;
    EXPECT_NEAR(d.Laenge(100) / dpi * 25.4, 100.0, 0.1);
  }
  // At 1:10 the same straight is 20 mm long; y grows upwards in the model, downwards on paper.
  const TDrucktransform z(600, 600, 10, 5000, 7000, BlattLage(1, 1));
  EXPECT_NEAR((z.Pixel(210, 0).x - z.Pixel(10, 0).x) / 600.0 * 25.4, 20.0, 0.1);
  EXPECT_LT(z.Pixel(0, 100).y, z.Pixel(0, 0).y);
  EXPECT_EQ(z.Pixel(0, 0).y, 7000);
}

struct Druckplan : test::Testplan {
  Druckplan() {
    a.Werte.SwAbst = 10;
    a.Werte.Spur = 16.5;
    a.Werte.SpurAussen = 19;
    a.Werte.SwLen = 30;
    a.Werte.SwBrt = 4;
    a.Werte.TrBrt = 40;
    m->Breite = 1500;
    m->Hoehe = 600;
    TGleis* g = Gleis(1, {200}, 100, 100);
    g->Farbe = 0x0000AA00;
    g->Boegen[0]->Name = "Gerade";
    ModulBerechnen(*m);
  }
  Aufzeichnung Blatt(const TDruckoptionen& o) {
    const TDrucktransform t(254, 254, 1, 2000, 2870, BlattLage(1, 8));  // 10 pixels per mm
    Aufzeichnung c(2000, 2870);
    BlattZeichnen(a, *m, o, t, 1, c);
    return c;
  }
};

std::vector<const Zeichenbefehl*> Breit(const Aufzeichnung& c, int breite) {
  std::vector<const Zeichenbefehl*> v;
  for (const auto* b : c.Alle(Art::Polylinie))
    if (b->stift.breite == breite) v.push_back(b);
  return v;
}

TEST(Druckblatt, MittellinieUndSchienen) {
  Druckplan p;
  TDruckoptionen o;
  o.raster = false;
  Aufzeichnung c = p.Blatt(o);
  // With rails: a 1 pixel centre line and four rails.
  EXPECT_EQ(Breit(c, 5).size(), 0u);
  EXPECT_EQ(c.Alle(Art::Polylinie).size(), 5u);
  const auto* mitte = c.Alle(Art::Polylinie).front();
  EXPECT_EQ(mitte->punkte.front(), (PixelPunkt{1000, 2870 - 1000}));
  EXPECT_EQ(mitte->punkte.back(), (PixelPunkt{3000, 2870 - 1000}));  // 200 mm = 2000 pixels
  o.schienen = false;
  Aufzeichnung ohne = p.Blatt(o);
  EXPECT_EQ(ohne.Alle(Art::Polylinie).size(), 1u);
  EXPECT_EQ(Breit(ohne, 5).size(), 1u);
}

TEST(Druckblatt, FerneBlaetterZeichnenKeineGleise) {
  Druckplan p;
  TDruckoptionen o;
  o.raster = false;
  // The track lies on sheet 1 (x 100..300, y 100); sheet 8 is 1400 mm to the right.
  const TDrucktransform t(254, 254, 1, 2000, 2870, BlattLage(8, 8));
  Aufzeichnung c(2000, 2870);
  BlattZeichnen(p.a, *p.m, o, t, 8, c);
  EXPECT_TRUE(c.Alle(Art::Polylinie).empty());
  // Sheet 2 (x 200..400) shows its second half.
  const TDrucktransform t2(254, 254, 1, 2000, 2870, BlattLage(2, 8));
  Aufzeichnung c2(2000, 2870);
  BlattZeichnen(p.a, *p.m, o, t2, 2, c2);
  ASSERT_EQ(c2.Alle(Art::Polylinie).size(), 5u);
  EXPECT_EQ(c2.Alle(Art::Polylinie).front()->punkte.back().x, 1000);
}

TEST(Druckblatt, FarbeUndSchwarzweiss) {
  Druckplan p;
  TDruckoptionen o;
  o.raster = false;
  // The recording must outlive the pointers into it.
  const auto schwarz = p.Blatt(o);
  for (const auto* b : schwarz.Alle(Art::Polylinie)) EXPECT_EQ(b->stift.farbe, 0);
  o.farbig = true;
  const auto farbig = p.Blatt(o);
  for (const auto* b : farbig.Alle(Art::Polylinie)) EXPECT_EQ(b->stift.farbe, 0x0000AA00);
}

TEST(Druckblatt, OptionenSchwellenTrasseNamenRaster) {
  Druckplan p;
  TDruckoptionen o;
  o.raster = false;
  const Aufzeichnung ohne = p.Blatt(o);
  EXPECT_TRUE(ohne.Alle(Art::Polygon).empty());
  o.schwellen = true;
  // 200 mm at 10 mm spacing: 19 sleepers inside, one on the end where the last sleeper falls.
  EXPECT_EQ(p.Blatt(o).Alle(Art::Polygon).size(), 20u);
  o.schwellen = false;
  o.trasse = true;
  const Aufzeichnung trasse = p.Blatt(o);
  EXPECT_EQ(std::count_if(trasse.befehle.begin(), trasse.befehle.end(),
                          [](const Zeichenbefehl& b) { return b.art == Art::Polylinie && b.stift.gepunktet; }),
            2);
  o.trasse = false;
  o.bogenname = true;
  o.bogenradius = true;
  const Aufzeichnung namen = p.Blatt(o);
  std::vector<std::string> texte;
  for (const auto* b : namen.Alle(Art::Text)) texte.push_back(b->text);
  EXPECT_NE(std::find(texte.begin(), texte.end(), "Gerade"), texte.end());
  const auto n = std::count_if(namen.befehle.begin(), namen.befehle.end(),
                               [](const Zeichenbefehl& b) { return b.art == Art::Text && b.texthoehe == DruckTexthoehe; });
  EXPECT_EQ(n, 3);
  // The sheet number and, with the grid, the grid lines in grey and the crosses.
  o = {};
  const Aufzeichnung raster = p.Blatt(o);
  const auto blatttexte = raster.Alle(Art::Text);
  ASSERT_GE(blatttexte.size(), 2u);
  EXPECT_EQ(blatttexte[blatttexte.size() - 2]->text, "1");
  EXPECT_EQ(blatttexte[blatttexte.size() - 2]->punkte.front(), (PixelPunkt{1000, 50}));
  // Every sheet names the plan, the scale, the sheet, its column and row, inside its lower
  // left corner, and carries an angle at each corner for joining.
  EXPECT_EQ(blatttexte.back()->text, "Ohne Namen  1:1  Blatt 1  Spalte 1, Reihe 1");
  EXPECT_EQ(blatttexte.back()->punkte.front().x, 50);
  const auto grau = std::count_if(raster.befehle.begin(), raster.befehle.end(), [](const Zeichenbefehl& b) {
    return b.art == Art::Linie && b.stift.farbe == 0x646464 && b.stift.gepunktet;
  });
  EXPECT_EQ(grau, 7 + 16);  // y = 0..600 and x = 0..1500 in 100 mm steps
}

TEST(Druckblatt, WeichenSchwellenTrasseUndNamen) {
  auto a = AnlageLaden(std::string(TRM_TESTDATEN) + "/weichenplan.m88", "/nirgends/", nullptr);
  TModul& m = *a->AktuellesModul();
  ModulBerechnen(m);
  const auto weichen = m.ElementeDerArt(Elementart::Weiche);
  ASSERT_FALSE(weichen.empty());
  const TDrucktransform t(100, 100, 1, 5000, 5000, BlattLage(1, 1));
  TDruckoptionen o;
  o.raster = false;
  o.schwellen = true;
  Aufzeichnung c(5000, 5000);
  BlattZeichnen(*a, m, o, t, 1, c);
  // The turnouts' sleeper outlines come first, in order, each as its four corners.
  std::size_t i = 0;
  const auto polygone = c.Alle(Art::Polygon);
  for (const TElement* e : weichen)
    for (const auto& u : static_cast<const TWeiche*>(e)->SwPolygone) {
      ASSERT_LT(i, polygone.size());
      EXPECT_EQ(polygone[i]->punkte.front(), t.Pixel(u[0].x, u[0].y));
      EXPECT_EQ(polygone[i]->punkte.size(), 4u);
      ++i;
    }
  // Without a computed sleeper plan a turnout's tracks get sleepers at their sleeper points.
  EXPECT_GT(polygone.size(), i);
  // Bed: a dotted edge on one side of every turnout track segment, besides both edges of the plain tracks.
  o.schwellen = false;
  o.trasse = true;
  Aufzeichnung tr(5000, 5000);
  BlattZeichnen(*a, m, o, t, 1, tr);
  std::size_t weichenboegen = 0, gewoehnlich = 0;
  for (const auto& g : m.Gleise) (g->IstWeichengleis() ? weichenboegen : gewoehnlich) += g->Boegen.size();
  const auto gepunktet = std::count_if(tr.befehle.begin(), tr.befehle.end(),
                                       [](const Zeichenbefehl& b) { return b.art == Art::Polylinie && b.stift.gepunktet; });
  EXPECT_EQ(static_cast<std::size_t>(gepunktet), weichenboegen + 2 * gewoehnlich);
  // Names: the turnout's name with the radii of its two tracks.
  o.trasse = false;
  o.bogenname = true;
  Aufzeichnung n(5000, 5000);
  BlattZeichnen(*a, m, o, t, 1, n);
  const std::string name = " " + weichen.front()->Typname() + " - ";
  EXPECT_TRUE(std::any_of(n.befehle.begin(), n.befehle.end(),
                          [&](const Zeichenbefehl& b) { return b.text.rfind(name, 0) == 0; }));
}

TEST(Druckblatt, KreuzungsschwellenZuerst) {
  auto a = AnlageLaden(std::string(TRM_TESTDATEN) + "/schwellenplan.m88", "/nirgends/", nullptr);
  TModul& m = *a->AktuellesModul();
  ModulBerechnen(m);
  std::vector<std::array<TPaar, 4>> erwartet;
  for (const Elementart art : {Elementart::Kreuzung, Elementart::EKW, Elementart::DKW})
    for (const TElement* e : m.ElementeDerArt(art)) {
      const auto* k = static_cast<const TKreuzung*>(e);
      erwartet.insert(erwartet.end(), k->SwUmrisseB.begin(), k->SwUmrisseB.end());
      erwartet.insert(erwartet.end(), k->SwUmrisseA.begin(), k->SwUmrisseA.end());
    }
  ASSERT_FALSE(erwartet.empty());
  const TDrucktransform t(100, 100, 1, 5000, 5000, BlattLage(1, 1));
  TDruckoptionen o;
  o.schwellen = true;
  o.farbig = true;
  Aufzeichnung c(5000, 5000);
  BlattZeichnen(*a, m, o, t, 1, c);
  const auto polygone = c.Alle(Art::Polygon);
  ASSERT_GE(polygone.size(), erwartet.size());
  for (std::size_t i = 0; i < erwartet.size(); ++i)
    EXPECT_EQ(polygone[i]->punkte[2], t.Pixel(erwartet[i][2].x, erwartet[i][2].y)) << i;
}

TEST(Druckblatt, GeoelementeRahmenOderVollstaendig) {
  Druckplan p;
  auto geo = std::make_unique<TGeo>(p.m);
  TGeoElement vieleck;
  vieleck.Art = GeoPolygon;
  vieleck.Stiftfarbe = 0x0000FF;
  vieleck.Fuellfarbe = 0x00FF00;
  vieleck.Stiftbreite = 2;  // mm: 20 pixels at 10 pixels per mm
  for (const auto& [x, y] : {std::pair{10.0, 10.0}, {50.0, 10.0}, {50.0, 50.0}}) vieleck.PunktHinzu(x, y);
  TGeoElement kreis;
  kreis.Art = GeoKreis;
  kreis.PunktHinzu(100, 100);
  kreis.PunktHinzu(130, 140);  // radius 50 mm
  geo->Elemente = {vieleck, kreis};
  p.m->ElementHinzufuegen(std::move(geo));
  TDruckoptionen o;
  o.raster = false;
  EXPECT_TRUE(p.Blatt(o).Alle(Art::Polygon).empty());
  o.geoRahmen = true;
  Aufzeichnung rahmen = p.Blatt(o);
  ASSERT_EQ(rahmen.Alle(Art::Polygon).size(), 1u);
  EXPECT_TRUE(rahmen.Alle(Art::Polygon)[0]->pinsel.leer);
  EXPECT_EQ(rahmen.Alle(Art::Polygon)[0]->stift, (Stift{0x0000FF, false, 1}));
  ASSERT_EQ(rahmen.Alle(Art::Ellipse).size(), 1u);
  const auto& e = rahmen.Alle(Art::Ellipse)[0]->punkte;
  EXPECT_EQ(e[1].x - e[0].x, 1000);  // 2 · 50 mm
  o.geoVollstaendig = true;
  Aufzeichnung voll = p.Blatt(o);
  EXPECT_EQ(voll.Alle(Art::Polygon)[0]->pinsel, (Pinsel{0x00FF00, false}));
  EXPECT_EQ(voll.Alle(Art::Polygon)[0]->stift.breite, 20);
  o.schwellen = true;  // with sleepers the lines are black
  Aufzeichnung schwarz = p.Blatt(o);
  const auto polygone = schwarz.Alle(Art::Polygon);
  EXPECT_EQ(polygone.back()->stift.farbe, 0);
}

TEST(Druckblatt, Blattuebersicht) {
  Druckplan p;
  Aufzeichnung c(750, 300);
  BlattuebersichtZeichnen(*p.m, 1, 200, 287, c, TAnsicht(*p.m));  // 2 mm per pixel
  // Borders at x = 0, 200, …, 1400 and y = 0, 287, 574; numbers 1..24.
  EXPECT_EQ(c.Alle(Art::Linie).size(), 8u + 3u);
  for (const auto* b : c.Alle(Art::Linie)) EXPECT_EQ(b->stift.farbe, 255);
  const auto texte = c.Alle(Art::Text);
  ASSERT_EQ(texte.size(), 24u);
  EXPECT_EQ(texte[0]->text, "1");
  EXPECT_EQ(texte[0]->punkte.front(), (PixelPunkt{5, 300 - 20}));  // (10 mm, 40 mm)
  EXPECT_EQ(texte[8]->text, "9");
  EXPECT_EQ(texte[8]->punkte.front(), (PixelPunkt{5, 300 - 20 - 144}));  // one row (287 mm) up, rounded
}

}  // namespace
}  // namespace trm
