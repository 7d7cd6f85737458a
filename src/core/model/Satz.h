// Record writers and readers of the layout file: header, module, track and segment. Writers
// append lines; readers take the lines and an index that they advance past the record.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <unordered_map>

#include "core/model/Zeilen.h"

namespace trm {

class Anlage;
class TModul;
class TGleis;
class TBogen;
class TElement;
class Schwellenbudget;

/// Lines per record.
inline constexpr std::size_t ZeilenKopf = 34;
inline constexpr std::size_t ZeilenModul = 29;
inline constexpr std::size_t ZeilenGleis = 21;
inline constexpr std::size_t ZeilenBogen = 19;

/// Appends the 19-line segment record (settings resolved, start values as computed).
void BogenSchreiben(const TBogen& b, Zeilen& out);
/// Reads a segment record into b (which already belongs to its track).
void BogenLesen(TBogen& b, const Zeilenquelle& z, std::size_t& i);

/// Appends the 21-line track record followed by its segment records.
void GleisSchreiben(const TGleis& g, Zeilen& out);
/// Reads a track record with its segments into g (which already belongs to its module).
void GleisLesen(TGleis& g, const Zeilenquelle& z, std::size_t& i);

/// Where the records of a module's tracks and elements begin (0-based line index), as read.
struct Satzanfaenge {
  std::unordered_map<const TGleis*, std::size_t> gleise;
  std::unordered_map<const TElement*, std::size_t> elemente;
};

/// Takes the lines written so far after each record of a module's content (a large layout is
/// written without holding all its lines).
using Satzabgabe = std::function<void(Zeilen&)>;

/// Appends the 29-line module record followed by its content; hands `out` to `abgabe` after
/// each track and element record when given.
void ModulSchreiben(const TModul& m, Zeilen& out, const Satzabgabe& abgabe = {});
/// Reads a module record with its content into m (which is the current module); notes where
/// the records of its tracks and elements begin when `anfaenge` is given, and counts their
/// sleepers into `budget` when given, refusing the record at which it is exceeded.
void ModulLesen(TModul& m, const Zeilenquelle& z, std::size_t& i, Satzanfaenge* anfaenge = nullptr,
                Schwellenbudget* budget = nullptr);
/// Computes the module read and throws LeseFehler naming the first line of the first record
/// whose values compute to a point, height or direction that is not finite (a file holds only
/// finite numbers, and such a layout could not be saved again).
/// `wirdBerechnet`: the module is computed right after reading (the current one after opening);
/// its tracks known to stay finite then work out their heights only, and their end values wait
/// for that pass. Every other module gets its end values here, as its users expect of it.
void LagePruefen(TModul& m, const Satzanfaenge& anfaenge, bool wirdBerechnet);

/// Appends the whole layout: header and every module (handing `out` on as ModulSchreiben).
void AnlageSchreiben(const Anlage& a, Zeilen& out, const Satzabgabe& abgabe = {});
/// Reads a whole layout into a (which must be empty) starting at the header line.
/// Afterwards the last module is current with its first track and segment.
void AnlageLesen(Anlage& a, const Zeilenquelle& z, std::size_t& i);

/// Rebuilds link groups and predecessors from the numbers read with the tracks.
void VerbindungenAufbauen(Anlage& a);

/// Every list path set to the data folder's standard list (a new or imported layout).
void StandardlistenSetzen(Anlage& a);

}  // namespace trm
