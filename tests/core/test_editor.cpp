// Editor commands as a user runs them: modules, navigation, append, delete and undo, angles
// and positions by value, rotation, clipboard, and the command states after each.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "Pruefhilfe.h"
#include "Editorumgebung.h"
#include "SkriptDialoge.h"
#include "core/editor/Editor.h"
#include "core/model/Datenordner.h"
#include "core/model/Neuberechnung.h"
#include "core/model/Verbindungen.h"

namespace trm {
namespace {

class EditorTest : public test::Editorumgebung {
 protected:
  void SetUp() override {
    Editorumgebung::SetUp();
    ASSERT_TRUE(dok->Neu());
  }
  TModul& M() { return *ed->modul(); }
  TGleis& G() { return *ed->gleis(); }
  void Rechnen() { ModulBerechnen(M()); }
};

TEST_F(EditorTest, ModuleAnlegenWechselnLoeschen) {
  EXPECT_FALSE(ed->Zustand().modulLoeschen);
  EXPECT_FALSE(ed->ModulLoeschen());
  ed->NeuesModul();
  Anlage& a = ed->anlage();
  ASSERT_EQ(a.Module.size(), 2u);
  EXPECT_EQ(a.AktModul, 1);
  EXPECT_EQ(M().Name, "Modul 2");
  EXPECT_EQ(M().Breite, 1500);
  EXPECT_EQ(M().MmProPixel, 2);
  ASSERT_EQ(M().Gleise.size(), 1u);
  EXPECT_EQ(G().Nummer, std::stoi(*a.IDListe.begin()));  // the first track takes the module's number
  EXPECT_EQ(G().YAnf, 300);
  EXPECT_DOUBLE_EQ(G().XEnde(), 200);
  EXPECT_TRUE(dok->Geaendert());
  const Befehlszustand z = ed->Zustand();
  EXPECT_TRUE(z.modulLoeschen);
  EXPECT_EQ(z.module, (std::vector<std::string>{"Modul 1", "Modul 2"}));
  EXPECT_EQ(z.modulHaken, (std::vector<bool>{false, true}));

  ed->ModulWechseln(0);
  dialoge.antworten.push_back(Antwort::Abbrechen);
  EXPECT_FALSE(ed->ModulLoeschen());
  EXPECT_EQ(dialoge.fragen.back(), "Modul unwiderruflich löschen?");
  dialoge.antworten.push_back(Antwort::Ja);
  ASSERT_TRUE(ed->ModulLoeschen());  // the first: the remaining one becomes current
  ASSERT_EQ(a.Module.size(), 1u);
  EXPECT_EQ(M().Name, "Modul 2");
  EXPECT_TRUE(M().Aktiv);
}

TEST_F(EditorTest, ModulLoeschenLaesstKeineVerweiseZurueck) {
  ed->NeuesModul();
  TGleis* fremd = &G();
  ed->ModulWechseln(0);
  VerbundVereinen(&G(), fremd);  // a group across modules, as a file can hold
  G().Nachfolger.push_back(fremd);
  ed->ModulWechseln(1);
  dialoge.antworten.push_back(Antwort::Ja);
  ASSERT_TRUE(ed->ModulLoeschen());
  EXPECT_EQ(G().Verbund, std::vector<TGleis*>{&G()});
  EXPECT_TRUE(G().Nachfolger.empty());
  ERWARTE_GESUND(ed->anlage());
}

TEST_F(EditorTest, AnfuegenAnGleisMitEndrichtung90Grad) {
  G().SetWAnf(Pi / 2);
  Rechnen();
  const double xe = G().XEnde(), ye = G().YEnde();
  TGleis* alt = &G();
  ASSERT_TRUE(ed->GleisAnfuegen());
  TGleis& neu = G();
  EXPECT_NE(&neu, alt);
  EXPECT_DOUBLE_EQ(neu.XAnf, xe);
  EXPECT_DOUBLE_EQ(neu.YAnf, ye);
  EXPECT_DOUBLE_EQ(neu.WAnf(), Pi / 2);
  EXPECT_DOUBLE_EQ(neu.Boegen[0]->Laenge(), 200);  // 17400 / 87
  EXPECT_EQ(neu.Vorgaenger, alt);
  EXPECT_EQ(alt->Nachfolger, std::vector<TGleis*>{&neu});
  EXPECT_EQ(alt->Verbund.size(), 2u);
  EXPECT_TRUE(neu.Boegen[0]->Markiert);
  const Befehlszustand z = ed->Zustand();
  EXPECT_TRUE(z.vorigesGleis);
  EXPECT_FALSE(z.naechstesGleis);
  EXPECT_TRUE(z.gleisLoeschen);
  EXPECT_TRUE(ed->VorigesGleis());
  EXPECT_EQ(&G(), alt);
  EXPECT_FALSE(ed->VorigesGleis());
  ERWARTE_GESUND(ed->anlage());
}

TEST_F(EditorTest, LoeschenUndRueckgaengig) {
  EXPECT_FALSE(ed->GleisLoeschen());  // the last ordinary track stays
  ASSERT_TRUE(ed->GleisAnfuegen());
  G().Boegen[0]->SetAnfRadius(450);
  G().Boegen[0]->SetEndRadius(450);
  Rechnen();
  const double xe = G().XEnde();
  const std::int32_t alteNummer = G().Nummer;
  ASSERT_TRUE(ed->GleisLoeschen());
  ASSERT_EQ(M().Gleise.size(), 1u);
  EXPECT_TRUE(G().Nachfolger.empty());
  EXPECT_EQ(G().Verbund, std::vector<TGleis*>{&G()});
  EXPECT_TRUE(ed->Zustand().rueckgaengigLoeschen);
  ASSERT_TRUE(ed->GleisLoeschenRueckgaengig());
  ASSERT_EQ(M().Gleise.size(), 2u);
  TGleis& zurueck = *M().Gleise[1];
  EXPECT_NE(zurueck.Nummer, alteNummer);
  EXPECT_EQ(zurueck.Vorgaenger, nullptr);
  EXPECT_EQ(zurueck.Verbund, std::vector<TGleis*>{&zurueck});
  EXPECT_EQ(zurueck.Boegen[0]->AnfRadius(), 450);
  Rechnen();
  EXPECT_DOUBLE_EQ(zurueck.XEnde(), xe);
  EXPECT_FALSE(ed->Zustand().rueckgaengigLoeschen);
  int markiert = 0;
  for (const auto& g : M().Gleise) markiert += g->Markiert;
  EXPECT_EQ(markiert, 1);
  ERWARTE_GESUND(ed->anlage());
}

TEST_F(EditorTest, LoeschenInEinerSchleifeSchliesstIhreOffeneStelle) {
  // Three straight tracks in a loop stay open where the last propagation began (the third
  // track's start). Deleting the first leaves a chain, and the third follows the second.
  TGleis* erstes = &G();
  ASSERT_TRUE(ed->GleisAnfuegen());
  TGleis* zweites = &G();
  ASSERT_TRUE(ed->GleisAnfuegen());
  TGleis* drittes = &G();
  Rechnen();
  ASSERT_EQ(AlsNachfolgerVerbinden(M(), erstes, drittes), Anhaengen::Verbunden);
  Rechnen();
  EXPECT_GT(std::fabs(drittes->XAnf - zweites->XEnde()), 1);
  M().GleisWaehlen(M().GleisIndex(erstes));
  ASSERT_TRUE(ed->GleisLoeschen());
  EXPECT_DOUBLE_EQ(drittes->XAnf, zweites->XEnde());
  EXPECT_DOUBLE_EQ(drittes->YAnf, zweites->YEnde());
  ERWARTE_GESUND(ed->anlage());
}

TEST_F(EditorTest, FuenferschritteDerDrehknoepfe) {
  EXPECT_EQ(Editor::Fuenferschritt(37.3, false), "40,000");
  EXPECT_EQ(Editor::Fuenferschritt(37.3, true), "30,000");
  EXPECT_EQ(Editor::Fuenferschritt(-37.3, false), "-30,000");
  EXPECT_EQ(Editor::Fuenferschritt(-37.3, true), "-40,000");
  EXPECT_EQ(Editor::Fuenferschritt(0, false), "5,000");
}

TEST_F(EditorTest, AnfangswinkelDrehtDieGruppeUmDenAnfang) {
  ASSERT_TRUE(ed->GleisAnfuegen());
  ed->VorigesGleis();
  TGleis& erstes = G();
  TGleis& zweites = *M().Gleise[1];
  ASSERT_TRUE(ed->AnfangswinkelSetzen("90"));
  EXPECT_DOUBLE_EQ(erstes.WAnf(), Pi / 2);
  EXPECT_DOUBLE_EQ(erstes.XAnf, 100);
  EXPECT_NEAR(zweites.XAnf, 100, 1e-9);  // (300, 300) turned by 90° about (100, 300)
  EXPECT_NEAR(zweites.YAnf, 500, 1e-9);
  EXPECT_FALSE(ed->AnfangswinkelSetzen("9.5"));
  ASSERT_EQ(dialoge.fehler.size(), 1u);
  EXPECT_EQ(dialoge.fehler[0], "'9.5' ist kein gültiger Gleitkommawert");
  ASSERT_TRUE(ed->EndwinkelSetzen("180"));  // turned by a further 90° about the end
  Rechnen();
  EXPECT_NEAR(erstes.WEnde(), Pi, 1e-12);
  EXPECT_NEAR(erstes.XEnde(), 100, 1e-9);
  EXPECT_NEAR(erstes.YEnde(), 500, 1e-9);
}

TEST_F(EditorTest, AnfangspunktXVerschiebtNurDieGruppe) {
  ASSERT_TRUE(ed->GleisAnfuegen());
  Rechnen();
  auto fremd = std::make_unique<TBogen>();
  fremd->SetLaenge(10);
  TGleis* allein = M().GleisAnhaengen();
  allein->Markiert = false;
  allein->XAnf = 700;
  allein->BogenAnhaengen(std::move(fremd));
  ed->VorigesGleis();
  ASSERT_TRUE(ed->AnfangXSetzen("150"));
  EXPECT_DOUBLE_EQ(G().XAnf, 150);
  EXPECT_DOUBLE_EQ(M().Gleise[1]->XAnf, 350);
  EXPECT_DOUBLE_EQ(allein->XAnf, 700);
  ASSERT_TRUE(ed->EndeYSetzen("310"));
  EXPECT_DOUBLE_EQ(G().YAnf, 310);
  EXPECT_DOUBLE_EQ(M().Gleise[1]->YAnf, 310);
  Rechnen();
  const Befehlszustand z = ed->Zustand();
  EXPECT_EQ(z.anfangX, "150,000");
  EXPECT_EQ(z.endeY, "310,000");
  EXPECT_EQ(z.pfeilAnfangX, 150);
  EXPECT_EQ(z.parallelabstand, "46,000");
}

TEST_F(EditorTest, GleisDrehenUm180GradUmDasEnde) {
  Rechnen();
  ASSERT_TRUE(ed->GleisDrehen(false, 180));
  EXPECT_NEAR(G().XAnf, 500, 1e-9);
  EXPECT_NEAR(G().WAnf(), Pi, 1e-12);
}

TEST_F(EditorTest, BogenKopierenUndEinfuegen) {
  G().Boegen[0]->SetLaenge(100);
  for (double l : {50.0, 30.0}) {
    auto b = std::make_unique<TBogen>();
    b->SetLaenge(l);
    G().BogenAnhaengen(std::move(b));
  }
  G().Boegen[2]->SetAnfRadius(300);
  G().Boegen[2]->SetEndRadius(300);
  G().BogenWaehlen(2);
  Rechnen();
  ASSERT_TRUE(ed->BogenKopieren());
  EXPECT_EQ(ed->Kontext().einfuegen, "Bogen einfügen");
  G().BogenWaehlen(1);
  ASSERT_TRUE(ed->Einfuegen());
  ASSERT_EQ(G().Boegen.size(), 4u);
  EXPECT_EQ(G().AktBogen, 2);
  EXPECT_EQ(G().Boegen[2]->AnfRadius(), 300);
  Rechnen();
  for (std::size_t i = 1; i < 4; ++i) {
    EXPECT_DOUBLE_EQ(G().Boegen[i]->XAnf(), G().Boegen[i - 1]->XEnde);
    EXPECT_EQ(G().Boegen[i]->Vorgaenger, G().Boegen[i - 1].get());
  }
  EXPECT_EQ(ed->WertKopieren(Wert::AnfangX), "250,000");
}

TEST_F(EditorTest, GleisKopierenUndBeiKlickEinfuegen) {
  EXPECT_FALSE(ed->Kontext().einfuegenAktiv);
  ASSERT_TRUE(ed->GleisKopieren());
  ASSERT_TRUE(ed->Einfuegen());
  EXPECT_EQ(ed->Modus(), Mausmodus::GleisEinfuegen);
  TGleis* kopie = ed->GleisEinfuegenBei(700, 100);
  ASSERT_NE(kopie, nullptr);
  EXPECT_EQ(kopie->XAnf, 700);
  EXPECT_LT(kopie->Nummer, 1'000'000);
  EXPECT_NE(kopie->Nummer, G().Nummer);
  EXPECT_EQ(kopie->Verbund, std::vector<TGleis*>{kopie});
  EXPECT_DOUBLE_EQ(kopie->Boegen[0]->Laenge(), 200);
  ERWARTE_GESUND(ed->anlage());
}

TEST_F(EditorTest, WerteOhneZahlWerdenNichtKopiert) {
  // A gradient of 1E308 over 200 mm lifts the end to an infinity, the start of the next segment.
  auto b = std::make_unique<TBogen>();
  b->SetLaenge(10);
  G().BogenAnhaengen(std::move(b));
  Rechnen();
  ASSERT_TRUE(ed->BogenKopieren());
  G().Boegen[0]->SetSteigung(1e308);
  Rechnen();
  ASSERT_TRUE(std::isinf(G().Boegen[1]->ZAnf()));
  // The copy is refused with a message, and the old copy is gone rather than half replaced.
  EXPECT_FALSE(ed->GleisKopieren());
  G().BogenWaehlen(1);
  EXPECT_FALSE(ed->BogenKopieren());
  EXPECT_EQ(ed->KopierArt(), Kopierart::Keine);
  EXPECT_FALSE(ed->Kontext().einfuegenAktiv);
  ASSERT_FALSE(dialoge.fehler.empty());
  EXPECT_NE(dialoge.fehler.back().find("kann nicht gespeichert werden"), std::string::npos);
}

}  // namespace
}  // namespace trm

#include "core/editor/Maus.h"

namespace trm {
namespace {

TEST_F(EditorTest, ModulOhneGleiseBleibtBedienbar) {
  // A file may hold a module without tracks: no command may fail on it.
  M().GleisEntfernen(0);
  ASSERT_TRUE(M().Gleise.empty());
  EXPECT_FALSE(ed->GleisAnfuegen());
  EXPECT_FALSE(ed->GleisLoeschen());
  EXPECT_FALSE(ed->VorigesGleis());
  EXPECT_FALSE(ed->NaechstesGleis());
  EXPECT_FALSE(ed->AnfangXSetzen("10"));
  EXPECT_FALSE(ed->GleisDrehen(true, 90));
  EXPECT_FALSE(ed->GleisKopieren());
  EXPECT_FALSE(ed->BogenKopieren());
  (void)ed->Zustand();
  (void)ed->Kontext();
  Mausbedienung maus(*ed);
  for (Mausart art : {Mausart::Druecken, Mausart::Bewegen, Mausart::Loslassen, Mausart::Doppelklick})
    (void)maus.Ereignis({art, Maustaste::Links, 100, 100, false, false});
  ed->NeuesGleisBeginnen();
  
  (void)maus.Ereignis({Mausart::Druecken, Maustaste::Links, 100, 100, false, false});
  (void)maus.Ereignis({Mausart::Loslassen, Maustaste::Links, 100, 100, false, false});
  EXPECT_EQ(M().Gleise.size(), 1u);  // new-track mode works in an empty module
}

}  // namespace
}  // namespace trm
