// The 3-D view's state and scene: the camera values moved by the buttons, sliders, mouse and
// wheel, the module outline and the centre line of every segment at its height, and, as an
// option, each track as a band of its bed width shaded by height.
#pragma once

#include <array>
#include <vector>

namespace trm {

class TModul;

struct TPunkt3D {
  double x = 0, y = 0, z = 0;
};

/// A quad of a band with its shade (0 lowest .. 1 highest of the module).
struct TBandstueck {
  std::array<TPunkt3D, 4> ecken;
  double anteil = 0;
};

/// The scene of a module: outline corners, and the points of every segment's centre line.
struct TSzene3D {
  std::array<TPunkt3D, 4> umriss;
  std::vector<std::vector<TPunkt3D>> linien;  ///< one per segment, in track and segment order
  std::vector<TBandstueck> baender;           ///< with bands: one quad per step of every segment
  double zMin = 0, zMax = 0;
};

/// The scene of module m as last computed; with `baender` the bands too.
TSzene3D Szene3D(const TModul& m, bool baender);

/// The camera. The model-view transform is T(VerschX, VerschY, Abstand) · Rx(DrehX) ·
/// Ry(DrehY) · Rz(DrehZ) · T(−Mitte): the scene turns about `Mitte` and is then shifted;
/// lengths in mm, angles in degrees.
struct TAnsicht3D {
  static constexpr double Blickwinkel = 45;  ///< vertical field of view in degrees
  static constexpr double Fuellung = 0.9;    ///< share of the view's width or height a fit fills

  double Abstand = -1400;
  double VerschX = 0, VerschY = 0;
  double DrehX = 0, DrehY = 0, DrehZ = 0;
  double Schrittweite = 10;
  TPunkt3D Mitte;     ///< the centre of the tracks' bounding box, the point the scene turns about
  double Radius = 0;  ///< the farthest drawn point (tracks and outline) from `Mitte`

  /// The first view of scene s in a view of width/height `seitenverhaeltnis`: straight down
  /// on the centre of the tracks (of the outline when there are none), at the distance at
  /// which every track point and band corner lies within `Fuellung` of the view. Given the
  /// scene with its bands, the fit is the same with bands shown or not.
  static TAnsicht3D Start(const TSzene3D& s, double seitenverhaeltnis);

  /// The near and far clipping planes: 500 and 10000 mm, widened so that the scene turned
  /// any way about `Mitte` is never cut.
  double Nah() const;
  double Fern() const;

  /// Buttons 1 to 6: nearer, farther, left, right, up, down.
  void Knopf(int nummer);
  /// Slider 1 to 3 (−180..180): the rotation about x, y or z.
  void Regler(int nummer, int position);
  /// A mouse drag of dx, dy pixels turns the scene (about z and x, 0.5° per pixel).
  void Ziehen(int dx, int dy);
  /// The wheel: eighths of a degree as Qt counts them; one notch is ten steps.
  void Rad(int grad8);
};

}  // namespace trm
