// Navigating the drawing as in a CAD program: the wheel zooms about the cursor, the middle
// button pans, the platform's shortcuts reach the commands, and the guide opens beside.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QSpinBox>
#include <algorithm>
#include <cmath>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QWheelEvent>

#include "core/SkriptDialoge.h"
#include "core/model/Datenordner.h"
#include "core/model/Gleis.h"
#include "core/model/Modul.h"
#include "core/model/Umrechnung.h"
#include "gui/help/ErsteSchritte.h"
#include "gui/editor/TGleisanlage.h"
#include "gui/editor/TZeichenflaeche.h"

namespace {

class Navigation : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(trm::DatenordnerEinrichten(ordner.path().toStdString(), TRM_QUELLDATEN));
    w = std::make_unique<trm::gui::TGleisanlage>(ordner.path(), std::make_shared<trm::MersenneZufall>(2), &dialoge);
    w->resize(1000, 734);  // a drawing area of 1000 x 700 less the bars (three tool-bar rows)
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    f = w->findChild<trm::gui::TZeichenflaeche*>(QStringLiteral("Zeichenflaeche"));
    ASSERT_NE(f, nullptr);
    ASSERT_TRUE(f->ZoomUm(QPoint(0, 0), 0.5));  // the module is larger than the view: it scrolls
  }
  double Mm() { return w->editor().modul()->MmProPixel; }

  QTemporaryDir ordner;
  trm::test::SkriptDialoge dialoge;
  std::unique_ptr<trm::gui::TGleisanlage> w;
  trm::gui::TZeichenflaeche* f = nullptr;
};

TEST_F(Navigation, RadZoomtUmDenMauszeiger) {
  const QPoint maus(300, 200);
  const double alt = Mm();
  const double xVorher = f->ZeichnungsPunkt(maus).x() * alt, yVorher = f->ZeichnungsPunkt(maus).y() * alt;
  QWheelEvent rad(QPointF(maus), QPointF(f->viewport()->mapToGlobal(maus)), QPoint(), QPoint(0, 120), Qt::NoButton,
                  Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(f->viewport(), &rad);
  EXPECT_NEAR(Mm(), alt / 1.2, 1e-9);
  // The point under the cursor stays put (within a pixel).
  EXPECT_NEAR(f->ZeichnungsPunkt(maus).x() * Mm(), xVorher, 2 * alt);
  EXPECT_NEAR(f->ZeichnungsPunkt(maus).y() * Mm(), yVorher, 2 * alt);
}

// The world point under a view position, in mm.
QPointF Welt(trm::gui::TZeichenflaeche* f, const trm::TModul& m, QPoint p) {
  const QPoint z = f->ZeichnungsPunkt(p);
  const trm::TUmrechnung u(m);
  return {u.PixelZuWeltX(z.x()), u.PixelZuWeltY(z.y())};
}

TEST_F(Navigation, RadHaeltDenPunktAusDerUebersicht) {
  // From the overview (fitted), twelve steps in and twelve out: the point under the cursor
  // stays within a pixel at every step, and the status bar follows it.
  f->AnsFensterAnpassen();
  const trm::TModul& m = *w->editor().modul();
  const QPoint maus(620, 310);
  const QPointF ziel = Welt(f, m, maus);
  const double uebersicht = Mm();
  QPointF vorher = ziel;
  for (int schritt = 0; schritt < 24; ++schritt) {
    const double alt = Mm();
    QWheelEvent rad(QPointF(maus), QPointF(f->viewport()->mapToGlobal(maus)), QPoint(),
                    QPoint(0, schritt < 12 ? 120 : -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(f->viewport(), &rad);
    // Within a pixel of the coarser scale at each step, and never drifting from where it began
    // (the overview's pixel that was pointed at).
    const QPointF jetzt = Welt(f, *w->editor().modul(), maus);
    EXPECT_LE(std::hypot(jetzt.x() - vorher.x(), jetzt.y() - vorher.y()), std::max(alt, Mm())) << "step " << schritt;
    EXPECT_LE(std::hypot(jetzt.x() - ziel.x(), jetzt.y() - ziel.y()), uebersicht) << "step " << schritt;
    vorher = jetzt;
  }
  const QString status = w->findChild<QLabel*>(QStringLiteral("L_Mausposition"))->text();
  const QPointF zuletzt = Welt(f, *w->editor().modul(), maus);
  EXPECT_EQ(status, QString::fromStdString(trm::Mausbedienung::Statustext(zuletzt.x(), zuletzt.y())));
}

TEST_F(Navigation, AnpassenZeigtBreiteHoheModuleUndFerneGleise) {
  trm::TModul& m = *w->editor().modul();
  for (const auto& [breite, hoehe] : {std::pair{2500, 1500}, std::pair{600, 2400}, std::pair{6000, 400}}) {
    m.Breite = breite;
    m.Hoehe = hoehe;
    w->Neuzeichnen();
    f->AnsFensterAnpassen();
    // The whole module in view, with no scroll bar left.
    const QRect modul(f->Ursprung(), f->Zeichnungsgroesse());
    EXPECT_TRUE(f->viewport()->rect().contains(modul)) << breite << " x " << hoehe;
    EXPECT_EQ(f->horizontalScrollBar()->maximum(), f->horizontalScrollBar()->minimum());
    EXPECT_EQ(f->verticalScrollBar()->maximum(), f->verticalScrollBar()->minimum());
  }
  // A track far beside the module is found too.
  ASSERT_TRUE(w->editor().AnfangXSetzen("20000"));
  w->Neuzeichnen();
  f->AnsFensterAnpassen();
  const trm::TGleis& g = *w->editor().gleis();
  const QPointF ende(g.XEnde(), g.YEnde());
  const trm::TUmrechnung u(*w->editor().modul());
  const QPoint p = QPoint(static_cast<int>(u.WeltZuPixelX(ende.x())), static_cast<int>(u.WeltZuPixelY(ende.y()))) +
                   f->Ursprung();
  EXPECT_TRUE(f->viewport()->rect().contains(p));
}

TEST_F(Navigation, ZoomfeldBehaeltDieMitte) {
  const QPoint mitte = f->viewport()->rect().center();
  const QPointF vorher = Welt(f, *w->editor().modul(), mitte);
  w->zoomfeld().setValue(8);
  EXPECT_DOUBLE_EQ(Mm(), 0.8);
  const QPointF nachher = Welt(f, *w->editor().modul(), mitte);
  EXPECT_LE(std::hypot(nachher.x() - vorher.x(), nachher.y() - vorher.y()), Mm());
}

TEST_F(Navigation, MittlereTasteVerschiebtDieAnsicht) {
  QScrollBar* h = f->horizontalScrollBar();
  QScrollBar* v = f->verticalScrollBar();
  h->setValue(200);
  v->setValue(200);
  QTest::mousePress(f->viewport(), Qt::MiddleButton, Qt::NoModifier, QPoint(300, 200));
  QMouseEvent ziehen(QEvent::MouseMove, QPointF(250, 170), f->viewport()->mapToGlobal(QPointF(250, 170)), Qt::NoButton,
                     Qt::MiddleButton, Qt::NoModifier);
  QApplication::sendEvent(f->viewport(), &ziehen);
  QTest::mouseRelease(f->viewport(), Qt::MiddleButton, Qt::NoModifier, QPoint(250, 170));
  EXPECT_EQ(h->value(), 250);
  EXPECT_EQ(v->value(), 230);
}

TEST_F(Navigation, TastenkuerzelDerPlattform) {
  auto kuerzel = [&](const char* name) { return w->Aktion(QString::fromUtf8(name))->shortcut(); };
  EXPECT_EQ(kuerzel("MI_Neu"), QKeySequence(QKeySequence::New));
  EXPECT_EQ(kuerzel("MI_Oeffnen"), QKeySequence(QKeySequence::Open));
  EXPECT_EQ(kuerzel("MI_SpeichernUnter"), QKeySequence(QKeySequence::SaveAs));
  EXPECT_EQ(kuerzel("MI_Kopieren"), QKeySequence(QKeySequence::Copy));
  EXPECT_EQ(kuerzel("MI_Einfuegen"), QKeySequence(QKeySequence::Paste));
  EXPECT_EQ(kuerzel("MI_GleisLoeschen"), QKeySequence(QKeySequence::Delete));
  EXPECT_EQ(kuerzel("MI_Beenden"), QKeySequence(QKeySequence::Quit));
  EXPECT_EQ(kuerzel("MI_ErsteSchritte"), QKeySequence(QKeySequence::HelpContents));
  // Ctrl+C on the drawing copies the current track.
  f->setFocus();
  QTest::keyClick(f, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(w->editor().KopierName(), "Gleis");
  // The title carries the unsaved-changes mark once the layout changed.
  EXPECT_FALSE(w->isWindowModified());
  w->Aktion(QStringLiteral("TB_GleisAnfuegen"))->trigger();
  EXPECT_TRUE(w->isWindowModified());
}

TEST_F(Navigation, ErsteSchritteMitBildernAusDemProgramm) {
  w->Aktion(QStringLiteral("MI_ErsteSchritte"))->trigger();
  auto* anleitung = w->findChild<trm::gui::ErsteSchritte*>(QStringLiteral("ErsteSchritte"));
  ASSERT_TRUE(anleitung && anleitung->isVisible());
  for (const char* bild : {"bild:gleis", "bild:anfuegen", "bild:weiche", "bild:verbinden"}) {
    const QVariant r = anleitung->Text().document()->resource(QTextDocument::ImageResource, QUrl(QString::fromUtf8(bild)));
    EXPECT_FALSE(r.value<QImage>().isNull()) << bild;
  }
  // Not modal: the main window takes input while the guide is open.
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
