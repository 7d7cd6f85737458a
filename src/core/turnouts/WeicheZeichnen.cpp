// Drawing of turnouts on screen (the track-bed edge on the outer side of each segment, the
// sleeper outlines in the sleeper display mode, the end markers: a square at the attached end,
// triangles at the other two), in the height profile and on printed sheets.

#include <algorithm>
#include <vector>

#include "core/model/Anlage.h"
#include "core/model/Zahlformat.h"
#include "core/render/Ansicht.h"
#include "core/render/Blattstift.h"
#include "core/render/Canvas.h"
#include "core/render/Farben.h"
#include "core/render/GleisZeichnen.h"
#include "core/render/Profilstift.h"
#include "core/turnouts/Weiche.h"

namespace trm {

namespace {

/// Side of the edge of main (stamm) and branch segments by connection and direction.
int Kantenseite(const TEWeiche& w, bool stamm) {
  const int links = w.IstLinks() ? 1 : -1;
  switch (w.Anschluss) {
    case AnschlussStammAnfang: return stamm ? -links : links;
    case AnschlussStammEnde: return links;
    case AnschlussZweig: return -links;
    default: return 0;
  }
}

}  // namespace

void TEWeiche::Zeichnen(const Anlage& a, Canvas& c, const TAnsicht& v) const {
  {
    if (!Vollstaendig()) return;
    const TEWeiche& w = *this;
    const TGleis* stamm = w.Stammgleis();
    const TGleis* zweig = w.Zweiggleis();
    if (a.TrasseZeichnen) {
      const int s = Kantenseite(w, true), z = Kantenseite(w, false);
      if (s != 0) {
        for (const auto& b : stamm->Boegen) TrassenKante(*b, s, c, v);
        for (const auto& b : zweig->Boegen) TrassenKante(*b, z, c, v);
      }
    }
    // Sleepers where ordinary tracks draw theirs: not with "nur Schienen" or "nur Gleisachse".
    if (a.Option(5) != '1' && a.Option(5) != '2') {
      const bool markiert = stamm->Markiert || zweig->Markiert;
      c.SetStift({markiert ? farbe::Rot : Farbe, false});
      c.SetPinsel({farbe::Weiss, true});
      for (const TSchwellenumriss& u : SwPolygone) {
        TRechteck h{u[0].x, u[0].y, u[0].x, u[0].y};
        for (const TPaar& p : u) h = {std::min(h.xmin, p.x), std::min(h.ymin, p.y), std::max(h.xmax, p.x), std::max(h.ymax, p.y)};
        if (!v.Sichtbar(h.xmin, h.ymin, h.xmax, h.ymax)) continue;
        c.Polygon({v.Pixel(u[0].x, u[0].y), v.Pixel(u[1].x, u[1].y), v.Pixel(u[2].x, u[2].y), v.Pixel(u[3].x, u[3].y)});
      }
    }
    const double g = w.Spur();
    c.SetStift({farbe::Schwarz, false});
    c.SetPinsel({farbe::Cyan, false});
    const TGleis* angeschlossen = w.Anschluss == AnschlussZweig ? zweig : stamm;
    MarkeZeichnen(MarkenQuadrat(angeschlossen->XAnf, angeschlossen->YAnf, angeschlossen->WAnf(), g), c, v);
    MarkeZeichnen(MarkenDreieck(stamm->XEnde(), stamm->YEnde(), stamm->WEnde(), g), c, v);
    MarkeZeichnen(MarkenDreieck(zweig->XEnde(), zweig->YEnde(), zweig->WEnde(), g), c, v);
    c.SetPinsel({farbe::Weiss, true});
  }
}

bool TEWeiche::ProfilZeichnen(const Profilstift& p) const {
  const int x = p.x0, y = p.y0;
  p.Strich({x + 15, y + 15}, {x + 165, y + 15});
  p.Strich({x + 15, y + 15}, {x + 165, y - 15});
  auto hoehe = [](const TGleis* t, std::size_t i, bool ende) {
    if (!t || i >= t->Boegen.size()) return 0.0;
    return ende ? t->Boegen[i]->ZEnde : t->Boegen[i]->ZAnf();
  };
  const TGleis* s = Stammgleis();
  const TGleis* z = Zweiggleis();
  // The start, the main track's far end and the branch's far end, as attached.
  double h[3];
  if (Anschluss == AnschlussStammEnde)
    h[0] = hoehe(s, 0, true), h[1] = hoehe(s, 2, false), h[2] = hoehe(z, 2, true);
  else if (Anschluss == AnschlussZweig)
    h[0] = hoehe(z, 0, true), h[1] = hoehe(s, 2, true), h[2] = hoehe(z, 2, false);
  else
    h[0] = hoehe(s, 0, false), h[1] = hoehe(s, 2, true), h[2] = hoehe(z, 2, true);
  p.Hoehe(x, y + 30, h[0]);
  p.Hoehe(x + 165, y + 30, h[1]);
  p.Hoehe(x + 165, y - 45, h[2]);
  return true;
}

namespace {

/// The dotted bed edge of a turnout track on one side (+1 left, -1 right of its direction).
void Trassenkante(Blattstift& p, const TGleis* g, int seite) {
  if (g == nullptr) return;
  for (const auto& b : g->Boegen) {
    p.c.SetStift({p.Farbe(b->FarbeWert()), true, 1});
    p.Versetzt(*b, seite * b->TrBrt() / 2);
  }
}

}  // namespace

void TWeiche::Drucken(Druckstufe s, Blattstift& p) const {
  switch (s) {
    case Druckstufe::Schwellen:
      p.c.SetStift({p.Farbe(Farbe), false, 1});
      p.Umrisse(SwPolygone);
      break;
    case Druckstufe::Trassen: {
      // Which edge each track shows depends on the hand and where the turnout was attached.
      const int l = IstLinks() ? 1 : -1;  // a right-hand turnout mirrors the sides
      int stamm = -l, zweig = l;         // attached at the main track's start
      if (Anschluss == AnschlussStammEnde) stamm = l, zweig = l;
      if (Anschluss == AnschlussZweig) stamm = -l, zweig = -l;
      Trassenkante(p, Stammgleis(), stamm);
      Trassenkante(p, Zweiggleis(), zweig);
      break;
    }
    case Druckstufe::Namen: {
      const TGleis* st = Stammgleis();
      const TGleis* zw = Zweiggleis();
      if (st == nullptr || zw == nullptr || st->Boegen.empty() || zw->Boegen.empty()) break;
      p.Text(st->XAnf, st->YAnf,
             " " + Typname() + " - " + FestText(st->Boegen.front()->AnfRadius(), 3) + " - " +
                 FestText(zw->Boegen.front()->AnfRadius(), 3),
             st->WAnf());
      break;
    }
    case Druckstufe::Bauteile:
    case Druckstufe::Obenauf: break;
  }
}

}  // namespace trm
