// Undo and redo through the command layer: every step gives back exactly the layout before it
// (the file text byte for byte), the current module, track and segment, and whether the
// layout counts as changed since it was saved.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <stdexcept>

#include "Pruefhilfe.h"
#include "Editorumgebung.h"
#include "core/editor/Editor.h"
#include "core/editor/Maus.h"
#include "core/editor/Treffer.h"
#include "core/model/AnlageDatei.h"
#include "core/model/Datenordner.h"
#include "core/model/Neuberechnung.h"
#include "core/model/Umrechnung.h"

namespace trm {
namespace {

class VerlaufTest : public test::Editorumgebung {
 protected:
  void SetUp() override {
    Editorumgebung::SetUp();
    ASSERT_TRUE(dok->OeffnenDatei(std::string(TRM_TESTDATEN) + "/weichenplan.m88"));
  }
  Zeilen Text() { return AnlageZeilen(dok->anlage()); }
  /// Where the user stands: module, track and segment.
  std::array<int, 3> Stelle() {
    const TModul* m = ed->modul();
    return {dok->anlage().AktModul, m->AktGleis, m->AktuellesGleis() ? m->AktuellesGleis()->AktBogen : -1};
  }
  /// Runs a command and checks undo and redo of it.
  void Pruefen(const char* was, const std::function<bool()>& befehl) {
    SCOPED_TRACE(was);
    const Zeilen vorher = Text();
    const auto stelleVorher = Stelle();
    const bool geaendertVorher = dok->Geaendert();
    ASSERT_TRUE(befehl());
    ERWARTE_GESUND(dok->anlage());
    const Zeilen nachher = Text();
    EXPECT_NE(vorher, nachher);
    EXPECT_TRUE(dok->Geaendert());
    ASSERT_TRUE(ed->Rueckgaengig());
    ERWARTE_GESUND(dok->anlage());
    EXPECT_EQ(Text(), vorher);
    EXPECT_EQ(Stelle(), stelleVorher);
    EXPECT_EQ(dok->Geaendert(), geaendertVorher);
    ASSERT_TRUE(ed->Wiederherstellen());
    ERWARTE_GESUND(dok->anlage());
    EXPECT_EQ(Text(), nachher);
  }
};

TEST_F(VerlaufTest, JederBefehlIstEinSchritt) {
  EXPECT_FALSE(ed->Zustand().rueckgaengigAktiv);
  TModul& m = *ed->modul();
  for (std::size_t i = 0; i < m.Gleise.size(); ++i)
    if (m.Gleise[i]->IstGewoehnlich() && m.Gleise[i]->Verbund.size() > 1) m.GleisWaehlen(static_cast<int>(i));
  Pruefen("lösen", [&] { return ed->AlleVerbindungenLoesen(); });
  Pruefen("anfügen", [&] { return ed->GleisAnfuegen(); });
  EXPECT_EQ(ed->Zustand().rueckgaengig, "Rückgängig: Gleis anfügen");
  Pruefen("x", [&] { return ed->AnfangXSetzen("123,5"); });
  Pruefen("drehen", [&] { return ed->GleisDrehen(true, 15); });
  Pruefen("löschen", [&] { return ed->GleisLoeschen(); });
  Pruefen("wieder da", [&] { return ed->GleisLoeschenRueckgaengig(); });
  ed->modul()->GleisWaehlen(0);
  ASSERT_TRUE(ed->BogenKopieren());
  Pruefen("Bogen einfügen", [&] { return ed->Einfuegen(); });
  Pruefen("Modul", [&] {
    ed->NeuesModul();
    return true;
  });
  dialoge.antworten.push_back(Antwort::Ja);
  Pruefen("Modul weg", [&] { return ed->ModulLoeschen(); });
  // The turnout of the plan: its main track made current. Undo and redo put copies in place,
  // so nothing is held across them.
  for (std::size_t i = 0; i < ed->modul()->Gleise.size(); ++i)
    if (ed->modul()->Gleise[i]->Element) ed->modul()->GleisWaehlen(static_cast<int>(i));
  Pruefen("Weiche drehen", [&] { return ed->ElementDrehen(); });
  Pruefen("Weiche links/rechts", [&] { return ed->ElementSpiegeln(); });
  ASSERT_TRUE(ed->GleisKopieren());
  ASSERT_EQ(ed->KopierArt(), Kopierart::Element);
  Pruefen("Weiche einfügen", [&] { return ed->ElementEinfuegenBei(300, 300, 4242); });
  for (std::size_t i = 0; i < ed->modul()->Gleise.size(); ++i)
    if (ed->modul()->Gleise[i]->Element) ed->modul()->GleisWaehlen(static_cast<int>(i));
  Pruefen("Weiche entfernen", [&] { return ed->ElementAusPlanEntfernen(); });
}

TEST_F(VerlaufTest, GespeichertUndGeaendert) {
  EXPECT_FALSE(dok->Geaendert());
  ASSERT_TRUE(ed->GleisAnfuegen());
  dialoge.pfade.push_back((ordner / "plan.m88").string());
  ASSERT_TRUE(dok->SpeichernUnter());
  EXPECT_FALSE(dok->Geaendert());
  ASSERT_TRUE(ed->Rueckgaengig());
  EXPECT_TRUE(dok->Geaendert());  // differs from what was saved
  ASSERT_TRUE(ed->Wiederherstellen());
  EXPECT_FALSE(dok->Geaendert());
  // A new step drops what could be redone; opening starts an empty history.
  ASSERT_TRUE(ed->Rueckgaengig());
  ASSERT_TRUE(ed->GleisAnfuegen());
  EXPECT_FALSE(ed->Wiederherstellen());
  dialoge.antworten.push_back(Antwort::Nein);
  ASSERT_TRUE(dok->OeffnenDatei(std::string(TRM_TESTDATEN) + "/bogenplan.m88"));
  EXPECT_FALSE(ed->Rueckgaengig());
  EXPECT_FALSE(dok->Geaendert());
}

TEST_F(VerlaufTest, FehlschlagUndAusnahme) {
  const Zeilen vorher = Text();
  EXPECT_FALSE(ed->AnfangXSetzen("abc"));  // does not convert: no step
  EXPECT_FALSE(ed->Zustand().rueckgaengigAktiv);
  EXPECT_THROW(ed->Ausfuehren("kaputt",
                              [&]() -> bool {
                                ed->gleis()->XAnf += 50;
                                ed->modul()->Gleise.clear();
                                throw std::runtime_error("mitten im Befehl");
                              }),
               std::runtime_error);
  EXPECT_EQ(Text(), vorher);  // the layout as it was
  ERWARTE_GESUND(dok->anlage());
  EXPECT_FALSE(dok->Geaendert());
}

TEST(Verlauf, BegrenztAufDieJuengstenSchritte) {
  Anlage a;
  a.ModulAnhaengen();
  Verlauf v(3);
  for (int k = 0; k < 5; ++k) {
    v.Vormerken(a);
    a.Name = "x";  // any change
    a.Module[0]->Name = std::to_string(k);
    v.Abschliessen("Schritt " + std::to_string(k));
  }
  EXPECT_EQ(v.AnzahlRueckgaengig(), 3u);
  while (v.Rueckgaengig(a)) {
  }
  EXPECT_EQ(a.Module[0]->Name, "1");  // the two oldest were dropped
}

TEST_F(VerlaufTest, ZiehenIstEinSchrittUndTrefferBrauchtKeinZeichnen) {
  TModul& m = *ed->modul();
  m.MmProPixel = 2;
  ModulBerechnen(m);  // no painting: the start squares come from the geometry pass
  const TGleis& g = *m.Gleise[0];
  const TUmrechnung u(m);
  const std::int64_t px = u.WeltZuPixelX(g.XAnf + g.Spur() / 2);
  const std::int64_t py = u.WeltZuPixelY(g.YAnf);
  const auto t = GleisTreffen(m, u.PixelZuWeltX(static_cast<double>(px)), u.PixelZuWeltY(static_cast<double>(py)));
  ASSERT_TRUE(t);
  const Zeilen vorher = Text();
  Mausbedienung maus(*ed);
  maus.Ereignis({Mausart::Druecken, Maustaste::Links, px, py, false, false});
  for (int k = 1; k <= 5; ++k) maus.Ereignis({Mausart::Bewegen, Maustaste::Links, px + 10 * k, py, false, false});
  maus.Ereignis({Mausart::Loslassen, Maustaste::Links, px + 50, py, false, false});
  EXPECT_NE(Text(), vorher);
  EXPECT_EQ(ed->Zustand().rueckgaengig, "Rückgängig: Gleis verschieben");
  ASSERT_TRUE(ed->Rueckgaengig());
  EXPECT_EQ(Text(), vorher);
  EXPECT_FALSE(ed->Rueckgaengig());
}

}  // namespace
}  // namespace trm
