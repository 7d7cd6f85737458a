// Text files on disk: Windows-1252 bytes with "\r\n" line ends ("\n" read too), held in
// memory as UTF-8 lines. Writing goes to a temporary file renamed over the target.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/Zeilen.h"

namespace trm {

/// Largest file the readers accept; larger ones are refused instead of filling memory.
inline constexpr std::uintmax_t MaxDateigroesse = 256u * 1024u * 1024u;

/// Splits bytes into lines at "\n", dropping one "\r" before it; a last line without end
/// counts, an end after the last line adds none. Bytes are taken as Windows-1252, or kept as
/// they are when `utf8`.
Zeilen TextInZeilen(const std::string& bytes, bool utf8 = false);
/// Joins lines with "\r\n" after each line, encoded as Windows-1252.
std::string ZeilenInText(const Zeilen& zeilen);

/// The bytes of a file being written, line by line, in blocks of about a mebibyte: a large
/// file is built without a list of all its lines and without one buffer that doubles as it grows.
class Textbloecke {
 public:
  /// Appends the line (UTF-8) as Windows-1252 followed by "\r\n".
  void Zeile(std::string_view utf8);
  /// Appends every line and empties the list.
  void Uebernehmen(Zeilen& zeilen);
  const std::vector<std::string>& Bloecke() const { return bloecke_; }
  /// All bytes as one text.
  std::string Text() const;

 private:
  std::vector<std::string> bloecke_;
};

/// The bytes of a regular file of at most MaxDateigroesse. Throws DateiFehler naming the file.
std::string Dateibytes(const std::string& pfad);
/// The lines of the bytes as TextInZeilen splits and converts them, held in the bytes' own
/// buffer: the file is never in memory twice.
Zeilentext TextInZeilentext(std::string bytes);
/// Reads a whole file as lines. Throws DateiFehler naming the file.
Zeilen DateiLesen(const std::string& pfad);
/// The same lines as one buffer with the starts of its lines: a large layout is read so,
/// without a string object per line. Throws DateiFehler as DateiLesen.
Zeilentext DateiLesenText(const std::string& pfad);
/// Writes lines to a file atomically (DateiErsetzen): the previous file stays intact when
/// writing fails, a link is saved through. Throws DateiFehler naming the file and why.
void DateiSchreiben(const std::string& pfad, const Zeilen& zeilen);
/// Writes the blocks as one file, as DateiSchreiben.
void DateiSchreiben(const std::string& pfad, const Textbloecke& text);

}  // namespace trm
