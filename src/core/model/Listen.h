// "#"-lists of record lines (integer, real and pair lists, colour slots) and the one-word codes
// of element records, with their writers and readers.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace trm {

/// Index list, e.g. the numbers of double sleepers.
using TIndexARR = std::vector<std::int32_t>;
/// Track numbers, e.g. the members of a link group.
using TIDsARR = std::vector<std::int32_t>;
/// List of reals.
using T1D_ARR = std::vector<double>;

/// A pair of reals: a point, a sleeper spacing row or a sleeper length row.
struct TPaar {
  double x = 0;
  double y = 0;
  bool operator==(const TPaar&) const = default;
};

/// List of points.
using T2D_ARR = std::vector<TPaar>;
/// Sleeper spacing rows.
using TSwAbstARR = std::vector<TPaar>;
/// User-defined sleeper lengths.
using TSwLen = std::vector<TPaar>;

/// Splits a list text into its items. One trailing "#" is removed, then the text is cut at
/// every "#". A space or control character (bytes up to 0x20 and 0x7F) also ends an item: it
/// separates like "#", the rest of the piece becomes the next item, and a run of such characters
/// around at most one "#" counts as one separator; leading and trailing ones are ignored. Two
/// "#" in a row give an empty item. An item starting with '"' runs to its closing quote (a
/// doubled quote inside stands for one quote, a missing closing quote takes the rest of the
/// text); the quotes are not part of the item and text after the closing quote starts a new
/// item. An empty or blank text gives an empty list.
std::vector<std::string> ListeTeilen(std::string_view text);

// ---- writers ----

/// The 16 colour slots, each followed by "#".
std::string FarbslotsText(const std::array<std::int32_t, 16>& slots);

/// Integers, each followed by "#"; the empty text for an empty list.
std::string IntListeText(const std::vector<std::int32_t>& liste);

/// Four reals in the real format, each followed by "#".
std::string VierRealsText(double a, double b, double c, double d);

/// The pairs as x0#y0#x1#y1#…; the empty text for an empty list.
std::string PaarListeText(const std::vector<TPaar>& liste);

/// As PaarListeText, but "NIL" for an empty list.
std::string PaarListeOderNilText(const TSwLen& liste);

/// "0" for an infinite value (either sign), otherwise the real format.
std::string RealOderUnendlichText(double x);

/// "0" or "1" for 0 or 1; any other value gives the empty text.
std::string FlagText(int flag);

/// Turnout side: "innen" for 1, "aussen" for any other value.
std::string SeiteText(int seite);

/// Branch form: "kr" (curved) for 1, "st" (straight) for any other value.
std::string FormText(int form);

// ---- readers ----
// Items that do not convert throw LeseFehler naming the item.

/// The first 16 items as integers; further items are ignored. Fewer than 16 items throw
/// LeseFehler, since a colour line that short is not one this program wrote.
std::array<std::int32_t, 16> FarbslotsLesen(std::string_view text);

/// One integer per item; the empty text gives an empty list.
std::vector<std::int32_t> IntListeLesen(std::string_view text);
/// As IntListeLesen, but a long list is kept small while it is read: once it has grown to a
/// few thousand entries, repeated numbers are dropped (each kept at its first place), so a list
/// naming one number millions of times reads into one entry. A short list may keep repeats.
/// Errors as IntListeLesen.
std::vector<std::int32_t> IntListeEinmalLesen(std::string_view text);

/// One real per item; the empty text gives an empty list.
T1D_ARR RealListeLesen(std::string_view text);

/// (item count div 2) points from consecutive item pairs; an odd last item is ignored unread.
T2D_ARR PunktListeLesen(std::string_view text);

/// (item count div 2) rows from consecutive item pairs; an odd last item is ignored unread.
TSwAbstARR PaarListeLesen(std::string_view text);

/// "NIL" (the only item) gives an empty list; otherwise as PaarListeLesen.
TSwLen PaarListeOderNilLesen(std::string_view text);

/// The four reals when the text has exactly 4 items; any other count gives four zeros.
std::array<double, 4> VierRealsLesen(std::string_view text);

/// -1 when the text is the single item "-1"; otherwise item n (0-based) as integer. An n
/// outside the list throws LeseFehler naming the text and the index.
std::int32_t NtesItemLesen(std::string_view text, int n);

/// 1 for "1", 0 for anything else (surrounding blanks ignored).
int FlagLesen(std::string_view text);

/// Turnout side: 1 for "innen", 0 for "aussen" and anything else (surrounding blanks ignored).
int SeiteLesen(std::string_view text);

/// Branch form: 1 for "kr", 0 for "st" and anything else (surrounding blanks ignored).
int FormLesen(std::string_view text);

}  // namespace trm
