// Writes the shipped H0 (1:87) turntable list. Every record goes through
// TDrehscheibe::TypSchreiben, so the numbers are formatted exactly as the program writes them.
//
// A turntable's pit is as wide as its bridge is long; the outer circle, where the tracks end,
// lies 1 m further out on every side (prototype size), as the data window's prototype
// diameter assumes. Sizes:
//   12 m: the small turntable inside an engine shed, 12 tracks at 30°;
//   16 m: the class of the older branch-line depots, 24 tracks at 15°;
//   23 m: the standard turntable of main-line depots, with 24 or 48 tracks.
#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <string>

#include "core/model/Geometrie.h"
#include "core/model/Textdatei.h"
#include "core/turnouts/Drehscheibe.h"

namespace {

using namespace trm;

constexpr double Massstab = 87;

/// A turntable of bridge length `bruecke` (prototype metres) with `abgaenge` connections.
void Drehscheibe(Zeilen& z, int bruecke, int abgaenge) {
  TDrehscheibe d;
  d.Name = "Drehscheibe " + std::to_string(bruecke) + " m, " + std::to_string(abgaenge) + " Abgänge";
  d.Innendurchmesser = bruecke * 1000.0 / Massstab;
  d.Aussendurchmesser = (bruecke + 2) * 1000.0 / Massstab;
  d.Teilung = 2 * Pi / abgaenge;
  d.TypSchreiben(z);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "Aufruf: stddsliste ZIELDATEI.ds\n");
    return 2;
  }
  Zeilen z{""};
  Drehscheibe(z, 12, 12);
  Drehscheibe(z, 16, 24);
  Drehscheibe(z, 23, 24);
  Drehscheibe(z, 23, 48);
  z[0] = std::to_string((z.size() - 1) / ZeilenDrehscheibe);
  try {
    DateiSchreiben(argv[1], z);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return 0;
}
