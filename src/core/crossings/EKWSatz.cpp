// The 74-line single-slip record: the crossing's 44 lines and 30 of its own (layout and type
// form), reading it into a module, the standard type and placing a type.
#include <algorithm>
#include <cmath>

#include "core/crossings/EKW.h"
#include "core/model/Anlage.h"
#include "core/model/Listen.h"
#include "core/model/Modul.h"
#include "core/model/Zahlformat.h"

namespace trm {

void TEKW::ZungenZeileLesen(Zeilenleser& l) { KurzAbzug = l.Real(); }

void TEKW::Laden(const Zeilenquelle& z, std::size_t& i) {
  const std::size_t anfang = i;
  KrZeilenLesen(z, i);
  EKWZeilenLesen(z, i);
  WerteFehlerMelden(anfang);
}

void TEKW::EKWZeilenLesen(const Zeilenquelle& z, std::size_t& i) {
  Zeilenleser l(z, i);
  (void)l.Real();  // the slip-curve radius and
  (void)l.Real();  // the middle radius as last computed: informative
  HSWinkelRe = l.Real();
  HSWinkelLi = l.Real();
  HSLaengeLi = l.Real();
  HSLaengeRe = l.Real();
  ZwLinksLen = l.Real();
  ZwMitteLen = l.Real();
  ZwRechtsLen = l.Real();
  StMitteALen = l.Real();
  StMitteBLen = l.Real();
  StMitteARad = l.Real();
  StMitteBRad = l.Real();
  KrMitteALen = l.Real();
  KrMitteBLen = l.Real();
  KrMitteARad = l.Real();
  KrMitteBRad = l.Real();
  EKWReserviert[0] = l.Real();
  EKWReserviert[1] = l.Real();
  ZungenInnen = static_cast<std::uint8_t>(SeiteLesen(l.Text()));
  (void)l.Bool();  // reserved
  ZwAnschluss = static_cast<std::uint8_t>(FormLesen(l.Text()));
  l.Ueberspringen();  // reserved
  HSRadiusLi = l.Real();
  HSRadiusRe = l.Real();
  l.Ueberspringen();
  ZgWinkel = l.Real();
  ZgTangente = l.Real();
  ZgTauschLi = l.Bool();
  ZgTauschRe = l.Bool();
}

void TEKW::EKWZeilenSchreiben(Zeilen& out) const {
  out.push_back(EndlichText(Zweigradius()));
  out.push_back(EndlichText(ZwMitteRadius()));
  for (double x : {HSWinkelRe, HSWinkelLi, HSLaengeLi, HSLaengeRe}) out.push_back(RealText(x));
  for (double x : Zweiglaengen()) out.push_back(RealText(x));
  // Inside blades keep their stored radii; outside blades write the radii they computed.
  const Mitte laenge = Mittellaengen();
  const Mitte basis = MittelradienBasis();
  const bool innen = Innen();
  out.push_back(RealText(laenge.stA));
  out.push_back(RealText(laenge.stB));
  out.push_back(RealOderUnendlichText(innen ? StMitteARad : basis.stA));
  out.push_back(RealOderUnendlichText(innen ? StMitteBRad : basis.stB));
  out.push_back(RealText(laenge.krA));
  out.push_back(RealText(laenge.krB));
  out.push_back(RealOderUnendlichText(innen ? KrMitteARad : basis.krA));
  out.push_back(RealOderUnendlichText(innen ? KrMitteBRad : basis.krB));
  out.push_back(RealText(EKWReserviert[0]));
  out.push_back(RealText(EKWReserviert[1]));
  out.push_back(SeiteText(ZungenInnen));
  out.push_back("00");
  out.push_back(FormText(ZwAnschluss));
  out.push_back("kr");
  out.push_back(RealOderUnendlichText(HSRadiusLi));
  out.push_back(RealOderUnendlichText(HSRadiusRe));
  out.push_back("00");
  out.push_back(RealText(ZgWinkel));
  out.push_back(RealText(ZgTangente));
  out.push_back(BoolText(ZgTauschLi));
  out.push_back(BoolText(ZgTauschRe));
}

void TEKW::DatenSchreiben(Zeilen& out) const {
  Schreiben(out, false);
  EKWZeilenSchreiben(out);
}

void TEKW::TypSchreiben(Zeilen& out) const {
  Schreiben(out, true);
  EKWZeilenSchreiben(out);
}

TElement* TEKW::Lesen(TModul& m, const Zeilenquelle& z, std::size_t& i, std::int32_t k) {
  return KrElementLesen(m, std::make_unique<TEKW>(), z, i, k);
}

void StandardwerteSetzen(TEKW& e, const TModul& m) {
  e.KrSpur = m.Spur();
  e.KrSpurAussen = m.SpurAussen();
  e.KrSwBrt = m.SwBrt();
  e.KrSwLen = m.SwLen();
  e.KrSwAbst = m.SwAbst();
  e.ZwAnschluss = 1;
  const double alpha = 15.0 * Pi / 180.0;
  const double t = std::tan(alpha / 2.0);
  // The largest slip radius whose frogs lie at or beyond the tangent points.
  e.Grundform(alpha, std::max(1.0, std::floor(e.Spur() / (2.0 * t * t))));
}

Zeilen StandardEKW(const TModul& m) {
  TEKW e;
  e.Name = "EKW 15°";
  StandardwerteSetzen(e, m);
  Zeilen satz;
  e.TypSchreiben(satz);
  return satz;
}

TKreuzung* EKWEinsetzen(Anlage& a, const Zeilen& satz) {
  return KrElementEinsetzen(a, std::make_unique<TEKW>(), satz);
}

TKreuzung* EKWEinfuegenBei(Anlage& a, const Zeilen& satz, double x, double y, std::int32_t nummer) {
  return KrElementEinfuegenBei(a, std::make_unique<TEKW>(), satz, x, y, nummer);
}

}  // namespace trm
