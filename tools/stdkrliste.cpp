// Writes the shipped H0 (1:87) crossing, single-slip and double-slip lists. Every record goes
// through the element's TypSchreiben and is read back by the list's own reader, so the numbers
// are formatted exactly as the program writes them and every type places.
//
// Sectional crossings take the lengths of the sectional turnouts of the turnout list:
// L = 2·R·tan(alpha/2), so that a crossing fits between two turnouts of the same angle.
// The slim types are standard-gauge designs of inclination 1:9 scaled 1:87: the slips of slip
// radius 190 m (blades inside the crossing), 2 x 16,615 m long over all; the outer straights
// bring the base form of the slip radius to that length. The 15° slips are the short form,
// whose frogs lie at the tangent points of the largest slip radius that keeps the blades
// inside, and a long form of slip radius 907,97 mm with the blades outside.
#include <cmath>
#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>

#include "core/crossings/DKW.h"
#include "core/crossings/EKW.h"
#include "core/crossings/Kreuzung.h"
#include "core/crossings/Kreuzungslisten.h"
#include "core/model/Anlage.h"
#include "core/model/Geometrie.h"
#include "core/model/Textdatei.h"
#include "core/model/Zahlformat.h"

namespace {

using namespace trm;

constexpr double Massstab = 87;
constexpr double Grad = Pi / 180;
const double Neun = std::atan(1.0 / 9.0);
/// Half the overall length of the 1:9 slips: 16,615 m.
const double HalbeLaenge19 = 16'615 / Massstab;

/// The H0 track and sleeper values of every type; the sleepers of both sides touch at the
/// crossing centre.
void Grundwerte(TKreuzung& k) {
  k.KrSpur = 16.5;
  k.KrSpurAussen = 18.2;
  k.KrSwLen = 30;
  k.KrSwBrt = 3;
  k.KrSwAbst = 7.2;
  k.SwLenMax = 60;
  k.SwLenMaxLi = 60;
  k.MitSwPlan = true;
}

void Abstand(TKreuzung& k) { k.AbstKMP = k.KrSwBrt / (2 * std::cos(k.Winkel / 2)); }

/// Straight outer pairs that bring the element to `gesamt` over all.
void Aussen(TKreuzung& k, double gesamt) {
  const double bp = (gesamt - k.Laenge) / 2;
  k.BP1Laenge = k.StALaenge = k.KrALaenge = bp;
  k.BP2Laenge = k.StBLaenge = k.KrBLaenge = bp;
}

std::string Laengentext(double x) { return FestText(x, 2); }

/// The record as a placed element writes it: read into a layout of its own and written again,
/// so that what the list holds is what storing the placed type gives back (the informative
/// radii of the slips are computed from the segments). Throws when the type would not place.
template <class Art>
Zeilen Gelesen(const Zeilen& satz) {
  Anlage a(std::make_shared<MersenneZufall>(1));
  std::size_t i = 0;
  TElement* e = KrElementLesen(*a.ModulAnhaengen(), std::make_unique<Art>(), satz, i, 0);
  Zeilen zurueck;
  e->TypSchreiben(zurueck);
  return zurueck;
}

template <class Art>
void Schreiben(Zeilen& z, const Art& k, void (*lesen)(const Zeilen&, std::size_t&)) {
  Zeilen satz;
  k.TypSchreiben(satz);
  satz = Gelesen<Art>(satz);
  if (Gelesen<Art>(satz) != satz) throw std::runtime_error(k.Name + ": der Satz ändert sich beim Lesen");
  std::size_t i = 0;
  lesen(satz, i);
  z.insert(z.end(), satz.begin(), satz.end());
}

void Kreuzung(Zeilen& z, double alpha, double L, const std::string& winkel) {
  TKreuzung k;
  Grundwerte(k);
  k.Winkel = alpha;
  k.Laenge = L;
  Abstand(k);
  k.Name = "Kreuzung " + winkel + " / " + Laengentext(L);
  Schreiben(z, k, KreuzungstypLesen);
}

/// A slip of angle alpha and slip radius a; `gesamt` > 0 adds straight outer pairs. Blades
/// outside take the tangent length `tangente`.
template <class Art>
void Kreuzungsweiche(Zeilen& z, const char* kuerzel, double alpha, double a, double gesamt, double tangente,
                     const std::string& winkel, void (*lesen)(const Zeilen&, std::size_t&)) {
  Art e;
  Grundwerte(e);
  e.ZwAnschluss = 1;
  e.Grundform(alpha, a);
  if (!e.Innen() && !e.ZgTangenteSetzen(tangente).empty()) throw std::runtime_error("Zungentangente");
  Abstand(e);
  if (gesamt > 0) Aussen(e, gesamt);
  e.Name = std::string(kuerzel) + " " + winkel + " / " + Laengentext(e.Laenge + e.BP1Laenge + e.BP2Laenge) +
           (e.Innen() ? "" : " Zungen aussen");
  Schreiben(z, e, lesen);
}

/// The largest slip radius at angle alpha whose frogs lie at the tangent points.
double KurzerRadius(double alpha) { return std::floor(16.5 / (2 * std::tan(alpha / 2) * std::tan(alpha / 2))); }

void Liste(const char* pfad, Zeilen z, std::size_t satzlaenge) {
  z[1] = std::to_string((z.size() - 2) / satzlaenge);
  DateiSchreiben(pfad, z);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "Aufruf: stdkrliste ZIEL.k88 ZIEL.e88 ZIEL.d88\n");
    return 2;
  }
  try {
    Zeilen kr{"Trassomatic Kreuzungsliste H0 (1:87)", ""};
    Kreuzung(kr, 15 * Grad, 2 * 907.97 * std::tan(7.5 * Grad), "15°");
    Kreuzung(kr, 22.5 * Grad, 200, "22,5°");
    Kreuzung(kr, 30 * Grad, 2 * 437.5 * std::tan(15 * Grad), "30°");
    Kreuzung(kr, Neun, 2 * HalbeLaenge19, "1:9");
    Liste(argv[1], kr, ZeilenKreuzung);

    const double kurz = KurzerRadius(15 * Grad);
    Zeilen ekw{"Trassomatic EKW-Liste H0 (1:87)", ""};
    Kreuzungsweiche<TEKW>(ekw, "EKW", 15 * Grad, kurz, 0, 0, "15°", EKWtypLesen);
    Kreuzungsweiche<TEKW>(ekw, "EKW", 15 * Grad, 907.97, 0, 30, "15°", EKWtypLesen);
    Kreuzungsweiche<TEKW>(ekw, "EKW", Neun, 190'000 / Massstab, 2 * HalbeLaenge19, 0, "1:9", EKWtypLesen);
    Liste(argv[2], ekw, ZeilenEKW);

    Zeilen dkw{"Trassomatic DKW-Liste H0 (1:87)", ""};
    Kreuzungsweiche<TDKW>(dkw, "DKW", 15 * Grad, kurz, 0, 0, "15°", DKWtypLesen);
    Kreuzungsweiche<TDKW>(dkw, "DKW", 15 * Grad, 907.97, 0, 30, "15°", DKWtypLesen);
    Kreuzungsweiche<TDKW>(dkw, "DKW", Neun, 190'000 / Massstab, 2 * HalbeLaenge19, 0, "1:9", DKWtypLesen);
    Liste(argv[3], dkw, ZeilenDKW);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return 0;
}
