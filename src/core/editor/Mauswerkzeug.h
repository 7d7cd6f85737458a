// A part of the drawing area's mouse work besides the tracks: background components, the
// optimiser's target, turntables. The mouse offers every tool the events at fixed places of its
// machine, in the order the tools were added; what a tool does not override does nothing.
#pragma once

#include <optional>
#include <vector>

#include "core/base/Ausrichten.h"
#include "core/editor/Editor.h"

namespace trm {

class TBogen;
class TModul;

class Mauswerkzeug {
 public:
  virtual ~Mauswerkzeug() = default;

  // ---- a press, at three places ----
  /// First of all, before a new track or a track is picked; true: the press is taken and
  /// nothing else happens.
  virtual bool Vorab(Mausmodus modus, double x, double y) {
    (void)modus, (void)x, (void)y;
    return false;
  }
  /// Before the track hit-test; true: the tool grabs instead of a track. Its drag changes
  /// nothing of the layout (no step) and snaps like the current track, with the tool's own
  /// points (EigenePunkte).
  virtual bool Greifen(double x, double y) {
    (void)x, (void)y;
    return false;
  }
  /// After the mouse mode's command; true: the tool's drag starts, a change of the layout
  /// recorded as one step (Schrittname) once the mouse has moved, snapped by its own search.
  virtual bool Nehmen(double x, double y) {
    (void)x, (void)y;
    return false;
  }

  // ---- the drag the tool grabbed or took ----
  /// What the tool holds follows the mouse.
  virtual void Ziehen(double x, double y) { (void)x, (void)y; }
  /// Its own search of a taken drag; true: a candidate is near.
  virtual bool Suchen(double fangabstand) {
    (void)fangabstand;
    return false;
  }
  /// Snap at the release: a grabbed drag by the track alignment's candidate a, a taken one by
  /// its own search (a is none).
  virtual void Einrasten(const TAusrichtung* a) { (void)a; }
  /// The name of the step of a taken drag.
  virtual const char* Schrittname() const { return "Element verschieben"; }

  // ---- every event ----
  /// Every move: hover and the tool's drags of its own; true: redraw.
  virtual bool Bewegen(double x, double y) {
    (void)x, (void)y;
    return false;
  }
  /// Every release, after the machine's own.
  virtual void Loslassen() {}
  virtual void Doppelklick(double x, double y) { (void)x, (void)y; }

  // ---- the alignment of a dragged track ----
  /// The alignment points of segment b when it is the current segment of the dragged track;
  /// none: the track's own ends.
  virtual std::optional<std::vector<TRichtpunkt>> EigenePunkte(const TBogen& b) const {
    (void)b;
    return std::nullopt;
  }
  /// Points of the module a dragged track may snap to besides the track ends (turntable
  /// connections).
  virtual std::vector<TRichtpunkt> Zielpunkte(const TModul& m) const {
    (void)m;
    return {};
  }
};

}  // namespace trm
