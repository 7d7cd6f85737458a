// The kinds of special element and what the program knows of each kind without knowing its
// class: the place of its count in the module record, its names, how its records are read and
// how a copied type is placed. The table itself lives in core/elements/Elementarten.cpp, the
// one place that knows every kind.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/model/Zeilen.h"

namespace trm {

class Anlage;
class Editor;
class Mausbedienung;
class TElement;
class TModul;
struct TListenart;

/// Element kinds; the value is the place of the kind's count line in the module record.
enum class Elementart : int { Geo = 0, Drehscheibe = 1, Weiche = 2, Kreuzung = 3, EKW = 4, DKW = 5 };

/// Number of element kinds, and so of count lines of the module record.
inline constexpr int AnzahlElementarten = 6;

/// What the program knows of one kind.
struct TElementart {
  Elementart art;
  const char* kennung;  ///< name in the command-line listings ("weiche")
  const char* name;     ///< German name in captions ("Weiche")
  /// Name of the step that exchanges left-hand and right-hand ("Linksweiche /
  /// Rechtsweiche"); none for a kind without sides.
  const char* spiegeln;
  /// Reads the element's record at line i (advanced past it) into module m as its k-th
  /// element of this kind, adds it to m and places its tracks. Throws LeseFehler; then m
  /// holds nothing of it.
  TElement* (*Lesen)(TModul& m, const Zeilenquelle& z, std::size_t& i, std::int32_t k);
  /// Element numbers of elements read from a file are drawn in 0..lesebereich.
  std::int64_t lesebereich;
  /// Places a copied type record with its start at (x, y) in the current module under
  /// number `nummer`; none for a kind that is not copied. Throws LeseFehler.
  TElement* (*EinfuegenBei)(Anlage& a, const Zeilen& satz, double x, double y, std::int32_t nummer);
  /// Places type record `satz` of the kind's list at the end of the current segment of the
  /// current module (or of the current element track) and returns it; none when there is no
  /// place for it (nothing changed). Throws LeseFehler. None for a kind placed otherwise.
  TElement* (*Einsetzen)(Anlage& a, const Zeilen& satz);
  /// The kind's library file.
  const TListenart* liste;
  /// Adds the kind's tool (Mauswerkzeug) to the drawing area's mouse; none
  /// when the kind takes part through its tracks only.
  void (*MausAnschliessen)(Mausbedienung& maus);
  /// The data folder's standard library of the kind: a new layout's list path, and the one
  /// taken when a stored path is empty.
  const char* standardliste;
  /// The settings window's library row: the button's hint and the label ("Weichenliste
  /// importieren", "Weichenliste").
  const char* listeHinweis;
  const char* listenname;
  /// Lets the modeller choose another library file, as one command; false when nothing
  /// changed.
  bool (*ListeWaehlen)(Editor& ed);
  /// The kind's table in the parts list: caption and first column header; none for a kind
  /// that is not counted.
  const char* stuecklistenTitel = nullptr;
  const char* stuecklistenKopf = nullptr;
  /// Header of the column of `TElement::Seite()` in the parts list; none for a kind without
  /// sides.
  const char* seitenspalte = nullptr;
  /// Listed one row per element instead of counted by type.
  bool einzelnGelistet = false;
};

/// Every kind the program builds, in the order of the element records in the module record
/// and of the list paths in the layout record.
const std::vector<TElementart>& Elementarten();
/// The kind's entry, or none when the kind is not built.
const TElementart* ElementartInfo(Elementart a);
/// The library kind a file name names by its extension (letter case ignored), or none.
const TListenart* ListenartZuDatei(const std::string& pfad);

}  // namespace trm
