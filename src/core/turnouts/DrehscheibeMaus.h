// Turntables in the mouse work of the drawing area: a press inside a turntable selects it and
// picks the connection under the mouse, a drag moves it with its connected tracks, and its own
// alignment search snaps a connection onto a nearby track end.
#pragma once

namespace trm {

class Mausbedienung;
class TDrehscheibe;

/// Adds the turntables' tool to the mouse: press, drag, search, snap and the connection points
/// that a dragged track snaps to first.
void DrehscheibenMaus(Mausbedienung& maus);

/// The turntable's alignment search: for each connection in turn and each track of the module
/// (but those that move with the turntable), the track's start and then its end; the first
/// within the snap distance `fang` (and not on the connection itself) is kept in the
/// turntable's Ausrichtung fields. False when none is near.
bool DrehscheibeAusrichtungSuchen(TDrehscheibe& d, double fang);
/// Turns and moves the turntable with its tracks so that the connection found by the search
/// lies on the track point with matching direction; the tracks behind follow.
void DrehscheibeAusrichten(TDrehscheibe& d);

}  // namespace trm
