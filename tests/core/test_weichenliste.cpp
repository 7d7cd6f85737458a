// The turnout library and turnouts in layouts: the shipped list through the turnout kind,
// placing a type behind a segment, storing a turnout as a type, a saved and reopened layout
// with turnouts, propagation through branch-attached turnouts, attaching a turnout by its
// branch, and the numbers of placed, pasted and read turnouts.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <map>
#include <random>
#include <unordered_set>

#include "Pruefhilfe.h"
#include "Testplan.h"
#include "SkriptDialoge.h"
#include "core/editor/Bibliothek.h"
#include "core/model/AnlageDatei.h"
#include "core/model/Datenordner.h"
#include "core/model/Neuberechnung.h"
#include "core/model/Textdatei.h"
#include "core/model/Verbindungen.h"
#include "core/turnouts/Weiche.h"
#include "core/turnouts/Weichenliste.h"

namespace trm {
namespace {

namespace fs = std::filesystem;

const std::string kListe = std::string(TRM_QUELLDATEN) + "/stdWListe.w88";

/// One module with one ordinary track of three straight segments of 100 mm, segment 1 current.
/// One track of three straights of 100 mm from (100, 500), its middle segment current.
struct Plan : test::Testplan {
  TGleis* g;
  Plan() : Testplan(std::make_shared<MersenneZufall>(8)) {
    a.DatenPfad = "/tmp/";
    m->Breite = 3000;
    m->Hoehe = 1000;
    g = Gleis(1, {100, 100, 100}, 100, 500);
    m->GleisWaehlen(0);
    g->BogenWaehlen(1);
    ModulBerechnen(*m);
  }
};

TEST(Weichenliste, MitgelieferteListe) {
  const TTypliste liste = TTypliste::Laden(kListe, ZeilenWeiche);
  const auto zeilen = ListenZeilen(liste, ListeWeichen);
  ASSERT_EQ(zeilen.size(), 16u);
  EXPECT_EQ(zeilen[0], (TListenzeile{"1", "Weiche R 907,97 / 15° links", "907,970", "15,000", "1 : 3,73"}));
  EXPECT_EQ(zeilen[6], (TListenzeile{"7", "Weiche R 2183,908 / 1:9 links", "2183,908", "6,340", "1 : 9,00"}));
  // Every type reads as a turnout and writes back to the same record.
  Plan p;
  for (std::size_t k = 1; k <= liste.Saetze(); ++k) {
    const Zeilen satz = liste.Satz(k);
    std::size_t i = 0;
    auto w = TEWeiche::AusSatz(*p.m, satz, i, 1000 + static_cast<int>(k));
    Zeilen zurueck;
    w->TypSchreiben(zurueck);
    EXPECT_EQ(zurueck, satz) << satz[0];
  }
}

// Every shipped type placed at the origin heading along x. Both ends lie equally far beyond
// the tangent intersection point (T, 0); the branch parts from the main track by the stored
// angle, to the left in a "links" type; its "rechts" partner is the mirror image; a type named
// with an inclination "1:n" ends its branch at atan(1/n).
TEST(Weichenliste, MitgelieferteTypenLiegenRichtig) {
  struct Enden {
    double sx, sy, zx, zy, zw;
  };
  const TTypliste liste = TTypliste::Laden(kListe, ZeilenWeiche);
  Plan p;
  std::map<std::string, Enden> enden;
  for (std::size_t k = 1; k <= liste.Saetze(); ++k) {
    const Zeilen satz = liste.Satz(k);
    std::size_t i = 0;
    TEWeiche* w = WeicheHinzufuegen(*p.m, TEWeiche::AusSatz(*p.m, satz, i, 1000 + static_cast<int>(k)));
    const TGleis& s = *w->Stammgleis();
    const TGleis& z = *w->Zweiggleis();
    const Enden e{s.XEnde(), s.YEnde(), z.XEnde(), z.YEnde(), z.WEnde()};
    const std::string& name = w->Name;
    for (double v : {e.sx, e.sy, e.zx, e.zy, e.zw}) ASSERT_TRUE(std::isfinite(v)) << name;
    const double T = w->TangLaenge;
    EXPECT_NEAR(std::hypot(e.sx - T, e.sy), std::hypot(e.zx - T, e.zy), 1e-9) << name;
    const double seite = w->IstLinks() ? 1 : -1;
    EXPECT_NEAR(std::remainder(e.zw - s.WEnde() - seite * w->Winkel, 2 * Pi), 0, 1e-12) << name;
    EXPECT_GT(seite * (e.zy - e.sy), 1) << name;
    if (const auto n = name.find("1:"); n != std::string::npos) {
      const double neigung = std::stod(name.substr(n + 2));
      EXPECT_NEAR(std::remainder(e.zw - seite * std::atan(1 / neigung), 2 * Pi), 0, 1e-9) << name;
    }
    enden[name] = e;
  }
  int paare = 0;
  for (const auto& [name, l] : enden) {
    if (!name.ends_with(" links")) continue;
    const auto r = enden.find(name.substr(0, name.size() - 5) + "rechts");
    ASSERT_NE(r, enden.end()) << name;
    const Enden& e = r->second;
    EXPECT_NEAR(e.sx, l.sx, 1e-9) << name;
    EXPECT_NEAR(e.sy, -l.sy, 1e-9) << name;
    EXPECT_NEAR(e.zx, l.zx, 1e-9) << name;
    EXPECT_NEAR(e.zy, -l.zy, 1e-9) << name;
    ++paare;
  }
  EXPECT_EQ(2 * paare, static_cast<int>(liste.Saetze()));
}

TEST(Weichenliste, EinsetzenHinterBogenTeiltDasGleis) {
  Plan p;
  TGleis* nachfolger = p.m->GleisAnhaengen();
  nachfolger->Markiert = false;
  nachfolger->Nummer = 2;
  auto b = std::make_unique<TBogen>();
  b->SetLaenge(50);
  nachfolger->BogenAnhaengen(std::move(b));
  p.g->Nachfolger.push_back(nachfolger);
  nachfolger->Vorgaenger = p.g;

  const TTypliste liste = TTypliste::Laden(kListe, ZeilenWeiche);
  TEWeiche* w = WeicheEinsetzen(p.a, liste.Satz(1));  // R 907,97 / 15° left
  ASSERT_NE(w, nullptr);
  ASSERT_EQ(p.m->Anzahl(Elementart::Weiche), 1);
  EXPECT_EQ(p.g->Boegen.size(), 2u);  // the third segment moved away
  TGleis* stamm = w->Stammgleis();
  EXPECT_DOUBLE_EQ(stamm->XAnf, 300);  // end of segment 1
  EXPECT_DOUBLE_EQ(stamm->YAnf, 500);
  EXPECT_EQ(p.g->Nachfolger.front(), stamm);
  // The rest starts at the end of the main track and keeps what followed the track.
  TGleis* rest = p.m->Gleise.back().get();
  ASSERT_TRUE(rest->IstGewoehnlich());
  ASSERT_EQ(rest->Boegen.size(), 1u);
  EXPECT_NEAR(rest->XAnf, stamm->XEnde(), 1e-9);
  EXPECT_EQ(rest->Vorgaenger, stamm);
  EXPECT_EQ(nachfolger->Vorgaenger, rest);
  EXPECT_NEAR(nachfolger->XAnf, rest->XEnde(), 1e-9);
  // The branch leaves to the left by 15°.
  EXPECT_NEAR(w->Zweiggleis()->Boegen[0]->WEnde, 15 * Pi / 180, 1e-12);
  EXPECT_TRUE(std::find(p.g->Verbund.begin(), p.g->Verbund.end(), w->Zweiggleis()) != p.g->Verbund.end());
  ERWARTE_GESUND(p.a);
}

TEST(Weichenliste, GespeicherteAnlageMitWeichenGibtDieselbeGeometrie) {
  Plan p;
  const TTypliste liste = TTypliste::Laden(kListe, ZeilenWeiche);
  WeicheEinsetzen(p.a, liste.Satz(2));
  p.m->GleisWaehlen(0);
  p.g->BogenWaehlen(0);
  WeicheEinsetzen(p.a, liste.Satz(13));  // inner-curve turnout
  const Zeilen einmal = AnlageZeilen(p.a);
  auto b = AnlageAusZeilen(einmal, "/tmp/", nullptr);
  for (auto& m : b->Module) {
    ModulBerechnen(*m);
    ModulBerechnen(*m);
  }
  const TModul& m2 = *b->Module[0];
  ASSERT_EQ(m2.Anzahl(Elementart::Weiche), 2);
  ASSERT_EQ(m2.Gleise.size(), p.m->Gleise.size());
  // Track order differs (element tracks come after the ordinary ones), so compare by number.
  for (const auto& g : p.m->Gleise) {
    const TGleis* h = b->GleisMitNummer(g->Nummer);
    ASSERT_NE(h, nullptr) << g->Name;
    EXPECT_NEAR(h->XEnde(), g->XEnde(), 1e-9) << g->Name;
    EXPECT_NEAR(h->YEnde(), g->YEnde(), 1e-9) << g->Name;
    EXPECT_EQ(h->Verbund.size(), g->Verbund.size()) << g->Name;
    EXPECT_EQ(h->Vorgaenger ? h->Vorgaenger->Nummer : -1, g->Vorgaenger ? g->Vorgaenger->Nummer : -1)
        << g->Name;
  }
  ERWARTE_GESUND(p.a);
  ERWARTE_GESUND(*b);
  const Zeilen zweimal = AnlageZeilen(*b);
  auto c = AnlageAusZeilen(zweimal, "/tmp/", nullptr);
  EXPECT_EQ(zweimal, AnlageZeilen(*c));  // reads back and writes again to the same lines
}

TEST(Weichenliste, WeicheAlsTypSpeichernUndEntfernen) {
  const fs::path ordner = fs::temp_directory_path() / "trm_wliste_test";
  fs::remove_all(ordner);
  fs::create_directories(ordner);
  const std::string pfad = (ordner / "meine.w88").string();
  fs::copy_file(kListe, pfad);
  Plan p;
  test::SkriptDialoge d;
  EXPECT_TRUE(ListeImportieren(p.a, ListeWeichen, pfad));
  EXPECT_EQ(p.a.Listendatei(Elementart::Weiche), pfad);
  TEWeiche* w = WeicheEinsetzen(p.a, *TypLesen(p.a, ListeWeichen, 3, d));
  w->Name = "Meine Weiche";
  ASSERT_TRUE(WeicheInListe(p.a, *w, d));
  const TTypliste liste = ListeLaden(p.a, ListeWeichen);
  ASSERT_EQ(liste.Saetze(), 17u);
  EXPECT_EQ(ListenZeilen(liste, ListeWeichen).back()[1], "Meine Weiche");
  Zeilen typ;
  w->TypSchreiben(typ);
  EXPECT_EQ(liste.Satz(17), typ);
  ASSERT_TRUE(TypEntfernen(p.a, ListeWeichen, 2, d));
  EXPECT_EQ(DateiLesen(pfad)[1], "16");
  // Export copies the list unchanged; without a list it warns.
  ASSERT_TRUE(ListeExportieren(p.a, ListeWeichen, (ordner / "kopie.w88").string(), d));
  EXPECT_EQ(DateiLesen((ordner / "kopie.w88").string()), DateiLesen(pfad));
  p.a.Listendatei(Elementart::Weiche) = (ordner / "fehlt.w88").string();
  EXPECT_FALSE(ListeExportieren(p.a, ListeWeichen, (ordner / "x.w88").string(), d));
  EXPECT_EQ(d.fehler.back(), "Keine Weichenliste zum exportieren vorhanden");
  EXPECT_FALSE(WeicheInListe(p.a, *w, d));
  EXPECT_EQ(d.fehler.back(), "Die Datei" + p.a.Listendatei(Elementart::Weiche) + " konnte nicht geöffnet werden.");
  EXPECT_EQ(MeldungListeFehlt(ListeWeichen, "/x.w88"),
            "Die Weichenliste \"/x.w88\" konnte nicht gefunden werden. Bitte importieren Sie zunächst "
            "eine Weichenliste.");
  EXPECT_FALSE(ListeImportieren(p.a, ListeWeichen, (ordner / "fehlt.w88").string()));
  EXPECT_EQ(p.a.Listendatei(Elementart::Weiche), "/tmp/stdWListe.w88");
  fs::remove_all(ordner);
}

}  // namespace
}  // namespace trm

#include "core/editor/Editor.h"

namespace trm {
namespace {

TEST(Weichenliste, WeicheKopierenUndBeiKlickEinfuegen) {
  const auto ordner = fs::temp_directory_path() / "trm_weiche_kopie";
  fs::remove_all(ordner);
  ASSERT_TRUE(DatenordnerEinrichten(ordner.string(), TRM_QUELLDATEN));
  test::SkriptDialoge d;
  Dokument dok(d, ordner.string(), std::make_shared<MersenneZufall>(5));
  ASSERT_TRUE(dok.Neu());
  Editor ed(dok, d);
  TEWeiche* w = WeicheEinsetzen(dok.anlage(), TTypliste::Laden(kListe, ZeilenWeiche).Satz(3));
  ASSERT_NE(w, nullptr);
  ASSERT_TRUE(ed.gleis()->IstWeichengleis());
  ASSERT_TRUE(ed.GleisKopieren());
  EXPECT_EQ(ed.KopierArt(), Kopierart::Element);
  EXPECT_EQ(ed.Kontext().einfuegen, "Weiche einfügen");
  ASSERT_TRUE(ed.Einfuegen());
  EXPECT_EQ(ed.Modus(), Mausmodus::ElementEinfuegen);
  ASSERT_TRUE(ed.ElementEinfuegenBei(800, 100, 4242));
  TModul& m = *ed.modul();
  ASSERT_EQ(m.Anzahl(Elementart::Weiche), 2);
  auto& kopie = static_cast<TEWeiche&>(*m.Elemente[1]);
  EXPECT_EQ(kopie.WeichenID, 4242);
  EXPECT_DOUBLE_EQ(kopie.Stammgleis()->XAnf, 800);
  EXPECT_NE(kopie.Stammgleis()->Nummer, w->Stammgleis()->Nummer);  // own track numbers
  EXPECT_EQ(kopie.Radius(), w->Radius());
  EXPECT_EQ(kopie.Stammgleis()->Verbund.size(), 2u);
  EXPECT_EQ(kopie.Stammgleis()->Vorgaenger, nullptr);
  fs::remove_all(ordner);
}

}  // namespace
}  // namespace trm

namespace trm {
namespace {

TEST(Weichenliste, ZweiggleisAnschlussFolgtBeimWeitergeben) {
  Plan p;
  p.g->BogenWaehlen(2);  // the last segment: nothing to split
  TEWeiche* w = WeicheEinsetzen(p.a, TTypliste::Laden(kListe, ZeilenWeiche).Satz(1));
  ASSERT_NE(w, nullptr);
  w->Drehen();
  w->Drehen();  // now attached by its branch
  ASSERT_EQ(w->Anschluss, AnschlussZweig);
  WeicheAktualisieren(*w);
  TGleis* hinten = p.m->GleisAnhaengen();
  hinten->Markiert = false;
  hinten->Nummer = 77;
  auto b = std::make_unique<TBogen>();
  b->SetLaenge(60);
  hinten->BogenAnhaengen(std::move(b));
  AlsNachfolgerEinfuegen(*p.m, w->Stammgleis(), hinten);
  // The feeding track grows: the branch, the main track hanging on it and what follows the
  // main track all move along in one propagation.
  p.g->Boegen[0]->SetLaenge(150);
  LageWeitergeben(*p.m, p.g);
  ModulBerechnen(*p.m);
  const TGleis* zweig = w->Zweiggleis();
  const TGleis* stamm = w->Stammgleis();
  EXPECT_NEAR(zweig->XAnf, p.g->XEnde(), 1e-9);
  EXPECT_NEAR(zweig->YAnf, p.g->YEnde(), 1e-9);
  EXPECT_NEAR(stamm->XAnf, zweig->XEnde(), 1e-9);
  EXPECT_NEAR(stamm->YAnf, zweig->YEnde(), 1e-9);
  EXPECT_NEAR(hinten->XAnf, stamm->XEnde(), 1e-9);
  EXPECT_NEAR(hinten->YAnf, stamm->YEnde(), 1e-9);
  ERWARTE_GESUND(p.a);
}

}  // namespace
}  // namespace trm

namespace trm {
namespace {

TEST(Weichenliste, WeicheDrehenSpiegelnEntfernenAlsBefehl) {
  const auto ordner = fs::temp_directory_path() / "trm_weiche_befehle";
  fs::remove_all(ordner);
  ASSERT_TRUE(DatenordnerEinrichten(ordner.string(), TRM_QUELLDATEN));
  test::SkriptDialoge d;
  Dokument dok(d, ordner.string(), std::make_shared<MersenneZufall>(6));
  ASSERT_TRUE(dok.Neu());
  Editor ed(dok, d);
  EXPECT_FALSE(ed.ElementDrehen());  // an ordinary track
  TEWeiche* w = WeicheEinsetzen(dok.anlage(), TTypliste::Laden(kListe, ZeilenWeiche).Satz(1));
  ASSERT_NE(w, nullptr);
  ASSERT_TRUE(ed.ElementSpiegeln());
  EXPECT_TRUE(w->IstRechts());
  EXPECT_LT(w->Zweiggleis()->Boegen[0]->WEnde, 0);  // the branch now leaves to the right
  ASSERT_TRUE(ed.ElementDrehen());
  EXPECT_EQ(w->Anschluss, AnschlussStammEnde);
  EXPECT_TRUE(ed.Kontext().elementEntfernen);  // three tracks: the template's and the turnout's
  ASSERT_TRUE(ed.ElementAusPlanEntfernen());
  EXPECT_EQ(ed.modul()->Anzahl(Elementart::Weiche), 0);
  ASSERT_EQ(ed.modul()->Gleise.size(), 1u);
  EXPECT_TRUE(ed.modul()->Gleise[0]->Nachfolger.empty());
  EXPECT_EQ(ed.modul()->Gleise[0]->Verbund.size(), 1u);
  ERWARTE_GESUND(dok.anlage());
  fs::remove_all(ordner);
}

}  // namespace
}  // namespace trm

namespace trm {
namespace {

/// Places list type k behind the end of track `an` and attaches it by its branch.
TEWeiche* AmZweigEinsetzen(Plan& p, TGleis* an, std::size_t k) {
  static const TTypliste liste = TTypliste::Laden(kListe, ZeilenWeiche);
  p.m->GleisWaehlen(p.m->GleisIndex(an));
  an->BogenWaehlen(static_cast<int>(an->Boegen.size()) - 1);
  TEWeiche* w = WeicheEinsetzen(p.a, liste.Satz(k));
  w->Drehen();
  w->Drehen();
  WeicheAktualisieren(*w);
  return w;
}

/// A short straight track attached behind `an`.
TGleis* KurzesGleisHinter(Plan& p, TGleis* an) {
  TGleis* t = p.m->GleisAnhaengen();
  t->Markiert = false;
  t->Nummer = p.a.NeueNummer(999'999);
  auto b = std::make_unique<TBogen>();
  b->SetLaenge(20);
  t->BogenAnhaengen(std::move(b));
  AlsNachfolgerEinfuegen(*p.m, an, t);
  LageWeitergeben(*p.m, an);
  return t;
}

/// The feeding track grows by 50 mm; the positions are propagated and computed, then saved
/// and read back.
std::unique_ptr<Anlage> VerlaengernUndSpeichern(Plan& p) {
  p.g->Boegen[0]->SetLaenge(150);
  LageWeitergeben(*p.m, p.g);
  ModulBerechnen(*p.m);
  auto b = AnlageAusZeilen(AnlageZeilen(p.a), "/tmp/", nullptr);
  for (auto& m : b->Module) ModulBerechnen(*m);
  return b;
}

TEST(Weichenliste, WeitergebenDurchZweiggleisAngeschlosseneWeichenIstGenau) {
  {
    // Three turnouts, each attached by its branch to the far end of the one before, then a
    // short track: every start follows, also after saving.
    Plan p;
    p.g->BogenWaehlen(2);
    TGleis* an = p.g;
    for (int k = 0; k < 3; ++k) an = AmZweigEinsetzen(p, an, 1)->Stammgleis();
    TGleis* kurz = KurzesGleisHinter(p, an);
    auto b = VerlaengernUndSpeichern(p);
    EXPECT_NEAR(kurz->XAnf, an->XEnde(), 1e-9);
    EXPECT_NEAR(kurz->YAnf, an->YEnde(), 1e-9);
    ERWARTE_GESUND(p.a);
    ERWARTE_GESUND(*b);
    const TGleis* kurz2 = b->GleisMitNummer(kurz->Nummer);
    ASSERT_NE(kurz2, nullptr);
    EXPECT_NEAR(kurz2->XAnf, kurz2->Vorgaenger->XEnde(), 1e-9);
  }
  // Random trees of such turnouts, of several list types, with short tracks at random ends.
  for (int anzahl : {3, 5, 8}) {
    for (std::uint32_t fall = 0; fall < 100; ++fall) {
      SCOPED_TRACE("Weichen " + std::to_string(anzahl) + ", Fall " + std::to_string(fall));
      std::mt19937 z(fall * 17 + static_cast<std::uint32_t>(anzahl));
      Plan p;
      std::vector<TGleis*> enden = {p.g};
      for (int k = 0; k < anzahl; ++k) {
        TEWeiche* w = AmZweigEinsetzen(p, enden[z() % enden.size()], 1 + z() % 10);
        enden.push_back(w->Stammgleis());
        enden.push_back(w->Zweiggleis());
      }
      for (int k = 0; k < 2; ++k) KurzesGleisHinter(p, enden[z() % enden.size()]);
      auto b = VerlaengernUndSpeichern(p);
      const bool gesund = test::Gesund(p.a) && test::Gesund(*b);
      EXPECT_TRUE(gesund);
      if (!gesund) {
        ERWARTE_GESUND(p.a);
        return;
      }
    }
  }
}

TEST(Weichenliste, ZweiggleisAlsNachfolgerHaengtDieWeicheGanzAn) {
  // For every connection of the turnout: the branch as the track to attach takes the whole
  // turnout along; the link stays whole after a release elsewhere and after saving.
  for (int drehen = 0; drehen < 3; ++drehen) {
    SCOPED_TRACE(drehen);
    Plan p;
    p.g->BogenWaehlen(2);
    TEWeiche* w = WeicheEinsetzen(p.a, TTypliste::Laden(kListe, ZeilenWeiche).Satz(1));
    for (int k = 0; k < drehen; ++k) w->Drehen();
    WeicheAktualisieren(*w);
    TGleis* c = p.m->GleisAnhaengen();
    c->Markiert = false;
    c->Nummer = 55;
    c->XAnf = 400;
    c->YAnf = 900;
    auto bogen = std::make_unique<TBogen>();
    bogen->SetLaenge(80);
    c->BogenAnhaengen(std::move(bogen));
    ModulBerechnen(*p.m);
    ASSERT_EQ(AlsNachfolgerVerbinden(*p.m, w->Zweiggleis(), c), Anhaengen::Verbunden);
    ModulBerechnen(*p.m);
    EXPECT_EQ(c->Nachfolger, (std::vector<TGleis*>{w->Stammgleis(), w->Zweiggleis()}));
    EXPECT_TRUE(p.g->Nachfolger.empty());
    EXPECT_NEAR(w->AngeschlossenesGleis()->XAnf, 480, 1e-9);
    EXPECT_NEAR(w->AngeschlossenesGleis()->YAnf, 900, 1e-9);
    ERWARTE_GESUND(p.a);
    GleisLoesenBefehl(*p.m, p.g);
    ERWARTE_GESUND(p.a);
    auto b = AnlageAusZeilen(AnlageZeilen(p.a), "/tmp/", nullptr);
    for (auto& m : b->Module) ModulBerechnen(*m);
    const TGleis* zweig = b->GleisMitNummer(w->Zweiggleis()->Nummer);
    ASSERT_NE(zweig, nullptr);
    ASSERT_NE(zweig->Vorgaenger, nullptr);
    EXPECT_EQ(zweig->Vorgaenger->Nummer, 55);
    EXPECT_EQ(zweig->Vorgaenger->Nachfolger.size(), 2u);
    ERWARTE_GESUND(*b);
  }
}

}  // namespace
}  // namespace trm

#include "core/editor/Maus.h"

namespace trm {
namespace {

/// Every draw gives the number set last, so that a test can make it meet a number in use.
class GesetzteZahl : public Zufall {
 public:
  std::int64_t zahl = 0;
  std::int64_t Ziehen(std::int64_t) override { return zahl; }
};

/// Element numbers differ from each other and from every track number, and are handed out.
void NummernPruefen(const Anlage& a) {
  std::unordered_set<std::int64_t> gleise, elemente;
  for (const auto& m : a.Module)
    for (const auto& g : m->Gleise) gleise.insert(g->Nummer);
  for (const auto& m : a.Module)
    for (const auto& e : m->Elemente) {
      EXPECT_FALSE(gleise.count(e->Nummer())) << e->Nummer();
      EXPECT_TRUE(elemente.insert(e->Nummer()).second) << e->Nummer();
      EXPECT_TRUE(a.IDListe.count(std::to_string(e->Nummer()))) << e->Nummer();
      for (const TGleis* g : e->AlleGleise()) EXPECT_EQ(g->WeichenNr, e->Nummer());
    }
}

TEST(Weichenliste, ElementnummernSindFreiUndVergeben) {
  const auto ordner = fs::temp_directory_path() / "trm_elementnummern";
  fs::remove_all(ordner);
  ASSERT_TRUE(DatenordnerEinrichten(ordner.string(), TRM_QUELLDATEN));
  test::SkriptDialoge d;
  auto zahl = std::make_shared<GesetzteZahl>();
  Dokument dok(d, ordner.string(), zahl);
  ASSERT_TRUE(dok.Neu());
  Editor ed(dok, d);
  Mausbedienung maus(ed);
  Anlage& a = dok.anlage();
  // Placed from the list: the draw (0, plus 1) meets the number of the current track.
  ed.gleis()->Nummer = 1;
  zahl->zahl = 0;
  TEWeiche* w = WeicheEinsetzen(a, TTypliste::Laden(kListe, ZeilenWeiche).Satz(3));
  ASSERT_NE(w, nullptr);
  NummernPruefen(a);
  // Pasted at a click: the draw meets the number of the first turnout.
  ASSERT_TRUE(ed.GleisKopieren());
  ASSERT_TRUE(ed.Einfuegen());
  zahl->zahl = w->WeichenID;
  ModulBerechnen(*ed.modul());
  maus.Ereignis({Mausart::Druecken, Maustaste::Links, 400, 100, false, false});
  maus.Ereignis({Mausart::Loslassen, Maustaste::Links, 400, 100, false, false});
  ASSERT_EQ(ed.modul()->Anzahl(Elementart::Weiche), 2);
  NummernPruefen(a);
  // Read from a file: the draws meet the number of a track in a later module.
  ed.NeuesModul();
  ed.modul()->Gleise[0]->Nummer = 777;
  zahl->zahl = 777;
  auto b = AnlageAusZeilen(AnlageZeilen(a), ordner.string(), zahl);
  ASSERT_EQ(b->Module[0]->Anzahl(Elementart::Weiche), 2);
  NummernPruefen(*b);
  ERWARTE_GESUND(*b);
  fs::remove_all(ordner);
}

}  // namespace
}  // namespace trm
