// Reading records line by line: every value is identified by its position, and every read
// checks that the line exists and converts, naming the line in the German error.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace trm {

using Zeilen = std::vector<std::string>;

/// The value a file keeps of v: v written and read again. Readers hold what they read in this
/// form (also after reducing it), so that a layout computes the same after a save and open.
double AlsGeschrieben(double v);

/// A position in a list of lines that record readers advance. Errors name the 1-based line.
class Zeilenleser {
 public:
  Zeilenleser(const Zeilen& zeilen, std::size_t& index) : zeilen_(zeilen), index_(index) {}

  const std::string& Text();
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
  const std::string& Naechste();
  /// The next line through a conversion; its error names the line.
  template <class Wandler>
  auto Umwandeln(Wandler wandeln);
  [[noreturn]] void Fehler(const std::string& text) const;

  const Zeilen& zeilen_;
  std::size_t& index_;
};

}  // namespace trm
