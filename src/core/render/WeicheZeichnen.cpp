// Track-bed edges and end markers of turnouts.
#include "core/render/WeicheZeichnen.h"

#include <cmath>

#include "core/model/Anlage.h"
#include "core/render/Ansicht.h"
#include "core/render/Farben.h"
#include "core/turnouts/Weiche.h"

namespace trm {

namespace {

/// The edge of one segment at half the track-bed width, on the left (+1) or right (-1).
void Kante(const TBogen& b, int seite, Canvas& c, const TAnsicht& v) {
  const double h = b.TrBrt() / 2 * seite;
  const std::int32_t f = b.Markiert ? farbe::Rot : b.FarbeWert();
  for (const auto& p : b.Spurpunkte) c.Pixel(v.Pixel(p.x - std::sin(p.w) * h, p.y + std::cos(p.w) * h), f);
}

/// Side of the edge of main (stamm) and branch segments by connection and direction.
int Seite(const TEWeiche& w, bool stamm) {
  const int links = w.IstLinks() ? 1 : -1;
  switch (w.Anschluss) {
    case AnschlussStammAnfang: return stamm ? -links : links;
    case AnschlussStammEnde: return links;
    case AnschlussZweig: return -links;
    default: return 0;
  }
}

void Quadrat(double x, double y, double w, double s, Canvas& c, const TAnsicht& v) {
  const double kx = std::cos(w) * s, ky = std::sin(w) * s;
  const double qx = -std::sin(w) * s / 2, qy = std::cos(w) * s / 2;
  c.Polygon({v.Pixel(x + kx + qx, y + ky + qy), v.Pixel(x + kx - qx, y + ky - qy), v.Pixel(x - qx, y - qy),
             v.Pixel(x + qx, y + qy)});
}

void Dreieck(double x, double y, double w, double s, Canvas& c, const TAnsicht& v) {
  const double k = std::cos(w), n = std::sin(w);
  c.Polygon({v.Pixel(x, y), v.Pixel(x - k * s - n * s / 2, y - n * s + k * s / 2),
             v.Pixel(x - k * s + n * s / 2, y - n * s - k * s / 2)});
}

}  // namespace

void WeichenZeichnen(const Anlage& a, TModul& m, Canvas& c, const TAnsicht& v) {
  for (const auto& e : m.Weichen) {
    const auto* we = dynamic_cast<const TEWeiche*>(e.get());
    if (!we || !we->Vollstaendig()) continue;
    const TEWeiche& w = *we;
    const TGleis* stamm = w.Stammgleis();
    const TGleis* zweig = w.Zweiggleis();
    if (a.TrasseZeichnen) {
      const int s = Seite(w, true), z = Seite(w, false);
      if (s != 0) {
        for (const auto& b : stamm->Boegen) Kante(*b, s, c, v);
        for (const auto& b : zweig->Boegen) Kante(*b, z, c, v);
      }
    }
    const double g = w.Spur();
    c.SetStift({farbe::Schwarz, false});
    c.SetPinsel({farbe::Cyan, false});
    const TGleis* angeschlossen = w.Anschluss == AnschlussZweig ? zweig : stamm;
    Quadrat(angeschlossen->XAnf, angeschlossen->YAnf, angeschlossen->WAnf(), g, c, v);
    Dreieck(stamm->XEnde(), stamm->YEnde(), stamm->WEnde(), g, c, v);
    Dreieck(zweig->XEnde(), zweig->YEnde(), zweig->WEnde(), g, c, v);
    c.SetPinsel({farbe::Weiss, true});
  }
}

}  // namespace trm
