// What the layout check knows of one module between two runs: every track's chords and own
// findings in a slot, the grid over the chords, and the joints of the tracks' ends, which the
// rules of nearness leave out.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "core/check/Befund.h"
#include "core/check/Pruefregeln.h"
#include "core/check/Raster.h"

namespace trm {

class TElement;
class TGleis;
class TModul;

/// One track as the check last saw it.
struct TGleiseintrag {
  const TGleis* gleis = nullptr;  ///< none: the slot is free
  const TElement* element = nullptr;
  std::int32_t nummer = 0;
  std::uint64_t abdruck = 0;  ///< fingerprint of everything the rules read of the track
  std::vector<TSehne> sehnen;
  std::vector<TBefund> eigene;  ///< findings of the track alone
  double weite = 0;  ///< the largest limit of its chords (outer rail width, bed, spacing)
};

/// A place where ends of two tracks meet or are joined.
struct TStoss {
  double x = 0, y = 0;
};

/// A place where a track meets a track of an element, and the element's length.
struct TElementstoss {
  const TElement* element = nullptr;
  double x = 0, y = 0;
  double laenge = 0;
};

/// Key of an unordered pair of slots.
inline std::uint64_t PaarSchluessel(int a, int b) {
  if (a > b) std::swap(a, b);
  return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(a)) << 32) | static_cast<std::uint32_t>(b);
}

/// What the rules of the track ends found: findings, joints by pair of slots, joints with
/// elements by slot, and for every slot the slots it touches.
struct TEnden {
  std::vector<TBefund> befunde;
  std::unordered_map<std::uint64_t, std::vector<TStoss>> stoesse;
  std::vector<std::vector<TElementstoss>> elementstoesse;
  std::vector<std::vector<int>> nachbarn;
};

/// The module's state of the check.
struct TPruefstand {
  const TModul* modul = nullptr;
  int modulIndex = 0;
  TPruefregeln regeln;
  double durchfahrt = 0;  ///< vertical clearance at the layout's scale
  std::uint64_t modulAbdruck = 0;
  bool geaendert = false;  ///< the last check found changes
  std::vector<TGleiseintrag> slots;
  std::vector<int> frei;
  std::unordered_map<const TGleis*, int> slotVon;
  TRaster raster{100, 41};
  double reichweite = 0;  ///< the largest distance a rule of nearness looks at
  TEnden enden;
  /// Findings of the rules of nearness by pair of slots.
  std::unordered_map<std::uint64_t, std::vector<TBefund>> paare;
  /// For every slot the keys of `paare` that name it (some may be gone already).
  std::vector<std::vector<std::uint64_t>> paareVon;
};

/// The rules of the track ends over every track of the module: gap and open end.
TEnden EndenPruefen(const TPruefstand& st);
/// The rules of one track alone: radius, gradient, outside the board.
std::vector<TBefund> GleisregelnPruefen(const TPruefstand& st, const TGleis& g);
/// The rules of nearness (overlap, vertical clearance, track spacing) for every pair of tracks
/// that holds a slot of `schmutzig`; their findings go into st.paare.
void NaehePruefen(TPruefstand& st, const std::vector<int>& schmutzig);

}  // namespace trm
