// TConverter: the import of a plan of the program's first version (".trm") with its turnout
// file (".WLi"): layout settings, modules, ordinary tracks with their segments, and simple
// turnouts rebuilt from the turnout file at the tracks that referred to them. Links between
// tracks, heights and other element kinds of the old plan are not carried over.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/base/Dialoge.h"
#include "core/editor/Dokument.h"
#include "core/model/Anlage.h"
#include "core/model/Zeilen.h"

namespace trm {

inline constexpr const char* FilterTrmImport = "Trassomatic 1 Plandatei (*.trm)|*.trm";

class TConverter {
 public:
  /// Imports into layout a (a fresh one); dialoge answers the scale question of a plan
  /// without scale (none: the proposed 87).
  explicit TConverter(Anlage& a, Dialoge* dialoge = nullptr) : a_(a), dialoge_(dialoge) {}

  /// Reads the plan file's lines into the layout. Throws LeseFehler naming the line.
  void PlanLesen(const Zeilen& z);
  /// Reads the turnout file's lines and places the turnouts the plan refers to. Throws
  /// LeseFehler naming the line.
  void WeichenLesen(const Zeilen& z);
  /// Module 1 current with its first track and segment; refuses a plan without modules or
  /// whose first module has no track.
  void Abschliessen();

 private:
  void ModulLesen(const Zeilen& z, std::size_t& i);
  void GleisLesen(TModul& m, int modulIndex, const Zeilen& z, std::size_t& i);
  Anlage& a_;
  Dialoge* dialoge_;
  std::vector<std::unique_ptr<TGleis>> elementGleise_;  ///< element tracks: read, never placed
  std::vector<std::pair<std::int32_t, int>> weichenOrte_;  ///< (turnout number, module index)
};

/// The turnout file beside a plan: same path, extension ".WLi" (letter case ignored when the
/// folder holds it under another case).
std::string WeichendateiZu(const std::string& trmPfad);

/// Reads a plan and its turnout file into a new layout. Throws DateiFehler or LeseFehler with
/// a German message naming the file (and the line).
std::unique_ptr<Anlage> PlanImportieren(const std::string& trmPfad, const std::string& datenPfad,
                                        std::shared_ptr<Zufall> zufall, Dialoge* dialoge);

/// "Plan aus .trm-Datei importieren" for `Dokument::Importieren`.
const Importart& TrmImport();

}  // namespace trm
