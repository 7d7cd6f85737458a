// The parts list: plain track per gauge turned into flexible track pieces with waste, price
// and remainder, and the count of every kind of turnout, crossing, slip and turntable with a
// unit price. The whole layout is counted, all modules. Typed values are texts with a decimal
// comma, as the window's cells hold them.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/model/Elementart.h"
#include "core/model/Zeilen.h"

namespace trm {

class Anlage;

/// One gauge column of the track table.
struct TGleisspalte {
  double spur = 0;       ///< gauge in mm
  double laengeMm = 0;   ///< total length of plain track of this gauge
  std::string stueckLaenge, verschnitt, preis;  ///< typed: piece length (mm), waste (%), price
  std::optional<std::int64_t> anzahl;  ///< computed number of pieces
  std::optional<double> summe, rest;   ///< computed price and remainder (mm)
};

/// One row of an element table.
struct TElementzeile {
  std::string name;
  std::string richtung;  ///< the element's side (`TElement::Seite`): "links" / "rechts" for turnouts
  std::int64_t anzahl = 0;
  std::string preis;     ///< typed unit price
};

/// One element table ("Einfache Weichen", "Kreuzungen", …).
struct TElementtabelle {
  Elementart art = Elementart::Weiche;
  std::vector<TElementzeile> zeilen;
  std::optional<double> summe;  ///< Σ count · unit price, once computed
};

/// The whole list.
struct TStueckliste {
  std::string anlage;  ///< layout name
  std::vector<TGleisspalte> gleise;  ///< gauges in the order first met
  /// One table per counted kind, in the order of the kind table (turnouts, crossings, single
  /// slips, double slips, turntables).
  std::vector<TElementtabelle> tabellen;
  std::optional<double> gleisSumme;  ///< Σ of the gauge sums
};

/// The kinds the parts list counts, in the order of its tables.
std::vector<const TElementart*> StuecklistenArten();
/// Group caption and first column header of an element table.
const char* TabellenTitel(Elementart art);
const char* TabellenKopf(Elementart art);

/// Counts the layout: plain track (no turnout, crossing or slip track) per gauge, gauges equal
/// within 1e-12 relative sharing a column; turnouts by name and hand, crossings and slips by
/// name, sorted and merged with their count; turntables one row each.
TStueckliste StuecklisteAufbauen(const Anlage& a);

/// Piece count, price and remainder of one gauge: N = ceil((1 + w/100)·L/f), N·p, N·f − (1 + w/100)·L.
struct TFlexErgebnis {
  std::int64_t anzahl = 0;
  double summe = 0, rest = 0;
};
TFlexErgebnis FlexBerechnen(double laengeMm, double stueckLaenge, double verschnitt, double preis);

/// Computes counts, sums and totals from the typed cells. A column without a piece length
/// keeps no computed values. A cell that is no number, or a piece length not above 0, throws
/// EingabeFehler naming it; then nothing is changed.
void StuecklisteBerechnen(TStueckliste& s);

/// The typed values a modeller keeps between sessions: per gauge (piece length, waste, price)
/// and per element kind and type name (unit price).
struct TPreise {
  std::map<std::string, std::array<std::string, 3>> spuren;  ///< key: gauge as text
  std::map<std::string, std::string> typen;  ///< key: kind#name#direction
};
/// Fills the typed cells of s from p (cells without a kept value stay as they are).
void PreiseEintragen(TStueckliste& s, const TPreise& p);
/// Takes the typed cells of s into p (an emptied cell forgets its value).
void PreiseMerken(const TStueckliste& s, TPreise& p);
/// Lines of the price file and back. Reading ignores lines it does not know.
Zeilen PreiseSchreiben(const TPreise& p);
TPreise PreiseLesen(const Zeilen& z);
/// Name of the price file in the data folder.
inline constexpr const char* PreisDateiName = "stueckliste.prs";

/// The list as tables of cells, as the window shows and prints them: the track table first
/// (its rows with the label column), then every element table with header and total row.
using TZellen = std::vector<std::vector<std::string>>;
TZellen GleisZellen(const TStueckliste& s);
TZellen ElementZellen(const TElementtabelle& t);
/// The list as text (title, then every table, columns aligned with blanks).
std::string StuecklisteText(const TStueckliste& s);
/// The list as CSV: ';' separated, decimal comma, one blank line between tables, fields
/// quoted when they hold ';' or '"'.
std::string StuecklisteCSV(const TStueckliste& s);

}  // namespace trm
