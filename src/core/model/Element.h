// TElement: a special element (turnout, crossing, single or double slip, turntable,
// background component) as the rest of the program sees it. Every operation that the module,
// the links, the geometry pass, the files, the drawing, the clipboard and the undo history
// need of an element goes through this interface; no caller casts to a kind.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "core/model/Elementart.h"
#include "core/model/Zeilen.h"

namespace trm {

class Anlage;
class Canvas;
class TAnsicht;
struct Profilstift;
class Blattstift;
enum class Druckstufe : int;
class TBogen;
class TGleis;
class TModul;
struct TGruppenbewegung;

/// Old → new addresses of tracks, segments and elements when a layout is copied (the undo history).
struct TUmsetzung {
  std::unordered_map<const TGleis*, TGleis*> gleise;
  std::unordered_map<const TBogen*, TBogen*> boegen;
  std::unordered_map<const TElement*, TElement*> elemente;
  TGleis* Gleis(const TGleis* g) const;
  TBogen* Bogen(const TBogen* b) const;
  TElement* Element(const TElement* e) const;
};

/// A height shown by "Höhen zeigen": the point, its height and the text's alignment (h, v) in
/// 0..2 around the point.
struct THoehenwert {
  double x = 0, y = 0, z = 0;
  int h = 0, v = 0;
};

/// A special element that generates ordinary tracks in its module and refers to them.
class TElement {
 public:
  virtual ~TElement() = default;

  TModul* Modul = nullptr;  ///< the module that holds the element and its tracks
  bool Markiert = false;    ///< selected in its module

  virtual Elementart Art() const = 0;
  /// The type name the element was placed from.
  virtual std::string Typname() const = 0;
  /// The side the parts list counts the element by besides its type ("links", "rechts");
  /// empty for a kind without sides.
  virtual std::string Seite() const { return {}; }
  /// The element's number (`WeichenNr` or `KrNr` of its tracks).
  virtual std::int32_t Nummer() const = 0;
  /// Gives the element and its tracks another number.
  virtual void NummerSetzen(std::int32_t n) = 0;

  // ---- tracks by role ----
  /// Main track: the turnout's `Stammgleis`, the crossing's or slip's `Stammgleis`.
  virtual TGleis* Stammgleis() const = 0;
  /// Branch track of a turnout; none for crossings and slips.
  virtual TGleis* Zweiggleis() const { return nullptr; }
  /// Crossing tracks of crossings and slips; none for turnouts.
  virtual TGleis* KreuzungsgleisA() const { return nullptr; }
  virtual TGleis* KreuzungsgleisB() const { return nullptr; }
  /// Branch tracks of slips: one for a single slip, two for a double slip.
  virtual std::vector<TGleis*> Zweiggleise() const { return {}; }
  /// All tracks in role order: main, branch, crossing A, crossing B, slip branches.
  std::vector<TGleis*> AlleGleise() const;

  // ---- what the link algorithms need ----
  /// Tracks that always form one link group: all of the element's tracks.
  std::vector<TGleis*> Kerngleise() const { return AlleGleise(); }
  /// Tracks a group walk branches into besides the main run: all but the main track.
  std::vector<TGleis*> Abzweige() const;
  /// Tracks that pass their end on after the element was recomputed from its start.
  virtual std::vector<TGleis*> Folgegleise() const { return Kerngleise(); }
  /// Tracks that stand beside `g` in the successor list of the track `g` is attached to
  /// (a turnout's branch beside its main track).
  virtual std::vector<TGleis*> Mitnachfolger(const TGleis* g) const;
  /// The track whose start sits on the end of the track the element is attached to; the
  /// element places its other tracks from it. None when the element places none of its
  /// tracks: each of them then follows the track it is attached to.
  virtual TGleis* Anschlussgleis() const { return Stammgleis(); }
  /// Ordinary tracks the element moves with itself without owning them (a turntable's
  /// connected tracks); they are written as track records and belong to no element.
  virtual std::vector<TGleis*> AngeschlosseneGleise() const { return {}; }
  /// The starts of the tracks `gruppe` were moved by b (a link group dragged, moved or turned
  /// by values): an element whose own position hangs on tracks of the group follows, with its
  /// other tracks. Elements placed from their tracks need nothing.
  virtual void GruppeBewegt(const std::unordered_set<const TGleis*>& gruppe, const TGruppenbewegung& b) {
    (void)gruppe;
    (void)b;
  }
  /// Track g of the module is about to be destroyed: the element forgets every reference
  /// to it.
  virtual void GleisEntfernt(const TGleis* g) { (void)g; }
  /// Whether g, a track of the element, starts on its predecessor's end (rather than where
  /// the element puts it).
  bool FolgtVorgaenger(const TGleis* g) const {
    const TGleis* a = Anschlussgleis();
    return a == nullptr || a == g;
  }

  // ---- commands of the data window ----
  /// "… drehen": the element attached from its next side, rebuilt in place with the tracks
  /// behind it following; false for a kind that does not turn (nothing changed).
  virtual bool ImPlanDrehen() { return false; }
  /// Left-hand and right-hand exchanged, rebuilt in place; false for a kind without sides.
  virtual bool ImPlanSpiegeln() { return false; }

  // ---- geometry ----
  /// Recomputes the element's geometry from its start and places its tracks.
  virtual void VomAnfangBerechnen() = 0;
  /// After the geometry pass of the module: places the tracks that depend on the attached one
  /// (start on the attached track's start or end) and computes their points again.
  virtual void Platzieren() {}
  /// Gives the element (and so its tracks) a drawing colour and rebuilds it; kinds without a
  /// colour of their own ignore it.
  virtual void FarbeSetzen(std::int32_t farbe) { (void)farbe; }
  /// Gives the element's start a height and rebuilds it; kinds without one ignore it.
  virtual void StarthoeheSetzen(double z) { (void)z; }
  /// The height of an element that has one of its own apart from its tracks (a turntable's
  /// centre), shown and set in the gradient window; none for the other kinds.
  virtual std::optional<double> EigeneHoehe() const { return std::nullopt; }
  virtual void EigeneHoeheSetzen(double z) { (void)z; }

  // ---- records ----
  /// Appends the element's record inside the module record.
  virtual void DatenSchreiben(Zeilen& out) const = 0;
  /// Appends the type record (list files and the clipboard): no position, links or numbers.
  virtual void TypSchreiben(Zeilen& out) const = 0;

  // ---- drawing ----
  /// A background drawing: drawn before the tracks, under the layout.
  virtual bool Hintergrund() const { return false; }
  /// Draws what the element adds to its tracks (markers, edges), after all tracks.
  virtual void Zeichnen(const Anlage& a, Canvas& c, const TAnsicht& v) const = 0;
  /// Draws the element's sign into the gradient window's profile; false when it has none and
  /// its track is profiled segment by segment like an ordinary one.
  /// Draws the element's part of a printed sheet at stage s; its tracks are printed as tracks.
  virtual void Drucken(Druckstufe s, Blattstift& p) const {
    (void)s;
    (void)p;
  }
  virtual bool ProfilZeichnen(const Profilstift& p) const {
    (void)p;
    return false;
  }
  /// The heights "Höhen zeigen" writes at the element: the start of its attached track
  /// (Anschlussgleis) aligned (0, 2) and the ends of its main, branch and crossing tracks
  /// aligned (2, 0).
  virtual std::vector<THoehenwert> Hoehenwerte() const;
  /// The element draws its tracks' sleepers itself (a sleeper plan); false: its tracks get the
  /// sleepers of a plain track where a plan is wanted (the printed sheet).
  virtual bool EigeneSchwellen() const { return true; }
  /// Sleeper outlines of the element's own plan as last computed (what the plan costs); 0 for
  /// kinds without one.
  virtual std::size_t Planschwellen() const { return 0; }

  // ---- copies for the undo history ----
  /// A copy of every value; references still point into the original layout.
  virtual std::unique_ptr<TElement> Klonen() const = 0;
  /// Points the copy's references at the copied tracks and segments of module m.
  virtual void ZeigerUmsetzen(const TUmsetzung& u, TModul* m) = 0;
};

/// Removes element e from module m: the tracks attached behind it (with all tracks of elements
/// among them) are released and their groups rebuilt, the element's tracks are removed with
/// every reference to them, the last track becomes current and the element is freed. False
/// when e is not an element of m.
bool ElementEntfernen(TModul& m, const TElement* e);

}  // namespace trm
