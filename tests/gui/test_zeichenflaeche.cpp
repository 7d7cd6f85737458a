// The Qt canvas as pixels, the bitmap export, and the drawing area's zoom on the offscreen
// platform.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include "core/SkriptDialoge.h"
#include "core/editor/Zoom.h"
#include "core/model/Datenordner.h"
#include "gui/editor/TGleisanlage.h"
#include "gui/editor/TZeichenflaeche.h"
#include "gui/render/Bildexport.h"
#include "gui/render/QtCanvas.h"

namespace {

using trm::gui::QtCanvas;

TEST(QtCanvas, FarbenLinienPunkteUndFlaechen) {
  QImage bild(40, 30, QImage::Format_RGB32);
  QPainter p(&bild);
  QtCanvas c(p, 40, 30);
  c.Fuellen(0x00FFFFFF);
  c.SetStift({255, false});  // Windows red: 0x00BBGGRR
  c.Linie({0, 2}, {20, 2});
  c.Pixel({30, 5}, 0x00FF0000);  // blue
  c.SetStift({0, false});
  c.SetPinsel({0x0000FF00, false});  // green fill
  c.Polygon({{10, 10}, {20, 10}, {20, 20}, {10, 20}});
  c.SetPinsel({0, true});
  c.Polygon({{25, 10}, {35, 10}, {35, 20}, {25, 20}});  // hollow
  p.end();
  EXPECT_EQ(bild.pixelColor(10, 2), QColor(255, 0, 0));
  EXPECT_EQ(bild.pixelColor(10, 3), QColor(255, 255, 255));
  EXPECT_EQ(bild.pixelColor(30, 5), QColor(0, 0, 255));
  EXPECT_EQ(bild.pixelColor(15, 15), QColor(0, 255, 0));
  EXPECT_EQ(bild.pixelColor(10, 10), QColor(0, 0, 0));  // outline in the pen
  EXPECT_EQ(bild.pixelColor(30, 15), QColor(255, 255, 255));
  EXPECT_EQ(bild.pixelColor(25, 15), QColor(0, 0, 0));
}

class MitFenster : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(trm::DatenordnerEinrichten(ordner.path().toStdString(), TRM_QUELLDATEN));
    fenster = std::make_unique<trm::gui::TGleisanlage>(ordner.path(), std::make_shared<trm::MersenneZufall>(1),
                                                       &dialoge);
    fenster->resize(900, 600);
    fenster->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(fenster.get()));
  }
  trm::TModul& Modul() { return *fenster->dokument().anlage().AktuellesModul(); }

  QTemporaryDir ordner;
  trm::test::SkriptDialoge dialoge;
  std::unique_ptr<trm::gui::TGleisanlage> fenster;
};

TEST_F(MitFenster, BitmapDerVorlageInVollerGroesse) {
  const QString bmp = QDir(ordner.path()).filePath("bild");
  ASSERT_TRUE(fenster->BitmapSpeichern(bmp));
  QImage b(bmp + ".bmp", "BMP");
  ASSERT_FALSE(b.isNull());
  EXPECT_EQ(b.size(), QSize(750, 300));  // 1500 x 600 mm at 2 mm per pixel
  EXPECT_EQ(b.pixelColor(700, 20), QColor(255, 255, 255));
  // The track (y = 300 mm, from x = 100 mm) crosses pixel row 150 from column 50 on.
  EXPECT_NE(b.pixelColor(100, 150 - 4), QColor(255, 255, 255));
  const QString png = QDir(ordner.path()).filePath("bild.png");
  ASSERT_TRUE(fenster->BitmapSpeichern(png));
  QImage p(png, "PNG");
  EXPECT_EQ(p.size(), QSize(750, 300));
}

TEST_F(MitFenster, ZoomfeldUndFehlerBeiNull) {
  EXPECT_EQ(fenster->zoomfeld().value(), 20);
  ASSERT_TRUE(fenster->zeichenflaeche().Vergroessern());
  EXPECT_DOUBLE_EQ(Modul().MmProPixel, 1.9);
  EXPECT_EQ(fenster->zoomfeld().value(), 19);
  fenster->zeichenflaeche().Verkleinern();
  EXPECT_DOUBLE_EQ(Modul().MmProPixel, 2.0);
  EXPECT_FALSE(fenster->zeichenflaeche().ZoomSetzen(0));
  ASSERT_EQ(dialoge.fehler.size(), 1u);
  EXPECT_EQ(dialoge.fehler[0], "Maßstab nicht darstellbar");
  EXPECT_DOUBLE_EQ(Modul().MmProPixel, 2.0);
  EXPECT_EQ(fenster->zoomfeld().value(), 20);
  // Typing a value and leaving the field sets the scale.
  fenster->zoomfeld().setValue(5);
  EXPECT_DOUBLE_EQ(Modul().MmProPixel, 0.5);
}

TEST_F(MitFenster, LupeHaeltDenGeklicktenPunkt) {
  auto& f = fenster->zeichenflaeche();
  f.ZoomSetzen(5);  // 3000 x 1200 pixels: both scroll bars in use
  const QPoint klick(300, 200);
  const QPoint vorher = klick - f.Ursprung();
  const double alt = Modul().MmProPixel;
  const double weltX = vorher.x() * alt;
  fenster->MausmodusSetzen(trm::Mausmodus::Lupe);
  QTest::mouseClick(f.viewport(), Qt::LeftButton, {}, klick);
  const double neu = Modul().MmProPixel;
  EXPECT_DOUBLE_EQ(neu, alt * 0.9);
  const QPoint nachher = klick - f.Ursprung();
  EXPECT_NEAR(nachher.x() * neu, weltX, 2 * neu);
}

TEST_F(MitFenster, ZeichenflaecheZeigtDasModul) {
  auto& f = fenster->zeichenflaeche();
  const QImage bild = f.viewport()->grab().toImage();
  const QPoint o = f.Ursprung();
  const QSize v = f.viewport()->size();
  EXPECT_EQ(o, QPoint(static_cast<int>(trm::Platzierung(v.width(), 750, 0)),
                      static_cast<int>(trm::Platzierung(v.height(), 300, 0))));
  // Background of the module at the drawing's corner, a track pixel near (50, 146).
  EXPECT_EQ(bild.pixelColor(o + QPoint(700, 20)), QColor(255, 255, 255));
  EXPECT_NE(bild.pixelColor(o + QPoint(100, 146)), QColor(255, 255, 255));
}

}  // namespace
