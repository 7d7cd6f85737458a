// The turnout data window's commands and the sleeper editor: the cells' rules and messages,
// the switch between "automatisch" and "benutzerdefiniert" keeping a user plan, a user plan
// that no longer fits, and the editor's edits, saving and closing, each one undo step.
#include <gtest/gtest.h>

#include <cmath>

#include "Editorumgebung.h"
#include "Weichensatz.h"
#include "core/turnouts/Schwelleneditor.h"
#include "core/turnouts/WeichenBefehle.h"

namespace trm {
namespace {

using test::Mit;

class Weichendaten : public test::Editorumgebung {
 protected:
  void SetUp() override {
    Editorumgebung::SetUp();
    ASSERT_TRUE(dok->Neu());
    ASSERT_TRUE(ed->ElementEinsetzen(Elementart::Weiche, test::WeichensatzR500()));
    ASSERT_NE(W(), nullptr);
  }
  TEWeiche* W() { return Weiche(*ed); }
  bool Feld(Weichenfeld f, const std::string& text) { return WeicheFeldSetzen(*ed, f, text); }
  std::string Zeige(Weichenfeld f) { return WeicheAnzeigen(ed->anlage(), *W()).werte.at(f); }
};

TEST_F(Weichendaten, ZellenUndIhreRegeln) {
  EXPECT_EQ(WeicheAnzeigen(ed->anlage(), *W()).titel, "Weichendaten - EW 500 1:9");
  EXPECT_EQ(Zeige(Weichenfeld::Neigung), "1:9,000");
  EXPECT_EQ(Zeige(Weichenfeld::Stammgleisradius), "0");  // straight

  // "Neigung": blanks go, "1:" or "1/" must lead.
  ASSERT_TRUE(Feld(Weichenfeld::Neigung, "1 : 7"));
  EXPECT_DOUBLE_EQ(W()->Winkel, std::atan(1.0 / 7));
  EXPECT_FALSE(Feld(Weichenfeld::Neigung, "9"));
  EXPECT_EQ(dialoge.fehler.back(), MeldungNeigung);
  ASSERT_TRUE(Feld(Weichenfeld::Neigung, "1/9"));

  // "Zweiggleisradius" 0 restores the basic form after an outer-curve one.
  ASSERT_TRUE(Feld(Weichenfeld::Stammgleisradius, "-800"));
  EXPECT_EQ(WeicheAnzeigen(ed->anlage(), *W()).weichenform, "Aussenbogenweiche");
  ASSERT_TRUE(Feld(Weichenfeld::Zweiggleisradius, "0"));
  EXPECT_TRUE(std::isinf(W()->StammRadius1()));
  EXPECT_NEAR(W()->ZweigRadius1(), 500, 1e-9);

  // Pair 2: start and end distance must stay below the length, else the value becomes 0.
  ASSERT_TRUE(Feld(Weichenfeld::EndAbst2, "5"));
  EXPECT_TRUE(Feld(Weichenfeld::AnfAbst2, "15"));  // 15 + 5 = 20: refused, set to 0
  EXPECT_EQ(dialoge.fehler.back(), MeldungAbstandssumme);
  EXPECT_EQ(W()->AnfAbst2, 0);

  // "Längen anpassen": a length of Stammbogen 3 also for Zweigbogen 3.
  ASSERT_TRUE(Feld(Weichenfeld::StammLaenge3, "-100"));
  EXPECT_EQ(W()->ZweigLaenge3(), 250);
  ASSERT_TRUE(WeicheOptionSetzen(*ed, 4, true));
  ASSERT_TRUE(Feld(Weichenfeld::StammLaenge3, "120"));
  EXPECT_EQ(W()->StammLaenge3(), 120);
  EXPECT_EQ(W()->ZweigLaenge3(), 120);

  // Refused with the old value kept: a maximum below the sleeper length, a non-number as
  // "Schwellen senkrecht", a spacing of 0, a negative start distance.
  EXPECT_FALSE(Feld(Weichenfeld::MaxSchwellenlaenge, "29"));
  EXPECT_EQ(dialoge.infos.back(), MeldungMaxSchwellenlaenge);
  EXPECT_EQ(W()->MaxSwLaenge, 36);
  EXPECT_FALSE(Feld(Weichenfeld::SchwellenSenkrecht, "sieben"));
  EXPECT_EQ(dialoge.infos.back(), MeldungNurZahlen);
  ASSERT_TRUE(Feld(Weichenfeld::SchwellenSenkrecht, "bis Nr. 7"));
  EXPECT_EQ(W()->SenkrechtBis, 7);
  EXPECT_FALSE(Feld(Weichenfeld::Schwellenabstand, "0"));
  EXPECT_EQ(dialoge.infos.back(), MeldungSchwellenmass);
  EXPECT_FALSE(Feld(Weichenfeld::AnfAbst1, "-2"));
  EXPECT_EQ(W()->SwAbst(), 7.5);

  // Each accepted cell is one step named after it.
  EXPECT_EQ(ed->Zustand().rueckgaengig, "Rückgängig: Schwellen senkrecht");
}

TEST_F(Weichendaten, ZuLangFuerDieSchwellenWirdZurueckgenommen) {
  // 900 m of branch are within the input bound but would hold some 120 000 sleepers: a file
  // with them would not read again, so the step is taken back.
  const double vorher = W()->ZweigLaenge3();
  const std::string schritt = ed->Zustand().rueckgaengig;
  EXPECT_FALSE(Feld(Weichenfeld::ZweigLaenge3, "900000"));
  EXPECT_NE(dialoge.fehler.back().find("Die Änderung wurde zurückgenommen."), std::string::npos);
  EXPECT_EQ(W()->ZweigLaenge3(), vorher);
  EXPECT_EQ(ed->Zustand().rueckgaengig, schritt);
}

TEST_F(Weichendaten, ModuswechselBehaeltDenBenutzerplan) {
  ASSERT_TRUE(Feld(Weichenfeld::Schwellenplan, "benutzerdefiniert"));
  TSchwellenplan plan = Schwellenplan(*W());
  plan.Paare[0][1].x = 9;
  plan.SwLaengen = {{0, 0}, {-1, 40}};
  ASSERT_TRUE(SchwellenplanUebernehmen(*ed, plan, true));
  // A change of the geometry keeps the user's plan; its sleeper 1 is 40 long.
  ASSERT_TRUE(Feld(Weichenfeld::Radius, "600"));
  EXPECT_EQ(Schwellenplan(*W()), plan);
  EXPECT_NEAR(std::hypot(W()->SwPolygone[1][2].x - W()->SwPolygone[1][1].x,
                         W()->SwPolygone[1][2].y - W()->SwPolygone[1][1].y),
              std::hypot(40, W()->SwBrt()), 1e-9);
  // Back to "automatisch": the user lengths go, the plan follows the geometry again; undo
  // brings the user's plan back.
  ASSERT_TRUE(Feld(Weichenfeld::Schwellenplan, "automatisch"));
  EXPECT_FALSE(W()->SwLaengen.empty());
  for (const TPaar& l : W()->SwLaengen) EXPECT_EQ(l, (TPaar{0, 0}));
  EXPECT_EQ(Schwellenplan(*W()).Paare, SchwellenplanAuto(*W()));
  ASSERT_TRUE(ed->Rueckgaengig());
  EXPECT_EQ(Schwellenplan(*W()), plan);
}

TEST_F(Weichendaten, BenutzerplanDerNichtMehrPasst) {
  ASSERT_TRUE(Feld(Weichenfeld::Schwellenplan, "benutzerdefiniert"));
  ASSERT_TRUE(WeicheOptionSetzen(*ed, 4, true));
  EXPECT_TRUE(WeicheAnzeigen(ed->anlage(), *W()).planPasst);
  dialoge.fehler.clear();
  ASSERT_TRUE(Feld(Weichenfeld::StammLaenge3, "100"));  // the plan's pair 3 runs 242 mm
  ASSERT_EQ(dialoge.fehler.size(), 1u);
  EXPECT_EQ(dialoge.fehler[0], MeldungPlanPasstNicht);
  EXPECT_FALSE(WeicheAnzeigen(ed->anlage(), *W()).planPasst);
  ASSERT_TRUE(Feld(Weichenfeld::StammRadius3, "900"));  // told once, not at every change
  EXPECT_EQ(dialoge.fehler.size(), 1u);
}

TEST_F(Weichendaten, DoppelschwellenUndSenkrechteAlsBefehl) {
  ASSERT_TRUE(DoppelschwellenSetzen(*ed, {3, 5}));
  EXPECT_EQ(WeicheAnzeigen(ed->anlage(), *W()).doppelschwellen, "Nr. 3 / Nr. 5");
  EXPECT_EQ(W()->SwAbst1[3], (TPaar{3, 3}));
  ASSERT_TRUE(DoppelschwellenSetzen(*ed, {}));
  EXPECT_EQ(WeicheAnzeigen(ed->anlage(), *W()).doppelschwellen, "keine");
  EXPECT_EQ(W()->AnzDoppelSw, 0);
}

TEST_F(Weichendaten, SchwellenWerdenVonDerSpitzeGelegtWieDieWeicheAuchHaengt) {
  // Seen from the point end, the sleepers are the same whichever end is attached (the main or
  // the branch track then runs backwards), and mirrored for a right-hand turnout.
  auto mitten = [&] {
    std::vector<TPaar> m;
    const TSchwelleneditor e(*W(), dialoge);
    for (const TWeichenschwelle& s : e.Schwellen()) m.push_back(s.SwMitte);
    return m;
  };
  const std::vector<TPaar> links = mitten();
  ASSERT_EQ(links.size(), W()->SwPolygone.size());
  for (int k = 0; k < 2; ++k) {
    ASSERT_TRUE(ed->ElementDrehen());
    const std::vector<TPaar> gedreht = mitten();
    ASSERT_EQ(gedreht.size(), links.size());
    for (std::size_t i = 0; i < links.size(); ++i) {
      EXPECT_NEAR(gedreht[i].x, links[i].x, 1e-9) << W()->Anschluss << " " << i;
      EXPECT_NEAR(gedreht[i].y, links[i].y, 1e-9) << W()->Anschluss << " " << i;
    }
  }
  ASSERT_TRUE(ed->ElementSpiegeln());
  const std::vector<TPaar> rechts = mitten();
  ASSERT_EQ(rechts.size(), links.size());
  for (std::size_t i = 0; i < links.size(); ++i) {
    EXPECT_NEAR(rechts[i].x, links[i].x, 1e-9) << i;
    EXPECT_NEAR(rechts[i].y, -links[i].y, 1e-9) << i;
  }
}

TEST_F(Weichendaten, SchwelleneditorAendertErstBeimSpeichern) {
  TSchwelleneditor e(*W(), dialoge);
  EXPECT_EQ(e.Titel(), "Schwellenplan - EW 500 1:9");
  EXPECT_EQ(e.Einzeln(), 1);
  EXPECT_EQ(e.NummerText(), "1");
  // Sleeper 3 two millimetres further on: the main distance of plan entry 2; the branch
  // distance follows fan-shaped, 2R·atan(x/2R) less the branch position so far.
  e.Schritt(1);
  e.Schritt(1);
  ASSERT_EQ(e.Einzeln(), 3);
  const double g1 = e.Plan().Paare[0][1].x, o1 = e.Plan().Paare[0][1].y;
  ASSERT_TRUE(e.AbstandSetzen("9,5", false));
  EXPECT_EQ(e.Plan().Paare[0][2].x, 9.5);
  EXPECT_NEAR(e.Plan().Paare[0][2].y, 1000 * std::atan((g1 + 9.5) / 1000) - o1, 1e-12);
  EXPECT_EQ(e.AbstandText(false), "9,50");
  EXPECT_EQ(e.AbstandText(true), FestText(9.5 * 0.87, 2));
  // Out of range: set to 0 with the warning.
  ASSERT_TRUE(e.AbstandSetzen("1000", false));
  EXPECT_EQ(dialoge.fehler.back(), MeldungBereichNull);
  EXPECT_EQ(e.Plan().Paare[0][2].x, 0);
  e.NummerWaehlen("999");
  EXPECT_EQ(dialoge.fehler.back(), MeldungBereichEins);
  EXPECT_EQ(e.Einzeln(), 1);

  // A user length at plan index 9 (pair 2) stays with its sleeper when pair 1 grows and shrinks.
  e.NummerWaehlen("10");
  ASSERT_EQ(e.Schwellen()[9].SwPaar, 9u);
  ASSERT_TRUE(e.LaengeSetzen("33", false));
  ASSERT_TRUE(e.Hinzufuegen(1));
  EXPECT_EQ(e.Plan().Paare[0].size(), 9u);
  EXPECT_EQ(e.Plan().SwLaengen[10], (TPaar{-1, 33}));
  ASSERT_TRUE(e.Loeschen(1));
  EXPECT_EQ(e.Plan().SwLaengen[9], (TPaar{-1, 33}));
  EXPECT_EQ(e.Versaetze(false)[1].anfang, "7,50");

  // Nothing has reached the turnout; closing the automatic plan asks: Abbrechen keeps the
  // editor open, Nein closes it and the turnout keeps its automatic plan.
  EXPECT_TRUE(W()->SchwellenAutomatisch());
  dialoge.antworten.push_back(Antwort::Abbrechen);
  EXPECT_EQ(SchwelleneditorSchliessen(*ed, e), Schliessergebnis::Bleibt);
  EXPECT_EQ(dialoge.fragen.back(), MeldungAenderungenUebernehmen);
  dialoge.antworten.push_back(Antwort::Nein);
  EXPECT_EQ(SchwelleneditorSchliessen(*ed, e), Schliessergebnis::Geschlossen);
  EXPECT_TRUE(W()->SchwellenAutomatisch());
  // Ja: one step, the plan becomes the turnout's user-defined plan.
  dialoge.antworten.push_back(Antwort::Ja);
  ASSERT_EQ(SchwelleneditorSchliessen(*ed, e), Schliessergebnis::Gespeichert);
  EXPECT_FALSE(W()->SchwellenAutomatisch());
  EXPECT_EQ(Schwellenplan(*W()), e.Plan());
  EXPECT_EQ(ed->Zustand().rueckgaengig, "Rückgängig: Schwellenplan bearbeiten");
}

}  // namespace
}  // namespace trm
