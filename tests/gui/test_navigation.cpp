// Navigating the drawing as in a CAD program: the wheel zooms about the cursor, the middle
// button pans, the platform's shortcuts reach the commands, and the guide opens beside.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QWheelEvent>

#include "core/SkriptDialoge.h"
#include "core/model/Datenordner.h"
#include "core/model/Modul.h"
#include "gui/help/ErsteSchritte.h"
#include "gui/editor/TGleisanlage.h"
#include "gui/editor/TZeichenflaeche.h"

namespace {

class Navigation : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(trm::DatenordnerEinrichten(ordner.path().toStdString(), TRM_QUELLDATEN));
    w = std::make_unique<trm::gui::TGleisanlage>(ordner.path(), std::make_shared<trm::MersenneZufall>(2), &dialoge);
    w->resize(1000, 700);
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
