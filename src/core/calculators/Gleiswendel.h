// The helix calculator: from a sufficient subset of radius, gradient, angle, turns, height,
// height per turn and length it computes the others, and the length compensation.
#pragma once

#include <array>
#include <optional>
#include <string>

namespace trm {

class TBogen;

/// The rows of the value list, 0-based: R, s, W, n, h, h360, L, ΔL.
enum Wendelwert { WR = 0, WS, WW, WN, WH, WH360, WL, WDL };

struct TGleiswendel {
  std::array<double, 8> w{};  ///< the eight values
  int maske = 0;              ///< bit k set when row k (0..6) holds a number other than 0
  bool berechnet = false;

  /// The mask rebuilt from the values of rows 1 to 7.
  void MaskeNeu();
  /// Whether "berechnen" may run: the mask is one of the sufficient subsets.
  bool Berechenbar() const;
  /// "berechnen": the missing values by the mask, then ΔL; false when the mask does not allow it.
  bool Berechnen();
  /// After row `zeile` (0..6) was edited to `wert`: the mask is rebuilt and, with a full mask,
  /// the values that depend on the row are recomputed.
  void Bearbeitet(int zeile, double wert);
  /// "Daten holen": the values of a segment (its heights as last computed). Text of row 1 is
  /// "Übergangsbogen" for a transition curve.
  void AusBogen(const TBogen& b);
  /// The values as the list shows them (3 decimals).
  std::string Text(int zeile) const;
};

class Editor;
/// "übertragen": the current segment takes length L, both radii R and gradient s (so its end
/// rises by h); the tracks behind follow. Only after "berechnen" and on an ordinary track.
bool WendelUebertragen(Editor& ed, const TGleiswendel& w);

/// Whether "Daten holen" may take the segment: an ordinary track, no transition, a finite and
/// non-zero start radius.
bool WendelQuelleGeeignet(const TBogen& b);

}  // namespace trm
