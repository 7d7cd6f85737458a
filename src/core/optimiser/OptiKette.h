// The chain the optimiser bends: consecutive segments of one track, their free parameters
// (lengths and curvatures that no flag fixes), applying a parameter vector, and the miss of
// the chain's end against a target.
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

namespace trm {

class TBogen;
class TGleis;

using TVector = std::vector<double>;
using TMatrix = std::vector<TVector>;

/// The target as (x mm, y mm, direction in degrees).
struct TOptiZielwerte {
  double x = 0, y = 0, wGrad = 0;
};

/// The deviations of the chain's end from the target: x and y in mm, the direction in degrees
/// reduced to [-180, 180).
struct TAbweichung {
  double dx = 0, dy = 0, dw = 0;
};

/// Penalty value of a parameter vector outside the allowed lengths and curvatures.
inline constexpr double kStrafe = 1e12;

/// Direction difference a - b in degrees reduced to [-180, 180): 350° and -10° are the same way.
double WinkelDifferenzGrad(double aGrad, double bGrad);

class TOptiKette {
 public:
  /// Segments erster..letzter (indices, both included) of the track.
  TOptiKette(TGleis& gleis, std::size_t erster, std::size_t letzter);

  const std::vector<TBogen*>& Boegen() const { return boegen_; }
  TGleis& Gleis() const { return gleis_; }
  /// The largest curvature of the track (1 / minimum radius).
  double KappaMax() const;

  /// Finds the free parameters in chain order; every tangent-fixed segment stores its tangent
  /// length now. Returns their number.
  std::size_t ParameterZaehlen();
  std::size_t Anzahl() const { return parameter_.size(); }
  /// Whether parameter i is a length (else a curvature).
  bool IstLaenge(std::size_t i) const { return parameter_[i].laenge; }
  /// The segment of parameter i.
  TBogen& BogenVon(std::size_t i) const { return *boegen_[parameter_[i].bogen]; }

  /// The start vector: curvatures beyond κmax clamped on the segments first.
  TVector Startvektor();
  /// The current values of the free parameters (lengths, mean curvatures).
  TVector Aktuell() const;

  /// Applies v; with `pruefen` a length below 1 or a curvature beyond κmax stops at once and
  /// returns false (the segments already set keep their values). Then the flexible segments
  /// take their neighbours' radii and the chain's end is computed.
  bool Anwenden(const TVector& v, bool pruefen);
  /// Every flexible chain segment takes its radii from its neighbours in the track.
  void FlexRadienAnpassen();
  /// Computes the chain's segments in order, end values only: the start of the chain and
  /// everything before it are as last computed.
  void EndeBerechnen();

  /// The objective: the squared miss of the chain's end after applying v, or kStrafe.
  double Ziel(const TVector& v, const TOptiZielwerte& z);
  /// The deviations of the chain's end as last computed.
  TAbweichung Abweichung(const TOptiZielwerte& z) const;
  /// The characteristic values (A, B) of the restart test.
  std::pair<double, double> KettenKennwerte() const;

  /// Length, start radius and end radius of every chain segment (for putting them back).
  struct Werte {
    double laenge, anf, ende;
  };
  std::vector<Werte> Sichern() const;
  void Zuruecksetzen(const std::vector<Werte>& w);

 private:
  struct Parameter {
    std::size_t bogen;
    bool laenge;
  };
  void Setzen(std::size_t bogen, bool laenge, double wert);

  TGleis& gleis_;
  std::vector<TBogen*> boegen_;
  std::vector<Parameter> parameter_;
  std::vector<double> tangente_;  ///< stored tangent length per chain segment (TFix)
};

}  // namespace trm
