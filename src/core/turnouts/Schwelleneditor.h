// The sleeper editor "Schwellendaten" without widgets: a working copy of a turnout's sleeper
// plan, its sleepers as the editor shows them (in the turnout's own frame: the point end at
// the origin, the main track along +x), the selection, the edits of the selected sleeper,
// adding and removing sleepers per arc pair, and what closing the editor does. The turnout
// changes only when the plan is saved (SchwellenplanUebernehmen, one undo step).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/render/Canvas.h"
#include "core/turnouts/WeichenSchwellen.h"

namespace trm {

class Dialoge;
class Editor;

/// A sleeper of the editor.
struct TWeichenschwelle {
  int SwNummer = 0;          ///< 1-based, in drawing order
  std::size_t SwPaar = 0;    ///< the plan index it comes from
  TSchwellenumriss SwEcken;  ///< corners in the turnout's frame
  TPaar SwMitte;             ///< midpoint of corners 1 and 3
  double SwLen = 0;          ///< length along a long edge
  double SwVorAbst = 0;      ///< distance to the previous sleeper on its track
  bool Gewaehlt = false;
  Schwellenlage Lage = Schwellenlage::Gemeinsam;
};

// The editor's messages.
inline constexpr const char* MeldungBereichEins =
    "Wert außerhalb des möglichen Bereiches.\n\rWert wird auf Eins gesetzt.";
inline constexpr const char* MeldungBereichNull =
    "Wert außerhalb des möglichen Bereiches.\n\rWert wird auf Null gesetzt.";
inline constexpr const char* MeldungSchwellenlaenge =
    "Die Schwellenlänge muss größer als Null sein.";

class TSchwelleneditor {
 public:
  /// Opens over turnout w with a copy of its plan; sleeper 1 selected.
  TSchwelleneditor(const TEWeiche& w, Dialoge& dialoge);

  /// After the plan was saved: the turnout (its values now hold the plan) and no changes.
  void Gespeichert(const TEWeiche& w);
  /// The working plan.
  const TSchwellenplan& Plan() const { return plan_; }
  const std::vector<TWeichenschwelle>& Schwellen() const { return schwellen_; }
  /// The plan differs from the one last saved or opened.
  bool Geaendert() const { return geaendert_; }
  /// The turnout's plan mode is "automatisch" (saving switches it).
  bool Automatisch() const { return w_->SchwellenAutomatisch(); }
  /// "Schwellenplan - " and the turnout's name.
  std::string Titel() const;
  /// S1 + S2 + S3: the length the drawing fits into the window.
  double Laenge() const;
  /// The layout's scale number (prototype decimetres).
  double Massstab() const;
  bool Rechts() const { return w_->IstRechts(); }

  // ---- selection ----
  /// A click at p (turnout frame, mm): the sleeper under it is selected; with Ctrl the others
  /// stay selected. False when no sleeper is there.
  bool Klicken(TPaar p, bool strg);
  /// The previous (-1) or next (+1) sleeper, wrapping around.
  void Schritt(int schritt);
  /// "Schwellennummer" typed: outside 1..count the warning, and sleeper 1.
  void NummerWaehlen(const std::string& text);
  /// The number of the selected sleeper when exactly one is selected, else 0.
  int Einzeln() const;

  // ---- "Aktuelle Schwelle" ----
  /// Number, distance and length of the one selected sleeper (two decimals, in prototype
  /// decimetres with dm), "-,-" unless exactly one is selected.
  std::string NummerText() const;
  std::string AbstandText(bool dm) const;
  std::string LaengeText(bool dm) const;
  /// "Abstand zum Vorgänger": the main distance of the selected sleeper's plan entry (in pair 3
  /// that of the track that still has a sleeper); the branch distances follow.
  bool AbstandSetzen(const std::string& text, bool dm);
  /// "Schwellenlänge": the user length of the selected sleeper's plan entry.
  bool LaengeSetzen(const std::string& text, bool dm);
  /// "letzte senkrechte Schwelle".
  bool SenkrechtBisSetzen(const std::string& text);

  // ---- sleepers per arc pair ----
  /// "am Ende von Bogenpaar n" and "letzte Schwelle Bogenpaar n" (n 1..3).
  bool Hinzufuegen(int paar);
  bool Loeschen(int paar);
  /// Pair 1 always, pair 2 while it has a length, pair 3 while both of its segments have one.
  bool PaarAenderbar(int paar) const;
  /// The offsets group: start distance ("-" for an empty pair) and end distance per pair.
  struct Versatz {
    std::string anfang, ende;
  };
  std::array<Versatz, 3> Versaetze(bool dm) const;

  /// A length in mm as shown: one or two decimals, in prototype decimetres with dm.
  std::string Wert(double mm, bool dm, int stellen) const;

 private:
  void Neu();
  void Aendern();
  /// The plan entry of index i: pair and position.
  TPaar* Eintrag(std::size_t i, std::size_t* paar = nullptr);
  /// A typed length in mm (typed in prototype decimetres with dm); a text that is no number
  /// goes to Dialoge::Fehler and gives none.
  std::optional<double> Millimeter(const std::string& text, bool dm) const;

  const TEWeiche* w_;
  Dialoge& dialoge_;
  TSchwellenplan plan_;
  std::vector<TWeichenschwelle> schwellen_;
  bool geaendert_ = false;
};

/// How the editor's drawing lies on its surface.
struct TEditoransicht {
  double pixelProMm = 1;                              ///< whole pixels per mm
  std::int32_t x0 = 0, y0 = 0;                        ///< the pixel of the frame's origin
  bool nummer = true, abstand = true, laenge = true;  ///< the labels shown
  bool dm = false;                                    ///< "Vorbildmaße (dm)"
  /// The pixel of a point of the frame (y upwards).
  PixelPunkt Pixel(TPaar p) const;
  /// The frame point of a pixel.
  TPaar Rahmen(PixelPunkt p) const;
};

/// The editor's drawing: each sleeper's outline (red while selected, else black) with a circle
/// at its centre, its number (blue) above, its distance to its predecessor (red) below and its
/// length (white on grey) at its centre.
void SchwelleneditorZeichnen(const TSchwelleneditor& e, Canvas& c, const TEditoransicht& v);

/// What closing the editor did.
enum class Schliessergebnis { Bleibt, Geschlossen, Gespeichert };
/// Closing the editor: unsaved changes of a user-defined plan are saved; for an automatic plan
/// "Änderungen übernehmen?" is asked: Ja saves them (the plan becomes user-defined, one step),
/// Nein drops them, Abbrechen keeps the editor open.
Schliessergebnis SchwelleneditorSchliessen(Editor& ed, TSchwelleneditor& e);
/// "Speichern": the plan becomes the turnout's user-defined plan.
bool SchwelleneditorSpeichern(Editor& ed, TSchwelleneditor& e);

}  // namespace trm
