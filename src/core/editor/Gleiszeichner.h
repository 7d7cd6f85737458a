// The drawing tools of the mouse: a straight or a curve dragged from a track end or a free
// point, two open ends joined, a parallel track, and a library element dragged onto the
// drawing. Each shows what it would lay while the mouse moves (a draft track, never part of
// the layout) and lays it as one step of the command layer.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "core/editor/Bahn.h"
#include "core/editor/Editor.h"
#include "core/editor/Gleisende.h"
#include "core/model/Elementart.h"
#include "core/model/Zeilen.h"

namespace trm {

class Anlage;
class TGleis;
class TModul;

/// Whether m is one of the drawing tools' modes.
bool Zeichenmodus(Mausmodus m);

class Gleiszeichner {
 public:
  explicit Gleiszeichner(Editor& ed);
  ~Gleiszeichner();

  /// Length of the transition curves the curve tool lays at both ends ("mit Übergangsbögen");
  /// 0: none.
  double uebergang = 0;

  // ---- the modes' mouse events, in world mm; fang is the snap distance ----
  /// A press; true when a step was recorded (the connect and parallel tools lay on a click).
  bool Druecken(Mausmodus modus, double x, double y, double fang);
  /// A move; true when the draft or the text beside the mouse changed.
  bool Bewegen(Mausmodus modus, double x, double y, bool strg, double fang);
  /// A release; true when a step was recorded.
  bool Loslassen(Mausmodus modus, double x, double y, bool strg, double fang);
  /// A straight or curve is being dragged.
  bool Zieht() const { return zieht_; }
  /// Esc: the drag or the picked first end is dropped; true when there was one.
  bool Abbrechen();

  // ---- a library element dragged onto the drawing ----
  /// The drag of type record `satz` of kind `art` enters the drawing; false (nothing starts)
  /// for a kind that is not placed at a track end or a point (turntables).
  bool ElementBeginnen(Elementart art, const Zeilen& satz);
  /// An element is being dragged: the mouse's moves and its next left press are the drag's.
  bool ElementAktiv() const { return elementArt_.has_value(); }
  /// The outline follows the mouse and snaps to the nearest open track end (turned to fit);
  /// with Ctrl it stays free. True when the outline changed.
  bool ElementBewegen(double x, double y, bool strg, double fang);
  /// Places the element where its outline is; true when a step was recorded.
  bool ElementAbsetzen(double x, double y, bool strg, double fang);

  // ---- what to show ----
  /// The draft track (computed), or none. It belongs to a layout of its own (Entwurfsanlage).
  const TGleis* Entwurf() const;
  const Anlage* Entwurfsanlage() const { return Entwurf() ? entwurf_.get() : nullptr; }
  /// The layout holding the dragged element's outline, or none.
  const Anlage* Elemententwurf() const { return elementAnlage_.get(); }
  /// The draft does not reach the mouse (a curve stopped at the minimum radius).
  bool Warnung() const { return warnung_; }
  /// The draft's values for beside the mouse ("L = 300,000 mm · 30,000°"); empty without one.
  const std::string& Messwerte() const { return messwerte_; }
  /// The next step in words while a tool is at work, for the status bar; empty otherwise.
  std::string Hinweis(Mausmodus modus) const;
  /// The first end picked by the connect tool, or the end a drag started at.
  const std::optional<TGleisende>& Ende() const { return ende_; }

 private:
  /// Drops everything when the module changed since the last event.
  void ModulPruefen();
  bool Vorschau(Mausmodus modus, double x, double y, bool strg, double fang);
  /// Lays plan b as a new track; its start meets `von`, its end `bis` (either may be none).
  bool Legen(const std::string& name, const TBahn& b, const std::optional<TGleisende>& von,
             const std::optional<TGleisende>& bis);
  void EntwurfSetzen(const std::optional<TBahn>& b);
  void Leeren();

  Editor& ed_;
  TModul* modul_ = nullptr;
  bool zieht_ = false;                ///< a straight or curve drag is running
  std::optional<TGleisende> ende_;    ///< its start end, or the connect tool's first end
  TLage start_;                       ///< the drag's start pose
  std::optional<TBahn> plan_;         ///< what a release or click lays
  std::unique_ptr<Anlage> entwurf_;  ///< the draft's layout: one module, one track
  bool warnung_ = false;
  std::string messwerte_;
  // The element drag.
  std::optional<Elementart> elementArt_;
  Zeilen elementSatz_;
  std::optional<TGleisende> elementEnde_;
  std::unique_ptr<Anlage> elementAnlage_;
};

}  // namespace trm
