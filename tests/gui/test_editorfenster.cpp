// The real main window on the offscreen platform: German menus and tool-bar hints, command
// states after commands, fields edited and left, the context menu and the rotate window.
#include <gtest/gtest.h>

#include <QMenuBar>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "core/SkriptDialoge.h"
#include "core/model/Datenordner.h"
#include "core/model/Neuberechnung.h"
#include "gui/editor/TGleisDrehen.h"
#include "gui/editor/TGleisanlage.h"
#include "gui/editor/TZeichenflaeche.h"
#include "gui/editor/Zahlenfeld.h"

namespace {

class Editorfenster : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(trm::DatenordnerEinrichten(ordner.path().toStdString(), TRM_QUELLDATEN));
    w = std::make_unique<trm::gui::TGleisanlage>(ordner.path(), std::make_shared<trm::MersenneZufall>(2), &dialoge);
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
  }
  QAction* A(const char* name) {
    QAction* a = w->Aktion(QString::fromUtf8(name));
    EXPECT_NE(a, nullptr) << name;
    return a;
  }
  trm::TModul& M() { return *w->dokument().anlage().AktuellesModul(); }

  QTemporaryDir ordner;
  trm::test::SkriptDialoge dialoge;
  std::unique_ptr<trm::gui::TGleisanlage> w;
};

TEST_F(Editorfenster, MenuesMitDeutschenTiteln) {
  QStringList titel;
  for (QAction* a : w->menuBar()->actions()) titel << a->text().remove(QChar('&'));
  EXPECT_EQ(titel, (QStringList{"Datei", "Bearbeiten", "Anlagendaten", "Module", "Fenster", "Extras", "Hilfe"}));
  EXPECT_EQ(A("MI_SpeichernUnter")->text(), "speichern unter...");
  EXPECT_EQ(A("MI_ModulLoeschen")->text(), "akt. Modul löschen");
  EXPECT_EQ(A("MI_GleisLoeschenRueckgaengig")->text(), "Rückgängig Gleis löschen");
  EXPECT_EQ(A("MI_Oeffnen")->shortcut(), QKeySequence("Ctrl+O"));
  EXPECT_EQ(A("TB_Anpassen")->toolTip(), "Ansicht ans Fenster anpassen");
  EXPECT_EQ(A("TB_GleisAnfuegen")->toolTip(), "neues Gleis an aktuelles Gleis anfügen");
  EXPECT_EQ(w->Feld("ED_GlsAbst")->toolTip(), "Parallelgleisabstand");
  // Every part of the program is usable.
  EXPECT_TRUE(A("MI_Drucken")->isEnabled());
  EXPECT_TRUE(A("MI_ImportTrm")->isEnabled());
  EXPECT_TRUE(A("TB_DS")->isEnabled());
  EXPECT_TRUE(A("TB_EKW-Liste")->isEnabled());
  EXPECT_TRUE(A("TB_DKW-Liste")->isEnabled());
  EXPECT_TRUE(A("TB_Kreuzungsliste")->isEnabled());
  EXPECT_TRUE(A("TB_Weichenliste")->isEnabled());
}

TEST_F(Editorfenster, BefehlszustaendeNachBefehlen) {
  EXPECT_FALSE(A("TB_Speichern")->isEnabled());
  EXPECT_FALSE(A("TB_ModulLoeschen")->isEnabled());
  EXPECT_FALSE(A("TB_GleisLoeschen")->isEnabled());
  EXPECT_FALSE(A("TB_VorigesGleis")->isEnabled());
  A("TB_GleisAnfuegen")->trigger();
  EXPECT_TRUE(A("TB_Speichern")->isEnabled());
  EXPECT_TRUE(A("TB_GleisLoeschen")->isEnabled());
  EXPECT_TRUE(A("TB_VorigesGleis")->isEnabled());
  EXPECT_FALSE(A("TB_NaechstesGleis")->isEnabled());
  EXPECT_EQ(w->Feld("ED_XAnf")->text(), "300,000");
  A("TB_NeuesModul")->trigger();
  EXPECT_TRUE(A("TB_ModulLoeschen")->isEnabled());
  QMenu* module = nullptr;
  for (QAction* a : w->menuBar()->actions())
    if (a->text() == "&Module") module = a->menu();
  ASSERT_NE(module, nullptr);
  ASSERT_EQ(module->actions().size(), 2);
  EXPECT_TRUE(module->actions()[1]->isChecked());
  module->actions()[0]->trigger();
  EXPECT_EQ(w->dokument().anlage().AktModul, 0);
  A("TB_GleisLoeschen")->trigger();
  EXPECT_TRUE(A("MI_GleisLoeschenRueckgaengig")->isEnabled());
  // Every step undone and redone from the menu, with its name in the caption.
  EXPECT_EQ(A("MI_Rueckgaengig")->text(), "Rückgängig: Gleis löschen");
  EXPECT_EQ(A("TB_Rueckgaengig")->toolTip(), "Rückgängig: Gleis löschen");
  EXPECT_FALSE(A("TB_Wiederherstellen")->isEnabled());
  const auto gleise = M().Gleise.size();
  A("MI_Rueckgaengig")->trigger();
  EXPECT_EQ(M().Gleise.size(), gleise + 1);
  EXPECT_EQ(A("MI_Wiederherstellen")->text(), "Wiederherstellen: Gleis löschen");
  while (A("MI_Rueckgaengig")->isEnabled()) A("MI_Rueckgaengig")->trigger();
  EXPECT_EQ(w->dokument().anlage().Module.size(), 1u);
  EXPECT_FALSE(A("TB_Speichern")->isEnabled());  // back to the state as opened
  A("MI_Wiederherstellen")->trigger();
  EXPECT_EQ(M().Gleise.size(), 2u);
}

TEST_F(Editorfenster, FeldVerlassenVerschiebtDasGleis) {
  trm::gui::Zahlenfeld* x = w->Feld("ED_XAnf");
  x->setFocus();
  x->selectAll();
  QTest::keyClicks(x, "1a5.0,5");  // the filter drops the letter
  EXPECT_EQ(x->text(), "15.0,5");
  x->selectAll();
  QTest::keyClicks(x, "150");
  QTest::keyClick(x, Qt::Key_Return);  // applies and moves on
  EXPECT_DOUBLE_EQ(M().Gleise[0]->XAnf, 150);
  EXPECT_EQ(x->text(), "150,000");
  EXPECT_TRUE(w->dokument().Geaendert());
  EXPECT_TRUE(A("TB_Speichern")->isEnabled());
  // The arrow steps to the next multiple of 5.
  A("UD_XAnf_hoch")->trigger();
  EXPECT_DOUBLE_EQ(M().Gleise[0]->XAnf, 155);
  // A decimal point is taken as the comma; a text that does not convert is reported and
  // changes nothing.
  x->setText("157.5");
  x->Anwenden();
  EXPECT_DOUBLE_EQ(M().Gleise[0]->XAnf, 157.5);
  x->setText("1x5");
  x->Anwenden();
  ASSERT_FALSE(dialoge.fehler.empty());
  EXPECT_EQ(dialoge.fehler.back(), "'1x5' ist kein gültiger Gleitkommawert");
  EXPECT_DOUBLE_EQ(M().Gleise[0]->XAnf, 157.5);
}

TEST_F(Editorfenster, DrehknopfMitUndOhneStrg) {
  trm::gui::Zahlenfeld* wanf = w->Feld("ED_WAnf");
  wanf->setText("37,3");
  A("TB_AnfDrehen")->trigger();
  EXPECT_EQ(wanf->text(), "40,000");
  EXPECT_NEAR(M().Gleise[0]->WAnf(), 40 * trm::Pi / 180, 1e-12);
  wanf->setText("37,3");
  QTest::keyPress(w.get(), Qt::Key_Control);
  EXPECT_TRUE(w->editor().Strg());
  A("TB_AnfDrehen")->trigger();
  QTest::keyRelease(w.get(), Qt::Key_Control);
  EXPECT_FALSE(w->editor().Strg());
  EXPECT_EQ(wanf->text(), "30,000");
}

TEST_F(Editorfenster, KontextmenueUndWertpuffer) {
  auto menue = w->Kontextmenue();
  QStringList texte;
  for (QAction* a : menue->actions())
    if (!a->isSeparator()) texte << a->text();
  EXPECT_TRUE(texte.contains("neues Gleis"));
  EXPECT_TRUE(texte.contains("Gleis lösen"));
  EXPECT_TRUE(texte.contains("Gleis einfügen"));
  auto finde = [&](const char* name) { return menue->findChild<QAction*>(name); };
  EXPECT_FALSE(finde("PM_Einfuegen")->isEnabled());
  EXPECT_FALSE(finde("PM_BogenTauschen")->isEnabled());
  finde("PM_Wert3")->trigger();  // end point x
  EXPECT_EQ(w->editor().Wertpuffer(), "300,000");
  finde("PM_KopierenGleis")->trigger();
  EXPECT_TRUE(w->Kontextmenue()->findChild<QAction*>("PM_Einfuegen")->isEnabled());
  finde("PM_Verbinden")->trigger();
  EXPECT_EQ(w->editor().Modus(), trm::Mausmodus::GruppeVerbinden);
  A("TB_MausZurueck")->trigger();
  EXPECT_EQ(w->editor().Modus(), trm::Mausmodus::Normal);
}

TEST_F(Editorfenster, GleisDrehenFenster) {
  QTimer::singleShot(0, [] {
    for (QWidget* f : QApplication::topLevelWidgets())
      if (auto* d = qobject_cast<trm::gui::TGleisDrehen*>(f)) d->Schnellwahl("-90");
  });
  A("MI_GleisDrehen")->trigger();
  EXPECT_NEAR(M().Gleise[0]->WAnf(), -trm::Pi / 2, 1e-12);
  EXPECT_TRUE(w->dokument().Geaendert());
}

TEST_F(Editorfenster, SchliessenMitAbbrechenBleibtOffen) {
  A("TB_GleisAnfuegen")->trigger();
  dialoge.antworten.push_back(trm::Antwort::Abbrechen);
  EXPECT_FALSE(w->close());
  EXPECT_TRUE(w->isVisible());
  dialoge.antworten.push_back(trm::Antwort::Nein);
  EXPECT_TRUE(w->close());
}

}  // namespace

namespace {

TEST_F(Editorfenster, ZiehenMitDerMausVerschiebtDasGleis) {
  auto& f = w->zeichenflaeche();
  const QPoint o = f.Ursprung();
  // The template track runs from (100, 300) for 200 mm; at 2 mm per pixel its middle (200 mm)
  // is drawing pixel (100, 150).
  const QPoint griff = o + QPoint(100, 150);
  QTest::mousePress(f.viewport(), Qt::LeftButton, {}, griff);
  QTest::mouseMove(f.viewport(), griff + QPoint(25, 0));
  QTest::mouseMove(f.viewport(), griff + QPoint(50, -10));
  QTest::mouseRelease(f.viewport(), Qt::LeftButton, {}, griff + QPoint(50, -10));
  EXPECT_DOUBLE_EQ(M().Gleise[0]->XAnf, 200);  // 100 mm to the right
  EXPECT_DOUBLE_EQ(M().Gleise[0]->YAnf, 320);  // 10 pixels up = 20 mm
  EXPECT_TRUE(w->dokument().Geaendert());
  EXPECT_EQ(w->Feld("ED_XAnf")->text(), "200,000");
}

TEST_F(Editorfenster, NeuesGleisPerKlick) {
  auto menue = w->Kontextmenue();
  menue->findChild<QAction*>("PM_NeuesGleis")->trigger();
  const QPoint o = w->zeichenflaeche().Ursprung();
  QTest::mouseClick(w->zeichenflaeche().viewport(), Qt::LeftButton, {}, o + QPoint(300, 50));
  ASSERT_EQ(M().Gleise.size(), 2u);
  EXPECT_DOUBLE_EQ(M().Gleise[1]->XAnf, 600);
  EXPECT_DOUBLE_EQ(M().Gleise[1]->YAnf, 500);
  EXPECT_EQ(w->editor().Modus(), trm::Mausmodus::Normal);
}

}  // namespace

#include <QTableWidget>

#include "core/turnouts/Weichenliste.h"
#include "gui/lists/TfListe.h"
#include "gui/lists/Typbild.h"

namespace {

TEST_F(Editorfenster, WeichenlisteZeigenUndTypEinsetzen) {
  trm::gui::TfListe liste(trm::ListeWeichen, w->dokument().anlage());
  ASSERT_TRUE(liste.Fuellen());
  EXPECT_EQ(liste.windowTitle(), "Einfache Weichen");
  EXPECT_EQ(liste.objectName(), "TfWListe");
  QTableWidget& t = liste.Tabelle();
  ASSERT_EQ(t.rowCount(), 16);
  EXPECT_EQ(t.horizontalHeaderItem(4)->text(), "Neigung");
  EXPECT_EQ(t.item(0, 1)->text(), "Weiche R 907,97 / 15° links");
  EXPECT_EQ(t.item(0, 2)->text(), "907,970");
  EXPECT_EQ(t.item(0, 3)->text(), "15,000");
  // The longest name shows whole.
  EXPECT_GE(t.columnWidth(1), t.fontMetrics().horizontalAdvance(t.item(15, 1)->text()));
  EXPECT_EQ(liste.Auswahl(), 1);
  t.setCurrentCell(2, 1);
  EXPECT_EQ(liste.Auswahl(), 3);
  // The chosen type is pictured beside the list.
  const QImage bild = liste.Bild().grab().toImage();
  EXPECT_TRUE(liste.Bild().Hinweis().isEmpty());
  int gemalt = 0;
  for (int y = 0; y < bild.height(); ++y)
    for (int x = 0; x < bild.width(); ++x) gemalt += bild.pixel(x, y) != bild.pixel(0, 0);
  EXPECT_GT(gemalt, 1000);

  // Choosing through the window places the type at the end of the current segment.
  QTimer::singleShot(0, [] {
    for (QWidget* f : QApplication::topLevelWidgets())
      if (auto* d = qobject_cast<trm::gui::TfListe*>(f); d && d->isVisible()) d->done(trm::gui::TfListe::Auswaehlen);
  });
  A("TB_Weichenliste")->trigger();
  ASSERT_EQ(M().Anzahl(trm::Elementart::Weiche), 1);
  EXPECT_TRUE(w->dokument().Geaendert());
  EXPECT_TRUE(w->editor().gleis()->IstWeichengleis());
  auto menue = w->Kontextmenue();
  EXPECT_TRUE(menue->findChild<QAction*>("PM_Weiche")->isEnabled());
  EXPECT_EQ(menue->findChild<QAction*>("PM_KopierenGleis")->text(), "Weiche");
}

TEST_F(Editorfenster, FehlendeWeichenlisteFuehrtZumImport) {
  w->dokument().anlage().Listendatei(trm::Elementart::Weiche) = "/nicht/da.w88";
  dialoge.pfade.push_back(std::nullopt);  // the import dialog is cancelled
  A("TB_Weichenliste")->trigger();
  ASSERT_FALSE(dialoge.fragen.empty());
  EXPECT_EQ(dialoge.fragen.back(), "Die Weichenliste \"/nicht/da.w88\" konnte nicht gefunden werden. Bitte "
                                   "importieren Sie zunächst eine Weichenliste.");
  EXPECT_EQ(w->dokument().anlage().Listendatei(trm::Elementart::Weiche), w->dokument().Datenpfad() + "stdWListe.w88");
  EXPECT_TRUE(w->dokument().Geaendert());  // the header names another list now
}

/// Closes the next list window that shows with "auswählen" on its first row.
void ErstenTypWaehlen() {
  QTimer::singleShot(0, [] {
    for (QWidget* f : QApplication::topLevelWidgets())
      if (auto* d = qobject_cast<trm::gui::TfListe*>(f); d && d->isVisible()) d->done(trm::gui::TfListe::Auswaehlen);
  });
}

TEST_F(Editorfenster, KreuzungsweichenEinsetzenDrehenEntfernen) {
  ErstenTypWaehlen();
  A("TB_EKW-Liste")->trigger();
  ErstenTypWaehlen();
  A("TB_DKW-Liste")->trigger();
  ASSERT_EQ(M().Anzahl(trm::Elementart::EKW), 1);
  ASSERT_EQ(M().Anzahl(trm::Elementart::DKW), 1);
  EXPECT_EQ(A("TB_Rueckgaengig")->toolTip(), "Rückgängig: DKW einsetzen");
  // The current track is the double slip's main track: its entries in the context menu.
  auto menue = w->Kontextmenue();
  EXPECT_EQ(menue->findChild<QAction*>("PM_KopierenGleis")->text(), "DKW");
  QAction* drehen = menue->findChild<QAction*>("PM_KreuzungDrehen");
  ASSERT_NE(drehen, nullptr);
  EXPECT_EQ(drehen->text(), "DKW drehen");
  drehen->trigger();
  EXPECT_EQ(A("TB_Rueckgaengig")->toolTip(), "Rückgängig: DKW drehen");
  w->Kontextmenue()->findChild<QAction*>("PM_KreuzungEntfernen")->trigger();
  EXPECT_EQ(M().Anzahl(trm::Elementart::DKW), 0);
  EXPECT_EQ(A("TB_Rueckgaengig")->toolTip(), "Rückgängig: DKW entfernen");
}

}  // namespace

#include <QToolButton>

#include "core/turnouts/Drehscheibe.h"
#include "core/turnouts/DrehscheibenBefehle.h"
#include "gui/turnouts/TDrehSch_Daten.h"

namespace {

TEST_F(Editorfenster, DrehscheibeAusDerListeEinsetzenUndImFensterAendern) {
  // The list window: the shipped types, and the second one chosen.
  QTimer::singleShot(0, [] {
    for (QWidget* f : QApplication::topLevelWidgets())
      if (auto* d = qobject_cast<trm::gui::TfListe*>(f); d && d->isVisible()) {
        EXPECT_EQ(d->windowTitle(), "Drehscheiben");
        EXPECT_EQ(d->objectName(), "TfDSListe");
        QTableWidget& t = d->Tabelle();
        EXPECT_EQ(t.rowCount(), 4);
        EXPECT_EQ(t.horizontalHeaderItem(2)->text(), "Durchmesser");
        EXPECT_EQ(t.item(1, 1)->text(), "Drehscheibe 16 m, 24 Abgänge");
        EXPECT_EQ(t.item(1, 3)->text(), "15,000");
        t.setCurrentCell(1, 1);
        d->done(trm::gui::TfListe::Auswaehlen);
      }
  });
  EXPECT_EQ(A("TB_DS")->toolTip(), "Drehscheibenliste aufrufen");
  A("TB_DS")->trigger();
  ASSERT_EQ(M().Anzahl(trm::Elementart::Drehscheibe), 1);
  EXPECT_TRUE(w->dokument().Geaendert());
  EXPECT_TRUE(w->Kontextmenue()->findChild<QAction*>("PM_Drehscheibe")->isEnabled());

  // The data window shows the new turntable; a field left after a change turns it into 12.
  auto* daten = w->findChild<trm::gui::TDrehSch_Daten*>();
  ASSERT_NE(daten, nullptr);
  EXPECT_TRUE(daten->isVisible());
  EXPECT_EQ(daten->windowTitle(), "Drehscheibe");
  EXPECT_EQ(daten->Feld("ED_Teilung")->text(), "15,000");
  trm::gui::Zahlenfeld* anzahl = daten->Feld("ED_Anzahl");
  anzahl->setText("12");
  anzahl->Anwenden();
  EXPECT_EQ(trm::Drehscheibe(w->editor())->Anzahl(), 12);
  EXPECT_EQ(daten->Feld("ED_Teilung")->text(), "30,000");
  EXPECT_EQ(A("MI_Rueckgaengig")->text(), "Rückgängig: Anzahl der Gleisabgänge");

  // A track at the active connection; then the turntable leaves the plan and the window goes.
  const auto gleise = M().Gleise.size();
  daten->findChild<QToolButton*>("TB_GleisAnfuegen")->click();
  ASSERT_EQ(M().Gleise.size(), gleise + 1);
  EXPECT_TRUE(M().Gleise.back()->DSGleis);
  EXPECT_FALSE(A("TB_GleisAnfuegen")->isEnabled());
  daten->findChild<QToolButton*>("TB_Loeschen")->click();
  EXPECT_EQ(M().Anzahl(trm::Elementart::Drehscheibe), 0);
  EXPECT_EQ(M().Gleise.size(), gleise + 1);
  EXPECT_FALSE(daten->isVisible());
}

}  // namespace

#include <QCheckBox>
#include <QTabWidget>

#include "core/crossings/Kreuzung.h"
#include "core/crossings/KreuzungsBefehle.h"
#include "gui/crossings/KrDatenfenster.h"

namespace {

TEST_F(Editorfenster, KreuzungAusDerListeEinsetzenUndImFensterAendern) {
  // The crossing list: the shipped types; the third one (30°) chosen.
  QTimer::singleShot(0, [] {
    for (QWidget* f : QApplication::topLevelWidgets())
      if (auto* d = qobject_cast<trm::gui::TfListe*>(f); d && d->isVisible()) {
        EXPECT_EQ(d->windowTitle(), "Kreuzungen");
        EXPECT_EQ(d->objectName(), "TfKListe");
        QTableWidget& t = d->Tabelle();
        EXPECT_EQ(t.rowCount(), 4);
        EXPECT_EQ(t.horizontalHeaderItem(2)->text(), "Länge");
        EXPECT_EQ(t.item(2, 3)->text(), "30,000°");
        t.setCurrentCell(2, 1);
        d->done(trm::gui::TfListe::Auswaehlen);
      }
  });
  EXPECT_EQ(A("TB_Kreuzungsliste")->toolTip(), "Kreuzungsliste aufrufen");
  A("TB_Kreuzungsliste")->trigger();
  ASSERT_EQ(M().Anzahl(trm::Elementart::Kreuzung), 1);
  EXPECT_TRUE(w->Kontextmenue()->findChild<QAction*>("PM_Kreuzung")->isEnabled());
  EXPECT_FALSE(w->Kontextmenue()->findChild<QAction*>("PM_EKW")->isEnabled());

  // Its data window shows it; an entry is one step, and the outer radii follow each other.
  auto* daten = w->findChild<trm::gui::TKreuzungsdaten*>();
  ASSERT_NE(daten, nullptr);
  EXPECT_TRUE(daten->isVisible());
  EXPECT_FALSE(w->findChild<trm::gui::TEKWDaten*>()->isVisible());
  EXPECT_EQ(daten->windowTitle(), "Kreuzung - Kreuzung 30° / 234,46");
  EXPECT_EQ(daten->Seiten().count(), 3);
  EXPECT_TRUE(daten->RadiusAnpassen().isChecked());
  daten->Eingeben(trm::Krfeld::StARadius, "500");
  QApplication::processEvents();
  const trm::TKreuzung* k = trm::Kreuzung(w->editor());
  ASSERT_NE(k, nullptr);
  EXPECT_EQ(k->KrARadius, -500);
  EXPECT_EQ(A("MI_Rueckgaengig")->text(), "Rückgängig: Radius Stammbogen");
  EXPECT_EQ(daten->Liste("Bogenpaar links")->item(2, 1)->text(), "-500,000");
  // A value the crossing cannot take is refused and the row shows the old value again.
  daten->Eingeben(trm::Krfeld::Winkel, "0");
  QApplication::processEvents();
  EXPECT_EQ(dialoge.fehler.back(), "Der Kreuzungswinkel muss größer als 0° und kleiner als 180° sein.");
  EXPECT_EQ(daten->Liste("Grundform")->item(3, 1)->text(), "30,000°");

  // Removed from the plan, its window goes.
  daten->findChild<QToolButton*>("TB_Entfernen")->click();
  EXPECT_EQ(M().Anzahl(trm::Elementart::Kreuzung), 0);
  EXPECT_FALSE(daten->isVisible());
}

}  // namespace

#include <QMenu>

namespace {

// "Datei" › "importieren" › "Weichen aus XTrackCAD-Parameterdatei…" in the main window and in the
// turnout list window, which then shows the new list.
TEST_F(Editorfenster, WeichenAusXtrackcadImListenfenster) {
  QAction* haupt = A("MI_ImportXtp");
  EXPECT_EQ(haupt->text(), "Weichen aus XTrackCAD-Parameterdatei…");
  bool imMenue = false;
  for (QMenu* m : w->findChildren<QMenu*>())
    imMenue = imMenue || (m->title() == "importieren" && m->actions().contains(haupt));
  EXPECT_TRUE(imMenue);

  const std::string ziel = ordner.filePath("testwerk.w88").toStdString();
  dialoge.pfade = {std::string(TRM_TESTDATEN) + "/testwerk.xtp", ziel};
  QStringList namen;
  QTimer::singleShot(0, [&namen] {
    for (QWidget* f : QApplication::topLevelWidgets())
      if (auto* d = qobject_cast<trm::gui::TfListe*>(f); d && d->isVisible()) {
        auto* import = d->findChild<QAction*>("MI_ImportXtp");
        if (import) import->trigger();
        for (int r = 0; r < d->Tabelle().rowCount(); ++r) namen << d->Tabelle().item(r, 1)->text();
        d->done(trm::gui::TfListe::Abbrechen);
      }
  });
  A("TB_Weichenliste")->trigger();
  EXPECT_EQ(namen, (QStringList{"Testwerk WL 15, R762 1001", "Testwerk WR 15, R762 1002", "Testwerk BWL R1016/R762 1003"}));
  EXPECT_EQ(w->dokument().anlage().Listendatei(trm::Elementart::Weiche), ziel);
  EXPECT_EQ(A("TB_Rueckgaengig")->toolTip(), "Rückgängig: Weichen aus XTrackCAD-Parameterdatei importieren");
  ASSERT_EQ(dialoge.infos.size(), 1u);
}

}  // namespace

#include <QDockWidget>

#include "gui/editor/Werkzeugfenster.h"

namespace {

TEST_F(Editorfenster, DatenfensterSindPanelsDesHauptfensters) {
  // Docked at the right, tabbed together, floatable; each shows when it is asked for.
  A("MI_FensterBogendaten")->trigger();
  A("MI_FensterOptimierung")->trigger();
  auto* bogen = w->findChild<trm::gui::Werkzeugfenster*>("TBogendaten");
  auto* opti = w->findChild<trm::gui::Werkzeugfenster*>("TOptiDaten");
  ASSERT_TRUE(bogen && opti && bogen->Panel() && opti->Panel());
  EXPECT_EQ(w->dockWidgetArea(bogen->Panel()), Qt::RightDockWidgetArea);
  EXPECT_TRUE(w->tabifiedDockWidgets(bogen->Panel()).contains(opti->Panel()));
  EXPECT_TRUE(opti->isVisible());  // the one asked for last is in front
  EXPECT_TRUE(bogen->Panel()->features() & QDockWidget::DockWidgetFloatable);
  EXPECT_EQ(bogen->Panel()->windowTitle(), bogen->windowTitle());
  opti->hide();
  EXPECT_FALSE(opti->Panel()->isVisible());

  // The places are kept: a floating panel floats again at the next start, hidden until used.
  bogen->Panel()->setFloating(true);
  dialoge.antworten.push_back(trm::Antwort::Nein);
  ASSERT_TRUE(w->close());
  auto zweites = std::make_unique<trm::gui::TGleisanlage>(ordner.path(), std::make_shared<trm::MersenneZufall>(2), &dialoge);
  zweites->show();
  auto* wieder = zweites->findChild<trm::gui::Werkzeugfenster*>("TBogendaten");
  ASSERT_TRUE(wieder && wieder->Panel());
  EXPECT_FALSE(wieder->Panel()->isVisible());
  EXPECT_TRUE(wieder->Panel()->isFloating());
}

}  // namespace
