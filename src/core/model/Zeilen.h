// Reading records line by line: every value is identified by its position, and every read
// checks that the line exists and converts, naming the line in the German error.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/Fehler.h"

namespace trm {

using Zeilen = std::vector<std::string>;

/// The lines a reader goes through: a list of strings, or the lines of one text buffer (a
/// large file is read so, as one block and the positions of its lines). Cheap to copy; it
/// refers to the lines, which must outlive it.
class Zeilenquelle {
 public:
  /// A view of a list of lines (implicit: readers take either).
  Zeilenquelle(const Zeilen& zeilen) : liste_(&zeilen) {}  // NOLINT
  /// A view of a buffer whose line k runs from anfaenge[k] to anfaenge[k + 1] (exclusive of
  /// the line break, which the caller removed).
  Zeilenquelle(const std::string& puffer, const std::vector<std::uint32_t>& anfaenge)
      : puffer_(&puffer), anfaenge_(&anfaenge) {}
  std::size_t size() const { return liste_ ? liste_->size() : anfaenge_->empty() ? 0 : anfaenge_->size() - 1; }
  std::string_view operator[](std::size_t k) const {
    if (liste_) return (*liste_)[k];
    return std::string_view(*puffer_).substr((*anfaenge_)[k], (*anfaenge_)[k + 1] - (*anfaenge_)[k]);
  }

 private:
  const Zeilen* liste_ = nullptr;
  const std::string* puffer_ = nullptr;
  const std::vector<std::uint32_t>* anfaenge_ = nullptr;
};

/// The lines of a file held as one buffer and the starts of its lines.
struct Zeilentext {
  std::string puffer;
  std::vector<std::uint32_t> anfaenge;  ///< one more than there are lines
  Zeilenquelle Quelle() const { return {puffer, anfaenge}; }
};

/// The value a file keeps of v: v written and read again. Readers hold what they read in this
/// form (also after reducing it), so that a layout computes the same after a save and open.
double AlsGeschrieben(double v);

/// A position in a list of lines that record readers advance. Errors name the 1-based line.
class Zeilenleser {
 public:
  Zeilenleser(Zeilenquelle zeilen, std::size_t& index) : zeilen_(zeilen), index_(index) {}

  std::string Text();
  /// The next line without copying it; valid as long as the lines are.
  std::string_view Ansicht();
  double Real();
  std::int32_t Int();
  std::int32_t IntAusReal();
  bool Bool();
  /// A count of records that follow: must not be negative.
  std::int32_t Anzahl();
  /// Passes over n lines (placeholders "00" and tags); they must exist.
  void Ueberspringen(std::size_t n = 1);
  std::size_t Index() const { return index_; }
  /// Lines left after the current position.
  std::size_t Uebrig() const { return index_ < zeilen_.size() ? zeilen_.size() - index_ : 0; }

 private:
  std::string_view Naechste();
  /// The next line through a conversion; its error names the line.
  template <class Wandler>
  auto Umwandeln(Wandler wandeln);
  [[noreturn]] void Fehler(const std::string& text) const;

  Zeilenquelle zeilen_;
  std::size_t& index_;
};

/// Reads a list line through `lesen`; a bad item becomes a LeseFehler naming the line.
template <class Lesen>
auto ListenZeile(Zeilenleser& l, Lesen lesen) {
  const std::string text = l.Text();
  try {
    return lesen(text);
  } catch (const LeseFehler& e) {
    throw LeseFehler("Zeile " + std::to_string(l.Index()) + ": " + e.what());
  }
}

}  // namespace trm
