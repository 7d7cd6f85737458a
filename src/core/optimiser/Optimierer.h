// The optimiser's commands: marking the chain, the run with its messages, "Optimierung
// rückgängig", and closing a gap between a track's end and another track's start. Each change
// goes through the editor's command layer as one undo step.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <vector>

#include "core/optimiser/OptiLauf.h"

namespace trm {

class Editor;
class Dialoge;
class TBogen;
class TGleis;
struct TOptiEP;

/// How a run ended, for the windows.
enum class OptiAusgang {
  Nichts,            ///< no run (turnout track, no target, no segments)
  ZuWenigParameter,  ///< fewer than two free parameters: the optimiser window closes
  Abgebrochen,       ///< Esc: old values back, the window stays
  Erfolg,            ///< objective ≤ 1e-4
  Behalten,          ///< missed, kept on "Ja"
  Verworfen,         ///< missed, old values back on "Nein"
};

/// The status window as the run sees it.
struct TOptiStatus {
  std::function<void()> zeigen, schliessen;
  /// Asked once per search iteration (the window processes its messages there); true: cancel.
  std::function<bool()> abbrechen;
};

/// A track's end near another track's start.
struct TLuecke {
  TGleis* nach = nullptr;  ///< the track whose start is near
  double abstand = 0;      ///< mm
  double winkelGrad = 0;   ///< direction difference in degrees, [-180, 180)
};

class Optimierer {
 public:
  Optimierer(Editor& editor, Dialoge& dialoge);

  /// The target the window shows and a run aims at; none until an end mark or a press on a
  /// target sets it.
  std::shared_ptr<TOptiEP> OptiEP;
  /// The random source of the scattered starts (seeded from the clock by the program, fixed
  /// in tests).
  std::mt19937_64 Zufall;
  /// Least-squares steps after the search.
  bool Polieren = true;

  /// "Optimierungsanfangspunkt setzen" on the current segment.
  bool AnfangMarkieren();
  /// "Optimierungsendpunkt setzen" on the current segment. Returns whether the optimiser
  /// window is to be shown (an end mark set) or hidden (removed), none when nothing changed.
  std::optional<bool> EndeMarkieren();

  /// "Optimieren" on the current track.
  OptiAusgang Optimieren(const TOptiStatus& status);
  /// The result of the last run (after Optimieren).
  const TOptiErgebnis& Ergebnis() const { return ergebnis_; }

  /// "Optimierung rückgängig": enabled while the current module is the last run's and holds
  /// its track (by number) with as many segments as at the run.
  bool RueckgaengigMoeglich() const;
  bool Rueckgaengig();

  /// The start of another track of the current module nearest to the current track's end,
  /// above 0.0001 and below `abstand` mm away; none without one.
  std::optional<TLuecke> Luecke(double abstand) const;
  /// "Lücke schließen": the target on that start and direction, the chain the marked one or
  /// the last three segments of the track, then the run.
  OptiAusgang LueckeSchliessen(double abstand, const TOptiStatus& status);

 private:
  /// The chain of the current track from its marks: first and last index.
  std::optional<std::pair<std::size_t, std::size_t>> Kette(const TGleis& g) const;
  OptiAusgang Lauf(TGleis& g, std::size_t erster, std::size_t letzter, const TOptiStatus& status);
  /// Asks about marks in the wrong order; swaps or clears them.
  void ReihenfolgePruefen(TGleis& g);

  Editor& ed_;
  Dialoge& dialoge_;
  TOptiErgebnis ergebnis_;
  /// The last run by place, not by pointer (the layout's objects are exchanged by undo): its
  /// module, track number, first segment and the track's number of segments, and the chain's
  /// values before it.
  struct Laufstand {
    int modul = -1;
    std::int32_t gleis = 0;
    std::size_t erster = 0, boegen = 0;
    std::vector<double> laengen, anfRadien, endRadien;
  };
  std::optional<Laufstand> lauf_;
  /// The last run's track in the current module, if it is there and still holds the chain.
  TGleis* LaufGleis() const;
};

/// A new target from the end of the segment.
std::shared_ptr<TOptiEP> ZielAusBogen(const TBogen& b);

}  // namespace trm
