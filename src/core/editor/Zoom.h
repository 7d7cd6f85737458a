// The zoom arithmetic of the drawing area: the zoom field, zoom in and out, fit to window,
// the magnifier, and the placement of the drawing in its scroll box.
#pragma once

#include <cstdint>
#include <optional>

#include "core/model/Bogen.h"

namespace trm {

class TModul;

/// Message when a scale cannot be shown.
inline constexpr const char* MeldungMassstab = "Maßstab nicht darstellbar";

/// The zoom field's value for a scale: round(10 · mm per pixel).
std::int64_t ZoomfeldWert(double mmProPixel);
/// The scale for a zoom field value; none for values below 1 (the drawing would not exist).
std::optional<double> MassstabAusZoomfeld(std::int64_t wert);
/// Whether a module of breite x hoehe mm can be shown at mmProPixel: a positive scale whose
/// drawing stays within 100 million pixels per side (the limit of scroll ranges).
bool MassstabDarstellbar(double breite, double hoehe, double mmProPixel);
/// Zoom out: 0.1 mm per pixel more.
double Verkleinern(double mmProPixel);
/// Fit to window: the drawing (plus a margin of 10 pixels each side) fills the visible area in
/// the direction where it is tighter, so that it fits in both.
double AnsFensterAnpassen(double mmProPixel, std::int64_t bildBreite, std::int64_t bildHoehe,
                          std::int64_t sichtBreite, std::int64_t sichtHoehe);

/// The module's rectangle together with the boxes of its computed tracks, in mm: what the view
/// must show to show every track.
TRechteck ModulAusdehnung(const TModul& m);

/// Mouse buttons of the magnifier.
enum class Maustaste { Links, Rechts, Mitte };
/// The magnifier's new scale: left 0.9 times, right 1.1 times, middle unchanged.
double LupenMassstab(double mmProPixel, Maustaste taste);
/// How far a scroll bar moves so that clicked pixel p stays under the mouse.
std::int64_t LupenVerschiebung(std::int64_t p, double alterMassstab, double neuerMassstab);

/// Left (or top) edge of the drawing in the visible area of its scroll box along one axis.
std::int64_t Platzierung(std::int64_t sichtbar, std::int64_t zeichnung, std::int64_t scrollPosition);
/// Scroll range along one axis: the drawing plus a margin of 10 on each side.
inline std::int64_t Scrollbereich(std::int64_t zeichnung) { return zeichnung + 20; }

}  // namespace trm
