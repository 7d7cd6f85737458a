// The element library files that "check" reads: which file extension holds which records.
#pragma once

#include <cstddef>
#include <string>

#include "core/model/Typliste.h"

namespace trm::cli {

/// A kind of list file: its extension (lower case, with the dot), the lines of one record and
/// the reader of one record.
struct Listenart {
  const char* endung;
  std::size_t satzlaenge;
  Satzleser lesen;
};

/// The list kind a path names by its extension (letter case ignored), or none.
const Listenart* ListenartVon(const std::string& pfad);

/// "check" on a list file: reads the list and every record in it, prints its header line and
/// the number of types. Throws DateiFehler or LeseFehler with the German message.
int ListePruefen(const std::string& pfad, const Listenart& art);

}  // namespace trm::cli
