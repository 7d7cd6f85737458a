// Track connections and link groups: tracks attached as successors follow their predecessor's
// end, and tracks of one link group (`Verbund`) move together. All work on one module.
#pragma once

#include <cstddef>
#include <cstdint>

namespace trm {

class Anlage;
class TModul;
class TGleis;

/// Adds B to the group list of every member of A's group, and those members to B's list.
/// Relies on the lists holding each other symmetrically (T lists U exactly when U lists T),
/// as every operation keeps them and the validator checks.
void VerbundVereinen(TGleis* a, TGleis* b);
/// Makes the group lists of all tracks of the layout symmetric, as a file may hold them one-sided:
/// a track listed by another that it does not list gets that one appended to its list, in the
/// layout's track order; and the tracks of an element, whose record holds one group line for
/// all of them, list the same tracks (each other among them). Repeated until nothing changes,
/// so that the layout saved reads back the same. Returns the number of entries added.
std::size_t VerbuendeSymmetrisch(Anlage& a);
/// Takes the branch tracks of turnouts out of the successor lists (only the main stays); a
/// branch track taken out of its predecessor's list loses that predecessor.
void ZweigNachfolgerEntfernen(TModul& m);
/// Puts the branch track of a turnout beside its main track into every successor list, with
/// that list's track as its predecessor, as reading a file attaches both turnout tracks.
void ZweigNachfolgerSetzen(TModul& m);
/// Makes B the successor of A; A's former successors become B's.
void AlsNachfolgerEinfuegen(TModul& m, TGleis* a, TGleis* b);
/// Moves every start attached downstream of G onto its predecessor's end, through turnouts
/// and crossings; an element's other tracks go where the element puts them. Afterwards every
/// such start lies on its predecessor's end, however the tracks branch; a loop of tracks ends
/// at G. Tracks whose shape is unchanged move as rigid bodies (TGleis::Versetzen).
void LageWeitergeben(TModul& m, TGleis* g);
/// Takes G and the tracks attached behind it (chains of first successors, further successors,
/// element branches) out of all groups. Relies on symmetric group lists, as VerbundVereinen.
void GleisLoesen(TModul& m, TGleis* g);
/// Rebuilds the groups along G's successor chains and through element tracks, so that a group
/// holds every track attached behind G.
void VerbundAufbauen(TModul& m, TGleis* g);
/// Dissolves G's whole group: every member alone (with its element partners), unattached.
/// Tracks outside the group that were attached to a member keep their places from there on:
/// positions are propagated from each of them.
void VerbundAufloesen(TModul& m, TGleis* g);
/// Moves the segments after index i of G into a new track starting at (x, y) in direction w;
/// the new track gets a free number below 1 000 000. Returns it (none when nothing follows i).
TGleis* GleisTeilen(Anlage& a, TModul& m, TGleis* g, int i, double x, double y, double w);

/// Attaches the main track of a newly placed element behind the current segment of AKT: it
/// becomes AKT's successor; with `teilen` the segments behind the current one go on after
/// the main track as a track of their own (with whatever was attached to AKT's end); then the
/// positions are passed on and the module computed.
void HinterBogenEinhaengen(Anlage& a, TModul& m, TGleis* akt, TGleis* stamm, bool teilen);

// The user's commands.

/// "Gleis verbinden": joins the groups of G (current before the click) and C (clicked).
void GleisVerbinden(TGleis* g, TGleis* c);

/// Result of "Gleis als Nachfolger verbinden".
enum class Anhaengen { Verbunden, Abgelehnt, Ignoriert };
/// "Gleis als Nachfolger verbinden": attaches G behind C. A turnout goes as a whole: its main
/// track becomes C's successor with the branch beside it, whichever of the two G is; so does
/// a crossing or slip through its main track when G is a track the element places itself. Abgelehnt
/// when C's predecessor is G (the refusal cursor shows); Ignoriert for G itself, a track of
/// G's own element, or an existing attachment.
Anhaengen AlsNachfolgerVerbinden(TModul& m, TGleis* g, TGleis* c);
/// "Gleis lösen": releases C (or all tracks of its element) from groups and its predecessor,
/// then propagates positions from the released tracks (in a loop of tracks that never closed,
/// the open place moves to the cut).
void GleisLoesenBefehl(TModul& m, TGleis* c);
/// "Bogen mit Nachfolger verbinden": the current segment takes over the next one's length
/// and end radius; false when there is no next segment.
bool BogenMitNachfolgerVerbinden(TGleis& g);
/// "Bogen mit Vorgänger tauschen": length, radii and name change places with the previous
/// segment; false when there is none.
bool BogenMitVorgaengerTauschen(TGleis& g);

}  // namespace trm
