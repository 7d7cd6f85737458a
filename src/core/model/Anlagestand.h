// A copy of everything a layout file holds and of the current module, track and segment:
// what the undo history keeps of each step.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "core/model/Anlage.h"

namespace trm {

/// One state of a layout.
struct TAnlagestand {
  AnlageKopf kopf;
  std::vector<std::unique_ptr<TModul>> module;
  int aktModul = 0;
  /// Rough size in bytes, for bounding the history.
  std::size_t Groesse() const;
};

/// Copies the state of layout a: modules, tracks, segments and elements with every value
/// (computed points included), their links pointing into the copy.
TAnlagestand StandAufnehmen(const Anlage& a);
/// Makes state s the state of layout a and returns the state a had (its modules are moved,
/// not copied). View settings, file path and the numbers handed out stay as they are.
TAnlagestand StandTauschen(Anlage& a, TAnlagestand&& s);

}  // namespace trm
