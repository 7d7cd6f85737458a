// The printed sheet's pen: colours, offset polylines, texts, outlines and circles in layout mm.
#include "core/render/Blattstift.h"

#include <cmath>
#include <numbers>

#include "core/model/Bogen.h"
#include "core/render/Farben.h"

namespace trm {

std::int32_t Blattstift::Farbe(std::int32_t f) const { return o.farbig ? f : farbe::Schwarz; }

void Blattstift::Versetzt(const TBogen& b, double d) {
  std::vector<PixelPunkt> v;
  v.reserve(b.Spurpunkte.size());
  for (const TSpurpunkt& p : b.Spurpunkte) v.push_back(P(p.x - d * std::sin(p.w), p.y + d * std::cos(p.w)));
  c.Polylinie(v);
}

void Blattstift::Text(double x, double y, const std::string& text, double winkel) {
  if (text.empty()) return;
  constexpr double kGrad = 180.0 / std::numbers::pi;
  c.TextGedreht(P(x, y), text, farbe::Schwarz, std::round(winkel * kGrad), DruckTexthoehe);
}

void Blattstift::Umrisse(const std::vector<std::array<TPaar, 4>>& umrisse) {
  for (const auto& u : umrisse) c.Polygon({P(u[0].x, u[0].y), P(u[1].x, u[1].y), P(u[2].x, u[2].y), P(u[3].x, u[3].y)});
}

void Blattstift::Kreis(double x, double y, double r) {
  const PixelPunkt m = P(x, y);
  const std::int32_t rp = Laenge(r);
  c.Ellipse(m.x - rp, m.y - rp, m.x + rp, m.y + rp);
}

}  // namespace trm
