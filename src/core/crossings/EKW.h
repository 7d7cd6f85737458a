// TEKW: a single slip, a crossing with one slip curve. It keeps the crossing's tracks and
// segments, puts a middle segment into each of the four legs (the switch blades lie there), and
// adds a branch track of three segments that leaves one half of the crossing track and joins
// the main track. Blades lie inside the crossing ("innen": stored lengths and radii of the frog
// pieces and the branch) or outside ("aussen": a blade device of tangent length and angle from
// which the branch is derived). The double slip (DKW.h) derives from it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/crossings/Kreuzung.h"

namespace trm {

/// Lines of a single-slip record.
inline constexpr std::size_t ZeilenEKW = 74;

/// Length along a curve of radius x for tangent length t: 2 x atan(t / x), or 2 t when x is
/// infinite or within 1e-12 of 0.
double LaengeAufRadius(double x, double t);

// Formulas the single and the double slip share.

/// omega from the case, mu and lambda: 2 mu + 2 lambda in case 1, else |2 mu - 2 lambda| (0 when
/// they agree within 1e-12).
double OmegaWert(int fall, double mu, double lambda);
/// The slip-curve radius of inside blades: a when straight (case 0), else from r, mu, omega.
double InnenZweigradius(int fall, double r, double mu, double omega, double a);
/// Tangent length tau and radius rho of a branch's middle segment that turns the branch angle
/// phi between two blade curves of tangent t on radius rbStrich, the branch's ends lying s from
/// the crossing of their tangents.
struct TMittelbogen {
  double tau = 0, rho = 0;
};
TMittelbogen Mittelbogen(double phi, double s, double t, double rbStrich);
/// The distance S for blade tangent t (outside blades): f = the blade's length on r plus the
/// inner length l; v by the case, with the sign of alpha/2 in case 1 (the double slip's second
/// curve passes -1).
double Strecke(bool gerade, double r, double t, double l, double alpha, int fall,
               double vorzeichen);
/// Length of a branch's middle segment from tau and rho: 2 tau when rho is infinite or 0.
double MittelLaenge(const TMittelbogen& m);
/// r times w, an infinite radius staying straight.
double MitVorzeichen(double r, double w);
/// Text of a real for the informative lines: "0" when it is not finite.
std::string EndlichText(double x);

/// A single slip.
class TEKW : public TKreuzung {
 public:
  explicit TEKW(TModul* modul = nullptr) : TKreuzung(modul) {}

  std::uint8_t ZwAnschluss = 0;  ///< t: 0 branch "am Stammgleis", 1 "am Kreuzungsgleis"
  std::uint8_t ZungenInnen = 1;  ///< 1 blades inside ("innen"), 0 outside ("aussen")
  double ZgTangente = 0;         ///< T, tangent length of the blade device (outside blades)
  double ZgWinkel = 0;           ///< beta, angle of the blade device (outside blades)
  bool ZgTauschLi = false, ZgTauschRe = false;  ///< blade device swapped with the branch segment
  double HSLaengeLi = 0, HSLaengeRe = 0;        ///< frog pieces (inside blades)
  double HSWinkelLi = 0, HSWinkelRe = 0;        ///< end angles of the frog pieces
  double HSRadiusLi = 0, HSRadiusRe = 0;  ///< radii of the frog pieces; 0 or infinite straight
  double StMitteALen = 0, StMitteBLen = 0, KrMitteALen = 0, KrMitteBLen = 0;  ///< inside blades
  double StMitteARad = 0, StMitteBRad = 0, KrMitteARad = 0, KrMitteBRad = 0;  ///< for Richtung 0
  double ZwLinksLen = 0, ZwMitteLen = 0, ZwRechtsLen = 0;  ///< branch segments (inside blades)
  double KurzAbzug = 0;  ///< taken off the inner segments opposite the blades (outside blades)
  std::array<double, 2> EKWReserviert{};  ///< lines 61 and 62: read and written back, not used

  // ---- derived values (from the values and the current inner segments) ----
  /// True when the branch leaves the crossing track ("am Kreuzungsgleis").
  bool AmKreuzungsgleis() const { return ZwAnschluss == 1; }
  bool Innen() const { return ZungenInnen == 1; }
  /// mu = delta + alpha/2 of the crossing's inner curves (Kreuzung.cpp); 0 when straight.
  double Mu() const;
  /// lambda: angle of the inner segment the branch leaves from (StInnenA or KrInnenA).
  double Lambda() const;
  /// 0 straight; 1 the branch on the outer side of the curve; 2 or 3 on the inner side.
  int EKWFall() const;
  double Omega() const;
  /// rb, radius of the slip curve.
  double Zweigradius() const;
  /// Length of a blade: on radius rb (a double slip: rb2) for tangent T.
  double Zungenbogen() const;
  /// phi, the angle the branch turns (outside blades).
  double ZwWinkel() const;
  /// S, the distance of the branch's ends from the crossing of their tangents (outside blades).
  double ZwStrecke() const;
  /// tau and rho: tangent length and radius of the branch's middle segment (outside blades).
  double ZwMitteTangente() const;
  double ZwMitteRadius() const;
  /// The branch radius shown to the user: rb with inside blades or T > 0, else rho.
  double AngezeigterZweigradius() const;

  // ---- setters with rules of their own; each is followed by a recompute ----
  /// The base form from angle alpha and slip radius a: straight, frog end angles alpha, blades
  /// inside exactly when the frogs lie at or beyond the slip curve's tangent points.
  void EKWGrundform(double alpha, double a);
  /// The kind's base form (the double slip adds its own values).
  virtual void Grundform(double alpha, double a) { EKWGrundform(alpha, a); }
  /// The "kurze" Länge x (outside blades): straight, KurzAbzug |L/2 - x|.
  void EKWKurzLaenge(double x);
  /// A new base length for outside blades; refused with the German warning (returned) when
  /// the frogs would lie beyond half of it. Empty when taken.
  std::string AussenLaengeSetzen(double x);
  /// Searches the inner radius R that gives branch radius x (>= 0). An arithmetic failure on
  /// the way makes the slip straight again and returns the German error; empty on success.
  virtual std::string ZweigradiusSetzen(double x);
  /// The stored middle lengths after a change of the inner values: ZwMitteLen = 2 |rb|
  /// atan(tan(gamma)), gamma = alpha/2 straight, omega/2 curved.
  virtual void MittellaengeNachfuehren();
  /// Frog pieces (inside blades); `links` the left one. The end-angle setter returns the
  /// German warning when b is refused (then alpha is taken), else empty.
  void HSLaengeSetzen(bool links, double x);
  std::string HSWinkelSetzen(bool links, double b);
  void HSRadiusSetzen(bool links, double x);
  /// "Richtung ändern" of a frog piece.
  void HSUmdrehen(bool links);
  /// Blade device (outside blades); each returns the German warning when the value is refused
  /// and nothing changed, else empty.
  virtual std::string ZgTangenteSetzen(double x);
  virtual std::string ZgWinkelSetzen(double b);

  // ---- tracks and segments ----
  /// The branch track and the added segments (none before Aufbauen).
  TGleis* EKWZweiggleis() const { return zweig_; }
  TBogen* StMitteA() const { return mitte_[0]; }
  TBogen* StMitteB() const { return mitte_[1]; }
  TBogen* KrMitteA() const { return mitte_[2]; }
  TBogen* KrMitteB() const { return mitte_[3]; }
  TBogen* ZwLinks() const { return zw_[0]; }
  TBogen* ZwMitte() const { return zw_[1]; }
  TBogen* ZwRechts() const { return zw_[2]; }

  // ---- TKreuzung and TElement ----
  Elementart Art() const override { return Elementart::EKW; }
  std::vector<TGleis*> Zweiggleise() const override { return {zweig_}; }
  void Laden(const Zeilenquelle& z, std::size_t& i) override;
  void Aufbauen() override;
  bool Vollstaendig() const override;
  void DatenSchreiben(Zeilen& out) const override;
  void TypSchreiben(Zeilen& out) const override;
  std::unique_ptr<TElement> Klonen() const override;
  void ZeigerUmsetzen(const TUmsetzung& u, TModul* m) override;

  /// The kind's reader inside the module record.
  static TElement* Lesen(TModul& m, const Zeilenquelle& z, std::size_t& i, std::int32_t k);

 protected:
  TEKW(const TEKW&) = default;

  void ZweigePlatzieren() override;
  TSchwellenZweig SchwellenZweig() const override;

  /// The four middle segments' values as computed from the element's values.
  struct Mitte {
    double stA = 0, stB = 0, krA = 0, krB = 0;
  };
  /// Lengths of the middle segments as the segments hold them (a negative one as 1).
  Mitte Mittellaengen() const;
  /// Base radii of the middle segments, before they are negated for "von rechts".
  Mitte MittelradienBasis() const;
  /// Lengths of the branch segments before any blade swap: left, middle, right.
  std::array<double, 3> Zweiglaengen() const;
  /// w, the turning sign of the branch.
  int Zweigvorzeichen() const;
  /// -1 for a straight slip "von rechts", else +1: the sign of swapped blade radii.
  double Tauschvorzeichen() const;

  /// A double slip changes some single-slip rules.
  virtual bool Doppelt() const { return false; }
  /// The radius the blade length is taken on (rb; the double slip's rb2).
  virtual double Zungenradius() const { return Zweigradius(); }

  /// Reads lines 44 to 73 and appends them.
  void EKWZeilenLesen(const Zeilenquelle& z, std::size_t& i);
  void EKWZeilenSchreiben(Zeilen& out) const;
  /// Creates the branch track and the seven segments (after KrAufbauen).
  void EKWAufbauen();
  /// A track inserted into the module directly before the main track.
  TGleis* GleisVorStammgleis();
  /// Computes a branch track from the start or end of its reference segment.
  static void ZweigPlatzieren(TGleis& zweig, const TBogen& bezug, bool amEnde);

  std::string Kuerzel() const override { return "EKW"; }
  int Gleiszahl() const override { return 4; }
  void ZungenZeileLesen(Zeilenleser& l) override;
  double ZungenZeile() const override;
  double Zungenabzug(Innenbogen innen) const override;
  void SegmenteSetzen() override;
  std::vector<std::pair<const TBogen*, int>> Trassenkanten() const override;
  void ZusatzZeichnen(const Anlage& a, Canvas& c, const TAnsicht& v) const override;
  /// The branch outline: a polyline beside the given segments at 0.65 sleeper lengths.
  void ZweigUmriss(const std::array<TBogen*, 3>& boegen, Canvas& c, const TAnsicht& v) const;

  /// The search of the inner radius R for branch radius x: for x = 0 R is `rNull`; else R runs
  /// as `vorzeichen` times the mid value from a up (phase 1), then, if that did not reach x
  /// within 1e-4, as the mid value from HerzAbst sin(alpha/2) up with the opposite moves
  /// (phase 2), at most 251 halvings each. `wert` is the radius the current R gives. On an
  /// arithmetic failure the slip becomes straight and `meldung` is returned.
  std::string RadiusSuchen(double x, double rNull, double vorzeichen,
                           const std::function<double()>& wert, const std::string& meldung);
  /// After a change: the element recomputed with its points.
  void Neuberechnen() { KrAktualisieren(); }
  /// A value the geometry needs came out as no number, or a length or point as not finite.
  bool Rechenfehler() const;

 private:
  TGleis* zweig_ = nullptr;
  std::array<TBogen*, 4> mitte_{};  ///< StMitteA, StMitteB, KrMitteA, KrMitteB
  std::array<TBogen*, 3> zw_{};     ///< ZwLinks, ZwMitte, ZwRechts
};

/// The standard type's values for module m: the module's gauge and sleeper values, the branch
/// at the crossing track, and the base form of a 15° slip whose frogs lie at the slip curve's
/// tangent points (blades inside).
void StandardwerteSetzen(TEKW& e, const TModul& m);
/// A single-slip type with sensible H0 values for the module m (the base form, blades inside).
Zeilen StandardEKW(const TModul& m);
/// Places a single-slip type at the end of the current segment, or a copy at (x, y).
TKreuzung* EKWEinsetzen(Anlage& a, const Zeilen& satz);
TKreuzung* EKWEinfuegenBei(Anlage& a, const Zeilen& satz, double x, double y, std::int32_t nummer);

}  // namespace trm
