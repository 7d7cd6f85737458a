// TWeiche and TEWeiche: a turnout's design parameters, the two tracks of three segments each
// that it generates in its module (the module owns them, the turnout refers to them), its
// 44-line record, its geometry and placement, and the module-level turnout operations.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/model/Element.h"
#include "core/model/Geometrie.h"
#include "core/model/Listen.h"
#include "core/model/Zeilen.h"

namespace trm {

class TModul;
class TGleis;
class TBogen;

/// A sleeper centre point along a turnout track: position and direction; not valid where the
/// track has no sleeper at this plan index.
struct TSchwellenpunkt {
  double x = 0;
  double y = 0;
  double w = 0;
  bool Gueltig = true;
  bool operator==(const TSchwellenpunkt&) const = default;
};
/// Sleeper centre points along one turnout track.
using TSchwellenpunkte = std::vector<TSchwellenpunkt>;
/// Outline of one sleeper: four corner points.
using TSchwellenumriss = std::array<TPaar, 4>;
/// Sleeper outlines of a turnout.
using TWeichenschwellen = std::vector<TSchwellenumriss>;
/// Numbers of the double sleepers, counted from 1 over the whole plan.
using TIndexDoppelSw = std::vector<std::int32_t>;

/// Connection modes ("Anschluss mit"); 0 means the options named none.
inline constexpr std::uint8_t AnschlussStammAnfang = 1;  ///< "Stammgleisanfang"
inline constexpr std::uint8_t AnschlussStammEnde = 2;    ///< "Stammgleisende"
inline constexpr std::uint8_t AnschlussZweig = 4;        ///< "Zweiggleis"

/// Forms returned by Weichenform.
inline constexpr int FormEinfach = 0;      ///< "Einfache Weiche"
inline constexpr int FormInnenbogen = 1;   ///< "Innenbogenweiche"
inline constexpr int FormAussenbogen = 2;  ///< "Aussenbogenweiche"

/// The signed radii of the six segments: Stammbogen 1..3 and Zweigbogen 1..3.
struct TWeichenradien {
  std::array<double, 3> stamm{};
  std::array<double, 3> zweig{};
};

/// Lines of a turnout record.
inline constexpr std::size_t ZeilenWeiche = 44;

/// Upper bounds (inclusive) of newly drawn track numbers of the main and the branch track.
inline constexpr std::int64_t BereichStammgleis = 1'410'065'407;
inline constexpr std::int64_t BereichZweiggleis = 9'999'999;

/// The parameters every turnout has. Radii: exactly 0 given to a setter stores infinity.
/// Sleeper spacing, width and length: -1 takes the module's value; gauge and outer width
/// take the module's value when 0 or negative. Getters return resolved values.
class TWeiche : public TElement {
 public:
  explicit TWeiche(TModul* modul = nullptr) { Modul = modul; }
  TWeiche& operator=(const TWeiche&) = delete;

  std::string Name;                     ///< type name
  std::int32_t Farbe = 0;               ///< drawing colour (Windows RGB)
  double Winkel = 0;                    ///< turnout angle alpha of the basic form, radians
  std::int32_t WeichenID = 0;           ///< element number; the WeichenNr of both tracks
  std::string WOptionen = "00000";      ///< connection, direction, radius, length, sleeper mode
  std::int32_t AnzDoppelSw = 0;         ///< number of double sleepers
  TIndexDoppelSw IndexDoppelSw;         ///< which sleepers are double sleepers
  double TangLaenge = 0;                ///< tangent length T of the basic form
  double MaxSwLaenge = 0;               ///< largest sleeper length of the plan
  double Korrekturfaktor = 1;           ///< correction factor of the sleeper plan
  double XAnf = 0, YAnf = 0, ZAnf = 0;  ///< start point where the attached track begins
  double WAnf = 0;                      ///< start direction
  std::uint8_t Anschluss = AnschlussStammAnfang;  ///< 1, 2 or 4; 0 for unknown options
  TSchwellenpunkte SwPunkteStamm;                 ///< sleeper centres along the main track
  TSchwellenpunkte SwPunkteZweig;                 ///< sleeper centres along the branch track
  TWeichenschwellen SwPolygone;                   ///< sleeper outlines
  TSwLen SwLaengen;                 ///< user-defined sleeper lengths; empty when automatic
  std::string GruppenIDs = "00";    ///< link group numbers of the main track as read
  std::string GleisIDs = "-1";      ///< "main#branch" track numbers as read, or "-1"
  std::string VorgaengerID = "-1";  ///< predecessor track number as read, or "-1"

  /// Radius R of the basic form.
  double Radius() const { return radius_; }
  void SetRadius(double r);
  /// Gauge and outer width: own value when above 0, else the module's.
  double Spur() const;
  void SetSpur(double s) { spur_ = s; }
  double SpurAussen() const;
  void SetSpurAussen(double s) { spurAussen_ = s; }
  /// Sleeper spacing, width and length: own value unless -1, else the module's.
  double SwAbst() const;
  void SetSwAbst(double s) { swAbst_ = s; }
  double SwBrt() const;
  void SetSwBrt(double s) { swBrt_ = s; }
  double SwLen() const;
  void SetSwLen(double s) { swLen_ = s; }

  /// Option character at 1-based position pos of WOptionen, '0' when missing.
  char Option(int pos) const;
  /// Sets the option character at 1-based position pos (1..5), padding with '0'.
  void SetOption(int pos, char c);
  /// The connection mode that option character 1 names: 1, 2, 4, or 0 for any other.
  std::uint8_t AnschlussAusOptionen() const;
  /// Direction: option 2 '0' "Linksweiche", '1' "Rechtsweiche".
  bool IstLinks() const { return Option(2) == '0'; }
  bool IstRechts() const { return Option(2) == '1'; }
  void SetLinks() { SetOption(2, '0'); }
  void SetRechts() { SetOption(2, '1'); }
  /// "Radius anpassen": the third pair curves the way the first does.
  bool RadiusAnpassen() const { return Option(3) == '1'; }
  /// "Längen anpassen": the third-pair lengths are edited together.
  bool LaengenAnpassen() const { return Option(4) == '1'; }
  /// Sleeper plan mode "automatisch" (option 5 '0').
  bool SchwellenAutomatisch() const { return Option(5) == '0'; }

  /// The element number WeichenID.
  std::int32_t Nummer() const override { return WeichenID; }
  Elementart Art() const override { return Elementart::Weiche; }
  std::string Typname() const override { return Name; }
  std::string Seite() const override { return IstLinks() ? "links" : "rechts"; }
  void Drucken(Druckstufe s, Blattstift& p) const override;

 protected:
  TWeiche(const TWeiche&) = default;

 private:
  double radius_ = Unendlich;
  double spur_ = 0, spurAussen_ = 0;
  double swAbst_ = -1, swBrt_ = -1, swLen_ = -1;
};

/// The turnout that is instantiated: simple, inner-curve or outer-curve, by the signs of its
/// first-pair radii. Main track order and branch track order follow the connection mode.
class TEWeiche : public TWeiche {
 public:
  explicit TEWeiche(TModul* modul = nullptr) : TWeiche(modul) {}

  // ---- creation and records ----

  /// Reads the 44-line record at line i (advanced past it), takes `nummer` as WeichenID,
  /// sets Anschluss from WOptionen and appends the two tracks to m. The caller computes it
  /// and adds it to m.Weichen (see WeicheHinzufuegen). Throws LeseFehler; then m is unchanged.
  static std::unique_ptr<TEWeiche> AusSatz(TModul& m, const Zeilenquelle& z, std::size_t& i,
                                           std::int32_t nummer);
  /// Reads the 44-line record into the parameters (no tracks are made).
  void DatenLesen(const Zeilenquelle& z, std::size_t& i);
  /// Creates the main and the branch track with three segments each in the module, numbers
  /// them from GleisIDs (or draws new ones) and selects the main track and Stammbogen 1.
  void GleiseErzeugen();
  /// Appends the layout record: current start, the main track's group, track numbers and
  /// predecessor; sleeper settings, gauge and outer width resolved.
  void DatenSchreiben(Zeilen& out) const override;
  /// Appends the type record of the turnout list: as DatenSchreiben without start, group,
  /// track numbers and predecessor.
  void TypSchreiben(Zeilen& out) const override;
  /// The layout record read back into a turnout of module m (the kind's reader).
  static TElement* Lesen(TModul& m, const Zeilenquelle& z, std::size_t& i, std::int32_t k);

  // ---- drawing, links and copies ----
  /// Track-bed edges (when shown) and the end markers.
  void Zeichnen(const Anlage& a, Canvas& c, const TAnsicht& v) const override;
  /// The profile sign: main and branch strokes from the start, with the heights of the three
  /// ends as the turnout is attached.
  bool ProfilZeichnen(const Profilstift& p) const override;
  /// True once the sleeper plan is computed.
  bool EigeneSchwellen() const override { return !SwPolygone.empty(); }
  std::size_t Planschwellen() const override { return SwPolygone.size(); }
  std::vector<TGleis*> Mitnachfolger(const TGleis* g) const override;
  /// The track that starts at the turnout's start point (AngeschlossenesGleis).
  TGleis* Anschlussgleis() const override { return AngeschlossenesGleis(); }
  /// WeichenID and the WeichenNr of both tracks.
  void NummerSetzen(std::int32_t n) override;
  std::unique_ptr<TElement> Klonen() const override;
  void ZeigerUmsetzen(const TUmsetzung& u, TModul* m) override;

  // ---- geometry ----

  /// Regenerates lengths, order, start, gradients, radii and colour of the six segments from
  /// the parameters. Computes no points; a redraw follows.
  void GeometrieBerechnen();
  /// Places the dependent track on the attached one, takes the start point back from the
  /// attached track and computes the points of both; then the sleepers (the automatic plan
  /// first, so that it follows every change of the geometry and of the module's settings).
  void Platzieren() override;
  /// Takes the start from the attached track, then GeometrieBerechnen and Platzieren.
  void VomAnfangBerechnen() override;
  void FarbeSetzen(std::int32_t farbe) override {
    Farbe = farbe;
    VomAnfangBerechnen();
  }
  void StarthoeheSetzen(double z) override {
    ZAnf = z;
    VomAnfangBerechnen();
  }
  /// Replaces SwAbst1..3 by the automatic plan (WeichenSchwellen).
  void SchwellenplanBerechnen();
  /// Computes SwPunkteStamm, SwPunkteZweig and the outlines SwPolygone from the plan; the
  /// tracks' points must be computed.
  void SchwellenpunkteBerechnen();

  /// The radii GeometrieBerechnen gives the six segments with this connection and direction:
  /// the first pair by the table of signs, the others from it; a radius the parameters leave
  /// alone (unknown connection, a second pair without length) is the segment's present one.
  TWeichenradien Radien(std::uint8_t anschluss, bool rechts) const;

  /// 0 simple, 1 inner-curve, 2 outer-curve (from StammRadius1 and ZweigRadius1).
  int Weichenform() const;
  /// Exchanges left and right and changes the stored radii of the second and third pair so
  /// that the turnout becomes the mirror image of its drawn shape about the switch point's
  /// direction.
  void RichtungWechseln();
  /// "Anschluss mit": attaches the turnout by another end (1, 2 or 4). The stored radii of the
  /// second and third pair (and, where no radius can do it, the direction) change so that the
  /// drawn shape stays as it is.
  void AnschlussSetzen(std::uint8_t anschluss);
  /// "Weiche drehen": connection 1 → 2 → 4 → 1 (an unknown connection becomes 1), by
  /// AnschlussSetzen.
  void Drehen();
  bool ImPlanDrehen() override;
  bool ImPlanSpiegeln() override;

  // ---- tracks ----

  /// Main and branch track (owned by the module).
  TGleis* Stammgleis() const override { return stamm_; }
  TGleis* Zweiggleis() const override { return zweig_; }
  /// The track that starts at the turnout's start point: main for connections 1 and 2,
  /// branch for 4, none for an unknown connection.
  TGleis* AngeschlossenesGleis() const;
  /// Stammbogen n (1..3), none for another n.
  TBogen* Stammbogen(int n) const;
  /// Zweigbogen n (1..3), none for another n.
  TBogen* Zweigbogen(int n) const;
  /// Both tracks exist and each still holds exactly its three segments.
  bool Vollstaendig() const;

  // ---- parameters of the three arc pairs ----

  // Radii: 0 given to a setter stores infinity.

  /// Radii of Stammbogen 1 and Zweigbogen1.
  double StammRadius1() const { return stammRadius1_; }
  void SetStammRadius1(double r);
  double ZweigRadius1() const { return zweigRadius1_; }
  void SetZweigRadius1(double r);
  /// Radius of arc pair 2; ZweigRadius2 applies to Zweigbogen 2 while it is infinite.
  double Radius2() const { return radius2_; }
  /// Also sets ZweigRadius2.
  void SetRadius2(double r);
  double ZweigRadius2() const { return zweigRadius2_; }
  void SetZweigRadius2(double r);
  /// Radii of Stammbogen 3 and Zweigbogen 3.
  double StammRadius3() const { return stammRadius3_; }
  void SetStammRadius3(double r);
  double ZweigRadius3() const { return zweigRadius3_; }
  void SetZweigRadius3(double r);
  /// Reserved radii: read and written back, never used.
  double Reserve1() const { return reserve1_; }
  void SetReserve1(double r);
  double Reserve2() const { return reserve2_; }
  void SetReserve2(double r);
  /// Lengths of the second and third pair; below 0 stores 0.
  double StammLaenge2() const { return stammLaenge2_; }
  /// Also sets ZweigLaenge2.
  void SetStammLaenge2(double l);
  double ZweigLaenge2() const { return zweigLaenge2_; }
  void SetZweigLaenge2(double l);
  double StammLaenge3() const { return stammLaenge3_; }
  void SetStammLaenge3(double l);
  double ZweigLaenge3() const { return zweigLaenge3_; }
  void SetZweigLaenge3(double l);

  // Relations between the basic form and the first pair. Each refuses (returns false and
  // changes nothing) a value whose results would not be numbers a file can hold.

  /// Radius R of the basic form: T from R and alpha, main straight, branch radius R.
  bool GrundradiusAendern(double r);
  /// Turnout angle: T from R.
  bool WinkelAendern(double alpha);
  /// Inclination "1:n": angle atan(1/n), T from R.
  bool NeigungAendern(double n);
  /// Tangent length: alpha = 2·atan(T/R).
  bool TangenteAendern(double t);
  /// Main radius of the first pair; the branch radius follows from T.
  bool StammRadius1Aendern(double r);
  /// Branch radius of the first pair; the main radius follows from T. 0 restores the basic form.
  bool ZweigRadius1Aendern(double r);

  // ---- sleeper plan (stored, read and written) ----

  TSwAbstARR SwAbst1, SwAbst2, SwAbst3;  ///< sleeper distances per arc pair (main, branch)
  double AnfAbst1 = 0, AnfAbst2 = 0, AnfAbst3 = 0;  ///< start distances per arc pair
  double EndAbst1 = 0, EndAbst2 = 0, EndAbst3 = 0;  ///< end distances per arc pair
  std::int32_t SenkrechtBis = 0;  ///< sleepers up to this number lie square to the main track

 private:
  void Schreiben(Zeilen& out, bool typ) const;
  /// Sets the stored radii of the second and third pair so that, with the present connection,
  /// direction and first pair, they are drawn as `soll` says (radii seen from the switch point).
  void GestaltHerstellen(const TWeichenradien& soll);
  /// Places the dependent track on the attached track `an` and takes the start back from it.
  void Anlegen(TGleis* an);

  double stammRadius1_ = Unendlich, zweigRadius1_ = Unendlich;
  double radius2_ = Unendlich, zweigRadius2_ = Unendlich;
  double stammRadius3_ = Unendlich, zweigRadius3_ = Unendlich;
  double reserve1_ = Unendlich, reserve2_ = Unendlich;
  double stammLaenge2_ = 0, zweigLaenge2_ = 0, stammLaenge3_ = 0, zweigLaenge3_ = 0;

  TGleis* stamm_ = nullptr;
  TGleis* zweig_ = nullptr;
  std::array<TBogen*, 3> stammBoegen_{};
  std::array<TBogen*, 3> zweigBoegen_{};
};

// ---- turnouts of a module ----

/// Computes a created turnout, adds it to the module's elements and places its tracks.
TEWeiche* WeicheHinzufuegen(TModul& m, std::unique_ptr<TEWeiche> w);
/// The turnout of a turnout track (by WeichenNr, the last match), else the module's first
/// turnout; it is selected. None when the module has no turnout.
TEWeiche* WeicheZuGleis(TModul& m, const TGleis& g);
/// After a parameter change: GeometrieBerechnen, placement, the successors of both tracks
/// moved along, and the module recomputed.
void WeicheAktualisieren(TEWeiche& w);
}  // namespace trm
