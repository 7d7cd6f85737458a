// TDKW: a double slip, a single slip with a second slip curve on the other side of the
// crossing. It keeps everything of the single slip, whose branch track is the first slip
// curve, and adds a second branch track of three segments that leaves crossing track B and
// joins the main track on side A. With outside blades all four middle segments carry blades.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/crossings/EKW.h"

namespace trm {

/// Lines of a double-slip record.
inline constexpr std::size_t ZeilenDKW = 77;

/// A double slip.
class TDKW : public TEKW {
 public:
  explicit TDKW(TModul* modul = nullptr) : TEKW(modul) {}

  double DZwMitteLen = 0;  ///< stored length of DZwMitte (inside blades)
  double DZwRadius = 0;    ///< stored radius of DZwLinks and DZwRechts (inside blades); 0 straight
  double DZgWinkel = 0;    ///< blade angle of the second slip curve
  /// Flags of the first curve's blade devices: toggled with ZgTauschLi / ZgTauschRe and kept in
  /// the record; the geometry reads ZgTauschLi and ZgTauschRe.
  bool DKWTausch1Li = false, DKWTausch1Re = false;
  /// Left and right blade device of the second slip curve swapped.
  bool DKWTausch2Li = false, DKWTausch2Re = false;

  // ---- derived values of the second slip curve ----
  double Lambda2() const;
  int DKWFall() const;
  double Omega2() const;
  /// rb2, radius of the second slip curve.
  double DKWZweigradius() const;
  double DZwWinkel() const;
  double DZwStrecke() const;
  double DZwMitteTangente() const;
  double DZwMitteRadius() const;
  /// The second curve's radius shown to the user: rb2 with inside blades or T > 0, else rho2.
  double AngezeigterDKWZweigradius() const;

  // ---- setters ----
  void Grundform(double alpha, double a) override;
  /// The search of the inner radius for the second curve's radius x (taken with its sign).
  std::string DKWZweigradiusSetzen(double x);
  void MittellaengeNachfuehren() override;
  std::string ZgTangenteSetzen(double x) override;
  std::string ZgWinkelSetzen(double b) override;

  // ---- tracks and segments ----
  TGleis* DKWZweiggleis() const { return dzweig_; }
  TBogen* DZwLinks() const { return dzw_[0]; }
  TBogen* DZwMitte() const { return dzw_[1]; }
  TBogen* DZwRechts() const { return dzw_[2]; }

  // ---- TKreuzung and TElement ----
  Elementart Art() const override { return Elementart::DKW; }
  std::vector<TGleis*> Zweiggleise() const override { return {EKWZweiggleis(), dzweig_}; }
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
  TDKW(const TDKW&) = default;

  std::string Kuerzel() const override { return "DKW"; }
  int Gleiszahl() const override { return 5; }
  bool Doppelt() const override { return true; }
  double Zungenradius() const override { return DKWZweigradius(); }
  void ZweigePlatzieren() override;
  TSchwellenZweig SchwellenZweig() const override;
  void SegmenteSetzen() override;
  std::vector<std::pair<const TBogen*, int>> Trassenkanten() const override;
  void ZusatzZeichnen(const Anlage& a, Canvas& c, const TAnsicht& v) const override;

 private:
  /// Lengths of DZwLinks, DZwMitte, DZwRechts before any blade swap.
  std::array<double, 3> DZweiglaengen() const;
  /// w2, the turning sign of the second branch.
  int DZweigvorzeichen() const;
  void DKWZeilenSchreiben(Zeilen& out) const;

  TGleis* dzweig_ = nullptr;
  std::array<TBogen*, 3> dzw_{};
};

/// A double-slip type with sensible H0 values for the module m.
Zeilen StandardDKW(const TModul& m);
/// Places a double-slip type at the end of the current segment, or a copy at (x, y).
TKreuzung* DKWEinsetzen(Anlage& a, const Zeilen& satz);
TKreuzung* DKWEinfuegenBei(Anlage& a, const Zeilen& satz, double x, double y, std::int32_t nummer);

}  // namespace trm
