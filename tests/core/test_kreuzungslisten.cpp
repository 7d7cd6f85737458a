// The crossing, single-slip and double-slip libraries: the shipped lists, placing a type behind a
// segment, storing an element as a type, removing down to the last type, exchanging, importing a
// missing file, and damaged list files (a wrong count, a short record, a number that is not
// finite), which are reported and lose no type.
#include <gtest/gtest.h>

#include <filesystem>

#include "Editorumgebung.h"
#include "Pruefhilfe.h"
#include "core/crossings/DKW.h"
#include "core/crossings/EKW.h"
#include "core/crossings/Kreuzung.h"
#include "core/crossings/KreuzungsBefehle.h"
#include "core/crossings/Kreuzungslisten.h"
#include "core/editor/Bibliothek.h"
#include "core/model/Anlage.h"
#include "core/model/AnlageDatei.h"
#include "core/model/Textdatei.h"

namespace trm {
namespace {

class Kreuzungslisten : public test::Editorumgebung {
 protected:
  void SetUp() override {
    Editorumgebung::SetUp();
    ASSERT_TRUE(dok->OeffnenDatei(std::string(TRM_TESTDATEN) + "/weichenplan.m88"));
  }
  Anlage& A() { return dok->anlage(); }
  Zeilen Text() { return AnlageZeilen(A()); }
};

TEST_F(Kreuzungslisten, MitgelieferteListenLesenSichUndZeigenIhreZeilen) {
  const std::pair<const TListenart*, std::size_t> arten[] = {{&ListeKreuzungen, 4}, {&ListeEKW, 3}, {&ListeDKW, 3}};
  for (const auto& [art, anzahl] : arten) {
    SCOPED_TRACE(art->name);
    const TTypliste liste = TTypliste::Laden(A().Listendatei(art->art), art->satzlaenge, art->lesen);
    EXPECT_EQ(liste.Saetze(), anzahl);
    EXPECT_EQ(liste.Text()[0].rfind("Trassomatic ", 0), 0u);
  }
  const auto kr = ListenZeilen(ListeLaden(A(), ListeKreuzungen), ListeKreuzungen);
  // The length with three decimals; 15° and 1 / tan(15°).
  EXPECT_EQ(kr[0], (TListenzeile{"1", "Kreuzung 15° / 239,07", "239,073", "15,000°", "1 : 3,73"}));
  EXPECT_EQ(kr[3][4], "1 : 9,00");
  // The slips show their slip radius.
  const auto ekw = ListenZeilen(ListeLaden(A(), ListeEKW), ListeEKW);
  EXPECT_EQ(ekw[2][1], "EKW 1:9 / 381,95");
  EXPECT_EQ(ekw[2][2], "2183,908");
}

TEST_F(Kreuzungslisten, TypEinsetzenAlsTypSpeichernEntfernenTauschen) {
  const Zeilen vorher = Text();
  const std::size_t gleise = ed->modul()->Gleise.size();
  const TTypliste liste = ListeLaden(A(), ListeDKW);
  ASSERT_TRUE(KreuzungEinsetzen(*ed, Elementart::DKW, liste.Satz(2)));
  ERWARTE_GESUND(A());
  TKreuzung* k = Kreuzung(*ed);
  ASSERT_NE(k, nullptr);
  EXPECT_EQ(k->Art(), Elementart::DKW);
  EXPECT_EQ(k->Name, "DKW 15° / 239,07 Zungen aussen");
  EXPECT_EQ(ed->modul()->Gleise.size(), gleise + 5);
  EXPECT_FALSE(k->SwUmrisseA.empty());
  EXPECT_FALSE(k->SwUmrisseB.empty());
  EXPECT_EQ(dok->verlauf().RueckgaengigName(), std::optional<std::string>("DKW einsetzen"));

  // Stored as a type it is the last row, and the record is the one it was placed from.
  ASSERT_TRUE(KreuzungSpeichern(*ed));
  const TTypliste mehr = ListeLaden(A(), ListeDKW);
  ASSERT_EQ(mehr.Saetze(), 4u);
  EXPECT_EQ(mehr.Satz(4), liste.Satz(2));
  EXPECT_TRUE(dialoge.fehler.empty());

  // Exchanging rows 1 and 4 moves only those; removing goes down to the last type, which stays.
  ASSERT_TRUE(TypenTauschen(A(), ListeDKW, 1, 4));
  EXPECT_EQ(ListeLaden(A(), ListeDKW).Satz(1), liste.Satz(2));
  EXPECT_EQ(ListeLaden(A(), ListeDKW).Satz(3), liste.Satz(3));
  for (int n = 0; n < 3; ++n) ASSERT_TRUE(TypEntfernen(A(), ListeDKW, 1, dialoge));
  const Zeilen letzte = DateiLesen(A().Listendatei(Elementart::DKW));
  EXPECT_FALSE(TypEntfernen(A(), ListeDKW, 1, dialoge));
  ASSERT_EQ(dialoge.fehler.size(), 1u);
  EXPECT_EQ(dialoge.fehler[0], "Es muss mindestens eine Kreuzung in der Liste bleiben.");
  EXPECT_EQ(DateiLesen(A().Listendatei(Elementart::DKW)), letzte);

  ASSERT_TRUE(ed->Rueckgaengig());
  EXPECT_EQ(Text(), vorher);
}

TEST_F(Kreuzungslisten, FehlendeListeWirdImportiertInDenWortenDerKreuzungsliste) {
  A().Listendatei(Elementart::DKW) = (ordner / "weg.d88").string();
  dialoge.pfade.push_back((ordner / "auch_weg.d88").string());
  EXPECT_FALSE(ed->ListeAufrufen(ListeDKW));
  ASSERT_EQ(dialoge.fragen.size(), 1u);
  EXPECT_EQ(dialoge.fragen[0], "Die Kreuzungsliste \"" + (ordner / "weg.d88").string() +
                                   "\" konnte nicht gefunden werden. Bitte importieren Sie zunächst eine "
                                   "Kreuzungsliste.");
  // A file that does not exist gives the standard list; the header names it: one step.
  EXPECT_EQ(A().Listendatei(Elementart::DKW), A().DatenPfad + "stdDKWListe.d88");
  EXPECT_EQ(dok->verlauf().RueckgaengigName(), std::optional<std::string>("DKW-Liste importieren"));
  EXPECT_TRUE(ed->ListeAufrufen(ListeDKW));

  std::filesystem::remove(A().Listendatei(Elementart::EKW));
  dialoge.pfade.push_back((ordner / "x.e88").string());
  EXPECT_FALSE(ListeExportierenDialog(A(), ListeEKW, dialoge));
  EXPECT_EQ(dialoge.fehler.back(), "Keine EKW-Liste zum Exportieren vorhanden");
  EXPECT_FALSE(std::filesystem::exists(ordner / "x.e88"));
}

TEST(KreuzungslisteRiesig, SegmenteMitZuVielenSchwellenHabenNurAnfangUndEnde) {
  // The first single slip of the shipped list with a length of 125 679 208 mm: its segments
  // would hold millions of sleepers each; they keep start and end only.
  Zeilen z = DateiLesen(std::string(TRM_QUELLDATEN) + "/stdEKWListe.e88");
  z[4] = "125679208,708026";
  const Zeilen satz(z.begin() + 2, z.begin() + 2 + ZeilenEKW);
  Anlage a(std::make_shared<MersenneZufall>(1));
  std::size_t i = 0;
  const TElement* e = KrElementLesen(*a.ModulAnhaengen(), std::make_unique<TEKW>(), satz, i, 0);
  std::size_t punkte = 0;
  for (const TGleis* g : e->AlleGleise())
    for (const auto& b : g->Boegen) punkte += b->Spurpunkte.size();
  EXPECT_LT(punkte, 1000u);
}

TEST_F(Kreuzungslisten, BeschaedigteListenMeldenUndVerlierenKeinenTyp) {
  const Zeilen gut = DateiLesen(A().Listendatei(Elementart::Kreuzung));
  const std::string pfad = (ordner / "kaputt.k88").string();
  auto pruefen = [&](const Zeilen& zeilen) -> std::string {
    DateiSchreiben(pfad, zeilen);
    try {
      TTypliste::Laden(pfad, ZeilenKreuzung, KreuzungstypLesen);
    } catch (const LeseFehler& e) {
      return e.what();
    }
    return "";
  };
  // A count beyond the records: the records there read, the missing one is named.
  Zeilen z = gut;
  z[1] = "9";
  EXPECT_NE(pruefen(z).find("endet"), std::string::npos) << pruefen(z);
  // A record cut short, and a number beyond the largest, name their lines.
  z = gut;
  z.resize(2 + ZeilenKreuzung + 20);
  EXPECT_NE(pruefen(z).find("Zeile"), std::string::npos);
  z = gut;
  z[2 + ZeilenKreuzung + 2] = "1E999";
  EXPECT_NE(pruefen(z).find("Zeile 49:"), std::string::npos) << pruefen(z);

  // Placing the damaged record reports it and changes nothing.
  ASSERT_TRUE(ListeImportieren(A(), ListeKreuzungen, pfad));
  const Zeilen vorher = Text();
  EXPECT_EQ(ListenAuswahl(A(), ListeKreuzungen, Listenknopf::Auswaehlen, 2, dialoge).value(), Zeilen(z.begin() + 46, z.begin() + 90));
  EXPECT_FALSE(KreuzungEinsetzen(*ed, Elementart::Kreuzung, Zeilen(z.begin() + 46, z.begin() + 90)));
  ASSERT_FALSE(dialoge.fehler.empty());
  EXPECT_EQ(Text(), vorher);

  // Storing a type into a list whose count is too small keeps the records beyond it.
  z = gut;
  z[1] = "2";
  DateiSchreiben(pfad, z);
  ASSERT_TRUE(KreuzungEinsetzen(*ed, Elementart::Kreuzung, Zeilen(gut.begin() + 2, gut.begin() + 46)));
  ASSERT_TRUE(KreuzungSpeichern(*ed));
  const Zeilen danach = DateiLesen(pfad);
  EXPECT_EQ(danach[1], "3");
  EXPECT_EQ(danach.size(), gut.size() + ZeilenKreuzung);
  EXPECT_EQ(Zeilen(danach.end() - 2 * ZeilenKreuzung, danach.end()), Zeilen(gut.end() - 2 * ZeilenKreuzung, gut.end()));
}

}  // namespace
}  // namespace trm
