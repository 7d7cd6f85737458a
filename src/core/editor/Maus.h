// The mouse in the drawing area as a state machine: presses pick a track, start a drag or
// complete the chosen mouse mode; moves drag the link group and search a snap candidate;
// releases snap the group and end the mode. Events come in drawing pixels, the answer tells
// the widget what to show.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/base/Ausrichten.h"
#include "core/editor/Editor.h"
#include "core/editor/Gleiszeichner.h"
#include "core/editor/Mauswerkzeug.h"
#include "core/editor/Treffer.h"
#include "core/editor/Zoom.h"
#include "core/model/Geometrie.h"

namespace trm {

class TElement;

/// Kinds of mouse event. A double click comes as the press of its second click followed by
/// Doppelklick (the toolkit's double-click event stands for that press).
enum class Mausart { Druecken, Bewegen, Loslassen, Doppelklick };

/// A mouse event in pixels of the module drawing (0, 0 is its top left corner). Every button
/// picks and drags alike; the right one also opens the context menu on release.
struct Mausereignis {
  Mausart art = Mausart::Bewegen;
  Maustaste taste = Maustaste::Links;  ///< the button pressed or released
  std::int64_t x = 0, y = 0;
  bool strg = false;      ///< Ctrl held
  bool umschalt = false;  ///< Shift held (no mouse command uses it yet)
};

/// Cursor numbers besides the mouse modes' own (2, 3, 4, 5, 7, 9 to 15, 4711).
inline constexpr int CursorNormal = 0;
/// A snap candidate is near.
inline constexpr int CursorKandidat = 1;
/// The toolkit's standard refusal ("no entry") shape.
inline constexpr int CursorAbgelehnt = -1;

/// What the widget does after an event. The machine has already changed the model and, where
/// it moved tracks, run the geometry pass of the module (the search needs fresh points).
struct Mausantwort {
  bool neuZeichnen = false;         ///< redraw the module
  bool geaendert = false;           ///< the layout was changed (a step was recorded)
  bool auffrischen = false;         ///< refresh the command states and the fields (Editor::Zustand)
  int cursor = CursorNormal;        ///< cursor to show from now on
  std::string status;               ///< new text of status panel 0; empty: keep it
  bool kontextmenue = false;        ///< open the context menu at the event position
  std::optional<Maustaste> lupe;    ///< magnifier click: zoom with this button about the position
  bool fensterAuffrischen = false;  ///< refresh the settings, optimiser and curve windows
  bool elementfensterVerbergen = false;  ///< hide the turnout, crossing, slip, turntable windows
  bool elementfensterKlick = false;      ///< a click: element windows per the element-editor mode
  bool elementfensterZeigen = false;     ///< double click in mode 1: show the current track's
  std::optional<bool> optimierfenster;   ///< after a release: show (true) or hide the optimiser
  /// A move: the track under the mouse changed, or a drag moved the snap mark. The widget
  /// repaints without recomputing anything.
  bool hervorhebung = false;
  /// A move: what lies under the mouse ("Gleis …, Bogen …: R …, L …"), empty over nothing;
  /// unset on other events (the status bar keeps its text).
  std::optional<std::string> unterMaus;
  /// The next step of a drawing tool for the status bar; unset: keep the mode's hint.
  std::optional<std::string> hinweis;
};

/// The mouse work of the drawing area over an editor.
class Mausbedienung {
 public:
  /// The element kinds hand in their tools (TElementart::MausAnschliessen).
  explicit Mausbedienung(Editor& editor);
  ~Mausbedienung();
  Mausbedienung(const Mausbedienung&) = delete;
  Mausbedienung& operator=(const Mausbedienung&) = delete;

  /// Adds a part of the mouse work besides the tracks; it is asked after those added before.
  void WerkzeugHinzufuegen(std::unique_ptr<Mauswerkzeug> w);
  /// Opens the dialog of an element (a double click on a background component); set by the
  /// window that has one.
  std::function<void(TElement&)> elementDialog;

  Editor& editor() { return ed_; }

  /// Handles one event.
  Mausantwort Ereignis(const Mausereignis& e);

  /// Snap distance D in mm.
  double fangabstand = StdFangabstand;

  /// A track group is being dragged.
  bool ZiehtGleis() const { return ziehtGleis_; }
  /// The candidate of the last move, if one was found.
  const std::optional<TAusrichtung>& Kandidat() const { return kandidat_; }
  /// The cursor now showing.
  int Cursor() const;
  /// The track and segment under the mouse while nothing is dragged; checked against the
  /// current module, so a track removed since the last move is never returned.
  std::optional<TTreffer> Ueber() const;
  /// The mouse left the drawing: nothing is under it any more.
  void UeberVergessen() { ueber_.reset(); }
  /// The status text naming a track's segment: name, segment number, radius and length.
  static std::string Beschreibung(const TGleis& g, int bogen);
  /// The cursor shape back to the default of the mouse mode (the Space key).
  void CursorZuruecksetzen() { ueberschrieben_.reset(); }
  /// The status text for a world point: "Mausposition: x=… y=…", fixed with 3 decimals.
  static std::string Statustext(double x, double y);
  /// What the current mouse mode expects next, for the status bar.
  static std::string Modushinweis(Mausmodus m);
  /// What comes next now: the drawing tools' step, else the mode's hint.
  std::string Hinweis() const;
  /// Esc: a drawing tool's drag or picked end is dropped; true when there was one.
  bool Abbrechen();
  /// A drawing mode is chosen or an element is dragged: the drawing tools take the events.
  bool Zeichnet() const { return Zeichenmodus(ed_.Modus()) || zeichner_.ElementAktiv(); }
  /// The drawing tools (their drafts and options).
  Gleiszeichner& Zeichner() { return zeichner_; }
  const Gleiszeichner& Zeichner() const { return zeichner_; }

 private:
  Mausantwort Druecken(const Mausereignis& e);
  Mausantwort Bewegen(const Mausereignis& e);
  Mausantwort Loslassen(const Mausereignis& e);
  Mausantwort Doppelklick(const Mausereignis& e);
  /// Ends every drag (recording its step) and forgets the candidate.
  void Beenden();
  /// Before the first change of a drag: the drag's step begins.
  void Vormerken();
  /// True when the module of the press is still the current one; else the drags end.
  bool ModulGleich();
  /// The cursor of the mouse mode (4711 in new-track mode).
  int ModusCursor() const;
  void NeuesGleis(double x, double y, Mausantwort& r);
  /// Runs the alignment search for track g and keeps the result.
  void Ausrichten(const TGleis& g);

  /// A drawing mode's event: the tools answer instead of the machine.
  Mausantwort Zeichnen(const Mausereignis& e, double wx, double wy);

  Editor& ed_;
  Gleiszeichner zeichner_;
  const TModul* modul_ = nullptr;  ///< module of the last press
  std::int64_t druckX_ = 0, druckY_ = 0;
  bool ziehtGleis_ = false;
  std::vector<std::unique_ptr<Mauswerkzeug>> werkzeuge_;
  Mauswerkzeug* greift_ = nullptr;  ///< the tool whose grab is dragged (Greifen)
  Mauswerkzeug* nimmt_ = nullptr;   ///< the tool whose drag changes the layout (Nehmen)
  bool schritt_ = false;  ///< the drag changed the layout: its step is open
  /// Per track of the grabbed group: press point minus the track's start.
  std::unordered_map<const TGleis*, TPunkt> versatz_;
  std::optional<TAusrichtung> kandidat_;
  bool werkzeugKandidat_ = false;  ///< the taken drag's own search found a candidate
  std::optional<int> ueberschrieben_;  ///< candidate or refusal shape over the mode's cursor
  std::optional<TTreffer> ueber_;      ///< hover pick of the last move
};

}  // namespace trm
