// Import of version-1 plans: a plan written by hand with two modules, a straight, an arc, a
// transition curve and two turnouts, checked against hand-worked positions; a missing turnout
// file and a cut-off plan leave the open layout as it was; the result saves and reopens
// unchanged.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include "Editorumgebung.h"
#include "Pruefhilfe.h"
#include "core/import/TConverter.h"
#include "core/model/AnlageDatei.h"
#include "core/model/Fehler.h"
#include "core/model/Textdatei.h"
#include "core/turnouts/Weiche.h"

namespace trm {
namespace {

namespace fs = std::filesystem;

const std::string kPlan = std::string(TRM_TESTDATEN) + "/altplan.trm";

class Import : public test::Editorumgebung {
 protected:
  TModul& Modul(int i) { return *dok->anlage().Module.at(static_cast<std::size_t>(i)); }
};

TEST_F(Import, PlanMitModulenGleisenUndWeichen) {
  ASSERT_TRUE(dok->ImportierenDatei(TrmImport(), kPlan));
  Anlage& a = dok->anlage();
  ERWARTE_GESUND(a);
  EXPECT_EQ(a.Name, "Altplan");
  EXPECT_EQ(a.Optionen, "3012101000");
  EXPECT_TRUE(a.DateiPfad.empty());
  EXPECT_TRUE(dok->Geaendert());
  ASSERT_EQ(a.Module.size(), 2u);
  EXPECT_EQ(a.AktModul, 0);
  // Module 1: three ordinary tracks (the two tracks of turnout 7 are not taken over) and the
  // turnout at its reference track.
  TModul& m = Modul(0);
  ASSERT_EQ(m.Gleise.size(), 5u);
  EXPECT_EQ(m.AktGleis, 0);
  EXPECT_TRUE(m.Gleise[0]->Boegen[0]->Markiert);
  const TGleis& bogen = *m.Gleise[1];
  EXPECT_NEAR(bogen.XEnde(), 550, 1e-9);  // 300 + 500·sin 30°
  EXPECT_NEAR(bogen.YEnde(), 300 + 500 * (1 - std::cos(Pi / 6)), 1e-9);
  const TBogen& uebergang = *m.Gleise[2]->Boegen[0];
  EXPECT_TRUE(uebergang.IstUebergangsbogen());
  EXPECT_EQ(uebergang.AnfRadius(), Unendlich);
  EXPECT_NEAR(uebergang.EndRadius(), 500, 1e-9);
  EXPECT_NEAR(uebergang.WEnde, 0.1, 1e-12);  // L·k/2
  for (const auto& g : m.Gleise) EXPECT_EQ(g->ZAnfWert, 0);

  ASSERT_EQ(m.Anzahl(Elementart::Weiche), 1);
  const TElement& w7 = *m.Elemente[0];
  EXPECT_EQ(w7.Typname(), "EW 500 links");
  EXPECT_LT(w7.Nummer(), 10'000'000);
  // Left-hand, attached by the main track's start at (600, 100) pointing along x: the main
  // ends after 2T + 40, the branch after its 15° arc of R 500 and 40 mm straight.
  const double t = 500 * std::tan(Pi / 24);
  EXPECT_NEAR(w7.Stammgleis()->XAnf, 600, 1e-9);
  EXPECT_NEAR(w7.Stammgleis()->XEnde(), 600 + 2 * t + 40, 1e-9);
  EXPECT_NEAR(w7.Zweiggleis()->XEnde(), 600 + 500 * std::sin(Pi / 12) + 40 * std::cos(Pi / 12), 1e-9);
  EXPECT_NEAR(w7.Zweiggleis()->YEnde(), 100 + 500 * (1 - std::cos(Pi / 12)) + 40 * std::sin(Pi / 12), 1e-9);
  EXPECT_EQ(w7.Stammgleis()->Verbund.size(), 2u);

  // Module 2: turnout 9 ("10" in its type) at the end of its reference track, pointing back
  // along it: right-hand, so its branch ends below the line.
  TModul& m2 = Modul(1);
  ASSERT_EQ(m2.Anzahl(Elementart::Weiche), 1);
  const TElement& w9 = *m2.Elemente[0];
  EXPECT_NEAR(w9.Stammgleis()->XAnf, 350, 1e-9);
  EXPECT_NEAR(w9.Stammgleis()->YAnf, 400, 1e-9);
  EXPECT_NEAR(std::fabs(w9.Stammgleis()->WAnf()), Pi, 1e-12);
  EXPECT_LT(w9.Zweiggleis()->YEnde(), 400);
  EXPECT_NE(w9.Nummer(), w7.Nummer());
}

TEST_F(Import, GespeichertUndWiederGeoeffnetUnveraendert) {
  ASSERT_TRUE(dok->ImportierenDatei(TrmImport(), kPlan));
  const Zeilen einmal = AnlageZeilen(dok->anlage());
  auto wieder = AnlageAusZeilen(einmal, ordner.string() + "/", std::make_shared<MersenneZufall>(1));
  EXPECT_EQ(AnlageZeilen(*wieder), einmal);
  // Saving asks for a name: the old plan is never overwritten.
  EXPECT_FALSE(dok->Speichern());
  EXPECT_EQ(dialoge.pfade.size(), 0u);
}

TEST_F(Import, FehlendeWeichendateiUndAbgeschnittenerPlanAendernNichts) {
  ASSERT_TRUE(dok->Neu());
  const Zeilen vorher = AnlageZeilen(dok->anlage());
  const fs::path plan = ordner / "alt.trm";
  fs::copy_file(kPlan, plan);
  EXPECT_FALSE(dok->ImportierenDatei(TrmImport(), plan.string()));
  ASSERT_EQ(dialoge.fehler.size(), 1u);
  EXPECT_NE(dialoge.fehler[0].find("alt.WLi"), std::string::npos) << dialoge.fehler[0];
  EXPECT_EQ(AnlageZeilen(dok->anlage()), vorher);

  // The turnout file found without regard to letter case; then a plan cut off in its second
  // module names the file and the missing line.
  fs::copy_file(std::string(TRM_TESTDATEN) + "/altplan.WLi", ordner / "ALT.wli");
  Zeilen z = DateiLesen(kPlan);
  z.resize(200);
  DateiSchreiben(plan.string(), z);
  EXPECT_FALSE(dok->ImportierenDatei(TrmImport(), plan.string()));
  ASSERT_EQ(dialoge.fehler.size(), 2u);
  EXPECT_NE(dialoge.fehler[1].find("alt.trm"), std::string::npos);
  EXPECT_NE(dialoge.fehler[1].find("Zeile 201"), std::string::npos) << dialoge.fehler[1];
  EXPECT_EQ(AnlageZeilen(dok->anlage()), vorher);

  // A placed turnout whose sleeper spacing is 0 names its line of the turnout file.
  fs::copy_file(kPlan, plan, fs::copy_options::overwrite_existing);
  Zeilen wli = DateiLesen(std::string(TRM_TESTDATEN) + "/altplan.WLi");
  wli[9] = "0";
  DateiSchreiben((ordner / "ALT.wli").string(), wli);
  EXPECT_FALSE(dok->ImportierenDatei(TrmImport(), plan.string()));
  ASSERT_EQ(dialoge.fehler.size(), 3u);
  EXPECT_NE(dialoge.fehler[2].find("Zeile 10: Der Schwellenabstand der Weiche \"EW 500 links\" muss größer als 0"),
            std::string::npos)
      << dialoge.fehler[2];
  EXPECT_EQ(AnlageZeilen(dok->anlage()), vorher);
  EXPECT_FALSE(dok->Geaendert());
}

TEST_F(Import, WeicheAmEndeMitGebogenemDrittenPaar) {
  // Turnout 9 ("10": attached at its reference track's end) with a third pair of R 2000 over
  // 20 mm: the import negates StammRadius3, and the main track, entered at its end, runs
  // through Stammbogen 3 first, which turns it by -20/2000 from its start direction π.
  const fs::path plan = ordner / "alt.trm";
  fs::copy_file(kPlan, plan);
  Zeilen wli = DateiLesen(std::string(TRM_TESTDATEN) + "/altplan.WLi");
  wli[71] = "20";    // length of the third pair
  wli[72] = "2000";  // StammRadius3
  DateiSchreiben((ordner / "alt.WLi").string(), wli);
  ASSERT_TRUE(dok->ImportierenDatei(TrmImport(), plan.string()));
  auto* w9 = dynamic_cast<const TEWeiche*>(Modul(1).Elemente.at(0).get());
  ASSERT_NE(w9, nullptr);
  EXPECT_EQ(w9->StammRadius3(), -2000);
  EXPECT_EQ(w9->Stammbogen(3)->AnfRadius(), -2000);
  const TGleis& s = *w9->Stammgleis();
  EXPECT_NEAR(std::remainder(s.Boegen.front()->WEnde - (Pi - 0.01), 2 * Pi), 0, 1e-12);
  EXPECT_NEAR(s.Boegen.front()->XEnde, 350 - 2000 * std::sin(0.01), 1e-9);
  EXPECT_NEAR(s.Boegen.front()->YEnde, 400 + 2000 * (1 - std::cos(0.01)), 1e-9);
}

TEST(ImportOhneGleise, KlareMeldung) {
  Anlage a(std::make_shared<MersenneZufall>(1));
  TConverter c(a);
  Zeilen plan = DateiLesen(kPlan);
  plan[25] = "0";  // no modules
  c.PlanLesen(plan);
  try {
    c.Abschliessen();
    FAIL();
  } catch (const LeseFehler& e) {
    EXPECT_STREQ(e.what(), "Der Plan enthält kein Modul.");
  }
}

}  // namespace
}  // namespace trm
