// The 3-D view's window translates events: the sliders follow a mouse drag, and "Ansicht
// zurücksetzen" brings back the first, fitted view.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QSlider>
#include <QToolButton>

#include "core/Testplan.h"
#include "gui/output/TDDD.h"

namespace {

void Maus(QWidget* w, QEvent::Type art, QPoint p, Qt::MouseButtons tasten) {
  QMouseEvent e(art, QPointF(p), QPointF(w->mapToGlobal(p)), art == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                tasten, Qt::NoModifier);
  QApplication::sendEvent(w, &e);
}

TEST(DreiDAnsicht, ReglerFolgenDerMausZuruecksetzenBringtDasErsteBild) {
  trm::test::Testplan p;
  p.Gleis(1, {400}, 100, 200);
  trm::gui::TDDD fenster(*p.m, nullptr);
  auto* flaeche = fenster.findChild<trm::gui::Ansicht3DFlaeche*>();
  ASSERT_NE(flaeche, nullptr);
  QSlider* um[3];
  for (int i = 0; i < 3; ++i) {
    um[i] = fenster.findChild<QSlider*>(QStringLiteral("TrackBar%1").arg(i + 1));
    ASSERT_NE(um[i], nullptr);
    EXPECT_EQ(um[i]->value(), 0);
  }
  const trm::TAnsicht3D erst = fenster.ansicht();
  EXPECT_DOUBLE_EQ(erst.Mitte.x, 300);  // the middle of the track, not the module's corner
  EXPECT_DOUBLE_EQ(erst.Mitte.y, 200);

  // 40 px right and 20 px up: 20° about z, −10° about x, and the sliders show it.
  Maus(flaeche, QEvent::MouseButtonPress, {100, 100}, Qt::LeftButton);
  Maus(flaeche, QEvent::MouseMove, {140, 80}, Qt::LeftButton);
  EXPECT_DOUBLE_EQ(fenster.ansicht().DrehZ, 20);
  EXPECT_DOUBLE_EQ(fenster.ansicht().DrehX, -10);
  EXPECT_EQ(um[2]->value(), 20);
  EXPECT_EQ(um[0]->value(), -10);
  um[1]->setValue(30);
  EXPECT_DOUBLE_EQ(fenster.ansicht().DrehY, 30);
  fenster.findChild<QToolButton*>(QStringLiteral("TB_3D1"))->click();
  EXPECT_DOUBLE_EQ(fenster.ansicht().Abstand, erst.Abstand + 10);
  fenster.findChild<QToolButton*>(QStringLiteral("TB_3D3"))->click();
  EXPECT_DOUBLE_EQ(fenster.ansicht().VerschX, -10);

  auto* zurueck = fenster.findChild<QToolButton*>(QStringLiteral("TB_3DZurueck"));
  ASSERT_NE(zurueck, nullptr);
  EXPECT_EQ(zurueck->text(), QStringLiteral("Ansicht zurücksetzen"));
  zurueck->click();
  // The first view for the area's size as it is now.
  const trm::TAnsicht3D start =
      trm::TAnsicht3D::Start(trm::Szene3D(*p.m, true), static_cast<double>(flaeche->width()) / flaeche->height());
  const trm::TAnsicht3D& a = fenster.ansicht();
  EXPECT_EQ(a.Abstand, start.Abstand);
  EXPECT_EQ(a.VerschX, 0);
  EXPECT_EQ(a.DrehX, 0);
  EXPECT_EQ(a.DrehY, 0);
  EXPECT_EQ(a.DrehZ, 0);
  for (QSlider* r : um) EXPECT_EQ(r->value(), 0);
}

}  // namespace
