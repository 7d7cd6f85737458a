// Turntables: connection points and the active connection worked by hand, connected tracks
// (and what hangs on them) following a turn, a resize and a move, with undo; values the window
// refuses; the record and the list with their round trips; records refused with their line;
// a drag that snaps a connection onto a track end.
#include <gtest/gtest.h>

#include <cmath>

#include "Editorumgebung.h"
#include "Pruefhilfe.h"
#include "core/editor/Bibliothek.h"
#include "core/editor/Maus.h"
#include "core/model/AnlageDatei.h"
#include "core/model/Neuberechnung.h"
#include "core/model/Textdatei.h"
#include "core/model/Umrechnung.h"
#include "core/model/Verbindungen.h"
#include "core/model/Zahlformat.h"
#include "core/render/Ansicht.h"
#include "core/render/Aufzeichnung.h"
#include "core/render/Farben.h"
#include "core/turnouts/Drehscheibe.h"
#include "core/turnouts/DrehscheibenBefehle.h"
#include "core/turnouts/Drehscheibenliste.h"

namespace trm {
namespace {

double Rad(double grad) { return grad * Pi / 180.0; }

// The shipped 16 m type: outer diameter 18 m, pit 16 m at 1:87, 24 connections.
constexpr double kAussen16 = 18000.0 / 87.0;

TEST(Drehscheibe, AnschlusspunkteUndAktiverAnschlussVonHand) {
  TDrehscheibe d;
  d.XMitte = 100;
  d.YMitte = 50;
  d.Aussendurchmesser = 200;
  d.Innendurchmesser = 150;
  d.Teilung = Rad(45);
  d.StartwinkelSetzen(Rad(30 - 3 * 360));  // whole turns of either sign come off
  EXPECT_NEAR(d.Startwinkel(), Rad(30), 1e-12);
  ASSERT_EQ(d.Anzahl(), 8);
  // Connection 3 (i = 2) lies at 30° + 2·45° = 120°, 100 mm out: (100 - 50, 50 + 86.6025).
  const TAnschlusspunkt p = d.Anschlusspunkt(2);
  EXPECT_NEAR(p.x, 50, 1e-9);
  EXPECT_NEAR(p.y, 136.602540378, 1e-9);
  EXPECT_NEAR(p.w, Rad(120), 1e-12);

  d.AktAnschlussSetzen(0);
  EXPECT_EQ(d.AktAnschluss, 8);
  d.AktAnschlussSetzen(9);
  EXPECT_EQ(d.AktAnschluss, 1);
  d.AktAnschlussSetzen(-1);
  EXPECT_EQ(d.AktAnschluss, 7);
  // In the ring the nearest connection counts: 10° is 20° from connection 1 (30°) and 25° from
  // connection 8 (-15°); 260° is nearest connection 6 (255°), below the centre.
  auto klick = [&](double grad, double r) {
    d.AnschlussWaehlen(100 + r * std::cos(Rad(grad)), 50 + r * std::sin(Rad(grad)));
    return d.AktAnschluss;
  };
  EXPECT_EQ(klick(10, 90), 1);
  EXPECT_EQ(klick(260, 90), 6);
  EXPECT_EQ(klick(100, 50), 6);  // in the pit nothing changes
  EXPECT_TRUE(d.Enthaelt(199, 50));
  EXPECT_FALSE(d.Enthaelt(200, 50));

  d.Teilung = 2 * Pi / 24;
  const Anlage a;
  EXPECT_EQ(DrehscheibeAnzeigen(a, d).teilung, "15,000");
  EXPECT_EQ(DrehscheibeAnzeigen(a, d).anzahl, "24");
}

class Drehscheiben : public test::Editorumgebung {
 protected:
  void SetUp() override {
    Editorumgebung::SetUp();
    ASSERT_TRUE(dok->Neu());
  }
  /// Places type k of the shipped list behind the template track, which ends at (300, 300)
  /// heading 0.
  TDrehscheibe* Einsetzen(std::size_t k) {
    EXPECT_TRUE(DrehscheibeEinsetzen(*ed, ListeLaden(ed->anlage(), ListeDrehscheiben).Satz(k)));
    return Drehscheibe(*ed);
  }
  bool Feld(Drehscheibenfeld f, const std::string& text) { return DrehscheibeFeldSetzen(*ed, f, text); }
  TModul& M() { return *ed->modul(); }
};

TEST_F(Drehscheiben, AngeschlosseneGleiseFolgenDrehenGroesseUndVerschieben) {
  TDrehscheibe* d = Einsetzen(2);
  ASSERT_NE(d, nullptr);
  const double R = kAussen16 / 2, cx = 300 + R, cy = 300;
  EXPECT_NEAR(d->XMitte, cx, 1e-9);
  EXPECT_EQ(d->YMitte, cy);
  EXPECT_EQ(d->Startwinkel(), 0);

  // Drawn: 24 sectors, the active one red while selected, then the pit.
  Aufzeichnung c;
  d->Zeichnen(ed->anlage(), c, TAnsicht(M()));
  int rot = 0, cyan = 0;
  for (const Zeichenbefehl* b : c.Alle(Zeichenbefehl::Art::Polygon)) {
    rot += b->pinsel.farbe == farbe::Rot;
    cyan += b->pinsel.farbe == farbe::Cyan;
  }
  EXPECT_EQ(cyan, 23);
  EXPECT_EQ(rot, 2);  // the active sector and the cabin in the selection's colour
  EXPECT_EQ(c.Alle(Zeichenbefehl::Art::Ellipse).size(), 1u);

  // A track at connection 1, and one attached behind it.
  ASSERT_TRUE(DrehscheibenGleisAnfuegen(*ed));
  TGleis* g = ed->gleis();
  EXPECT_TRUE(g->DSGleis);
  EXPECT_FALSE(ed->Zustand().gleisAnfuegen);
  EXPECT_NEAR(g->XAnf, cx + R, 1e-9);
  EXPECT_EQ(g->WAnf(), 0);
  TGleis* s = nullptr;
  ed->Ausfuehren("anhängen", [&] {
    s = ed->NeuesGleisAnlegen(0, 0, 0);
    AlsNachfolgerEinfuegen(M(), g, s);
    LageWeitergeben(M(), g);
    return true;
  });
  const std::size_t schritte = dok->verlauf().AnzahlRueckgaengig();

  // Turning by 90° takes the track a quarter circle round, now heading 90°; its successor too.
  ASSERT_TRUE(Feld(Drehscheibenfeld::Drehen, "90"));
  EXPECT_NEAR(g->XAnf, cx, 1e-9);
  EXPECT_NEAR(g->YAnf, cy + R, 1e-9);
  EXPECT_NEAR(g->WAnf(), Pi / 2, 1e-12);
  EXPECT_NEAR(s->XAnf, cx, 1e-9);
  EXPECT_NEAR(s->YAnf, cy + R + 200, 1e-9);
  // Enlarging the outer diameter by 20 moves the track 10 outward along its direction.
  ASSERT_TRUE(Feld(Drehscheibenfeld::Aussendurchmesser, "210"));
  const double y210 = g->YAnf;
  ASSERT_TRUE(Feld(Drehscheibenfeld::Aussendurchmesser, "230"));
  EXPECT_NEAR(g->YAnf - y210, 10, 1e-9);
  EXPECT_NEAR(s->YAnf, g->YAnf + 200, 1e-9);
  // Moving the centre takes both along.
  ASSERT_TRUE(Feld(Drehscheibenfeld::MitteX, "500"));
  EXPECT_NEAR(g->XAnf, 500, 1e-9);
  EXPECT_NEAR(s->XAnf, 500, 1e-9);
  ERWARTE_GESUND(ed->anlage());
  EXPECT_EQ(dok->verlauf().AnzahlRueckgaengig(), schritte + 4);

  // Undone step by step to the placing: the copies refer to the copied tracks.
  for (int k = 0; k < 4; ++k) ASSERT_TRUE(ed->Rueckgaengig());
  d = static_cast<TDrehscheibe*>(M().ElementeDerArt(Elementart::Drehscheibe).at(0));
  ASSERT_EQ(d->Anschluesse().size(), 1u);
  g = d->Anschluesse()[0];
  EXPECT_EQ(M().GleisIndex(g), 1);
  EXPECT_NEAR(g->XAnf, cx + R, 1e-9);
  EXPECT_NEAR(g->YAnf, cy, 1e-9);
  ERWARTE_GESUND(ed->anlage());
  // A deleted track is no longer connected.
  M().GleisEntfernen(1);
  EXPECT_TRUE(d->Anschluesse().empty());
}

TEST_F(Drehscheiben, WerteDieDasFensterNichtNimmt) {
  TDrehscheibe* d = Einsetzen(2);
  const std::size_t schritte = dok->verlauf().AnzahlRueckgaengig();
  EXPECT_FALSE(Feld(Drehscheibenfeld::Anzahl, "0"));
  EXPECT_FALSE(Feld(Drehscheibenfeld::Aussendurchmesser, "-3"));
  EXPECT_FALSE(Feld(Drehscheibenfeld::Teilung, "51,4"));  // 360 / 51,4 = 7,0039
  ASSERT_EQ(dialoge.fehler.size(), 3u);
  EXPECT_EQ(dialoge.fehler.back(), "Wert nicht möglich");
  EXPECT_EQ(dok->verlauf().AnzahlRueckgaengig(), schritte);
  EXPECT_EQ(d->Anzahl(), 24);
  EXPECT_TRUE(Feld(Drehscheibenfeld::Teilung, "51,428"));  // 7,00008
  EXPECT_EQ(d->Anzahl(), 7);

  // A pit not smaller than the outer circle is corrected to 2 m (prototype) less.
  EXPECT_TRUE(Feld(Drehscheibenfeld::Innendurchmesser, "300"));
  EXPECT_EQ(dialoge.fehler.back(), MeldungInnendurchmesser);
  EXPECT_NEAR(d->Innendurchmesser, kAussen16 - 2000.0 / 87, 1e-9);
  EXPECT_TRUE(Feld(Drehscheibenfeld::Vorbilddurchmesser, "25"));
  EXPECT_NEAR(d->Aussendurchmesser, 25000.0 / 87, 1e-9);
  EXPECT_NEAR(d->Innendurchmesser, 23000.0 / 87, 1e-9);

  // The active connection is no change of the layout.
  const std::size_t vorher = dok->verlauf().AnzahlRueckgaengig();
  EXPECT_TRUE(Feld(Drehscheibenfeld::AktAnschluss, "26"));
  EXPECT_EQ(d->AktAnschluss, 5);
  EXPECT_EQ(dok->verlauf().AnzahlRueckgaengig(), vorher);
}

TEST_F(Drehscheiben, SatzUndListeHinUndZurueck) {
  // A layout with a turntable and two connected tracks writes what it read.
  const Zeilen datei = DateiLesen(TRM_TESTDATEN "/drehscheibenplan.m88");
  auto plan = AnlageAusZeilen(datei, ordner.string() + "/", std::make_shared<MersenneZufall>(1));
  const auto ds = plan->Module[0]->ElementeDerArt(Elementart::Drehscheibe);
  ASSERT_EQ(ds.size(), 1u);
  const auto* d = static_cast<const TDrehscheibe*>(ds[0]);
  ASSERT_EQ(d->Anschluesse().size(), 2u);
  EXPECT_EQ(d->Anschluesse()[0]->Nummer, 22528855);
  EXPECT_TRUE(d->Anschluesse()[1]->DSGleis);
  // (The list paths of the header name files that are not there and become the data folder's.)
  const Zeilen geschrieben = AnlageZeilen(*plan);
  EXPECT_EQ(Zeilen(geschrieben.begin() + 17, geschrieben.end()), Zeilen(datei.begin() + 17, datei.end()));
  Zeilen typ;
  d->TypSchreiben(typ);
  ASSERT_EQ(typ.size(), ZeilenDrehscheibe);
  EXPECT_EQ((Zeilen{typ[1], typ[2], typ[3], typ[7]}), (Zeilen{"0", "0", "0", "-1"}));

  // Stored as a type, a changed turntable comes back from the list as it was.
  Einsetzen(3);
  ASSERT_TRUE(Feld(Drehscheibenfeld::Anzahl, "36"));
  ASSERT_TRUE(DrehscheibeSpeichern(*ed));
  const TTypliste liste = ListeLaden(ed->anlage(), ListeDrehscheiben);
  ASSERT_EQ(liste.Anzahl(), 5);
  Zeilen gespeichert;
  Drehscheibe(*ed)->TypSchreiben(gespeichert);
  EXPECT_EQ(liste.Satz(5), gespeichert);
  EXPECT_EQ(ListenZeilen(liste, ListeDrehscheiben)[4],
            (TListenzeile{"5", "Drehscheibe 23 m, 24 Abgänge", "287,356", "10,000"}));

  // The last record of a list stays.
  const std::string eine = (ordner / "eine.ds").string();
  DateiSchreiben(eine, Zeilen{"1", typ[0], "0", "0", "0", "0", "1", "2", "-1", "1", "00", "00", "00"});
  ed->anlage().Listendatei(Elementart::Drehscheibe) = eine;
  EXPECT_FALSE(TypEntfernen(ed->anlage(), ListeDrehscheiben, 1, dialoge));
  EXPECT_EQ(dialoge.fehler.back(), "Es muss mindestens eine Drehscheibe in der Liste vorhanden sein.");
  EXPECT_EQ(DateiLesen(eine).size(), 13u);

  // A list that is not there: the turntables' own message, then the import (cancelled here),
  // which leaves the standard list of the data folder active.
  ed->anlage().Listendatei(Elementart::Drehscheibe) = (ordner / "fehlt.ds").string();
  EXPECT_FALSE(ed->ListeAufrufen(ListeDrehscheiben));
  EXPECT_EQ(dialoge.fehler.back(),
            "Keine Drehscheibenliste gefunden.\n\rBitte importieren Sie zunächst eine Drehscheibenliste.");
  EXPECT_EQ(ed->anlage().Listendatei(Elementart::Drehscheibe), dok->Datenpfad() + "stdDSListe.ds");
}

TEST_F(Drehscheiben, KaputteSaetzeNennenIhreZeile) {
  const Zeilen gut = {"D", "0", "0", "0", "0", "150", "200", "-1", "0,5", "00", "00", "00"};
  auto fehler = [](Zeilen z) -> std::string {
    TDrehscheibe d;
    std::size_t i = 0;
    try {
      d.DSLaden(z, i);
    } catch (const LeseFehler& e) {
      return e.what();
    }
    return "";
  };
  auto mit = [&](std::size_t zeile, const std::string& text) {
    Zeilen z = gut;
    z[zeile - 1] = text;
    return fehler(z);
  };
  EXPECT_EQ(fehler(gut), "");
  EXPECT_EQ(mit(9, "0").rfind("Zeile 9: Die Teilung der Drehscheibe", 0), 0u);
  EXPECT_EQ(mit(9, "1E-300").rfind("Zeile 9: ", 0), 0u);  // would be 10^300 connections
  EXPECT_EQ(mit(9, "13").rfind("Zeile 9: ", 0), 0u);      // over two turns: no connection
  EXPECT_EQ(mit(7, "-5").rfind("Zeile 7: Der Außendurchmesser", 0), 0u);
  EXPECT_EQ(mit(6, "-1").rfind("Zeile 6: Der Innendurchmesser", 0), 0u);
  EXPECT_EQ(mit(8, "3#x#").rfind("Zeile 8: ", 0), 0u);
  EXPECT_EQ(mit(2, "1.5").rfind("Zeile 2: ", 0), 0u);
  EXPECT_NE(fehler(Zeilen(gut.begin(), gut.begin() + 8)).find("endet vorzeitig"), std::string::npos);
  // A count of the list that is no number.
  EXPECT_THROW(TTypliste(Zeilen{"vier"}, ZeilenDrehscheibe, 0), LeseFehler);

  // A layout with such a record does not replace the open one.
  const std::size_t gleise = M().Gleise.size();
  EXPECT_FALSE(dok->OeffnenDatei(TRM_TESTDATEN "/../fuzz/korpus/anlage/drehscheibe_teilung_null.m88"));
  EXPECT_NE(dialoge.fehler.back().find("Teilung der Drehscheibe"), std::string::npos);
  EXPECT_EQ(M().Gleise.size(), gleise);
  EXPECT_EQ(M().Anzahl(Elementart::Drehscheibe), 0);
}

TEST_F(Drehscheiben, ZiehenNimmtGleiseMitUndRastetAmGleisendeEin) {
  Mausbedienung maus(*ed);
  TDrehscheibe* d = Einsetzen(2);
  ASSERT_TRUE(DrehscheibenGleisAnfuegen(*ed));
  TGleis* g = d->Anschluesse().at(0);
  const double cx = d->XMitte, gx = g->XAnf;
  ModulBerechnen(M());
  const TUmrechnung u(M());
  const std::int64_t px = u.WeltZuPixelX(cx), py = u.WeltZuPixelY(300);
  maus.Ereignis({Mausart::Druecken, Maustaste::Links, px, py, false, false});
  ASSERT_EQ(Drehscheibe(*ed), d);
  // 6 pixels (12 mm) to the right: connection 13 comes within 12 mm of the template track's
  // end at (300, 300).
  const Mausantwort r = maus.Ereignis({Mausart::Bewegen, Maustaste::Links, px + 6, py, false, false});
  EXPECT_EQ(r.cursor, CursorKandidat);
  EXPECT_NEAR(d->XMitte, cx + 12, 1e-9);
  EXPECT_NEAR(g->XAnf, gx + 12, 1e-9);
  maus.Ereignis({Mausart::Loslassen, Maustaste::Links, px + 6, py, true, false});
  EXPECT_NEAR(d->XMitte, cx, 1e-9);
  EXPECT_NEAR(d->YMitte, 300, 1e-9);
  EXPECT_NEAR(g->XAnf, gx, 1e-9);
  EXPECT_NEAR(std::remainder(d->Startwinkel(), 2 * Pi), 0, 1e-12);
  EXPECT_EQ(dok->verlauf().RueckgaengigName(), "Drehscheibe verschieben");
  // A press outside every turntable deselects it.
  maus.Ereignis({Mausart::Druecken, Maustaste::Links, 5, 5, false, false});
  EXPECT_EQ(Drehscheibe(*ed), nullptr);
}

TEST_F(Drehscheiben, GruppeZiehenNimmtDieDrehscheibeMit) {
  // The template track and the turntable's connected track joined in one group: dragging the
  // track drags the turntable and its other connected track along.
  Mausbedienung maus(*ed);
  TDrehscheibe* d = Einsetzen(2);
  ASSERT_TRUE(DrehscheibenGleisAnfuegen(*ed));
  ASSERT_TRUE(Feld(Drehscheibenfeld::AktAnschluss, "7"));
  ASSERT_TRUE(DrehscheibenGleisAnfuegen(*ed));
  TGleis* vorlage = M().Gleise.front().get();
  TGleis* g = d->Anschluesse().at(0);
  ASSERT_TRUE(ed->Ausfuehren("verbinden", [&] {
    GleisVerbinden(vorlage, g);
    return true;
  }));
  M().GleisWaehlen(0);
  ModulBerechnen(M());
  const double cx = d->XMitte, cy = d->YMitte;
  const TUmrechnung u(M());
  const std::int64_t px = u.WeltZuPixelX(200), py = u.WeltZuPixelY(300);
  maus.Ereignis({Mausart::Druecken, Maustaste::Links, px, py, false, false});
  maus.Ereignis({Mausart::Bewegen, Maustaste::Links, px + 10, py - 5, false, false});
  maus.Ereignis({Mausart::Loslassen, Maustaste::Links, px + 10, py - 5, false, false});
  EXPECT_NEAR(d->XMitte, cx + 20, 1e-9);
  EXPECT_NEAR(d->YMitte, cy + 10, 1e-9);
  for (std::size_t i = 0; i < 2; ++i) {
    const TAnschlusspunkt p = d->Anschlusspunkt(i == 0 ? 0 : 6);
    EXPECT_NEAR(d->Anschluesse()[i]->XAnf, p.x, 1e-9);
    EXPECT_NEAR(d->Anschluesse()[i]->YAnf, p.y, 1e-9);
  }
  ERWARTE_GESUND(ed->anlage());
  // Turning the group by value turns the turntable with it.
  ASSERT_TRUE(ed->AnfangswinkelSetzen("90"));
  EXPECT_NEAR(d->Startwinkel(), Pi / 2, 1e-12);
  EXPECT_NEAR(d->Anschluesse()[0]->XAnf, d->Anschlusspunkt(0).x, 1e-9);
}

}  // namespace
}  // namespace trm
