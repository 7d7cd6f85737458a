// The drawing tools in the main window: buttons and keys, a straight dragged with the mouse,
// Esc during a drag, the transition option, and a type dragged out of a list window.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "core/SkriptDialoge.h"
#include "core/model/Datenordner.h"
#include "core/model/Modul.h"
#include "core/turnouts/Weichenliste.h"
#include "gui/editor/TGleisanlage.h"
#include "gui/editor/TZeichenflaeche.h"
#include "gui/editor/Zahlenfeld.h"
#include "gui/lists/TfListe.h"

namespace {

using trm::Mausmodus;

class Zeichenwerkzeuge : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(trm::DatenordnerEinrichten(ordner.path().toStdString(), TRM_QUELLDATEN));
    w = std::make_unique<trm::gui::TGleisanlage>(ordner.path(), std::make_shared<trm::MersenneZufall>(3), &dialoge);
    w->resize(1000, 700);
    w->show();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    f = &w->zeichenflaeche();
    f->setFocus();
  }
  std::size_t Gleise() { return w->dokument().anlage().AktuellesModul()->Gleise.size(); }
  void Ziehen(QPoint von, QPoint nach) {
    QTest::mousePress(f->viewport(), Qt::LeftButton, Qt::NoModifier, von);
    QMouseEvent zug(QEvent::MouseMove, QPointF(nach), f->viewport()->mapToGlobal(QPointF(nach)), Qt::NoButton,
                    Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(f->viewport(), &zug);
  }
  QString Hinweis() { return w->findChild<QLabel*>(QStringLiteral("L_Modushinweis"))->text(); }

  QTemporaryDir ordner;
  trm::test::SkriptDialoge dialoge;
  std::unique_ptr<trm::gui::TGleisanlage> w;
  trm::gui::TZeichenflaeche* f = nullptr;
};

TEST_F(Zeichenwerkzeuge, KnoepfeMitSymbolSchaltenDenModusHinUndZurueck) {
  const std::pair<const char*, Mausmodus> knoepfe[] = {{"TB_Gerade", Mausmodus::GeradeZiehen},
                                                       {"TB_Bogen", Mausmodus::BogenZiehen},
                                                       {"TB_Verbinden", Mausmodus::EndenVerbinden},
                                                       {"TB_Parallel", Mausmodus::Parallelgleis}};
  for (const auto& [name, modus] : knoepfe) {
    QAction* a = w->Aktion(QString::fromUtf8(name));
    ASSERT_NE(a, nullptr) << name;
    EXPECT_FALSE(a->icon().isNull()) << name;
    a->trigger();
    EXPECT_EQ(w->editor().Modus(), modus) << name;
    EXPECT_TRUE(a->isChecked()) << name;
    EXPECT_EQ(Hinweis().toStdString(), w->maus().Hinweis()) << name;
    a->trigger();  // again: back to the normal mode
    EXPECT_EQ(w->editor().Modus(), Mausmodus::Normal) << name;
    EXPECT_FALSE(a->isChecked()) << name;
  }
  // The context menu offers them too, and another mode unchecks the tool.
  EXPECT_TRUE(w->Kontextmenue()->actions().contains(w->Aktion(QStringLiteral("TB_Parallel"))));
  w->Aktion(QStringLiteral("TB_Bogen"))->trigger();
  w->Aktion(QStringLiteral("TB_Lupe"))->trigger();
  EXPECT_FALSE(w->Aktion(QStringLiteral("TB_Bogen"))->isChecked());
}

TEST_F(Zeichenwerkzeuge, TasteGNurWennKeinFeldDenFokusHat) {
  QTest::keyClick(f, Qt::Key_G);
  EXPECT_EQ(w->editor().Modus(), Mausmodus::GeradeZiehen);
  QTest::keyClick(f, Qt::Key_G);
  EXPECT_EQ(w->editor().Modus(), Mausmodus::Normal);
  // In a number field the letter belongs to the field (its filter drops it).
  for (const char* name : {"ED_XAnf", "ED_Uebergang"}) {
    trm::gui::Zahlenfeld* feld = w->Feld(QString::fromUtf8(name));
    ASSERT_NE(feld, nullptr) << name;
    feld->setFocus();
    QTest::keyClick(feld, Qt::Key_G);
    QTest::keyClick(feld, Qt::Key_B);
    EXPECT_EQ(w->editor().Modus(), Mausmodus::Normal) << name;
  }
  w->zoomfeld().setFocus();
  QTest::keyClick(&w->zoomfeld(), Qt::Key_P);
  EXPECT_EQ(w->editor().Modus(), Mausmodus::Normal);
}

TEST_F(Zeichenwerkzeuge, GeradeZiehenLegtEinGleisInEinemSchritt) {
  w->Aktion(QStringLiteral("TB_Gerade"))->trigger();
  const std::size_t vorher = Gleise();
  const auto schritte = w->dokument().verlauf().AnzahlRueckgaengig();
  Ziehen(QPoint(300, 300), QPoint(450, 300));
  // While the draft follows the mouse the module's picture is kept and the hint tells the step.
  QApplication::processEvents();
  EXPECT_TRUE(f->Puffer().Gueltig());
  EXPECT_EQ(Hinweis().toStdString(), w->maus().Zeichner().Hinweis(Mausmodus::GeradeZiehen));
  EXPECT_FALSE(w->findChild<QLabel*>(QStringLiteral("L_UnterMaus"))->text().isEmpty());  // "L = … mm · …°"
  QTest::mouseRelease(f->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(450, 300));
  EXPECT_EQ(Gleise(), vorher + 1);
  EXPECT_EQ(w->dokument().verlauf().AnzahlRueckgaengig(), schritte + 1);
  EXPECT_TRUE(w->isWindowModified());
  EXPECT_EQ(w->editor().Modus(), Mausmodus::GeradeZiehen);  // the tool stays chosen
  // Outside the drawing tools no picture is kept.
  w->Aktion(QStringLiteral("TB_Gerade"))->trigger();
  f->viewport()->repaint();
  EXPECT_FALSE(f->Puffer().Gueltig());
}

TEST_F(Zeichenwerkzeuge, EscBeimZiehenLegtNichtsUndLaesstDasWerkzeug) {
  QTest::keyClick(f, Qt::Key_G);
  const std::size_t vorher = Gleise();
  Ziehen(QPoint(300, 300), QPoint(450, 350));
  ASSERT_NE(w->maus().Zeichner().Entwurf(), nullptr);
  QTest::keyClick(f, Qt::Key_Escape);
  EXPECT_EQ(w->maus().Zeichner().Entwurf(), nullptr);
  EXPECT_EQ(w->editor().Modus(), Mausmodus::GeradeZiehen);
  QTest::mouseRelease(f->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(450, 350));
  EXPECT_EQ(Gleise(), vorher);
  // A second Esc, with nothing to drop, leaves the tool.
  QTest::keyClick(f, Qt::Key_Escape);
  EXPECT_EQ(w->editor().Modus(), Mausmodus::Normal);
  EXPECT_FALSE(w->Aktion(QStringLiteral("TB_Gerade"))->isChecked());
}

TEST_F(Zeichenwerkzeuge, UebergangsboegenAusKaestchenUndFeld) {
  auto* an = w->findChild<QCheckBox*>(QStringLiteral("CB_Uebergang"));
  trm::gui::Zahlenfeld* laenge = w->Feld(QStringLiteral("ED_Uebergang"));
  ASSERT_TRUE(an && laenge);
  EXPECT_EQ(w->maus().Zeichner().uebergang, 0);
  EXPECT_EQ(laenge->text(), QStringLiteral("100"));
  an->setChecked(true);
  EXPECT_EQ(w->maus().Zeichner().uebergang, 100);
  laenge->setText(QStringLiteral("62,5"));
  laenge->Anwenden();
  EXPECT_EQ(w->maus().Zeichner().uebergang, 62.5);
  // No length of zero or less and nothing unreadable: the last length stays, with a message.
  for (const char* falsch : {"0", "-5", "1,2,3"}) {
    dialoge.fehler.clear();
    laenge->setText(QString::fromUtf8(falsch));
    laenge->Anwenden();
    EXPECT_EQ(w->maus().Zeichner().uebergang, 62.5) << falsch;
    EXPECT_EQ(dialoge.fehler.size(), 1u) << falsch;
    EXPECT_EQ(laenge->text(), QStringLiteral("62,5")) << falsch;
  }
  an->setChecked(false);
  EXPECT_EQ(w->maus().Zeichner().uebergang, 0);
}

TEST_F(Zeichenwerkzeuge, ZeileAusDerListeGezogenWaehltSieAus) {
  trm::gui::TfListe liste(trm::ListeWeichen, w->dokument().anlage(), w.get());
  ASSERT_TRUE(liste.Fuellen());
  ASSERT_GE(liste.Tabelle().rowCount(), 2);
  liste.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&liste));
  QWidget* v = liste.Tabelle().viewport();
  const QPoint zeile2 = liste.Tabelle().visualItemRect(liste.Tabelle().item(1, 0)).center();
  QTest::mousePress(v, Qt::LeftButton, Qt::NoModifier, zeile2);
  // A twitch below the drag distance is a click.
  const QPoint kurz = zeile2 + QPoint(1, 0);
  QMouseEvent zucken(QEvent::MouseMove, QPointF(kurz), v->mapToGlobal(QPointF(kurz)), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
  QApplication::sendEvent(v, &zucken);
  EXPECT_TRUE(liste.isVisible());
  const QPoint weit = zeile2 + QPoint(QApplication::startDragDistance() + 5, 0);
  QMouseEvent zug(QEvent::MouseMove, QPointF(weit), v->mapToGlobal(QPointF(weit)), Qt::NoButton, Qt::LeftButton,
                  Qt::NoModifier);
  QApplication::sendEvent(v, &zug);
  EXPECT_FALSE(liste.isVisible());
  EXPECT_TRUE(liste.Gezogen());
  EXPECT_EQ(liste.Knopf(), trm::Listenknopf::Auswaehlen);
  EXPECT_EQ(liste.Auswahl(), 2);
}

}  // namespace
