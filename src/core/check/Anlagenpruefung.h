// The layout check: every rule over every module, errors before hints. It keeps what it
// found of each module, so that after a command only the tracks that changed, and the tracks
// near them, are checked again.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "core/check/Befund.h"
#include "core/check/Pruefregeln.h"

namespace trm {

class Anlage;
struct TPruefstand;

class TAnlagenpruefung {
 public:
  TAnlagenpruefung();
  ~TAnlagenpruefung();
  TAnlagenpruefung(const TAnlagenpruefung&) = delete;
  TAnlagenpruefung& operator=(const TAnlagenpruefung&) = delete;

  /// The findings of every module (or only of module `nurModul`), ordered; valid until the
  /// next check. The modules must have been computed. Reads the layout and changes nothing.
  const std::vector<TBefund>& Pruefen(const Anlage& a, const TPruefregeln& r, int nurModul = -1);
  /// Forgets what it knew: the next check is a whole one.
  void Vergessen();
  /// Tracks checked again by the last check (all of a module at its first check).
  std::size_t ZuletztGeprueft() const { return zuletzt_; }
  /// Counts the checks whose findings differ from the check before.
  std::uint64_t Stand() const { return stand_; }

 private:
  std::vector<std::unique_ptr<TPruefstand>> module_;
  std::size_t zuletzt_ = 0;
  std::vector<TBefund> befunde_;
  int nurModul_ = -2;
  std::uint64_t stand_ = 0;
};

/// One check without memory.
std::vector<TBefund> AnlagePruefen(const Anlage& a, const TPruefregeln& r, int nurModul = -1);

}  // namespace trm
