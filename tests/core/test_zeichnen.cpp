// The module drawing checked as data on the recording canvas: order, shapes, colours, markers,
// grid and labels, the drawing modes, the visible part, and the zoom and placement arithmetic.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/editor/Zoom.h"
#include "core/model/Anlage.h"
#include "core/model/AnlageDatei.h"
#include "core/model/Textdatei.h"
#include "core/model/Zahlformat.h"
#include "core/turnouts/Drehscheibe.h"
#include "core/model/Neuberechnung.h"
#include "core/model/Verbindungen.h"
#include "core/render/Ansicht.h"
#include "core/render/Aufzeichnung.h"
#include "core/render/Farben.h"
#include "core/render/ModulZeichnen.h"
#include "Testanlage.h"

namespace trm {
namespace {

using Art = Zeichenbefehl::Art;

/// A 1500 x 600 mm module at 2 mm per pixel with one straight track of two segments.
struct Bild {
  Anlage a{std::make_shared<MersenneZufall>(4)};
  TModul* m;
  TGleis* g;
  Bild() {
    a.Werte.SwAbst = 10;
    a.Werte.Spur = 16;
    a.Werte.SwLen = 30;
    a.Werte.SwBrt = 4;
    a.Werte.TrBrt = 40;
    a.GitterAbst = 500;
    a.GitterBeschrN = 2;
    m = a.ModulAnhaengen();
    m->MmProPixel = 2;
    m->Breite = 1500;
    m->Hoehe = 600;
    m->Farbe = 0x00CCEEFF;
    a.ModulWaehlen(0);
    g = m->GleisAnhaengen();
    g->Nummer = 1;
    g->XAnf = 100;
    g->YAnf = 300;
    g->Farbe = 0x0000AA00;
    for (double l : {100.0, 50.0}) {
      auto b = std::make_unique<TBogen>();
      b->SetLaenge(l);
      g->BogenAnhaengen(std::move(b));
    }
    m->GleisWaehlen(0);
    g->BogenWaehlen(1);
  }
  Aufzeichnung Zeichnen() {
    Aufzeichnung c(750, 300);
    ModulNeuzeichnen(a, *m, c, TAnsicht(*m));
    return c;
  }
};

TEST(Zeichnen, ReihenfolgeHintergrundGitterGleiseMarken) {
  Bild b;
  const Aufzeichnung c = b.Zeichnen();
  ASSERT_FALSE(c.befehle.empty());
  EXPECT_EQ(c.befehle[0].art, Art::Fuellen);
  EXPECT_EQ(c.befehle[0].farbe, 0x00CCEEFF);  // the module colour is the background
  // Grid lines (dotted grey) come before the first rail, the joint marker after the last one.
  auto erste = [&](auto pred) {
    return std::find_if(c.befehle.begin(), c.befehle.end(), pred) - c.befehle.begin();
  };
  auto letzte = [&](auto pred) {
    return c.befehle.rend() - std::find_if(c.befehle.rbegin(), c.befehle.rend(), pred) - 1;
  };
  const auto gitter = letzte([](const Zeichenbefehl& z) { return z.art == Art::Linie && z.stift.gepunktet; });
  const auto schiene = erste([](const Zeichenbefehl& z) { return z.art == Art::Linie && !z.stift.gepunktet; });
  const auto kreis = erste([](const Zeichenbefehl& z) { return z.art == Art::Ellipse; });
  const auto schwelle = letzte([](const Zeichenbefehl& z) { return z.art == Art::Polygon && z.pinsel.leer; });
  EXPECT_LT(gitter, schiene);
  EXPECT_LT(schwelle, kreis);
}

TEST(Zeichnen, GitterlinienUndBeschriftungAnIhrenStellen) {
  Bild b;
  const Aufzeichnung c = b.Zeichnen();
  std::vector<std::int32_t> senkrecht, waagerecht;
  for (const auto* z : c.Alle(Art::Linie)) {
    if (!z->stift.gepunktet) continue;
    EXPECT_EQ(z->stift.farbe, 0x808080);
    if (z->punkte[0].x == z->punkte[1].x) senkrecht.push_back(z->punkte[0].x);
    else waagerecht.push_back(z->punkte[0].y);
  }
  EXPECT_EQ(senkrecht, (std::vector<std::int32_t>{250, 500}));  // 500 and 1000 mm
  EXPECT_EQ(waagerecht, (std::vector<std::int32_t>{50}));      // y = 500 mm
  const auto texte = c.Alle(Art::Text);
  ASSERT_EQ(texte.size(), 1u);  // only every 2nd line: 1000
  EXPECT_EQ(texte[0]->text, "1000");
  EXPECT_EQ(texte[0]->punkte[0], (PixelPunkt{500 + Schriftgroesse / 2, 300 - 15}));
  EXPECT_EQ(texte[0]->farbe, 0);
}

TEST(Zeichnen, AktuellerBogenRotDerAndereInGleisfarbe) {
  Bild b;
  const Aufzeichnung c = b.Zeichnen();
  int rot = 0, gruen = 0;
  for (const auto* z : c.Alle(Art::Linie)) {
    if (z->stift.gepunktet) continue;
    if (z->stift.farbe == farbe::Rot) ++rot;
    if (z->stift.farbe == 0x0000AA00) ++gruen;
  }
  // Segment 0: 100 mm, 12 points (start, 10 sleepers, end) -> 11 steps x 2 rails; segment 1
  // (current): 50 mm, its first sleeper 5 mm in -> 7 points, 6 steps x 2 rails, plus the red
  // start and end markers of the current track.
  EXPECT_EQ(gruen, 2 * 11);
  EXPECT_EQ(rot, 2 * 6 + 2);
  // Sleepers: the inner points of both segments, drawn as hollow quadrilaterals.
  int schwellen = 0;
  for (const auto* z : c.Alle(Art::Polygon))
    if (z->pinsel.leer && z->punkte.size() == 4) ++schwellen;
  EXPECT_EQ(schwellen, (12 - 2) + (7 - 2));
}

TEST(Zeichnen, SchwelleIstSchwellenlangQuerZumGleis) {
  Bild b;
  const Aufzeichnung c = b.Zeichnen();
  for (const auto* z : c.Alle(Art::Polygon)) {
    if (!z->pinsel.leer) continue;
    // 30 mm long, 4 mm wide at 2 mm per pixel: 15 x 2 pixels; the ends at 142,5 and 157,5
    // round to even.
    EXPECT_EQ(z->punkte[0].y, 142);
    EXPECT_EQ(z->punkte[1].y, 158);
    EXPECT_EQ(z->punkte[0].x - z->punkte[3].x, 2);
    break;
  }
}

TEST(Zeichnen, AnfangsmarkeUndStossmarken) {
  Bild b;
  const Aufzeichnung c = b.Zeichnen();
  ASSERT_EQ(b.g->AnfP.size(), 4u);
  EXPECT_DOUBLE_EQ(b.g->AnfP[0].x, 116);  // one gauge along the track
  EXPECT_DOUBLE_EQ(b.g->AnfP[0].y, 308);  // half a gauge to the left
  EXPECT_DOUBLE_EQ(b.g->AnfP[2].x, 100);
  EXPECT_DOUBLE_EQ(b.g->AnfP[2].y, 292);
  const Zeichenbefehl* anfang = nullptr;
  for (const auto* z : c.Alle(Art::Polygon))
    if (!z->pinsel.leer && z->pinsel.farbe == farbe::Cyan && z->punkte.size() == 4) anfang = z;
  ASSERT_NE(anfang, nullptr);
  EXPECT_EQ(anfang->stift.farbe, farbe::Rot);  // current track
  // Joint circle of radius round(0.5 * 16 / 2) = 4 pixels at the end of segment 0 (200 mm).
  const auto kreise = c.Alle(Art::Ellipse);
  ASSERT_EQ(kreise.size(), 1u);
  EXPECT_EQ(kreise[0]->punkte[0], (PixelPunkt{100 - 4, 150 - 4}));
  EXPECT_EQ(kreise[0]->pinsel.farbe, farbe::Cyan);
  EXPECT_EQ(kreise[0]->stift.farbe, farbe::Schwarz);
  // End triangle with its apex at the track end (250 mm -> pixel 125).
  const Zeichenbefehl* dreieck = nullptr;
  for (const auto* z : c.Alle(Art::Polygon))
    if (z->punkte.size() == 3) dreieck = z;
  ASSERT_NE(dreieck, nullptr);
  EXPECT_EQ(dreieck->punkte[0], (PixelPunkt{125, 150}));
  EXPECT_EQ(dreieck->punkte[1], (PixelPunkt{117, 146}));
}

TEST(Zeichnen, ModusSchienenOhneSchwellenUndMittelband) {
  Bild b;
  b.a.Optionen = "0000100000";
  Aufzeichnung c = b.Zeichnen();
  for (const auto* z : c.Alle(Art::Polygon)) EXPECT_FALSE(z->pinsel.leer && z->punkte.size() == 4);

  // Centre band: 10 / StdMmProPixel mm wide, whatever the current scale.
  b.a.Optionen = "0000200000";
  b.a.StdMmProPixel = 2;
  for (double massstab : {2.0, 0.5}) {
    b.m->MmProPixel = massstab;
    Aufzeichnung d(4000, 4000);
    ModulNeuzeichnen(b.a, *b.m, d, TAnsicht(*b.m));
    const Zeichenbefehl* band = nullptr;
    for (const auto* z : d.Alle(Art::Polygon))
      if (!z->pinsel.leer && z->pinsel.farbe == 0x0000AA00) band = z;
    ASSERT_NE(band, nullptr);
    EXPECT_NEAR(band->punkte[3].y - band->punkte[0].y, 5 / massstab, 0.51) << massstab;
  }
}

TEST(Zeichnen, TrasseAbstandspunkteMittellinieHoehen) {
  Bild b;
  b.a.TrasseZeichnen = true;
  b.a.HoehenZeigen = true;
  b.g->Boegen[0]->Starr = false;
  b.g->Boegen[0]->DistEnde = true;
  b.g->Eigen.GlsAbst = 50;
  b.g->ZAnfWert = 12.5;
  const Aufzeichnung c = b.Zeichnen();
  // Track-bed edge: two pixels per point, 20 mm to each side.
  const auto pixel = c.Alle(Art::Pixel);
  EXPECT_EQ(pixel.size(), 2u * (12 + 7));
  EXPECT_EQ(pixel[0]->punkte[0], (PixelPunkt{50, 140}));
  // The parallel-track points at the end of segment 0, kept for the alignment search.
  ASSERT_EQ(b.g->Boegen[0]->DistPunkte.size(), 2u);
  EXPECT_DOUBLE_EQ(b.g->Boegen[0]->DistPunkte[0].y, 250);
  EXPECT_DOUBLE_EQ(b.g->Boegen[0]->DistPunkte[1].y, 350);
  // Centre line of the flexible segment in cyan.
  int mitte = 0;
  for (const auto* z : c.Alle(Art::Linie)) mitte += z->stift.farbe == farbe::Cyan;
  EXPECT_EQ(mitte, 11);
  // Heights: start of the track, end of segment 0, end of the track, with background.
  std::vector<std::string> hoehen;
  for (const auto* z : c.Alle(Art::Text))
    if (z->hintergrund) hoehen.push_back(z->text);
  EXPECT_EQ(hoehen, (std::vector<std::string>{"12,500", "12,500", "12,500"}));
}

TEST(Zeichnen, HoehenDerElemente) {
  // Turnouts: the attached track's start (0, 2) and the two other ends (2, 0); slips: the main
  // track's start and the ends of the main and both crossing tracks; a turntable its centre
  // (1, 1). Texts measure 6 pixels per character and 13 high in the recording.
  for (const auto& [datei, elemente] : {std::pair{"drehscheibenplan.m88", 1},
                                        std::pair{"kreuzungsweichenplan.m88", 2 * 3 + 4 * 4}}) {
    SCOPED_TRACE(datei);
    auto a = AnlageAusZeilen(DateiLesen(std::string(TRM_TESTDATEN) + "/" + datei), std::string(TRM_QUELLDATEN) + "/",
                             std::make_shared<MersenneZufall>(1));
    TModul& m = *a->AktuellesModul();
    a->HoehenZeigen = true;
    Aufzeichnung c(20000, 20000);
    const TAnsicht v(m);
    ModulNeuzeichnen(*a, m, c, v);
    std::size_t gleise = 0;
    for (const auto& g : m.Gleise)
      if (g->IstGewoehnlich() && !g->Boegen.empty()) gleise += 1 + g->Boegen.size();
    std::vector<const Zeichenbefehl*> hoehen;
    for (const auto* z : c.Alle(Art::Text))
      if (z->hintergrund) hoehen.push_back(z);
    EXPECT_EQ(hoehen.size(), gleise + elemente);


    for (const auto& e : m.Elemente) {
      const TGleis* st = e->Stammgleis();
      if (!st) {  // the turntable
        const auto* d = static_cast<const TDrehscheibe*>(e.get());
        const PixelPunkt p = v.Pixel(d->XMitte, d->YMitte);
        const std::string t = FestText(d->ZMitte, 3);
        EXPECT_TRUE(std::any_of(hoehen.begin(), hoehen.end(), [&](const Zeichenbefehl* z) {
          return z->text == t && z->punkte[0] == PixelPunkt{p.x - static_cast<std::int32_t>(t.size()) * 3, p.y - 6};
        }));
        continue;
      }
      const PixelPunkt p = v.Pixel(st->XEnde(), st->YEnde());
      const std::string t = FestText(st->ZEnde(), 3);
      EXPECT_TRUE(std::any_of(hoehen.begin(), hoehen.end(), [&](const Zeichenbefehl* z) {
        return z->text == t && z->punkte[0] == PixelPunkt{p.x - static_cast<std::int32_t>(t.size()) * 6, p.y};
      })) << e->Typname();
    }
  }
}

TEST(Zeichnen, VerbindungslinienZumAktuellenGleis) {
  Bild b;
  TGleis* h = b.m->GleisAnhaengen();
  h->Markiert = false;
  h->Nummer = 2;
  h->XAnf = 500;
  h->YAnf = 100;
  auto bogen = std::make_unique<TBogen>();
  bogen->SetLaenge(40);
  h->BogenAnhaengen(std::move(bogen));
  GleisVerbinden(b.g, h);
  b.m->Eigen.Spur = 16;
  const Aufzeichnung c = b.Zeichnen();
  int linien = 0, kreise = 0;
  for (const auto& z : c.befehle) {
    // Dotted grey like the grid, but from the current track's start.
    if (z.art == Art::Linie && z.stift.gepunktet && z.punkte[0] == PixelPunkt{50, 150}) ++linien;
    if (z.art == Art::Ellipse && z.pinsel.farbe == farbe::Hellgruen) {
      ++kreise;
      EXPECT_EQ(z.punkte[1].x - z.punkte[0].x, 2 * 5);  // r = round(16 * 5/8 / 2)
    }
  }
  EXPECT_EQ(linien, 2);  // to each member, itself included
  EXPECT_EQ(kreise, 4);
}

TEST(Zeichnen, NurDerSichtbareTeil) {
  Bild b;
  b.m->MmProPixel = 0.2;
  ModulBerechnen(*b.m);
  // A 100 x 100 pixel window far right of the track: background and grid only.
  Aufzeichnung weit(100, 100);
  ModulMalen(b.a, *b.m, weit, TAnsicht(0.2, 600, 6000, 1000, 100, 100));
  for (const auto& z : weit.befehle)
    EXPECT_TRUE(z.art == Art::Fuellen || z.stift.gepunktet || z.art == Art::Text) << static_cast<int>(z.art);
  // A window on the track start at pixel (500, 1500): the start marker lands at its offset.
  Aufzeichnung nah(100, 100);
  ModulMalen(b.a, *b.m, nah, TAnsicht(0.2, 600, 480, 1450, 100, 100));
  bool gefunden = false;
  for (const auto* z : nah.Alle(Art::Polygon))
    if (!z->pinsel.leer && z->pinsel.farbe == farbe::Cyan) {
      EXPECT_EQ(z->punkte[2], (PixelPunkt{500 - 480, 1500 + 40 - 1450}));
      gefunden = true;
    }
  EXPECT_TRUE(gefunden);
}

TEST(Zoom, FeldUndMassstab) {
  EXPECT_EQ(ZoomfeldWert(2), 20);
  EXPECT_EQ(ZoomfeldWert(0.25), 2);  // 2,5 rounds to even
  EXPECT_EQ(*MassstabAusZoomfeld(19), 1.9);
  EXPECT_FALSE(MassstabAusZoomfeld(0));  // zoom in at 1 fails: "Maßstab nicht darstellbar"
  EXPECT_DOUBLE_EQ(Verkleinern(2), 2.1);
  EXPECT_TRUE(MassstabDarstellbar(1500, 600, 0.001));
  EXPECT_FALSE(MassstabDarstellbar(1500, 600, 0));
  EXPECT_FALSE(MassstabDarstellbar(1e9, 600, 1e-3));
  Anlage a;
  TModul* m = a.ModulAnhaengen();
  m->Breite = 1500;
  m->Hoehe = 600;
  m->MmProPixel = 2;
  EXPECT_EQ(TAnsicht::ZeichnungBreite(*m), 750);
  EXPECT_EQ(TAnsicht::ZeichnungHoehe(*m), 300);
}

TEST(Zoom, AnpassenLupeUndPlatzierung) {
  // 750 x 300 drawing in a 400 x 300 view: the width decides, (750 + 20) / 400.
  EXPECT_DOUBLE_EQ(AnsFensterAnpassen(2, 750, 300, 400, 300), 2 * 770.0 / 400);
  EXPECT_DOUBLE_EQ(AnsFensterAnpassen(2, 300, 750, 400, 300), 2 * 770.0 / 300);
  EXPECT_DOUBLE_EQ(LupenMassstab(2, Maustaste::Links), 1.8);
  EXPECT_DOUBLE_EQ(LupenMassstab(2, Maustaste::Rechts), 2.2);
  EXPECT_DOUBLE_EQ(LupenMassstab(2, Maustaste::Mitte), 2);
  // Clicked at drawing pixel 300 with 2 -> 1.8 mm per pixel: the point moves to 333,3.
  EXPECT_EQ(LupenVerschiebung(300, 2, 1.8), 33);
  EXPECT_EQ(LupenVerschiebung(300, 2, 2.2), -27);
  // Drawing wider than the view: 10 pixels margin minus the scroll position.
  EXPECT_EQ(Platzierung(500, 750, 0), 10);
  EXPECT_EQ(Platzierung(500, 750, 100), -90);
  // Narrower: centred.
  EXPECT_EQ(Platzierung(1000, 750, 0), 500 - 380 + 10);
  EXPECT_EQ(Scrollbereich(750), 770);
}

/// The points of every drawing call, folded into one number.
std::uint64_t Punktsumme(const Aufzeichnung& c) {
  std::uint64_t h = 0xcbf29ce484222325ULL;
  for (const Zeichenbefehl& b : c.befehle) {
    h = (h ^ static_cast<std::uint64_t>(b.art)) * 0x100000001b3ULL;
    for (const PixelPunkt& p : b.punkte)
      h = (h ^ ((std::uint64_t(std::uint32_t(p.x)) << 32) | std::uint32_t(p.y))) * 0x100000001b3ULL;
  }
  return h;
}

TEST(Zeichnen, UebersichtDesGrossenModulsWieZuvor) {
  // The benchmark module at the scales where its points lie less than a pixel apart, up to
  // the fitted overview: the pixel steps keep exactly the points they kept when every chord
  // was measured with hypot and every turn folded with remainder.
  auto a = bench::Testanlage();
  TModul& m = *a->Module[0];
  ModulBerechnen(m);
  std::vector<std::uint64_t> summen;
  for (const double mm : {8.0, 14.0, std::max(m.Breite / 1920.0, m.Hoehe / 1080.0)}) {
    m.MmProPixel = mm;
    const TAnsicht v(mm, m.Hoehe, 0, 0, 1920, 1080);
    Aufzeichnung c(1920, 1080);
    ModulMalen(*a, m, c, v);
    summen.push_back(Punktsumme(c));
  }
  EXPECT_EQ(summen, (std::vector<std::uint64_t>{13889783612512240016ULL, 8714397545480165551ULL,
                                                 18108670145531967089ULL}));
}

}  // namespace
}  // namespace trm
