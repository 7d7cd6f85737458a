// Writes the shipped H0 (1:87) turnout list. Every record goes through TEWeiche::TypSchreiben,
// so the numbers are formatted exactly as the program writes them.
//
// Simple turnouts are the basic form: main straight of length 2·T, branch an arc of radius R
// through the angle alpha, T = R·tan(alpha/2). Both ends lie T beyond the tangent intersection
// point; straights of the third pair carry both ends further, to the distance b.
//
// The slim turnouts are standard-gauge designs scaled 1:87 (lengths in metres there):
//   300-1:9  and 500-1:12: the curve runs through the frog to the end, b = T;
//   190-1:9: the curve ends before the frog, the end side is that of the 300-1:9 design,
//            b = 16,615 m (published), a = T = 10,523 m.
#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <string>

#include "core/model/Geometrie.h"
#include "core/model/Textdatei.h"
#include "core/turnouts/Weiche.h"
#include "core/turnouts/WeichenRadien.h"

namespace {

using namespace trm;

constexpr double Massstab = 87;
constexpr double Grad = Pi / 180;

/// A turnout of the list with the H0 track and sleeper settings, left-hand.
TEWeiche Grundtyp() {
  TEWeiche w;
  w.WOptionen = "00000";
  w.SetSwAbst(7.2);
  w.SetSwBrt(3);
  w.SetSwLen(30);
  w.MaxSwLaenge = 60;
  w.Korrekturfaktor = 1;
  w.SetSpur(16.5);
  w.SetSpurAussen(18.2);
  return w;
}

/// The basic form R, alpha; the third-pair straights bring both ends to b beyond the tangent
/// intersection point (b = 0: the ends of the basic form).
TEWeiche Einfach(double R, double alpha, double b = 0) {
  TEWeiche w = Grundtyp();
  w.Winkel = alpha;
  if (!w.GrundradiusAendern(R)) throw std::runtime_error("Radius");
  const double gerade = b > 0 ? b - w.TangLaenge : 0;
  w.SetStammLaenge3(gerade);
  w.SetZweigLaenge3(gerade);
  return w;
}

/// Two first-pair arcs with tangent length T: main radius stamm (negative: curving the other
/// way, an outer-curve turnout), the branch radius following from the angle alpha.
TEWeiche Bogenweiche(double stamm, double alpha, double T) {
  TEWeiche w = Grundtyp();
  w.Winkel = alpha;
  if (!w.GrundradiusAendern(T / std::tan(alpha / 2)) || !w.StammRadius1Aendern(stamm))
    throw std::runtime_error("Bogenweiche");
  return w;
}

/// Tangent length of an inner-curve turnout whose arcs of radius aussen > innen part by alpha:
/// atan(T/innen) - atan(T/aussen) = alpha/2, the smaller root.
double InnenbogenTangente(double aussen, double innen, double alpha) {
  const double t = std::tan(alpha / 2), d = aussen - innen;
  return (d - std::sqrt(d * d - 4 * t * t * aussen * innen)) / (2 * t);
}

void Paar(Zeilen& z, TEWeiche w, const std::string& name) {
  w.Name = name + " links";
  w.SetLinks();
  w.TypSchreiben(z);
  w.Name = name + " rechts";
  w.SetRechts();
  w.TypSchreiben(z);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "Aufruf: stdwliste ZIELDATEI.w88\n");
    return 2;
  }
  Zeilen z{"Trassomatic Weichenliste H0 (1:87)", ""};
  // Sectional geometries.
  Paar(z, Einfach(907.97, 15 * Grad), "Weiche R 907,97 / 15°");
  Paar(z, Einfach(502.7, 22.5 * Grad), "Weiche R 502,7 / 22,5°");
  Paar(z, Einfach(437.5, 30 * Grad), "Weiche R 437,5 / 30°");
  // Standard-gauge designs at 1:87.
  const double neun = WinkelAusNeigung(9), zwoelf = WinkelAusNeigung(12);
  Paar(z, Einfach(190'000 / Massstab, neun, 16'615 / Massstab), "Weiche R 2183,908 / 1:9");
  Paar(z, Einfach(300'000 / Massstab, neun), "Weiche R 3448,276 / 1:9");
  Paar(z, Einfach(500'000 / Massstab, zwoelf), "Weiche R 5747,126 / 1:12");
  // Curved turnouts: main R 1200 and branch R 600 curving the same way; a symmetric "Y" of
  // two R 1200 arcs of 7,5° each.
  Paar(z, Bogenweiche(1200, 10 * Grad, InnenbogenTangente(1200, 600, 10 * Grad)),
       "Innenbogenweiche R 1200 / R 600 / 10°");
  Paar(z, Bogenweiche(-1200, 15 * Grad, Tangente(1200, 7.5 * Grad)),
       "Aussenbogenweiche R 1200 / R 1200 / 15°");
  z[1] = std::to_string((z.size() - 2) / ZeilenWeiche);
  try {
    DateiSchreiben(argv[1], z);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return 0;
}
