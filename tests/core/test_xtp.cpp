// Turnouts from XTrackCAD parameter files: the hand-written file tests/data/testwerk.xtp (a
// left and a right simple turnout, a curved turnout, a three-way turnout, a structure and a
// turnout of scale N), damaged files, and the import command with its dialogs.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "Editorumgebung.h"
#include "Testplan.h"
#include "core/import/XtpDatei.h"
#include "core/import/XtpImport.h"
#include "core/import/XtpWeichen.h"
#include "core/editor/Bibliothek.h"
#include "core/model/Fehler.h"
#include "core/model/Gleis.h"
#include "core/model/Textdatei.h"
#include "core/model/Typliste.h"
#include "core/turnouts/Weiche.h"
#include "core/turnouts/Weichenliste.h"

namespace trm {
namespace {

const std::string kTestwerk = std::string(TRM_TESTDATEN) + "/testwerk.xtp";
constexpr double kGrad = Pi / 180;

/// An end in mm and radians from an E line of the file (inches, degrees clockwise from north).
struct Ende {
  double x, y, w;
};
Ende AusDatei(double x, double y, double a) { return {x * 25.4, y * 25.4, (90 - a) * kGrad}; }

void EndePruefen(const TGleis& g, Ende e) {
  EXPECT_NEAR(g.XEnde(), e.x, 0.01);
  EXPECT_NEAR(g.YEnde(), e.y, 0.01);
  EXPECT_NEAR(std::remainder(g.WEnde() - e.w, 2 * Pi), 0, 1e-4);
}

/// Record k (0-based) of the conversion placed at the origin along +x.
TEWeiche* Platziert(test::Testplan& p, const XtpErgebnis& e, std::size_t k) {
  std::size_t i = k * ZeilenWeiche;
  return WeicheHinzufuegen(*p.m, TEWeiche::AusSatz(*p.m, e.saetze, i, static_cast<std::int32_t>(k + 1)));
}

TEST(XtpWeichen, EinfacheUndBogenweichenWerdenUebernommenDieDreiwegweicheNicht) {
  const auto typen = XtpDateiLesen(kTestwerk, "HO");
  ASSERT_EQ(typen.size(), 4u);  // the structure and the N turnout are not read
  const XtpErgebnis e = XtpWeichenUmwandeln(typen, "HO");
  ASSERT_EQ(e.uebernommen, 3u);
  ASSERT_EQ(e.saetze.size(), 3 * ZeilenWeiche);
  ASSERT_EQ(e.uebersprungen.size(), 1u);
  EXPECT_EQ(e.uebersprungen[0].first, "Dreiwegweiche");
  EXPECT_EQ(e.uebersprungen[0].second, 1u);
  EXPECT_EQ(XtpBericht(e), "3 Weichentypen übernommen, 1 übersprungen:\n1 × Dreiwegweiche");

  test::Testplan p;
  // Left: main straight 9 in; branch an arc of R 30 in = 762 mm through 15°, then 1.5 in
  // straight. The first pair is the basic form, T = 762·tan(7,5°) = 100,3192 mm (the arc is
  // the shorter tangent; the main's rest and the branch straight are the second pair).
  TEWeiche* wl = Platziert(p, e, 0);
  EXPECT_EQ(wl->Name, "Testwerk WL 15, R762 1001");
  EXPECT_TRUE(wl->IstLinks());
  EXPECT_EQ(wl->Weichenform(), FormEinfach);
  EXPECT_NEAR(wl->TangLaenge, 100.3192032, 1e-6);
  EXPECT_NEAR(wl->ZweigRadius1(), 762, 1e-9);
  EXPECT_TRUE(std::isinf(wl->StammRadius1()));
  EXPECT_NEAR(wl->Radius(), 762, 1e-9);
  EXPECT_NEAR(wl->Winkel, 15 * kGrad, 1e-12);
  EndePruefen(*wl->Stammgleis(), AusDatei(9, 0, 90));
  EndePruefen(*wl->Zweiggleis(), AusDatei(9.213460, 1.410454, 75));
  // By hand: 30·sin 15° + 1,5·cos 15° = 9,2134601 in, 30·(1 - cos 15°) + 1,5·sin 15° = 1,4104538 in.
  EXPECT_NEAR(wl->Zweiggleis()->XEnde(), 234.0218863, 2e-5);  // the file rounds to 1e-6 in
  EXPECT_NEAR(wl->Zweiggleis()->YEnde(), 35.8255260, 2e-5);

  TEWeiche* wr = Platziert(p, e, 1);
  EXPECT_EQ(wr->Name, "Testwerk WR 15, R762 1002");
  EXPECT_TRUE(wr->IstRechts());
  EndePruefen(*wr->Stammgleis(), AusDatei(9, 0, 90));
  EndePruefen(*wr->Zweiggleis(), AusDatei(9.213460, -1.410454, 105));

  // Curved: main R 40 in through 20°, branch R 30 in through 30°, both to the left. The main's
  // tangent 1016·tan 10° = 179,1472 mm is the shorter: the whole main arc is the first pair.
  TEWeiche* bw = Platziert(p, e, 2);
  EXPECT_EQ(bw->Weichenform(), FormInnenbogen);
  EXPECT_TRUE(bw->IstLinks());
  EXPECT_NEAR(bw->StammRadius1(), 1016, 1e-9);
  EXPECT_NEAR(bw->ZweigRadius1(), 762, 1e-9);
  EXPECT_NEAR(bw->TangLaenge, 1016 * std::tan(10 * kGrad), 1e-9);
  EndePruefen(*bw->Stammgleis(), AusDatei(13.680806, 2.412295, 70));
  EndePruefen(*bw->Zweiggleis(), AusDatei(15, 4.019238, 60));
}

TEST(XtpWeichen, ListeLiestMitDemListenleserZurueck) {
  const XtpErgebnis e = XtpWeichenUmwandeln(XtpDateiLesen(kTestwerk, "HO"), "HO");
  const auto pfad = std::filesystem::temp_directory_path() / ("trm_xtp_" + std::to_string(::getpid()) + ".w88");
  DateiSchreiben(pfad.string(), XtpWeichenliste(e, "testwerk.xtp", "HO"));
  const TTypliste liste = TTypliste::Laden(pfad.string(), ZeilenWeiche, WeichentypLesen);
  std::filesystem::remove(pfad);
  EXPECT_EQ(liste.Text()[0], "Weichen aus testwerk.xtp (HO)");
  ASSERT_EQ(liste.Anzahl(), 3);
  EXPECT_EQ(liste.Satz(3), Zeilen(e.saetze.begin() + 2 * ZeilenWeiche, e.saetze.end()));

  // The N block alone, by its scale.
  const auto n = XtpDateiLesen(kTestwerk, "N");
  ASSERT_EQ(n.size(), 1u);
  EXPECT_EQ(XtpWeichenUmwandeln(n, "N").uebernommen, 1u);
}

TEST(XtpDatei, BeschaedigteDateienGebenDeutscheMeldungenMitDateiUndZeile) {
  const Zeilen kopf{"TURNOUT HO \"A\tB\"", "\tP \"Normal\" 1"};
  auto mit = [&](Zeilen rest) {
    Zeilen z = kopf;
    z.insert(z.end(), rest.begin(), rest.end());
    return z;
  };
  const std::vector<std::pair<Zeilen, std::string>> faelle{
      {mit({"\tS 0 0 0 0 1 0"}), "Zeile 1: Der Block TURNOUT endet nicht mit END"},
      {mit({"\tS 0 0 0 0 1 0", "TURNOUT HO \"C\"", "END"}), "Zeile 4: Der Block TURNOUT ab Zeile 1 endet nicht mit END."},
      {mit({"\tE 1.5x 0 90", "END"}), "Zeile 3: \"1.5x\" ist keine Zahl."},
      {mit({"\tE 0 nan 90", "END"}), "Zeile 3: \"nan\" ist keine endliche Zahl."},
      {mit({"\tE 0 1e999 90", "END"}), "Zeile 3: \"1e999\" ist keine endliche Zahl."},
      {mit({"\tC 0 0 0 0 30 165 15", "END"}), "Zeile 3: Der Bogen hat den Radius 0."},
      {mit({"\tS 0 0 0 0 1", "END"}), "Zeile 3: In der Zeile S fehlen Werte."},
      {mit({"\tS 0 0 0 0 1 0", "\tP \"Reverse\" 1 2", "END"}), "Zeile 4: Der Weg \"Reverse\" nennt den Abschnitt 2"},
      {{"TURNOUT HO offen", "END"}, "Zeile 1: Der Titel fehlt oder steht nicht in Anführungszeichen."},
      {mit({"\tP \"Reverse 1", "END"}), "Zeile 3: Der Name des Weges endet nicht mit einem Anführungszeichen."},
  };
  for (const auto& [zeilen, meldung] : faelle) {
    try {
      (void)XtpLesen(zeilen, "t.xtp", "HO");
      ADD_FAILURE() << meldung;
    } catch (const LeseFehler& f) {
      EXPECT_EQ(std::string(f.what()).rfind("Datei t.xtp, " + meldung, 0), 0u) << f.what();
    }
  }
  // A block of another scale is only checked for its END.
  EXPECT_TRUE(XtpLesen(mit({"\tE x y z", "END"}), "t.xtp", "N").empty());
  EXPECT_THROW((void)XtpLesen(mit({"\tE x y z"}), "t.xtp", "N"), LeseFehler);
}

using XtpImport = test::Editorumgebung;

TEST_F(XtpImport, NeueListeWirdAktivBeiFehlernBleibtAllesWieEsWar) {
  const std::string vorher = ed->anlage().Listendatei(Elementart::Weiche);
  const std::string kaputt = (ordner / "kaputt.xtp").string();
  DateiSchreiben(kaputt, {"TURNOUT HO \"X\"", "\tC 0 0 0 0 30 165 15", "END"});
  dialoge.pfade = {kaputt};
  EXPECT_FALSE(XtpWeichenImportieren(*ed));
  ASSERT_EQ(dialoge.fehler.size(), 1u);
  EXPECT_EQ(dialoge.fehler[0], "Datei kaputt.xtp, Zeile 2: Der Bogen hat den Radius 0.");
  EXPECT_EQ(ed->anlage().Listendatei(Elementart::Weiche), vorher);
  EXPECT_FALSE(ed->dokument().Geaendert());

  const std::string ziel = (ordner / "testwerk.w88").string();
  dialoge.pfade = {kTestwerk, ziel};
  ASSERT_TRUE(XtpWeichenImportieren(*ed));
  EXPECT_EQ(ed->anlage().Listendatei(Elementart::Weiche), ziel);
  EXPECT_TRUE(ed->dokument().Geaendert());
  ASSERT_EQ(dialoge.infos.size(), 1u);
  EXPECT_EQ(dialoge.infos[0].rfind("3 Weichentypen übernommen, 1 übersprungen:\n1 × Dreiwegweiche", 0), 0u);
  EXPECT_EQ(ListeLaden(ed->anlage(), ListeWeichen).Anzahl(), 3);
}

}  // namespace
}  // namespace trm
