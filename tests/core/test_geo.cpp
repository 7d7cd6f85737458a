// Background components: geometry worked by hand, records and the library, placing at a
// segment, and the geometry editor's snapping, tools and zoom.
#include <gtest/gtest.h>

#include <cmath>

#include "Editorumgebung.h"
#include "core/editor/Editor.h"
#include "core/geometry/Geo.h"
#include "core/geometry/GeoBefehle.h"
#include "core/geometry/GeoEditor.h"
#include "core/geometry/GeoListe.h"
#include "core/model/AnlageDatei.h"
#include "core/model/Bogen.h"
#include "core/model/Fehler.h"
#include "core/model/Neuberechnung.h"
#include "core/model/Textdatei.h"
#include "core/render/Aufzeichnung.h"

namespace trm {
namespace {

constexpr double kPi = 3.141592653589793;

Zeilen Tor() {
  return {"1", "Tor", "1", "100#50#0#0#", "0", "PL", "clBlack", "clWhite", "0", "0#0#0#0#", "10#5#0#0#", "end"};
}

TEST(Geo, DrehenKreisFarbenUndSaetze) {
  TGeo g;
  g.Bezugspunkt = {100, 50, 0, 0};
  TGeoElement e;
  e.PunktHinzu(110, 50);
  e.PunktHinzu(100, 60);
  g.Elemente.push_back(e);
  g.Drehen(kPi / 2);  // a quarter turn to the left about the reference point
  EXPECT_NEAR(g.Elemente[0].Punkte[0].x, 100, 1e-12);
  EXPECT_NEAR(g.Elemente[0].Punkte[0].y, 60, 1e-12);
  EXPECT_NEAR(g.Elemente[0].Punkte[1].x, 90, 1e-12);

  TGeoElement k;
  k.Art = GeoKreis;
  k.PunktHinzu(0, 0);
  k.PunktHinzu(3, 4);
  EXPECT_DOUBLE_EQ(k.Radius(), 5);
  EXPECT_EQ(FarbText(0xFF0000), "clBlue");
  EXPECT_EQ(FarbText(0x123456), "$00123456");
  EXPECT_EQ(FarbeAusText("$00123456"), 0x123456);
  EXPECT_EQ(FarbeAusText("255"), 255);
  EXPECT_THROW(FarbeAusText("rot"), LeseFehler);
  EXPECT_DOUBLE_EQ(Richtungswinkel(0, 0, -1, 0), kPi);
  EXPECT_DOUBLE_EQ(Richtungswinkel(0, 0, 0, 2), kPi / 2);

  // Negative decimal colours (system colours) read and are written in hexadecimal.
  EXPECT_EQ(FarbeAusText("-16777201"), -16777201);
  EXPECT_EQ(FarbText(-16777201), "$FF00000F");
  EXPECT_EQ(FarbeAusText("$FF00000F"), -16777201);
  EXPECT_THROW(FarbeAusText("-2147483649"), LeseFehler);
  EXPECT_THROW(FarbeAusText("$-1"), LeseFehler);

  // An unknown kind reads as a polyline.
  Zeilen z = Tor();
  z[5] = "Wolke";
  EXPECT_EQ(GeoListeAusZeilen(z)[0].Elemente[0].Art, GeoPolylinie);
  z.pop_back();
  z[5] = "PL";
  EXPECT_THROW(GeoListeAusZeilen(z), LeseFehler);  // no "end"
  z = Tor();
  z[0] = "99999999";
  EXPECT_THROW(GeoListeAusZeilen(z), LeseFehler);
}

TEST(Geo, BibliothekLiestUndSchreibtGleich) {
  const Zeilen z = DateiLesen(std::string(TRM_QUELLDATEN) + "/stdGeoListe.g88");
  const std::vector<TGeo> liste = GeoListeAusZeilen(z);
  ASSERT_EQ(liste.size(), 7u);
  EXPECT_EQ(GeoListeZeilen(liste), z);
  EXPECT_EQ(GeoListeZeilen(GeoListeAusZeilen(Tor())), Tor());
}

/// A library of one component with an empty polyline (as the editor's tool appends it), a
/// polygon of two points and a Bezier curve of three.
Zeilen Unfertig() {
  return {"1",          "Skizze",    "3",       "0#0#0#0#", "0",        "PL",       "clBlack", "clWhite", "0",
          "end",        "PG",        "clRed",   "clAqua",   "0,5",      "0#0#0#0#", "10#0#0#0#", "end",
          "Bezier",     "clBlue",    "clWhite", "0",        "0#0#0#0#", "5#5#0#0#", "10#0#0#0#", "end"};
}

TEST(Geo, UnfertigeElementeUndDezimalpunkt) {
  // Elements with fewer points than their kind draws read and write back as they are; what can
  // be drawn is drawn (the two-point polygon), the rest is left out.
  const std::vector<TGeo> liste = GeoListeAusZeilen(Unfertig());
  ASSERT_EQ(liste.size(), 1u);
  ASSERT_EQ(liste[0].Elemente.size(), 3u);
  EXPECT_TRUE(liste[0].Elemente[0].Punkte.empty());
  EXPECT_EQ(GeoListeZeilen(liste), Unfertig());
  Aufzeichnung c;
  liste[0].Malen(c, [](double x, double y) { return PixelPunkt{static_cast<std::int32_t>(x), static_cast<std::int32_t>(-y)}; },
                 1, false);
  EXPECT_EQ(c.Alle(Zeichenbefehl::Art::Polygon).size(), 1u);
  EXPECT_TRUE(c.Alle(Zeichenbefehl::Art::Polylinie).empty());

  // A library written with a decimal point reads; it is written back with commas. A layout
  // record keeps the comma.
  Zeilen punkt = Tor();
  punkt[3] = "100.5#50#0#0#";
  punkt[4] = "0.25";
  punkt[8] = "0.5";
  punkt[10] = "10.5#5#0#0#";
  const std::vector<TGeo> p = GeoListeAusZeilen(punkt);
  EXPECT_DOUBLE_EQ(p[0].Bezugspunkt.x, 100.5);
  EXPECT_DOUBLE_EQ(p[0].Winkel, 0.25);
  EXPECT_DOUBLE_EQ(p[0].Elemente[0].Stiftbreite, 0.5);
  EXPECT_DOUBLE_EQ(p[0].Elemente[0].Punkte[1].x, 10.5);
  EXPECT_EQ(GeoListeZeilen(p)[10], "10,5#5#0#0#");
  punkt[8] = "1,5.5";
  EXPECT_THROW(GeoListeAusZeilen(punkt), LeseFehler);
  Zeilen lage = Tor();
  lage[4] = "0.25";
  TGeo g;
  std::size_t i = 1;
  EXPECT_THROW(g.RecordLesen(lage, i), LeseFehler);
}

class GeoImPlan : public test::Editorumgebung {
 protected:
  void SetUp() override {
    Editorumgebung::SetUp();
    ASSERT_TRUE(dok->Neu());
    const std::string pfad = (ordner / "tor.g88").string();
    DateiSchreiben(pfad, Tor());
    ed->anlage().Listendatei(Elementart::Geo) = pfad;
  }
};

TEST_F(GeoImPlan, EinsetzenLinksVomBogenanfang) {
  TBogen& b = *ed->bogen();
  b.Eigen.Spur = 16.5;
  b.Eigen.TrBrt = 40;
  ModulBerechnen(*ed->modul());
  ASSERT_EQ(GeoListenNamen(*ed), std::vector<std::string>{"Tor"});
  ASSERT_TRUE(GeoEinsetzen(*ed, 0));
  const auto geos = ed->modul()->ElementeDerArt(Elementart::Geo);
  ASSERT_EQ(geos.size(), 1u);
  const TGeo& g = *static_cast<const TGeo*>(geos[0]);
  EXPECT_DOUBLE_EQ(g.Bezugspunkt.x, b.XAnf());
  EXPECT_DOUBLE_EQ(g.Bezugspunkt.y, b.YAnf() + 20);
  EXPECT_DOUBLE_EQ(g.Elemente[0].Punkte[1].x, b.XAnf() + 10);  // along +x: the stored orientation
  EXPECT_EQ(ed->Zustand().rueckgaengig, "Rückgängig: Bauteil einsetzen");

  // Saved and read again with the layout.
  const Zeilen text = AnlageZeilen(ed->anlage());
  auto wieder = AnlageAusZeilen(text, ed->anlage().DatenPfad, nullptr);
  EXPECT_EQ(AnlageZeilen(*wieder), text);
  ASSERT_EQ(wieder->Module[0]->ElementeDerArt(Elementart::Geo).size(), 1u);

  TGeoVerschiebung v{true, "0", "0", "90"};
  ASSERT_TRUE(GeoDialogAnwenden(*ed, *static_cast<TGeo*>(geos[0]), v));
  EXPECT_NEAR(g.Elemente[0].Punkte[1].x, -5, 1e-9);  // (10, 5) from (0, 0), turned left
  EXPECT_NEAR(g.Elemente[0].Punkte[1].y, 10, 1e-9);
}

TEST_F(GeoImPlan, UnfertigesBauteilImPlan) {
  // A component with unfinished elements is placed, saved and read again unchanged.
  DateiSchreiben(ed->anlage().Listendatei(Elementart::Geo), Unfertig());
  ASSERT_TRUE(GeoEinsetzen(*ed, 0));
  const Zeilen text = AnlageZeilen(ed->anlage());
  auto wieder = AnlageAusZeilen(text, ed->anlage().DatenPfad, nullptr);
  EXPECT_EQ(AnlageZeilen(*wieder), text);
  const auto geos = wieder->Module[0]->ElementeDerArt(Elementart::Geo);
  ASSERT_EQ(geos.size(), 1u);
  EXPECT_EQ(static_cast<const TGeo*>(geos[0])->Elemente.size(), 3u);
}

TEST(GeoEditor, FangenWerkzeugeUndZoom) {
  TGeoEditor e;
  e.ausrichten = true;
  e.Werkzeug(WzBezier);
  // 0.75 mm per pixel: pixel (14, 533 - 14) is (10.5, 10.5) mm, snapped to (11, 11) (round half away).
  const int h = e.BildHoehe();
  for (int k = 1; k <= 4; ++k) {
    e.Druecken(14 * k, h - 14 * k, false);
    e.Loslassen();
  }
  ASSERT_EQ(e.Arbeitsliste.size(), 1u);
  const TGeoElement& b = e.Arbeitsliste[0];
  EXPECT_TRUE(b.Fertig);  // ends itself at the fourth point
  EXPECT_EQ(e.Modus, WzZeiger);
  EXPECT_DOUBLE_EQ(b.Punkte[0].x, 11);
  EXPECT_DOUBLE_EQ(b.Punkte[2].x, 32);  // 31,5 rounds up
  EXPECT_DOUBLE_EQ(b.Punkte[3].y, 42);

  // The rotate tool: straight above the current point (11, 11) turns (21, 21) by 90° to (1, 21),
  // up to the pixel the mouse is on.
  e.Werkzeug(WzDrehen);
  const PixelPunkt p0 = e.Pixel(b.Punkte[0].x, b.Punkte[0].y);
  e.Druecken(p0.x, p0.y, false);
  e.Bewegen(p0.x, p0.y - 40);
  EXPECT_NEAR(e.Arbeitsliste[0].Punkte[1].x, 1, 0.2);
  EXPECT_NEAR(e.Arbeitsliste[0].Punkte[1].y, 21, 0.2);
  e.Loslassen();

  TGeoEditor z;
  for (int i = 0; i < 10; ++i) z.Vergroessern();
  EXPECT_NEAR(z.MmProPixel, 0.15, 1e-12);

  // A list built in the editor: reference point subtracted, names kept.
  e.BezugSetzen(11, 11);
  e.Name = "Kurve";
  e.Hinzufuegen(std::nullopt);
  EXPECT_EQ(e.Namensliste, std::vector<std::string>{"Kurve"});
  EXPECT_EQ(e.Listentext[0], "1");
  EXPECT_EQ(GeoListeAusZeilen(e.Listentext)[0].Elemente[0].Punkte[0].x, 0);
}

}  // namespace
}  // namespace trm
