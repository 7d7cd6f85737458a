// TKreuzung: a crossing of two tracks at an angle. It generates three tracks in its module
// (main track, crossing track A and B, eight segments), keeps them in step with its values,
// reads and writes its 44-line record, and draws its markers. The module owns the tracks; the
// crossing refers to them. The single and double slips (EKW.h, DKW.h) derive from it and
// extend its steps through the protected virtual operations.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/crossings/KrSchwellen.h"
#include "core/model/Element.h"
#include "core/model/Geometrie.h"
#include "core/model/Listen.h"
#include "core/model/Zeilen.h"

namespace trm {

class TModul;
class TGleis;
class TBogen;

/// Lines of a crossing record.
inline constexpr std::size_t ZeilenKreuzung = 44;

/// The four inner segments, in the order of `TKreuzung::InnenLaengen`.
enum class Innenbogen { StA = 0, StB = 1, KrA = 2, KrB = 3 };

/// A crossing. Lengths in mm, angles in radians, colours as Windows colour values.
class TKreuzung : public TElement {
 public:
  explicit TKreuzung(TModul* modul = nullptr) { Modul = modul; }
  TKreuzung& operator=(const TKreuzung&) = delete;

  std::string Name;            ///< type name
  std::int32_t KrNr = 0;       ///< element number; the KrNr of its three tracks
  double Winkel = 0;           ///< crossing angle alpha, positive
  double Laenge = 0;           ///< base length L along the main track
  std::uint8_t Richtung = 0;   ///< 0 "von links", 1 "von rechts"
  double BP1Laenge = 0, BP2Laenge = 0;  ///< outer curve pairs, side A and side B
  double StALaenge = 0, KrALaenge = 0, StBLaenge = 0, KrBLaenge = 0;
  double StARadius = 0, KrARadius = 0, StBRadius = 0, KrBRadius = 0;  ///< 0 is straight
  double BP1Endabst = 0, BP2Endabst = 0;
  double KrSpur = 0;        ///< gauge; <= 0 the module's
  double KrSpurAussen = 0;  ///< width over both rail heads; <= 0 the module's
  double EKWRadius = 0;     ///< slip radius, carried by a plain crossing
  std::int32_t Farbe = 0;
  bool MitSwPlan = false;
  double KrSwLen = 0, KrSwAbst = 0;
  double KrSwBrt = 0;     ///< sleeper width; <= 0 the module's
  double SwLenMax = 0;    ///< largest sleeper length; <= 0 twice KrSwLen
  double SwLenMaxLi = 0;  ///< largest sleeper length of the left-hand side (slips)
  TIndexARR DSwIndizes;   ///< numbers of the double sleepers
  double AbstKMP = 0;     ///< distance from the crossing centre
  std::array<double, 6> Reserviert{};  ///< reserved reals, written back as read
  double XAnf = 0, YAnf = 0, ZAnf = 0, WAnf = 0;  ///< start of the main track (outer end of side A)
  std::string GleisNummern = "-1#-1#-1";  ///< track numbers as read
  std::string VerbundNummern;             ///< link-group numbers as read
  std::string VorgaengerNr = "-1";        ///< predecessor of the main track as read
  TSchwellenARR SwUmrisseB, SwUmrisseA;   ///< sleeper outlines of side 0 (B) and side 1 (A)
  /// How far the single sleepers of main track A, crossing track A, main track B and crossing
  /// track B ran past the outer segment where the blade region begins (sleeper plan).
  double RestStA = 0, RestKrA = 0, RestStB = 0, RestKrB = 0;

  /// Radius R of the inner curves; infinity is a straight crossing, the sign the turning.
  double Radius() const { return radius_; }
  /// Within 1e-12 of 0 stores positive infinity.
  void SetRadius(double r);
  /// True when the inner curves are straight.
  bool Gerade() const;
  /// Gauge and outer width: a value <= 0 stores a copy of the module's current value.
  void SpurSetzen(double s);
  void SpurAussenSetzen(double s);
  /// Sets the position: the main track's start, height and direction.
  void PositionSetzen(double x, double y, double z, double w);

  // ---- effective values ----
  double Spur() const;
  double SpurAussen() const;
  double SwBrt() const;
  double SwLenMaxWert() const;
  /// Distance from the centre to each acute frog, cut at L/2.
  double HerzAbst() const;
  /// L/2 - HerzAbst; the slips derive their own.
  virtual double HerzEndAbst() const;
  /// Smallest base length: gauge / tan(alpha/2).
  double MinLaenge() const;
  /// Why the values cannot make a crossing (German, without line), or empty when they can:
  /// the angle, the base length, the inner radius and the numbers are checked.
  virtual std::string Fehlerhaft() const;

  // ---- creation, computation ----
  /// Reads the 44 lines at i (advanced past them); checks them (Fehlerhaft) and throws
  /// LeseFehler naming the line. Creates no tracks.
  void KrLaden(const Zeilenquelle& z, std::size_t& i);
  /// Reads the kind's whole record (the crossing's: KrLaden). Creates no tracks.
  virtual void Laden(const Zeilenquelle& z, std::size_t& i) { KrLaden(z, i); }
  /// Creates the three tracks and eight segments in the module.
  void KrAufbauen();
  /// Creates all tracks and segments of the kind (the crossing's: KrAufbauen).
  virtual void Aufbauen() { KrAufbauen(); }
  /// Sets every segment from the values and places the element's dependent tracks.
  void KrBerechnen();
  /// KrBerechnen and the element's tracks computed.
  void KrAktualisieren();
  /// Throws LeseFehler naming line `anfang` + 1 when a track of the element computed to a point
  /// or direction that is not finite; the element is first removed from its module.
  void BerechenbarPruefen(std::size_t anfang);
  /// "Kreuzung drehen": the crossing track comes from the other side.
  void Drehen();
  bool ImPlanDrehen() override;
  /// Every track of the element is complete and computed to finite points and directions.
  bool Berechenbar() const;

  // ---- sleeper plan (KrSchwellenplan.cpp) ----
  /// Computes the sleepers of side 0 (B, into SwUmrisseB) or side 1 (A, into SwUmrisseA) from
  /// the values and the computed segments: common sleepers across both tracks along the
  /// bisector, single sleepers from the outer ends, and for slips the blade-region sleepers.
  void KrSchwellenplan(int seite);
  /// Draws the sleeper outlines of one side: red while a track of the element is marked.
  void KrSchwellenZeichnen(int seite, Canvas& c, const TAnsicht& v) const;

  // ---- TElement ----
  Elementart Art() const override { return Elementart::Kreuzung; }
  std::string Typname() const override { return Name; }
  std::int32_t Nummer() const override { return KrNr; }
  void NummerSetzen(std::int32_t n) override;
  TGleis* Stammgleis() const override { return stamm_; }
  TGleis* KreuzungsgleisA() const override { return krA_; }
  TGleis* KreuzungsgleisB() const override { return krB_; }
  void FarbeSetzen(std::int32_t farbe) override {
    Farbe = farbe;
    VomAnfangBerechnen();
  }
  void StarthoeheSetzen(double z) override {
    ZAnf = z;
    VomAnfangBerechnen();
  }
  void VomAnfangBerechnen() override;
  std::size_t Planschwellen() const override { return SwUmrisseA.size() + SwUmrisseB.size(); }
  /// Places the crossing tracks and the kind's branches, then computes the sleeper plan when
  /// MitSwPlan is set (else the outlines are emptied).
  void Platzieren() final;
  void DatenSchreiben(Zeilen& out) const override;
  void TypSchreiben(Zeilen& out) const override;
  void Zeichnen(const Anlage& a, Canvas& c, const TAnsicht& v) const override;
  /// The profile sign: two crossing strokes with the heights of the four ends, and a bar by
  /// each side that has a slip branch.
  bool ProfilZeichnen(const Profilstift& p) const override;
  void Drucken(Druckstufe s, Blattstift& p) const override;
  std::unique_ptr<TElement> Klonen() const override;
  void ZeigerUmsetzen(const TUmsetzung& u, TModul* m) override;

  // ---- segments ----
  TBogen* StAussenA() const { return boegen_[0]; }
  TBogen* StInnenA() const { return boegen_[1]; }
  TBogen* StInnenB() const { return boegen_[2]; }
  TBogen* StAussenB() const { return boegen_[3]; }
  TBogen* KrInnenA() const { return boegen_[4]; }
  TBogen* KrAussenA() const { return boegen_[5]; }
  TBogen* KrInnenB() const { return boegen_[6]; }
  TBogen* KrAussenB() const { return boegen_[7]; }
  /// All tracks and segments of the kind exist, each track holding exactly its segments.
  virtual bool Vollstaendig() const;

  /// The kind's reader inside the module record.
  static TElement* Lesen(TModul& m, const Zeilenquelle& z, std::size_t& i, std::int32_t k);

 protected:
  TKreuzung(const TKreuzung&) = default;

  /// Tracks of the kind, and so the numbers in line 36.
  virtual int Gleiszahl() const { return 3; }
  /// Reads the 44 lines of the crossing without checking them; line 41 goes to ZungenZeileLesen.
  void KrZeilenLesen(const Zeilenquelle& z, std::size_t& i);
  /// Line 41: the blade deduction of the slips; the crossing passes over it.
  virtual void ZungenZeileLesen(Zeilenleser& l) { l.Ueberspringen(); }
  /// The value written into line 41.
  virtual double ZungenZeile() const { return 0; }
  /// Throws LeseFehler naming the record's line (the record began at `anfang`) when Fehlerhaft
  /// finds a fault.
  void WerteFehlerMelden(std::size_t anfang) const;
  /// Appends the 44 crossing lines (type form without position, numbers and links).
  void Schreiben(Zeilen& out, bool typ) const;
  /// Length taken off an inner segment for the slips' switch blades; none for a crossing.
  virtual double Zungenabzug(Innenbogen innen) const {
    (void)innen;
    return 0;
  }
  /// Lengths of StInnenA, StInnenB, KrInnenA, KrInnenB as the segments take them from the
  /// values (a negative length as 1).
  std::array<double, 4> InnenLaengen() const;
  /// Short name of the kind in messages: "Kreuzung", "EKW", "DKW".
  virtual std::string Kuerzel() const { return "Kreuzung"; }
  /// Sets the parameters of every segment from the values (no points computed). A slip adds
  /// its own segments.
  virtual void SegmenteSetzen();
  /// The track-bed edges the element draws: segment and side (+1 left, -1 right).
  virtual std::vector<std::pair<const TBogen*, int>> Trassenkanten() const;
  /// Places the tracks a kind adds (the slips' branches) after the crossing tracks.
  virtual void ZweigePlatzieren() {}
  /// What the kind adds to the sleeper plan (none for a plain crossing).
  virtual TSchwellenZweig SchwellenZweig() const { return {}; }
  /// What a kind draws besides its tracks, edges and markers (the slips' branch outlines).
  virtual void ZusatzZeichnen(const Anlage& a, Canvas& c, const TAnsicht& v) const {
    (void)a, (void)c, (void)v;
  }
  /// The crossing's tracks and segments exist, the main track holding `stamm` segments and
  /// each crossing track `kreuz`.
  bool KrVollstaendig(std::size_t stamm, std::size_t kreuz) const;
  /// A track number for field `feld` of GleisNummern: the record's own, else a drawn one.
  /// With `immerZiehen` a number is drawn (and entered) even when the record's is taken.
  std::int32_t Gleisnummer(int feld, bool immerZiehen) const;

  double radius_ = Unendlich;
  TGleis* stamm_ = nullptr;
  TGleis* krA_ = nullptr;
  TGleis* krB_ = nullptr;
  std::array<TBogen*, 8> boegen_{};
};

/// After a change of values: KrAktualisieren, the crossing tracks pass their ends on, the
/// module is recomputed.
void KreuzungAktualisieren(TKreuzung& k);
/// A crossing type with sensible H0 values for the module m (no tracks).
Zeilen StandardKreuzung(const TModul& m);
/// Places type record `satz` of the kind of `neu` (a fresh element of module m, which the
/// record is read into) at the end of the current segment (or of the current element track)
/// of the current module, attached behind it; splits the track behind the segment.
TKreuzung* KrElementEinsetzen(Anlage& a, std::unique_ptr<TKreuzung> neu, const Zeilen& satz);
/// Places a copied record of the kind of `neu` with its start at (x, y) under element number
/// `nummer`.
TKreuzung* KrElementEinfuegenBei(Anlage& a, std::unique_ptr<TKreuzung> neu, const Zeilen& satz, double x,
                                 double y, std::int32_t nummer);
/// Reads the record at i into `neu` as an element of module m (its k-th of the kind), builds and
/// adds it and computes it. Throws LeseFehler; then m holds nothing of it.
TElement* KrElementLesen(TModul& m, std::unique_ptr<TKreuzung> neu, const Zeilenquelle& z, std::size_t& i,
                         std::int32_t k);
/// KrElementEinsetzen and KrElementEinfuegenBei for a crossing.
TKreuzung* KreuzungEinsetzen(Anlage& a, const Zeilen& satz);
TKreuzung* KreuzungEinfuegenBei(Anlage& a, const Zeilen& satz, double x, double y, std::int32_t nummer);

}  // namespace trm
