// The 3-D view's camera: the fit on opening, the orbit about the centre of the tracks and the
// clipping planes, worked by hand on small scenes.
#include <gtest/gtest.h>

#include <cmath>

#include "core/output/Ansicht3D.h"

namespace trm {
namespace {

constexpr double kPi = 3.14159265358979323846;

/// A point through the camera as OpenGL takes it: eye coordinates after
/// T(Versch, Abstand) · Rx · Ry · Rz · T(−Mitte).
TPunkt3D Auge(const TAnsicht3D& a, TPunkt3D p) {
  p = {p.x - a.Mitte.x, p.y - a.Mitte.y, p.z - a.Mitte.z};
  auto drehen = [](double& u, double& v, double grad) {
    const double c = std::cos(grad * kPi / 180), s = std::sin(grad * kPi / 180);
    const double u2 = c * u - s * v;
    v = s * u + c * v;
    u = u2;
  };
  drehen(p.x, p.y, a.DrehZ);
  drehen(p.z, p.x, a.DrehY);
  drehen(p.y, p.z, a.DrehX);
  return {p.x + a.VerschX, p.y + a.VerschY, p.z + a.Abstand};
}

/// Normalised device x and y (−1..1 across the view) of a point seen with a 45° field.
std::pair<double, double> Bild(const TAnsicht3D& a, const TPunkt3D& p, double seite) {
  const TPunkt3D e = Auge(a, p);
  const double t = std::tan(22.5 * kPi / 180);
  return {e.x / (-e.z * t * seite), e.y / (-e.z * t)};
}

TSzene3D Szene(std::vector<std::vector<TPunkt3D>> linien, double breite, double hoehe) {
  TSzene3D s;
  s.umriss = {TPunkt3D{0, 0, 0}, TPunkt3D{breite, 0, 0}, TPunkt3D{breite, hoehe, 0}, TPunkt3D{0, hoehe, 0}};
  s.linien = std::move(linien);
  return s;
}

TEST(Ansicht3D, StartPasstDieGleiseEin) {
  // Tracks from x 100 to 500, y 200 to 350, z 0 to 30 in a 1500 × 600 module, seen in a
  // 4:3 view. Centre (300, 275, 15). The outer points (100, 200, 0) and (500, 200, 0) decide:
  // 200 mm aside at 90 % of the half width, tan 22,5° = √2 − 1, and 15 mm below the centre:
  // d = 200 / (0,9 · (√2 − 1) · 4/3) − 15 = 500 (√2 + 1) / 3 − 15 = 387,368927.
  const TSzene3D s = Szene({{{100, 200, 0}, {500, 200, 0}}, {{300, 350, 30}}}, 1500, 600);
  const TAnsicht3D a = TAnsicht3D::Start(s, 4.0 / 3);
  EXPECT_DOUBLE_EQ(a.Mitte.x, 300);
  EXPECT_DOUBLE_EQ(a.Mitte.y, 275);
  EXPECT_DOUBLE_EQ(a.Mitte.z, 15);
  EXPECT_NEAR(a.Abstand, -(500 * (std::sqrt(2.0) + 1) / 3 - 15), 1e-9);
  EXPECT_NEAR(a.Abstand, -387.368927, 1e-6);
  EXPECT_EQ(a.VerschX, 0);
  EXPECT_EQ(a.VerschY, 0);
  EXPECT_EQ(a.DrehX, 0);
  EXPECT_EQ(a.DrehZ, 0);
  // The left and right tracks end at ±0,9 of the width; the top point within the height.
  EXPECT_NEAR(Bild(a, {100, 200, 0}, 4.0 / 3).first, -0.9, 1e-12);
  EXPECT_NEAR(Bild(a, {500, 200, 0}, 4.0 / 3).first, 0.9, 1e-12);
  EXPECT_LT(std::abs(Bild(a, {300, 350, 30}, 4.0 / 3).second), 0.9);
  // The farthest drawn point is the outline's corner (1500, 600, 0):
  // √(1200² + 325² + 15²) = 1243,322; nearer than 0,9 · (387,4 − 1243,3) the near plane
  // cannot go, so it stands at its least, 1 mm; the far plane stays at 10000.
  EXPECT_NEAR(a.Radius, std::sqrt(1200.0 * 1200 + 325 * 325 + 15 * 15), 1e-9);
  EXPECT_EQ(a.Nah(), 1);
  EXPECT_EQ(a.Fern(), 10000);

  // A wide view: the height decides. 75 mm above and below at 90 % of tan 22,5°:
  // d = 75 / (0,9 (√2 − 1)) − 15 (the lowest point) or + 15 (the highest) = 216,185.
  const TAnsicht3D b = TAnsicht3D::Start(s, 10);
  EXPECT_NEAR(b.Abstand, -(75 / (0.9 * (std::sqrt(2.0) - 1)) + 15), 1e-9);
  EXPECT_NEAR(Bild(b, {300, 350, 30}, 10).second, 0.9, 1e-12);
}

TEST(Ansicht3D, OhneGleiseDerUmriss) {
  // A module of 1500 × 600 without tracks in a square view: the outline is fitted about its
  // centre, d = 750 / (0,9 (√2 − 1)) = 2011,845; the clipping planes keep 500 and 10000.
  const TAnsicht3D a = TAnsicht3D::Start(Szene({}, 1500, 600), 1);
  EXPECT_DOUBLE_EQ(a.Mitte.x, 750);
  EXPECT_DOUBLE_EQ(a.Mitte.y, 300);
  EXPECT_NEAR(a.Abstand, -750 / (0.9 * (std::sqrt(2.0) - 1)), 1e-9);
  EXPECT_EQ(a.Nah(), 500);
  EXPECT_EQ(a.Fern(), 10000);
  // A scene of one point (and an empty module) still gets a distance; a point that did not
  // compute is left out, a view without height counts as square.
  const TAnsicht3D p = TAnsicht3D::Start(Szene({{{5, 5, 0}, {NAN, 1, 0}}}, 0, 0), 0);
  EXPECT_EQ(p.Abstand, -100);
  EXPECT_EQ(p.Mitte.x, 5);
}

TEST(Ansicht3D, DrehtUmDieMitteDerGleiseOhneAbzuschneiden) {
  // A layout 9 m long: the far plane moves out so that it stays whole in every turn.
  const TSzene3D s = Szene({{{0, 0, 0}, {9000, 0, 0}, {9000, 3000, 200}}}, 9000, 3000);
  TAnsicht3D a = TAnsicht3D::Start(s, 1.5);
  EXPECT_GT(a.Fern(), 10000);
  for (int schritt = 0; schritt < 8; ++schritt) {
    a.Ziehen(37, -23);
    const TPunkt3D m = Auge(a, a.Mitte);
    EXPECT_NEAR(m.x, 0, 1e-9);  // the centre stays on the view's axis
    EXPECT_NEAR(m.y, 0, 1e-9);
    for (const TPunkt3D& p : s.umriss) {
      const double tiefe = -Auge(a, p).z;
      EXPECT_GT(tiefe, a.Nah());
      EXPECT_LT(tiefe, a.Fern());
    }
  }
  EXPECT_NEAR(a.DrehZ, std::remainder(8 * 37 * 0.5, 360.0), 1e-9);
  EXPECT_NEAR(a.DrehX, -92, 1e-9);
}

}  // namespace
}  // namespace trm
