// TDrehscheibe: a turntable, a circular element of a module: a pit with a bridge and N track
// connections evenly spaced on its rim. It owns no tracks: tracks created at a connection are
// ordinary tracks of the module that the turntable remembers as connected and moves, turns and
// pushes outward with itself. The module owns the turntable; the connected tracks are references.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/model/Element.h"
#include "core/model/Zeilen.h"

namespace trm {

class TGleis;
class TModul;

/// Element numbers of turntables are drawn in 0..BereichDrehscheibe.
inline constexpr std::int64_t BereichDrehscheibe = 99'999'999;
/// Lines of a turntable record.
inline constexpr std::size_t ZeilenDrehscheibe = 12;
/// Most connections a turntable may have: more would not be a model of anything, and the
/// drawing and the searches walk every connection.
inline constexpr int MaxAnschluesse = 360;

/// A connection point: position on the rim and the direction a track leaves in.
struct TAnschlusspunkt {
  double x = 0, y = 0;
  double w = 0;  ///< radians, pointing away from the centre
};

/// A turntable. Lengths in mm, angles in radians.
class TDrehscheibe : public TElement {
 public:
  explicit TDrehscheibe(TModul* modul = nullptr) { Modul = modul; }
  TDrehscheibe& operator=(const TDrehscheibe&) = delete;

  std::string Name;             ///< type name
  std::int32_t DSNr = 0;        ///< element number, drawn when read or placed (not in the record)
  double XMitte = 0, YMitte = 0;
  double ZMitte = 0;            ///< height of the centre
  double Innendurchmesser = 0;  ///< pit diameter Di
  double Aussendurchmesser = 0; ///< outer diameter Da; the connections lie on this circle
  double Teilung = 0;           ///< angle T between neighbouring connections
  std::string GleisIDs = "-1";  ///< numbers of the connected tracks as read
  int AktAnschluss = 1;         ///< active connection, 1..N
  double GriffX = 0, GriffY = 0;  ///< grab point minus centre during a drag
  /// dx, dy and the turn of the last alignment search, and the connection point it found.
  double AusrichtungDx = 0, AusrichtungDy = 0, AusrichtungDw = 0;
  double AusrichtungX = 0, AusrichtungY = 0;

  /// Direction from the centre to connection 1 (also the bridge's), in 0..2π.
  double Startwinkel() const { return startwinkel_; }
  /// Number of connections: the whole number nearest to 2π/T.
  int Anzahl() const;
  /// The connected tracks, in the order they were connected (read: module order).
  const std::vector<TGleis*>& Anschluesse() const { return anschluesse_; }
  /// Remembers g as connected (once).
  void Anschliessen(TGleis* g);

  /// Connection i (0-based): at direction i·T + Startwinkel from the centre, on the outer circle.
  TAnschlusspunkt Anschlusspunkt(int i) const;
  /// All N connection points.
  std::vector<TAnschlusspunkt> Anschlusspunkte() const;

  /// Every connected track's start moves by (neu - alt)/2 along its own start direction, then
  /// Da = neu.
  void AussendurchmesserSetzen(double neu);
  /// The value brought into 0..2π; every connected track turned about the centre by the change.
  void StartwinkelSetzen(double w);
  /// The centre to (x, y); the connected tracks move along.
  void MitteSetzen(double x, double y);
  /// Turns the turntable with its connected tracks by w about (px, py), then moves it by
  /// (dx, dy).
  void Bewegen(double dx, double dy, double w, double px, double py);
  /// A link group that holds some of the connected tracks moved: the centre and the start
  /// direction follow, and so do the connected tracks outside the group.
  void GruppeBewegt(const std::unordered_set<const TGleis*>& gruppe, const TGruppenbewegung& b) override;
  /// n brought into 1..N: 0 is N, N + 1 is 1, -1 is N - 1.
  void AktAnschlussSetzen(std::int64_t n);
  /// A point in the ring between pit and rim makes the connection nearest to its direction
  /// from the centre active; elsewhere nothing changes.
  void AnschlussWaehlen(double x, double y);
  /// True when (x, y) lies inside the outer circle.
  bool Enthaelt(double x, double y) const;

  /// Why the values cannot make a turntable (German, without line), or empty when they can:
  /// the diameters must not be negative, the outer one above 0, and the division must give 1
  /// to MaxAnschluesse connections.
  std::string Fehlerhaft() const;

  /// Reads the 12 lines at i (advanced past them) and checks them; throws LeseFehler naming
  /// the line. Connects nothing (Verknuepfen does).
  void DSLaden(const Zeilenquelle& z, std::size_t& i);
  /// Connects every ordinary track of the module whose number GleisIDs lists.
  void Verknuepfen();

  // ---- TElement ----
  Elementart Art() const override { return Elementart::Drehscheibe; }
  std::string Typname() const override { return Name; }
  std::int32_t Nummer() const override { return DSNr; }
  void NummerSetzen(std::int32_t n) override { DSNr = n; }
  TGleis* Stammgleis() const override { return nullptr; }
  std::vector<TGleis*> AngeschlosseneGleise() const override { return anschluesse_; }
  void GleisEntfernt(const TGleis* g) override;
  void VomAnfangBerechnen() override {}
  void DatenSchreiben(Zeilen& out) const override;
  void TypSchreiben(Zeilen& out) const override;
  void Zeichnen(const Anlage& a, Canvas& c, const TAnsicht& v) const override;
  void Drucken(Druckstufe s, Blattstift& p) const override;
  /// The height of the centre, centred on it.
  std::vector<THoehenwert> Hoehenwerte() const override { return {{XMitte, YMitte, ZMitte, 1, 1}}; }
  std::optional<double> EigeneHoehe() const override { return ZMitte; }
  void EigeneHoeheSetzen(double z) override { ZMitte = z; }
  std::unique_ptr<TElement> Klonen() const override;
  void ZeigerUmsetzen(const TUmsetzung& u, TModul* m) override;

  /// The kind's reader inside the module record.
  static TElement* Lesen(TModul& m, const Zeilenquelle& z, std::size_t& i, std::int32_t k);

 private:
  TDrehscheibe(const TDrehscheibe&) = default;
  void Schreiben(Zeilen& out, bool typ) const;

  double startwinkel_ = 0;
  std::vector<TGleis*> anschluesse_;
};

/// The selected turntable of the module, or none.
TDrehscheibe* GewaehlteDrehscheibe(const TModul& m);

}  // namespace trm
