// World/pixel conversion of a module.
#include "core/model/Umrechnung.h"

#include "core/model/Modul.h"
#include "core/model/Zahlformat.h"

namespace trm {

TUmrechnung::TUmrechnung(const TModul& m) : MmProPixel(m.MmProPixel), Hoehe(m.Hoehe) {}

std::int64_t TUmrechnung::WeltZuPixelX(double x) const { return RundenGerade(x / MmProPixel); }
std::int64_t TUmrechnung::WeltZuPixelY(double y) const {
  return RundenGerade((Hoehe - y) / MmProPixel);
}
double TUmrechnung::PixelZuWeltX(double px) const { return px * MmProPixel; }
double TUmrechnung::PixelZuWeltY(double py) const {
  return static_cast<double>(BildHoehe() - py) * MmProPixel;
}
std::int64_t TUmrechnung::BildHoehe() const { return RundenGerade(Hoehe / MmProPixel); }

}  // namespace trm
