// The 77-line double-slip record: the single slip's 74 lines and three of its own, reading it
// into a module, the standard type and placing a type.
#include <cmath>

#include "core/crossings/DKW.h"
#include "core/model/Listen.h"
#include "core/model/Zahlformat.h"

namespace trm {

void TDKW::Laden(const Zeilenquelle& z, std::size_t& i) {
  const std::size_t anfang = i;
  KrZeilenLesen(z, i);
  EKWZeilenLesen(z, i);
  Zeilenleser l(z, i);
  DZwMitteLen = l.Real();
  DZwRadius = l.Real();
  // Four flags, any character but "0" set; a shorter line leaves the missing ones clear.
  const std::string flags = l.Text();
  bool* ziele[4] = {&DKWTausch2Li, &DKWTausch1Li, &DKWTausch1Re, &DKWTausch2Re};
  for (std::size_t k = 0; k < 4; ++k) *ziele[k] = k < flags.size() && flags[k] != '0';
  DZgWinkel = ZgTangente == 0 ? 0.0 : 2.0 * std::atan(ZgTangente / EKWRadius);
  WerteFehlerMelden(anfang);
}

void TDKW::DKWZeilenSchreiben(Zeilen& out) const {
  out.push_back(RealText(DZweiglaengen()[1]));
  out.push_back(Innen() ? RealOderUnendlichText(DZwRadius) : EndlichText(DKWZweigradius()));
  std::string flags;
  for (bool f : {DKWTausch2Li, DKWTausch1Li, DKWTausch1Re, DKWTausch2Re}) flags += f ? '1' : '0';
  out.push_back(flags);
}

void TDKW::DatenSchreiben(Zeilen& out) const {
  TEKW::DatenSchreiben(out);
  DKWZeilenSchreiben(out);
}

void TDKW::TypSchreiben(Zeilen& out) const {
  TEKW::TypSchreiben(out);
  DKWZeilenSchreiben(out);
}

TElement* TDKW::Lesen(TModul& m, const Zeilenquelle& z, std::size_t& i, std::int32_t k) {
  return KrElementLesen(m, std::make_unique<TDKW>(), z, i, k);
}

Zeilen StandardDKW(const TModul& m) {
  TDKW d;
  d.Name = "DKW 15°";
  StandardwerteSetzen(d, m);
  Zeilen satz;
  d.TypSchreiben(satz);
  return satz;
}

TKreuzung* DKWEinsetzen(Anlage& a, const Zeilen& satz) {
  return KrElementEinsetzen(a, std::make_unique<TDKW>(), satz);
}

TKreuzung* DKWEinfuegenBei(Anlage& a, const Zeilen& satz, double x, double y, std::int32_t nummer) {
  return KrElementEinfuegenBei(a, std::make_unique<TDKW>(), satz, x, y, nummer);
}

}  // namespace trm
