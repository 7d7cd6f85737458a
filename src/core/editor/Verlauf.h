// The undo history: a copy of the layout before every step, undo and redo by exchanging the
// layout with a stored copy, and whether the layout counts as changed since it was saved.
// `Editor::Ausfuehren` and the mouse machine are its only users; whether the layout counts as
// changed is a question to it (`Geaendert`), not a flag anyone sets.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>

#include "core/model/Anlagestand.h"

namespace trm {

class Verlauf {
 public:
  /// At most `schritte` undo steps and about `bytes` of stored layouts; the oldest go first.
  explicit Verlauf(std::size_t schritte = 100, std::size_t bytes = std::size_t{1} << 30)
      : maxSchritte_(schritte), maxBytes_(bytes) {}

  /// Before the first change of a step: copies the layout unless a copy is taken already.
  void Vormerken(const Anlage& a);
  /// A step is open (a copy is taken and not yet recorded).
  bool Offen() const { return offen_.has_value(); }
  /// Ends the open step as an undo step named `name`: the redo steps go and the layout counts
  /// as changed. Without an open step nothing happens.
  void Abschliessen(const std::string& name);
  /// Ends the open step without recording it (nothing was changed).
  void Verwerfen() { offen_.reset(); }
  /// Puts the layout back to the copy of the open step (a command failed half-way).
  void Zuruecknehmen(Anlage& a);

  /// Undoes the last step; false when there is none.
  bool Rueckgaengig(Anlage& a);
  /// Redoes the last undone step; false when there is none.
  bool Wiederherstellen(Anlage& a);
  /// Names of the step undo and redo would take back, or none.
  std::optional<std::string> RueckgaengigName() const;
  std::optional<std::string> WiederherstellenName() const;
  std::size_t AnzahlRueckgaengig() const { return rueck_.size(); }
  std::uint64_t Stand() const { return stand_; }  ///< number of the present state, new with every step

  /// A new, opened or imported layout: no steps; it counts as unchanged, or as not saved yet
  /// (an import).
  void Leeren(bool ungespeichert = false);
  /// The layout was saved: its present state counts as unchanged.
  void Gespeichert();
  /// The layout differs from the state last saved or opened.
  bool Geaendert() const { return stand_ != gespeichert_; }

 private:
  struct Schritt {
    std::string name;
    TAnlagestand stand;
    std::uint64_t nummer;  ///< the state's number
    std::size_t groesse;
  };
  void Begrenzen();
  /// Undo (from the undo steps to the redo steps) or redo (the other way).
  bool Tauschen(Anlage& a, std::deque<Schritt>& von, std::deque<Schritt>& nach);

  std::deque<Schritt> rueck_, vor_;
  std::optional<TAnlagestand> offen_;
  std::uint64_t stand_ = 0;        ///< number of the present state
  std::uint64_t gespeichert_ = 0;  ///< number of the state last saved or opened
  std::uint64_t zaehler_ = 0;      ///< last number handed out
  std::size_t bytes_ = 0;
  std::size_t maxSchritte_, maxBytes_;
};

}  // namespace trm
