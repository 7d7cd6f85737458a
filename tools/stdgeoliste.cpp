// Writes the shipped H0 (1:87) library of background components through the core's record
// writer. Sizes are prototype dimensions in metres divided by the scale; each component's
// reference point is its lower left corner (the tree: its centre), and the points are stored
// relative to it, as the geometry editor stores them.
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/geometry/GeoListe.h"
#include "core/model/Textdatei.h"

namespace {

using namespace trm;

constexpr double M = 1000.0 / 87;  // one prototype metre in mm

TGeoElement Element(int art, std::int32_t stift, std::int32_t fuellung, std::vector<std::pair<double, double>> punkte,
                    double breite = 0) {
  TGeoElement e;
  e.Art = art;
  e.Stiftfarbe = stift;
  e.Fuellfarbe = fuellung;
  e.Stiftbreite = breite;
  for (auto [x, y] : punkte) e.PunktHinzu(x * M, y * M);
  e.Fertig = true;
  return e;
}

TGeoElement Rechteck(double b, double h, std::int32_t fuellung, double x = 0, double y = 0) {
  return Element(GeoPolygon, 0x000000, fuellung, {{x, y}, {x + b, y}, {x + b, y + h}, {x, y + h}});
}

TGeo Bauteil(const std::string& name, std::vector<TGeoElement> elemente) {
  TGeo g;
  g.Name = name;
  g.Bezugspunkt = {200, 200, 0, 0};
  g.Elemente = std::move(elemente);
  return g;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "Aufruf: stdgeoliste ZIEL.g88\n");
    return 2;
  }
  const std::int32_t putz = 0xC8DCE6, dach = 0x3C3CA0, grau = 0xA0A0A0, holz = 0x4682B4, gruen = 0x228B22;
  std::vector<TGeo> liste;
  // Station building: 24 m x 12 m with a ridge line and a side wing.
  liste.push_back(Bauteil("Empfangsgebäude 24 x 12 m",
                          {Rechteck(24, 12, putz), Element(GeoPolylinie, dach, 0xFFFFFF, {{0, 6}, {24, 6}}),
                           Rechteck(8, 6, putz, 24, 3)}));
  // Island platform: 120 m x 6 m.
  liste.push_back(Bauteil("Bahnsteig 120 x 6 m", {Rechteck(120, 6, grau)}));
  // Two-track engine shed: 40 m x 13 m with its two gates.
  liste.push_back(Bauteil("Lokschuppen 2-ständig 40 x 13 m",
                          {Rechteck(40, 13, 0x7080A0), Element(GeoPolylinie, 0xFFFFFF, 0xFFFFFF, {{0, 3}, {0, 6}}, 0.5 * M),
                           Element(GeoPolylinie, 0xFFFFFF, 0xFFFFFF, {{0, 8}, {0, 11}}, 0.5 * M)}));
  // Goods shed with its loading ramp: 30 m x 10 m, ramp 30 m x 3 m.
  liste.push_back(Bauteil("Güterschuppen 30 x 10 m", {Rechteck(30, 10, holz), Rechteck(30, 3, grau, 0, -3)}));
  // Signal box: 8 m x 5 m.
  liste.push_back(Bauteil("Stellwerk 8 x 5 m", {Rechteck(8, 5, 0x6A8CB4), Element(GeoPolylinie, dach, 0xFFFFFF, {{0, 2.5}, {8, 2.5}})}));
  // Road crossing: a 6 m road, 30 m long, with its two edges and the barrier posts as circles.
  liste.push_back(Bauteil("Bahnübergang Straße 6 m",
                          {Rechteck(6, 30, 0x505050), Element(GeoKreis, 0x0000FF, 0xFFFFFF, {{-1, 6}, {-0.6, 6}}),
                           Element(GeoKreis, 0x0000FF, 0xFFFFFF, {{7, 24}, {7.4, 24}})}));
  // Tree: crown of 8 m across.
  TGeo baum = Bauteil("Baum 8 m", {Element(GeoKreis, 0x006400, gruen, {{0, 0}, {4, 0}})});
  liste.push_back(baum);
  try {
    DateiSchreiben(argv[1], GeoListeZeilen(liste));
  } catch (const std::runtime_error& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return 0;
}
