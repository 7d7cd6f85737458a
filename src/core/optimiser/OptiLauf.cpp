// The optimiser's driver: scattered simplex starts, then least-squares steps.
#include "core/optimiser/OptiLauf.h"

#include "core/model/Bogen.h"
#include "core/optimiser/Simplex.h"

namespace trm {

TOptiErgebnis OptiLauf(TOptiKette& kette, const TOptiZielwerte& ziel, std::mt19937_64& zufall,
                       const TOptiLaufOptionen& optionen) {
  TOptiErgebnis e;
  const std::size_t anzahl = kette.ParameterZaehlen();
  if (anzahl < 2) return e;
  const int n = static_cast<int>(anzahl);
  kette.Startvektor();
  const auto [a0, b0] = kette.KettenKennwerte();

  TSimplexlauf lauf;
  lauf.ziel = [&](const TVector& v) { return kette.Ziel(v, ziel); };
  lauf.abbrechen = optionen.abbrechen;

  TVector bester;
  double besterWert = 0;
  for (int versuch = 0; versuch < 5; ++versuch) {
    const TVector mitte = kette.Aktuell();
    TMatrix p(anzahl + 1, TVector(anzahl));
    for (auto& zeile : p)
      for (std::size_t j = 0; j < anzahl; ++j) {
        const double streuung = kette.IstLaenge(j) ? kette.BogenVon(j).SwAbst() : 0.001;
        std::normal_distribution<double> normal(mitte[j], streuung > 0 ? streuung : 1.0);
        zeile[j] = normal(zufall);
      }
    TVector y(anzahl + 1);
    for (std::size_t i = 0; i <= anzahl; ++i) y[i] = lauf.ziel(p[i]);
    const double v = Simplex(p, y, n, lauf);
    e.versuche = versuch + 1;
    if (lauf.abgebrochen) {
      e.abgebrochen = true;
      return e;
    }
    kette.Anwenden(p[0], false);
    if (bester.empty() || v < besterWert) {
      bester = p[0];
      besterWert = v;
    }
    const auto [a1, b1] = kette.KettenKennwerte();
    if (!(v > 1e-6 || (a1 < a0 && b1 > b0))) break;
  }
  // A later search may end worse than an earlier one: the best result is the one kept.
  kette.Anwenden(bester, false);
  e.wert = e.wertVorPolitur = besterWert;
  if (optionen.polieren) e.wert = Polieren(kette, ziel, bester);
  return e;
}

}  // namespace trm
