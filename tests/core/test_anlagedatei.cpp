// The layout file: record lines, reading back, links from numbers, byte-identical rewrite,
// and the refusal of bad files without touching the open layout.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <limits>
#include <random>

#include "core/model/AnlageDatei.h"
#include "core/model/Fehler.h"
#include "core/model/Neuberechnung.h"
#include "core/model/Pruefung.h"
#include "core/model/Satz.h"
#include "core/model/Textdatei.h"
#include "core/model/Verbindungen.h"
#include "core/model/Zahlformat.h"

namespace trm {
namespace {

namespace fs = std::filesystem;

const std::string kDaten = "/nirgends/daten/";

std::string Fixture(const std::string& name) { return std::string(TRM_TESTDATEN) + "/" + name; }

std::unique_ptr<Anlage> Laden(const Zeilen& z) {
  return AnlageAusZeilen(z, kDaten, std::make_shared<MersenneZufall>(5));
}

/// A layout with one module of one track of one straight 200 mm segment.
std::unique_ptr<Anlage> Einfach() {
  auto a = std::make_unique<Anlage>(std::make_shared<MersenneZufall>(5));
  a->Name = "Einfach";
  TModul* m = a->ModulAnhaengen();
  m->MmProPixel = 2;
  m->Breite = 1500;
  m->Hoehe = 600;
  m->Eigen.Spur = 16.5;
  a->ModulWaehlen(0);
  TGleis* g = m->GleisAnhaengen();
  g->Nummer = 4711;
  g->YAnf = 300;
  auto b = std::make_unique<TBogen>();
  b->SetLaenge(200);
  g->BogenAnhaengen(std::move(b));
  return a;
}

// Only the module that is current after reading waits for the geometry pass of opening for its
// end values; the others have theirs as soon as they are read (the layout check uses them).
TEST(Anlagedatei, EndwerteNichtAktuellerModuleNachDemLesen) {
  auto a = Einfach();
  TModul* zweites = a->ModulAnhaengen();
  zweites->Breite = zweites->Hoehe = 1000;
  zweites->MmProPixel = 2;
  const auto b = Laden(AnlageZeilen(*a));
  ASSERT_EQ(b->Module.size(), 2u);
  EXPECT_EQ(b->AktModul, 1);
  const TGleis& g = *b->Module[0]->Gleise[0];
  EXPECT_EQ(g.XEnde(), 200);
  EXPECT_EQ(g.YEnde(), 300);
}

TEST(Anlagedatei, EinfacheAnlageHat103Zeilen) {
  auto a = Einfach();
  const Zeilen z = AnlageZeilen(*a);
  ASSERT_EQ(z.size(), 103u);
  EXPECT_EQ(z[0], "trmAnlage");
  EXPECT_EQ(z[34], "trmModul");
  EXPECT_EQ(z[34 + 28], "1");  // one track record
  const std::size_t gleis = 34 + 29;
  EXPECT_EQ(z[gleis], "trmGleis");
  EXPECT_EQ(z[gleis + 9], "16,5");  // gauge -1 on the track: the module's value is written
  EXPECT_EQ(z[gleis + 17], "4711");
  EXPECT_EQ(z[gleis + 18], "-1");     // no predecessor
  EXPECT_EQ(z[gleis + 19], "4711#");  // the link group holds the track itself
  const std::size_t bogen = gleis + 21;
  EXPECT_EQ(z[bogen], "trmBogen");
  EXPECT_EQ(z[bogen + 2], "0");  // straight: infinite radius written as 0
  EXPECT_EQ(z[bogen + 3], "0");
  EXPECT_EQ(z[bogen + 4], "200");
  EXPECT_EQ(z[bogen + 15], "300");  // computed start y

  auto b = Laden(z);
  TGleis* g = b->Module[0]->Gleise[0].get();
  EXPECT_EQ(g->Eigen.Spur, 16.5);  // now set on the track itself
  EXPECT_TRUE(std::isinf(g->Boegen[0]->AnfRadius()));
  EXPECT_FALSE(g->Boegen[0]->IstUebergangsbogen());
  EXPECT_EQ(b->Module[0]->Eigen.GlsAbst, -1);  // not part of the module record
  EXPECT_EQ(g->Boegen[0]->Eigen.GlsAbst, -1);
  EXPECT_EQ(g->Boegen[0]->GelesenYAnf, 300);
}

TEST(Anlagedatei, GelesenUndGeschriebenGleicheBytes) {
  for (const std::string& datei : {Fixture("bogenplan.m88"), Fixture("kreuzungsweichenplan.m88"),
                                   std::string(TRM_QUELLDATEN) + "/trassomatic.std"}) {
    auto a = AnlageLaden(datei, kDaten, nullptr);
    const std::string einmal = ZeilenInText(AnlageZeilen(*a));
    EXPECT_EQ(AnlageText(*a).Text(), einmal) << datei;  // what saving writes, record by record
    auto b = Laden(TextInZeilen(einmal));
    const std::string zweimal = ZeilenInText(AnlageZeilen(*b));
    EXPECT_EQ(einmal, zweimal) << datei;
  }
}

TEST(Anlagedatei, VerbindungenAusNummern) {
  auto a = AnlageLaden(Fixture("bogenplan.m88"), kDaten, nullptr);
  TModul* bahnhof = a->Module[0].get();
  TGleis* ein = bahnhof->Gleise[0].get();
  TGleis* aus = bahnhof->Gleise[1].get();
  EXPECT_EQ(aus->Vorgaenger, ein);
  EXPECT_EQ(ein->Nachfolger, (std::vector<TGleis*>{aus}));
  EXPECT_EQ(ein->Verbund, (std::vector<TGleis*>{ein, aus}));
  EXPECT_EQ(aus->Verbund, (std::vector<TGleis*>{aus, ein}));
  // Written back in Verbund order with the predecessor's number.
  const Zeilen z = AnlageZeilen(*a);
  std::vector<std::string> verbund, vorgaenger;
  for (std::size_t i = 0; i < z.size(); ++i)
    if (z[i] == "trmGleis") {
      vorgaenger.push_back(z[i + 18]);
      verbund.push_back(z[i + 19]);
    }
  EXPECT_EQ(verbund, (std::vector<std::string>{"11#12#", "12#11#", "21#"}));
  EXPECT_EQ(vorgaenger, (std::vector<std::string>{"-1", "11", "-1"}));
}

TEST(Anlagedatei, EinseitigeVerbuendeWerdenBeimLesenErgaenzt) {
  // The station module of einseitig.m88 with a third track, 13, that lists 11 (which does not
  // list it); 11 lists 12, which does not list 11.
  Zeilen z = DateiLesen(Fixture("einseitig.m88"));
  const auto ausfahrt = std::find(z.begin(), z.end(), "Ausfahrt") - z.begin() - 1;
  const auto boegen = static_cast<std::ptrdiff_t>(TextInt(z[static_cast<std::size_t>(ausfahrt) + ZeilenGleis - 1]));
  Zeilen dritte(z.begin() + ausfahrt, z.begin() + ausfahrt + static_cast<std::ptrdiff_t>(ZeilenGleis) +
                                          boegen * static_cast<std::ptrdiff_t>(ZeilenBogen));
  dritte[17] = "13";
  dritte[18] = "-1";
  dritte[19] = "13#11#";
  z.insert(z.begin() + ausfahrt, dritte.begin(), dritte.end());
  z[ZeilenKopf + ZeilenModul - 1] = "3";
  auto a = Laden(z);
  TModul& m = *a->Module[0];
  TGleis *t11 = m.Gleise[0].get(), *t13 = m.Gleise[1].get(), *t12 = m.Gleise[2].get();
  ASSERT_EQ(t13->Nummer, 13);
  EXPECT_EQ(t11->Verbund, (std::vector<TGleis*>{t11, t12, t13}));
  EXPECT_EQ(t12->Verbund, (std::vector<TGleis*>{t12, t11}));
  EXPECT_EQ(t13->Verbund, (std::vector<TGleis*>{t13, t11}));
  ASSERT_EQ(a->Lesehinweise.size(), 1u);
  EXPECT_EQ(a->Lesehinweise[0].rfind("Beim Lesen wurden 2 fehlende Einträge in Verbünden ergänzt: ", 0), 0u);
  // Joining 12 and 13 closes the group: the validator finds no fault left, and what is saved
  // reads back to the same text with nothing to complete.
  const std::size_t vorher = VerbindungenPruefen(*a, false).size();
  GleisVerbinden(t12, t13);
  EXPECT_LE(VerbindungenPruefen(*a, false).size(), vorher);
  EXPECT_TRUE(VerbindungenPruefen(*a, false).empty());
  const Zeilen einmal = AnlageZeilen(*a);
  auto b = Laden(einmal);
  EXPECT_TRUE(b->Lesehinweise.empty());
  EXPECT_EQ(AnlageZeilen(*b), einmal);
}

TEST(Anlagedatei, UnbekannteNummernFallenWeg) {
  Zeilen z = AnlageZeilen(*Einfach());
  z[34 + 29 + 18] = "999";        // predecessor that no track carries
  z[34 + 29 + 19] = "4711#55#";   // link number that no track carries
  auto a = Laden(z);
  TGleis* g = a->Module[0]->Gleise[0].get();
  EXPECT_EQ(g->Vorgaenger, nullptr);
  EXPECT_EQ(g->Verbund.size(), 1u);
}

TEST(Anlagedatei, GeloeschterVorgaengerSchreibtMinusEins) {
  auto a = AnlageLaden(Fixture("bogenplan.m88"), kDaten, nullptr);
  a->Module[0]->GleisEntfernen(0);
  const Zeilen z = AnlageZeilen(*a);
  EXPECT_EQ(z[34 + 29 + 18], "-1");
  EXPECT_EQ(z[34 + 29 + 19], "12#");
}

TEST(Anlagedatei, ZweiModuleDasLetzteIstAktuell) {
  auto a = AnlageLaden(Fixture("bogenplan.m88"), kDaten, nullptr);
  ASSERT_EQ(a->Module.size(), 2u);
  EXPECT_EQ(a->AktModul, 1);
  EXPECT_FALSE(a->Module[0]->Aktiv);
  EXPECT_TRUE(a->Module[1]->Aktiv);
  EXPECT_EQ(a->AktuellesModul()->AktGleis, 0);
  EXPECT_TRUE(a->AktuellesModul()->Gleise[0]->Boegen[0]->Markiert);
  EXPECT_EQ(a->Module[1]->Breite, 1200);
}

TEST(Anlagedatei, FehlendeListenpfadeWerdenZuStandardnamen) {
  const fs::path ordner = fs::temp_directory_path() / "trm_listen_test";
  fs::create_directories(ordner);
  const std::string vorhanden = (ordner / "meineWeichen.w88").string();
  std::ofstream(vorhanden) << "x";
  Zeilen z = AnlageZeilen(*Einfach());
  z[11] = vorhanden;
  z[12] = "C:\\Programme\\alt\\stdKrListe.k88";
  auto a = Laden(z);
  EXPECT_EQ(a->Listendatei(Elementart::Weiche), vorhanden);
  EXPECT_EQ(a->Listendatei(Elementart::Kreuzung), kDaten + "stdKrListe.k88");
  EXPECT_EQ(a->Listendatei(Elementart::Geo), kDaten + "stdGeoListe.g88");
  fs::remove_all(ordner);
}

TEST(Anlagedatei, UmlauteAufDerPlatteAlsEinzelbytes) {
  auto a = Einfach();
  a->Name = "Gärtnerei Süd";
  const std::string bytes = ZeilenInText(AnlageZeilen(*a));
  EXPECT_NE(bytes.find("G\xE4rtnerei S\xFC" "d\r\n"), std::string::npos);
  auto b = Laden(TextInZeilen(bytes));
  EXPECT_EQ(b->Name, "Gärtnerei Süd");
  // A file with bare "\n" line ends reads the same.
  std::string unix = bytes;
  for (std::size_t p; (p = unix.find("\r\n")) != std::string::npos;) unix.erase(p, 1);
  EXPECT_EQ(Laden(TextInZeilen(unix))->Name, "Gärtnerei Süd");
}

/// The error message of reading the lines, or "" when they read.
std::string Lesefehler(const Zeilen& z) {
  try {
    Laden(z);
    return "";
  } catch (const LeseFehler& e) {
    return e.what();
  }
}

TEST(Anlagedatei, ZeilenImPufferWieZeilenliste) {
  // The buffer that files are opened into holds the lines the line list holds: line ends with
  // and without "\r", a "\r" inside, empty lines, a last line without end, every byte value.
  std::string alleBytes;
  for (int b = 1; b < 256; ++b)
    if (b != '\n') alleBytes += static_cast<char>(b);
  for (const std::string& bytes :
       {std::string(), std::string("\n"), std::string("a\r\n\r\nb"), std::string("x\ry\n\xE4\xFC\x80\r"),
        std::string("\r\r\n\xDF\n\n"), "\xC4" + alleBytes + "\r\nEnde\xE4\n" + alleBytes}) {
    const Zeilen liste = TextInZeilen(bytes);
    const Zeilentext puffer = TextInZeilentext(bytes);
    const Zeilenquelle q = puffer.Quelle();
    ASSERT_EQ(q.size(), liste.size()) << bytes;
    for (std::size_t k = 0; k < liste.size(); ++k) EXPECT_EQ(q[k], liste[k]) << bytes;
  }
}

TEST(Anlagedatei, SchlechteZeilenWerdenMitZeileUndTextGemeldet) {
  const Zeilen gut = AnlageZeilen(*Einfach());
  Zeilen z = gut;
  z[34 + 29 + 21 + 4] = "1.5";  // segment length with a decimal point
  EXPECT_EQ(Lesefehler(z), "Zeile 89: '1.5' ist kein gültiger Gleitkommawert");

  z = gut;
  z.resize(90);
  EXPECT_NE(Lesefehler(z).find("endet vorzeitig"), std::string::npos);

  z = gut;
  z[34 + 29 + 20] = "2";  // one more segment announced than the file holds
  EXPECT_NE(Lesefehler(z).find("endet vorzeitig"), std::string::npos);

  z = gut;
  z[33] = "2000000000";  // huge module count: stops at the end, allocates nothing ahead
  EXPECT_NE(Lesefehler(z).find("endet vorzeitig"), std::string::npos);
  z = gut;
  z[34 + 29 + 20] = "2147483647";  // huge segment count: room only for what the lines can hold
  EXPECT_NE(Lesefehler(z).find("endet vorzeitig"), std::string::npos);

  z = gut;
  z[34 + 28] = "-3";
  EXPECT_NE(Lesefehler(z).find("keine gültige Anzahl"), std::string::npos);

  z = gut;
  z[33] = "0";
  EXPECT_NE(Lesefehler(z).find("kein Modul"), std::string::npos);

  z = gut;
  z[34 + 22] = "1";  // a background component announced but missing
  EXPECT_NE(Lesefehler(z).find("Zeile"), std::string::npos);

  z = gut;
  z[34 + 25] = "1";  // a crossing announced but missing
  EXPECT_NE(Lesefehler(z).find("endet vorzeitig"), std::string::npos);

  z = gut;
  z[34 + 24] = "1";  // a turnout announced but missing
  EXPECT_NE(Lesefehler(z).find("endet vorzeitig"), std::string::npos);

  z = gut;
  z[34 + 29 + 21 + 7] = "0";  // sleeper spacing 0
  EXPECT_NE(Lesefehler(z).find("Schwellenabstand"), std::string::npos);

  z = gut;
  z[34 + 29 + 21 + 4] = std::string(10'000'000, '1') + "x";  // a garbled number of 10 MB is quoted in part
  EXPECT_EQ(Lesefehler(z), "Zeile 89: '" + std::string(80, '1') + "…' ist kein gültiger Gleitkommawert");

  z = gut;
  z[34 + 29 + 21 + 4] = "1E15";  // a length that would need more sleepers than memory holds
  EXPECT_NE(Lesefehler(z).find("Zeile 92: Der Bogen \"Bogen\" hätte mehr als 20 000 Schwellen"), std::string::npos);

  z = gut;
  z[27] = "0";  // scale 1:0
  EXPECT_NE(Lesefehler(z).find("Maßstab muss"), std::string::npos);

  z = gut;
  z[2] = "-2";  // display scale of new modules
  EXPECT_NE(Lesefehler(z).find("neuer Module"), std::string::npos);

  z = gut;
  z[34 + 2] = "0";  // display scale 0
  EXPECT_NE(Lesefehler(z).find("Darstellungsmaßstab"), std::string::npos);

  z = gut;
  z[34 + 29 + 20] = "0";  // track without segments
  z.resize(34 + 29 + 21);
  EXPECT_NE(Lesefehler(z).find("keinen Bogen"), std::string::npos);

  z = gut;
  z[34 + 29 + 19] = "4711#x#";
  EXPECT_EQ(Lesefehler(z).rfind("Zeile 83: ", 0), 0u);
}

/// The lines of Einfach() with its track holding `boegen` straights of `laenge` mm at a spacing
/// of 1 mm.
Zeilen MitBoegen(int boegen, const std::string& laenge) {
  const Zeilen gut = AnlageZeilen(*Einfach());
  Zeilen bogen(gut.end() - ZeilenBogen, gut.end());
  bogen[4] = laenge;
  bogen[7] = "1";
  Zeilen z(gut.begin(), gut.end() - ZeilenBogen);
  z.back() = std::to_string(boegen);
  for (int k = 0; k < boegen; ++k) z.insert(z.end(), bogen.begin(), bogen.end());
  return z;
}

TEST(Anlagedatei, SchwellenUeberDasMassEinerAnlageWerdenAbgewiesen) {
  // A segment holds up to 20 000 sleepers; one more millimetre is refused at its spacing line.
  auto a = Laden(MitBoegen(1, "20000"));
  ModulBerechnen(*a->Module[0]);
  EXPECT_EQ(a->Module[0]->Gleise[0]->Boegen[0]->Spurpunkte.size(), 20002u);
  EXPECT_EQ(Lesefehler(MitBoegen(1, "20001")),
            "Zeile 92: Der Bogen \"Bogen\" hätte mehr als 20 000 Schwellen (Länge 20001 mm, Schwellenabstand 1 mm).");
  // A layout holds 200 000 sleepers and 100 more per segment: ten segments of 19 999 read,
  // eleven are refused at the track record that brings them.
  EXPECT_EQ(Lesefehler(MitBoegen(10, "19999")), "");
  EXPECT_EQ(Lesefehler(MitBoegen(11, "19999")),
            "Zeile 64: Die Anlage hätte bis hier 219 989 Schwellen in 11 Bögen. Mehr als 200 000 Schwellen und 100 "
            "je Bogen (zusammen höchstens 10 000 000) hat keine Anlage.");
  // What the reader refuses is not saved either.
  TGleis& g = *a->Module[0]->Gleise[0];
  for (int k = 0; k < 10; ++k) g.BogenAnhaengen(std::make_unique<TBogen>(*g.Boegen[0]));
  try {
    AnlageZeilen(*a);
    FAIL();
  } catch (const SchreibFehler& e) {
    EXPECT_NE(std::string(e.what()).find("Die Anlage kann nicht gespeichert werden: Gleis \"Gleis\" (Modul "),
              std::string::npos);
  }
}

TEST(Anlagedatei, WerteOhneEndlicheLageWerdenAbgelehnt) {
  // A second straight after the first; the segment records begin on lines 85 and 104.
  auto zwei = Einfach();
  auto b = std::make_unique<TBogen>();
  b->SetLaenge(100);
  zwei->Module[0]->Gleise[0]->BogenAnhaengen(std::move(b));
  const Zeilen gut = AnlageZeilen(*zwei);
  const std::size_t bogen1 = 34 + 29 + 21, bogen2 = bogen1 + 19;
  ASSERT_EQ(gut[bogen2], "trmBogen");

  Zeilen z = gut;
  z[bogen1 + 2] = z[bogen1 + 3] = "1E-320";  // a radius whose curvature is infinite
  EXPECT_EQ(Lesefehler(z),
            "Zeile 85: Die Lage von Bogen \"Bogen\" im Gleis \"Gleis\" lässt sich nicht berechnen: "
            "ein Radius, eine Länge, eine Steigung oder ein Anfangspunkt liegt außerhalb des "
            "Rechenbereichs.");

  z = gut;
  for (std::size_t bogen : {bogen1, bogen2}) {
    z[bogen + 4] = "1,7E308";  // each length fits, their sum does not
    z[bogen + 7] = "1E307";    // few sleepers
  }
  EXPECT_EQ(Lesefehler(z).rfind("Zeile 104: Die Lage von Bogen", 0), 0u) << Lesefehler(z);

  z = gut;
  z[bogen1 + 18] = "1E308";  // gradient: 200 mm rise by 2E308
  EXPECT_EQ(Lesefehler(z).rfind("Zeile 85: ", 0), 0u) << Lesefehler(z);

  z = gut;
  z[34 + 29 + 2] = "1,7E308";  // the track's start
  z[bogen1 + 4] = "1E308";
  z[bogen1 + 7] = "1E307";
  EXPECT_EQ(Lesefehler(z).rfind("Zeile 85: ", 0), 0u) << Lesefehler(z);

  // A turnout: its record is named. Main track from x = 1,7E308 with a third arc of 1,7E308.
  z = DateiLesen(Fixture("weichenplan.m88"));
  const std::size_t weiche = 227;
  ASSERT_EQ(z[weiche], "Weiche R 900 / 12° rechts");
  z[46] = "1E307";  // the module's sleeper spacing, which the turnout tracks take
  z[weiche + 21] = "1,7E308";
  z[weiche + 33] = "1,7E308#300#0#0#";
  EXPECT_EQ(Lesefehler(z).rfind("Zeile 228: Die Lage von Weiche \"Weiche R 900 / 12° rechts\"", 0), 0u)
      << Lesefehler(z);

  // The largest double reads and is written back as it was.
  z = gut;
  z[34 + 29 + 2] = RealText(std::numeric_limits<double>::max());
  z[bogen1 + 4] = z[bogen2 + 4] = "0";
  auto a = Laden(z);
  EXPECT_EQ(a->Module[0]->Gleise[0]->XAnf, std::numeric_limits<double>::max());
  EXPECT_EQ(AnlageZeilen(*a)[34 + 29 + 2], "1,7976931348623157E308");

  // Computed to an infinity in the editor: not written at all, the reader would refuse it.
  zwei->Module[0]->Gleise[0]->Boegen[0]->SetSteigung(1e308);
  try {
    (void)AnlageZeilen(*zwei);
    ADD_FAILURE() << "geschrieben";
  } catch (const SchreibFehler& e) {
    EXPECT_STREQ(e.what(), "Die Anlage kann nicht gespeichert werden: Die Lage von Bogen \"Bogen\" "
                           "im Gleis \"Gleis\" des Moduls \"Neues Modul\" ist keine endliche Zahl.");
  }
}

TEST(Anlagedatei, WeichenkennungInGleissatzBleibtGewoehnlich) {
  Zeilen z = AnlageZeilen(*Einfach());
  z[34 + 29 + 16] = "11";
  auto a = Laden(z);
  TGleis* g = a->Module[0]->Gleise[0].get();
  EXPECT_EQ(g->GlsTyp, "01");  // written again next time instead of vanishing
  EXPECT_TRUE(g->DSGleis);
}

TEST(Anlagedatei, VerstuemmelteDateienGebenFehlerStattAbsturz) {
  const Zeilen vorlage = TextInZeilen(ZeilenInText(
      AnlageZeilen(*AnlageLaden(Fixture("bogenplan.m88"), kDaten, nullptr))));
  std::mt19937 gen(2024);
  auto zufall = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(gen); };
  const std::vector<std::string> ersatz = {"",     "1.5",  "abc",        "-1",  "999999999",
                                           "2147483647", "-2147483648", "1E308", "#", "0",
                                           "\x01\x02\xff", "0,0000001", "NIL", "-0", "1e5"};
  int gelesen = 0, abgelehnt = 0;
  for (int runde = 0; runde < 400; ++runde) {
    std::string bytes = ZeilenInText(vorlage);
    Zeilen z = vorlage;
    switch (runde % 5) {
      case 0:  // a line replaced
        z[zufall(z.size())] = ersatz[zufall(ersatz.size())];
        bytes = ZeilenInText(z);
        break;
      case 1:  // cut off anywhere
        bytes.resize(zufall(bytes.size()));
        break;
      case 2:  // a comma turned into a point
        for (int k = 0; k < 3; ++k) {
          const std::size_t p = bytes.find(',', zufall(bytes.size()));
          if (p != std::string::npos) bytes[p] = '.';
        }
        break;
      case 3:  // random bytes sprinkled in
        for (int k = 0; k < 5; ++k) bytes[zufall(bytes.size())] = static_cast<char>(zufall(256));
        break;
      default:  // lines dropped or doubled
        for (int k = 0; k < 2; ++k) {
          const std::size_t p = zufall(z.size());
          if (k % 2) z.erase(z.begin() + static_cast<long>(p));
          else z.insert(z.begin() + static_cast<long>(p), z[p]);
        }
        bytes = ZeilenInText(z);
        break;
    }
    try {
      auto a = Laden(TextInZeilen(bytes));
      for (auto& m : a->Module) ModulBerechnen(*m);
      (void)AnlageZeilen(*a);
      ++gelesen;
    } catch (const LeseFehler& e) {
      EXPECT_GT(std::string(e.what()).size(), 10u);
      ++abgelehnt;
    }
  }
  EXPECT_GT(abgelehnt, 100);
  EXPECT_GT(gelesen, 10);
}

TEST(Anlagedatei, DateiFehlerNennenDieDatei) {
  try {
    AnlageLaden("/nicht/da/plan.m88", kDaten, nullptr);
    FAIL();
  } catch (const DateiFehler& e) {
    EXPECT_STREQ(e.what(), "Die Datei \"/nicht/da/plan.m88\" konnte nicht geöffnet werden.");
  }
  EXPECT_THROW(DateiSchreiben("/nicht/da/plan.m88", {"x"}), DateiFehler);
}

TEST(Anlagedatei, SpeichernErsetztAtomar) {
  const fs::path ordner = fs::temp_directory_path() / "trm_atomar_test";
  fs::remove_all(ordner);
  fs::create_directories(ordner);
  const std::string ziel = (ordner / "plan.m88").string();
  DateiSchreiben(ziel, {"alt"});
  auto a = Einfach();
  AnlageSpeichern(*a, ziel);
  EXPECT_EQ(DateiLesen(ziel).size(), 103u);
  std::size_t dateien = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(ordner)) ++dateien;
  EXPECT_EQ(dateien, 1u);  // no temporary file left behind

  // The replaced file keeps its permissions; a write-protected one is not replaced.
  fs::permissions(ziel, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  AnlageSpeichern(*a, ziel);
  EXPECT_EQ(fs::status(ziel).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  fs::permissions(ziel, fs::perms::owner_read | fs::perms::group_read);
  try {
    DateiSchreiben(ziel, {"neu"});
    FAIL();
  } catch (const DateiFehler& e) {
    EXPECT_EQ(std::string(e.what()),
              "Die Datei \"" + ziel + "\" konnte nicht gespeichert werden.\nGrund: keine Schreibrechte");
  }
  EXPECT_EQ(DateiLesen(ziel).size(), 103u);
  fs::permissions(ziel, fs::perms::owner_all);
  fs::remove_all(ordner);
}

}  // namespace
}  // namespace trm
