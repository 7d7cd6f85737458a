// Element libraries in list files: header lines (one, or none for some kinds), the number of
// type records, then the records of a fixed number of lines each. Read whole, changed in
// memory, written back whole.
#pragma once

#include <cstddef>
#include <string>

#include "core/model/Zeilen.h"

namespace trm {

/// Reads the record that starts at line i of a list's lines as its element kind does and
/// advances i past it; throws LeseFehler naming the line.
using Satzleser = void (*)(const Zeilen& zeilen, std::size_t& i);

/// The lines of one list file of records of `satzlaenge` lines each.
class TTypliste {
 public:
  /// Reads a list file of `kopfzeilen` header lines; throws DateiFehler when it cannot be
  /// read, LeseFehler when the line after the header is not a count.
  static TTypliste Laden(const std::string& pfad, std::size_t satzlaenge, std::size_t kopfzeilen = 1);
  /// As Laden, and then reads every record with `lesen` (SaetzeLesen); a LeseFehler names
  /// the file.
  static TTypliste Laden(const std::string& pfad, std::size_t satzlaenge, Satzleser lesen,
                         std::size_t kopfzeilen = 1);
  /// A list from lines in memory (the line after the header must be a count).
  TTypliste(Zeilen zeilen, std::size_t satzlaenge, std::size_t kopfzeilen = 1);

  /// The count of the line after the header.
  std::int64_t Anzahl() const { return anzahl_; }
  /// Reads each record that the count line counts with `lesen`, where it stands in the file, so that
  /// an error names the file's line. Throws LeseFehler for a negative count, a file that ends
  /// within the counted records, or a record that `lesen` reads to another length.
  void SaetzeLesen(Satzleser lesen) const;
  /// Complete records the file holds (at most the count, never beyond the end of the file).
  std::size_t Saetze() const;
  /// The lines of record k (1-based); empty when k is out of range.
  Zeilen Satz(std::size_t k) const;
  /// Removes record k (1-based) and decreases the count; false when out of range.
  bool Entfernen(std::size_t k);
  /// Exchanges records a and b line by line; false when either is out of range.
  bool Tauschen(std::size_t a, std::size_t b);
  /// Appends a record (must have the record length) and increases the count.
  bool Anhaengen(const Zeilen& satz);
  /// Writes the list back (atomically). Throws DateiFehler.
  void Speichern(const std::string& pfad) const;
  const Zeilen& Text() const { return zeilen_; }

 private:
  void AnzahlSchreiben();
  /// Index of the first line of record k (1-based).
  std::size_t Anfang(std::size_t k) const { return kopfzeilen_ + 1 + satzlaenge_ * (k - 1); }
  Zeilen zeilen_;
  std::size_t satzlaenge_;
  std::size_t kopfzeilen_;
  std::int64_t anzahl_ = 0;
};

/// The path a list path becomes: itself when it names an existing file, else the data folder
/// followed by the standard name.
std::string ListenPfad(const std::string& pfad, const std::string& datenPfad, const std::string& standardName);

}  // namespace trm
