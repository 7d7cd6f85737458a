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

/// The camera: translation (mm) and rotation (degrees) of the scene.
struct TAnsicht3D {
  double Abstand = -1400;
  double VerschX = 0, VerschY = 0;
  double DrehX = 0, DrehY = 0, DrehZ = 0;
  double Schrittweite = 10;

  /// The start values for a module of the given size (mm).
  static TAnsicht3D Start(int breite, int hoehe);
  /// Buttons 1 to 6: nearer, farther, left, right, up, down.
  void Knopf(int nummer);
  /// Slider 1 to 3 (−180..180): the rotation about x, y or z.
  void Regler(int nummer, int position);
  /// A mouse drag of dx, dy pixels turns the scene (about z and x, 0.5° per pixel).
  void Ziehen(int dx, int dy);
  /// The wheel: eighths of a degree as Qt counts them; one notch is ten steps.
  void Rad(int grad8);
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

}  // namespace trm
